#include "app/controls/SpinEdit.h"

#include "base/Convert.h"

#include <limits>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

void TSpinEdit::SetText(const QString& text) {
    if (const auto number = TryStrToInt(text)) setValue(*number);
}
