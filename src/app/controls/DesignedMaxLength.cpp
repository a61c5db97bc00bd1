#include "app/controls/DesignedMaxLength.h"

#include <QLineEdit>
#include <QValidator>

namespace {

// Judges each change of the text against the text before it. A change that lengthens the text
// past the limit is the user's only when the edit has something to undo: every setText clears
// the edit's undo history before the text is validated, every typed, pasted or dropped text adds
// to it. An insertion longer than the room left is cut to the room, as a paste into a full
// field would be; with no room left the change is refused and the edit keeps its text.
class TDesignedLengthValidator : public QValidator {
public:
    TDesignedLengthValidator(QLineEdit* edit, int maxLength)
        : QValidator(edit), edit_(edit), maxLength_(maxLength), before_(edit->text()) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int& pos) const override {
        if (input.size() <= maxLength_ || input.size() <= before_.size() || !edit_->isUndoAvailable())
            return Acceptable;
        // The inserted run is what lies between the parts the old and new text share.
        qsizetype head = 0;
        while (head < before_.size() && head < input.size() && before_[head] == input[head])
            ++head;
        qsizetype tail = 0;
        while (tail < before_.size() - head && tail < input.size() - head &&
               before_[before_.size() - 1 - tail] == input[input.size() - 1 - tail])
            ++tail;
        const qsizetype inserted = input.size() - head - tail;
        const qsizetype room = maxLength_ - (input.size() - inserted);
        if (room <= 0) return Invalid;
        input.remove(head + room, inserted - room);
        pos = int(head + room);
        return Acceptable;
    }

private:
    QLineEdit* edit_;
    int maxLength_;
    QString before_;
};

} // namespace

void SetDesignedMaxLength(QLineEdit* edit, int maxLength) {
    edit->setValidator(new TDesignedLengthValidator(edit, maxLength));
}
