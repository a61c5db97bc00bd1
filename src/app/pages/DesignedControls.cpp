#include "app/pages/DesignedControls.h"

#include "base/AsciiText.h"

void TDesignedControls::Append(TControlKind kind, QWidget* widget, const QString& name, const QString& hint) {
    Q_ASSERT_X(!Find(name), "TDesignedControls", "control names are unique within a window");
    widget->setObjectName(name);
    items_.append({kind, widget, hint});
}

QLineEdit* TDesignedControls::AddEdit(QWidget* parent, const QString& name, const QString& hint) {
    auto* edit = new QLineEdit(parent);
    Append(TControlKind::Edit, edit, name, hint);
    return edit;
}

TSpinEdit* TDesignedControls::AddSpinEdit(QWidget* parent, const QString& name, const QString& hint) {
    auto* spin = new TSpinEdit(parent);
    Append(TControlKind::SpinEdit, spin, name, hint);
    return spin;
}

QCheckBox* TDesignedControls::AddCheckBox(QWidget* parent, const QString& name, const QString& caption,
                                          const QString& hint) {
    auto* box = new QCheckBox(caption, parent);
    Append(TControlKind::CheckBox, box, name, hint);
    return box;
}

QRadioButton* TDesignedControls::AddRadioButton(QWidget* parent, const QString& name, const QString& caption,
                                                const QString& hint) {
    auto* button = new QRadioButton(caption, parent);
    Append(TControlKind::RadioButton, button, name, hint);
    return button;
}

QComboBox* TDesignedControls::AddComboBox(QWidget* parent, const QString& name, const QString& hint) {
    auto* combo = new QComboBox(parent);
    Append(TControlKind::ComboBox, combo, name, hint);
    return combo;
}

QComboBox* TDesignedControls::AddComboBoxEx(QWidget* parent, const QString& name, const QString& hint) {
    auto* combo = new QComboBox(parent);
    Append(TControlKind::ComboBoxEx, combo, name, hint);
    return combo;
}

TMaskEdit* TDesignedControls::AddMaskEdit(QWidget* parent, const QString& name, const QString& editMask,
                                          const QString& hint) {
    auto* edit = new TMaskEdit(parent);
    edit->SetEditMask(editMask);
    Append(TControlKind::MaskEdit, edit, name, hint);
    return edit;
}

QLabel* TDesignedControls::AddLabel(QWidget* parent, const QString& name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    Append(TControlKind::Label, label, name, QString());
    return label;
}

const TDesignedControl* TDesignedControls::Find(const QString& name) const {
    for (const TDesignedControl& control : items_)
        if (asciiSameText(control.Name(), name)) return &control;
    return nullptr;
}

QString TDesignedControls::HintOf(const QWidget* widget) const {
    for (const TDesignedControl& control : items_)
        if (control.Widget == widget) return control.Hint;
    return QString();
}
