#include "app/controls/MaskEdit.h"

#include <algorithm>

namespace {

// Characters that QLineEdit::inputMask reads as commands; as literals they need a "\" first.
const QString kQtMaskMeta = QStringLiteral("AaNnXx90DdHhBb#><!\\;[]{}");

} // namespace

TEditMask TEditMask::Parse(const QString& editMask) {
    TEditMask m;
    // The mask runs up to the first ";" that is not escaped; the save and blank fields follow.
    qsizetype end = 0;
    while (end < editMask.size() && editMask.at(end) != u';')
        end += editMask.at(end) == u'\\' ? 2 : 1;
    end = std::min(end, editMask.size());
    if (end < editMask.size()) {
        const QStringList fields = editMask.mid(end + 1).split(u';');
        if (!fields.at(0).isEmpty()) m.SaveLiterals = fields.at(0) != QStringLiteral("0");
        if (fields.size() > 1 && !fields.at(1).isEmpty()) m.Blank = fields.at(1).at(0);
    }

    auto literal = [&m](QChar c) {
        m.Layout.append(c);
        if (kQtMaskMeta.contains(c)) m.QtMask += u'\\';
        m.QtMask += c;
    };
    auto input = [&m](char16_t qtChar) {
        m.Layout.append(QChar());
        m.QtMask += QChar(qtChar);
    };
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = editMask.at(i);
        switch (c.unicode()) {
        case u'!':
            m.RightAligned = true;
            break;
        case u'>':
            m.QtMask += u'>';
            break;
        case u'<':
            if (i + 1 < end && editMask.at(i + 1) == u'>') {
                m.QtMask += u'!';
                ++i;
            } else {
                m.QtMask += u'<';
            }
            break;
        case u'\\':
            if (i + 1 < end) literal(editMask.at(++i));
            break;
        case u'L':
            input(u'A');
            break;
        case u'l':
            input(u'a');
            break;
        case u'A':
            input(u'N');
            break;
        case u'a':
            input(u'n');
            break;
        case u'C':
            input(u'X');
            break;
        case u'c':
            input(u'x');
            break;
        case u'0':
            input(u'9');
            break;
        case u'9':
            input(u'0');
            break;
        case u'#':
            input(u'#');
            break;
        case u'_':
            literal(u' ');
            break;
        default:
            literal(c);
            break;
        }
    }
    m.QtMask += u';';
    m.QtMask += m.Blank;
    return m;
}

TMaskEdit::TMaskEdit(QWidget* parent) : QLineEdit(parent) {}

void TMaskEdit::SetEditMask(const QString& editMask) {
    editMask_ = editMask;
    mask_ = TEditMask::Parse(editMask);
    setInputMask(editMask.isEmpty() ? QString() : mask_.QtMask);
}

QString TMaskEdit::Text() const {
    if (editMask_.isEmpty()) return text();
    const QString shown = displayText();
    QString result;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool isInput = i >= mask_.Layout.size() || mask_.Layout.at(i).isNull();
        if (!isInput && !mask_.SaveLiterals) continue;
        result += isInput && shown.at(i) == mask_.Blank ? QChar(u' ') : shown.at(i);
    }
    return result;
}

void TMaskEdit::SetText(const QString& text) {
    if (editMask_.isEmpty()) {
        setText(text);
        return;
    }
    // Lay the text over the positions (from the right for a right-aligned mask), literals in
    // place, a space as a blank, so that Qt keeps every character where the text put it.
    const qsizetype count = mask_.Layout.size();
    QString shown(count, mask_.Blank);
    QString source = text;
    if (mask_.RightAligned) std::reverse(source.begin(), source.end());
    qsizetype next = 0;
    for (qsizetype k = 0; k < count; ++k) {
        const qsizetype pos = mask_.RightAligned ? count - 1 - k : k;
        const QChar literal = mask_.Layout.at(pos);
        if (!literal.isNull()) {
            shown[pos] = literal;
            if (mask_.SaveLiterals && next < source.size() && source.at(next) == literal) ++next;
        } else if (next < source.size()) {
            const QChar c = source.at(next++);
            shown[pos] = c == u' ' ? mask_.Blank : c;
        }
    }
    setText(shown);
}
