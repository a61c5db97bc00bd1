#include "app/pages/ControlWalkers.h"

#include "base/AsciiText.h"
#include "base/Color.h"
#include "base/Convert.h"
#include "platform/IniFile.h"

namespace {

template <class W> W* as(const TDesignedControl& control) {
    return static_cast<W*>(control.Widget);
}

// A font style other than plain is a change mark.
void SetPlainFont(QWidget* widget) {
    QFont font = widget->font();
    if (font.weight() == QFont::Normal && !font.italic() && !font.underline() && !font.strikeOut()) return;
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    widget->setFont(font);
}

// A label's mark is also a text colour other than the window text. Only the enabled colour
// groups are set, so a disabled label still shows grey.
void ClearLabelMarks(QLabel* label) {
    SetPlainFont(label);
    const QColor windowText = ToQColor(clWindowText);
    QPalette palette = label->palette();
    if (palette.color(QPalette::Active, QPalette::WindowText) == windowText &&
        palette.color(QPalette::Inactive, QPalette::WindowText) == windowText)
        return;
    palette.setColor(QPalette::Active, QPalette::WindowText, windowText);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, windowText);
    label->setPalette(palette);
}

// A check box or radio button whose caption is exactly "!" is marked.
void ClearButtonMarks(QAbstractButton* button) {
    SetPlainFont(button);
    if (button->text() == QStringLiteral("!")) button->setText(QString());
}

} // namespace

std::optional<bool> HintToBool(const QString& hint) {
    if (asciiSameText(hint, QStringLiteral("TRUE"))) return true;
    if (asciiSameText(hint, QStringLiteral("FALSE"))) return false;
    if (const auto number = TryStrToInt(hint)) return *number != 0;
    return std::nullopt;
}

int ComboItemIndex(const QComboBox* combo) {
    const int index = combo->currentIndex();
    if (index >= 0 && combo->isEditable() && combo->currentText() != combo->itemText(index)) return -1;
    return index;
}

void ClearControls(const TDesignedControls& form) {
    for (const TDesignedControl& control : form.Items()) {
        switch (control.Kind) {
        case TControlKind::Label:
            ClearLabelMarks(as<QLabel>(control));
            break;
        case TControlKind::Edit:
            as<QLineEdit>(control)->setText(QString());
            SetPlainFont(control.Widget);
            break;
        case TControlKind::SpinEdit:
            SetPlainFont(control.Widget);
            break;
        case TControlKind::CheckBox:
            as<QCheckBox>(control)->setChecked(false);
            ClearButtonMarks(as<QCheckBox>(control));
            break;
        case TControlKind::RadioButton:
            ClearButtonMarks(as<QRadioButton>(control));
            break;
        case TControlKind::MaskEdit:
            SetPlainFont(control.Widget);
            as<TMaskEdit>(control)->SetText(control.Hint);
            break;
        case TControlKind::ComboBox:
        case TControlKind::ComboBoxEx:
        case TControlKind::Other:
            break;
        }
    }
}

void ResetControlMarks(const TDesignedControls& form) {
    for (const TDesignedControl& control : form.Items()) {
        switch (control.Kind) {
        case TControlKind::Label:
            ClearLabelMarks(as<QLabel>(control));
            break;
        case TControlKind::Edit:
        case TControlKind::SpinEdit:
            SetPlainFont(control.Widget);
            break;
        case TControlKind::CheckBox:
        case TControlKind::RadioButton:
            ClearButtonMarks(as<QAbstractButton>(control));
            break;
        case TControlKind::MaskEdit:
        case TControlKind::ComboBox:
        case TControlKind::ComboBoxEx:
        case TControlKind::Other:
            break;
        }
    }
}

void SetControlDefaults(const TDesignedControls& form) {
    for (const TDesignedControl& control : form.Items()) {
        switch (control.Kind) {
        case TControlKind::Edit:
            as<QLineEdit>(control)->setText(control.Hint);
            break;
        case TControlKind::SpinEdit:
            as<TSpinEdit>(control)->SetText(control.Hint);
            break;
        case TControlKind::CheckBox:
        case TControlKind::RadioButton:
            if (const auto checked = HintToBool(control.Hint))
                as<QAbstractButton>(control)->setChecked(*checked);
            break;
        case TControlKind::ComboBox:
        case TControlKind::ComboBoxEx:
            if (const auto index = TryStrToInt(control.Hint))
                as<QComboBox>(control)->setCurrentIndex(*index); // outside the items: nothing chosen
            break;
        case TControlKind::MaskEdit:
            as<TMaskEdit>(control)->SetText(control.Hint);
            break;
        case TControlKind::Label:
        case TControlKind::Other:
            break;
        }
    }
}

void LoadControlsFromIni(const TMemIniFile& ini, const TDesignedControls& form) {
    const QString section = form.Section();
    for (const TDesignedControl& control : form.Items()) {
        const QString key = control.Name();
        switch (control.Kind) {
        case TControlKind::Edit:
            if (ini.ValueExists(section, key))
                as<QLineEdit>(control)->setText(ini.ReadString(section, key, QString()));
            break;
        case TControlKind::SpinEdit: {
            const QString text = ini.ReadString(section, key, QString());
            if (!text.isEmpty()) as<TSpinEdit>(control)->SetText(text);
            break;
        }
        case TControlKind::CheckBox: {
            auto* box = as<QCheckBox>(control);
            box->setChecked(ini.ReadBool(section, key, HintToBool(control.Hint).value_or(box->isChecked())));
            break;
        }
        case TControlKind::RadioButton: {
            auto* button = as<QRadioButton>(control);
            button->setChecked(ini.ReadBool(section, key, button->isChecked()));
            break;
        }
        case TControlKind::ComboBox:
        case TControlKind::ComboBoxEx: {
            auto* combo = as<QComboBox>(control);
            const int fallback = TryStrToInt(control.Hint).value_or(ComboItemIndex(combo));
            combo->setCurrentIndex(ini.ReadInteger(section, key, fallback));
            break;
        }
        case TControlKind::MaskEdit:
            as<TMaskEdit>(control)->SetText(ini.ReadString(section, key, control.Hint));
            break;
        case TControlKind::Label:
        case TControlKind::Other:
            break;
        }
    }
}

void SaveControlsToIni(TMemIniFile& ini, const TDesignedControls& form) {
    const QString section = form.Section();
    for (const TDesignedControl& control : form.Items()) {
        const QString key = control.Name();
        switch (control.Kind) {
        case TControlKind::Edit:
            ini.WriteString(section, key, as<QLineEdit>(control)->text());
            break;
        case TControlKind::SpinEdit:
            ini.WriteString(section, key, as<TSpinEdit>(control)->Text());
            break;
        case TControlKind::CheckBox:
        case TControlKind::RadioButton:
            ini.WriteBool(section, key, as<QAbstractButton>(control)->isChecked());
            break;
        case TControlKind::ComboBox:
        case TControlKind::ComboBoxEx:
            ini.WriteInteger(section, key, ComboItemIndex(as<QComboBox>(control)));
            break;
        case TControlKind::MaskEdit:
            ini.WriteString(section, key, as<TMaskEdit>(control)->Text());
            break;
        case TControlKind::Label:
        case TControlKind::Other:
            break;
        }
    }
}
