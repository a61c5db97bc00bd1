#pragma once

#include "app/controls/MaskEdit.h"
#include "app/controls/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QRadioButton>
#include <QString>

// The designed controls of one window
// ===================================
// A settings page (or any window whose values go to a settings file, like the connect dialog)
// creates every named control through its TDesignedControls, in design order. That list is
// what the control walkers (ControlWalkers.h) visit, in that order, and what name look-ups
// search; Qt's findChildren is never used, since it also returns Qt's inner widgets.
//
//   TformGPRS::TformGPRS(QWidget* owner) : TformIncl(owner) {
//       setObjectName(QStringLiteral("formGPRS"));                   // the INI section
//       auto& c = Controls();
//       gbSim1 = c.AddOther(new QGroupBox(QStringLiteral("SIM 1"), box), QStringLiteral("gbSim1"));
//       cb11 = c.AddCheckBox(gbSim1, QStringLiteral("cb11"), QString(), QStringLiteral("false"));
//       lbetSIM1Phone = c.AddLabel(gbSim1, QStringLiteral("lbetSIM1Phone"),
//                                  QStringLiteral("Номер телефона GPRS"));
//       etSIM1Phone = c.AddEdit(gbSim1, QStringLiteral("etSIM1Phone"), QStringLiteral("*99#"));
//       SetDesignedMaxLength(etSIM1Phone, 8);                       // never setMaxLength
//       etSIM1Phone->setToolTip(c.HintOf(etSIM1Phone));               // only where hints are shown
//       connect(cb11, &QCheckBox::toggled, this, Guarded([this] { UpdateSim1Edits(); }));
//       ...
//   }
//
// Rules every page keeps:
// - The name is the component name of the design: it is the INI key, so it never changes.
//   Names are unique within the window (look-ups ignore ASCII letter case).
// - The hint is the control's default, as the design gives it: the text of an edit, spin edit or
//   mask edit; "true"/"false"/"1"/"0" for a check box or radio button; the decimal item index
//   of a combo box. Leave it empty where the design has none: the walkers then leave the
//   control as it is. It becomes a tooltip only where the page sets one from HintOf().
// - Labels are registered too (AddLabel): clearing a page returns every registered label to the
//   window-text colour and a plain font.
// - Group boxes, panels, buttons, grids, kit controls and anything else named go in with
//   AddOther: they can be looked up by name, and every walker passes them over.
// - Check boxes and radio buttons: connect their handlers on `toggled`. It also fires when a
//   walker (load, defaults, clear) or a transfer changes the state, and only then, which the
//   enabling rules rely on. A radio button that becomes checked unchecks its sibling, which fires
//   `toggled(false)` on that one as well: act on `checked == true`, or keep the handler idempotent.
//   Qt never unchecks the checked radio button of a group by itself: check its sibling instead.
// - Combo boxes: connect the user's choice on `activated`; a walker setting the item index does not
//   fire it. Fill the items before the page is first loaded: the walkers store item indexes.
// - Spin edits and mask edits are read and written with Text() / SetText().
// - "Visible" and "Enabled" in a rule mean the control's own flags: ControlVisible(),
//   ControlEnabled(); Qt's isVisible()/isEnabled() are false on any page that is not shown.
// - Fonts: Qt hands a widget's font on to its children. A bold group box title makes its children
//   bold until the first clear makes them plain, so give the children a plain font of their own.
// - Transfers find controls by built names:
//   page->FindControl<QComboBox>(QStringLiteral("cbH") + QString::number(i)).

// The kinds of designed controls the walkers know, and the Qt widget each one is:
//   Edit        QLineEdit           one-line text
//   SpinEdit    TSpinEdit           number with up/down buttons, stored as its text
//   CheckBox    QCheckBox
//   RadioButton QRadioButton        siblings under one parent exclude each other
//   ComboBox    QComboBox           drop-down list (not editable unless the window says so)
//   ComboBoxEx  QComboBox           drop-down list whose items carry pictures
//   MaskEdit    TMaskEdit           text with an input mask
//   Label       QLabel              carries change marks only
//   Other       any                 named for look-ups, passed over by the walkers
enum class TControlKind {
    Edit,
    SpinEdit,
    CheckBox,
    RadioButton,
    ComboBox,
    ComboBoxEx,
    MaskEdit,
    Label,
    Other
};

struct TDesignedControl {
    TControlKind Kind;
    QWidget* Widget;
    QString Hint;

    QString Name() const { return Widget->objectName(); }
};

class TDesignedControls {
public:
    // The window's object name is its INI section.
    explicit TDesignedControls(QWidget* window) : window_(window) {}
    TDesignedControls(const TDesignedControls&) = delete;
    TDesignedControls& operator=(const TDesignedControls&) = delete;

    QWidget* Window() const { return window_; }
    QString Section() const { return window_->objectName(); }

    // Each creates the widget under `parent`, names it and appends it to the list.
    QLineEdit* AddEdit(QWidget* parent, const QString& name, const QString& hint = QString());
    TSpinEdit* AddSpinEdit(QWidget* parent, const QString& name, const QString& hint = QString());
    QCheckBox* AddCheckBox(QWidget* parent, const QString& name, const QString& caption,
                           const QString& hint = QString());
    QRadioButton* AddRadioButton(QWidget* parent, const QString& name, const QString& caption,
                                 const QString& hint = QString());
    QComboBox* AddComboBox(QWidget* parent, const QString& name, const QString& hint = QString());
    QComboBox* AddComboBoxEx(QWidget* parent, const QString& name, const QString& hint = QString());
    TMaskEdit* AddMaskEdit(QWidget* parent, const QString& name, const QString& editMask,
                           const QString& hint = QString());
    QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption);
    template <class W> W* AddOther(W* widget, const QString& name) {
        Append(TControlKind::Other, widget, name, QString());
        return widget;
    }

    const QList<TDesignedControl>& Items() const { return items_; }

    // Name look-up ignoring ASCII letter case; nullptr when there is no such control.
    const TDesignedControl* Find(const QString& name) const;
    template <class W = QWidget> W* FindWidget(const QString& name) const {
        const TDesignedControl* control = Find(name);
        return control ? qobject_cast<W*>(control->Widget) : nullptr;
    }
    QString HintOf(const QWidget* widget) const;

private:
    void Append(TControlKind kind, QWidget* widget, const QString& name, const QString& hint);

    QWidget* window_;
    QList<TDesignedControl> items_;
};

// A control's own flags, whatever its parents are.
inline bool ControlVisible(const QWidget* widget) {
    return !widget->isHidden();
}
inline bool ControlEnabled(const QWidget* widget) {
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}
