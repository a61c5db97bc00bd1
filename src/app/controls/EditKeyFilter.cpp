#include "app/controls/EditKeyFilter.h"

#include "base/Cp1251.h"
#include "platform/ExceptionGuard.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool IsControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// The character a key types, as a desktop edit sees it: Backspace and Ctrl+letter chords are
// control characters (Ctrl+V is 22); keys that type nothing give an empty text. Enter, Esc,
// Tab and Delete carry a control character but type none in a one-line edit: they pass
// whatever the filter says, so Enter and Esc still reach the dialog's default and cancel
// buttons.
QString TypedText(const QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Backspace)
        return QString(QChar(8));
    const Qt::KeyboardModifiers mods = event->modifiers();
    if ((mods & Qt::ControlModifier) && !(mods & (Qt::AltModifier | Qt::MetaModifier)) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return QString(QChar(char16_t(key - Qt::Key_A + 1)));
    const QString text = event->text();
    for (QChar c : text)
        if (IsControl(c))
            return {};
    return text;
}

} // namespace

void SetKeyPressFilter(QLineEdit* Edit, TKeyPressFilter Filter) {
    TEditKeyFilter::Of(Edit)->Filter = Filter;
}

void SetKeyDownHandler(QLineEdit* Edit, std::function<void()> Handler) {
    TEditKeyFilter::Of(Edit)->KeyDown = std::move(Handler);
}

TEditKeyFilter* TEditKeyFilter::Of(QLineEdit* edit) {
    if (auto* existing = edit->findChild<TEditKeyFilter*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new TEditKeyFilter(edit);
}

TEditKeyFilter::TEditKeyFilter(QLineEdit* edit) : QObject(edit), edit_(edit) {
    edit->installEventFilter(this);
}

bool TEditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_)
        return false;
    if (event->type() == QEvent::KeyPress)
        return FilterKey(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod)
        FilterCommit(static_cast<QInputMethodEvent*>(event));
    return false;
}

bool TEditKeyFilter::FilterKey(QKeyEvent* event) {
    if (KeyDown)
        GuardedCall(KeyDown);
    const QString typed = TypedText(event);
    if (typed.isEmpty() || !Filter)
        return false;
    const QString kept = Kept(typed);
    if (kept == typed)
        return false;
    // Only part of what the key typed (or something else) is to be typed.
    if (!kept.isEmpty() && !edit_->isReadOnly())
        edit_->insert(kept);
    return true;
}

void TEditKeyFilter::FilterCommit(QInputMethodEvent* event) {
    if (event->commitString().isEmpty())
        return;
    // A composed text is typed as if its characters were keys: it must not bypass the filter.
    if (KeyDown)
        GuardedCall(KeyDown);
    if (!Filter)
        return;
    const QString kept = Kept(event->commitString());
    if (kept != event->commitString())
        event->setCommitString(kept, event->replacementStart(), event->replacementLength());
}

QString TEditKeyFilter::Kept(const QString& typed) const {
    QString kept;
    for (QChar c : typed) {
        const int byte = cp1251Byte(c);
        // A character the code page cannot hold would reach the panel as "?": never typed.
        if (byte < 0)
            continue;
        char key = char(byte);
        Filter(edit_, key);
        if (key == char(byte))
            kept += c;
        else if (key != 0)
            kept += fromCp1251(QByteArray(1, key));
    }
    return kept;
}
