#pragma once

#include <QLineEdit>
#include <QList>

// An edit mask as the page designs write it: "mask;save;blank". In the mask, "0" is a required
// digit and "9" an optional one, "L"/"l" a letter, "A"/"a" a letter or digit, "C"/"c" any
// character, "#" a digit or sign, ">" / "<" / "<>" switch upper / lower / no case conversion,
// "\" makes the next character literal, "_" stands for a blank, and a leading "!" aligns a
// shorter text to the right. "save" "0" keeps the literals out of the text; "blank" is the
// character shown in empty positions (default "_").
struct TEditMask {
    QString QtMask;      // the same mask in QLineEdit::inputMask form
    QList<QChar> Layout; // one entry per position: the literal, or a null QChar for an input position
    QChar Blank = u'_';
    bool SaveLiterals = true;
    bool RightAligned = false;

    static TEditMask Parse(const QString& editMask);
};

// One-line text with an input mask. Text() and SetText() keep the designs' meaning of the text:
// an empty position reads as a space and a space written in takes a position, where Qt's own
// text() would drop both.
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* parent = nullptr);

    void SetEditMask(const QString& editMask);
    const QString& EditMask() const { return editMask_; }

    QString Text() const;
    void SetText(const QString& text);

private:
    QString editMask_;
    TEditMask mask_;
};
