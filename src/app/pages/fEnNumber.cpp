#include "app/pages/fEnNumber.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/controls/EditKeyFilter.h"
#include "app/controls/InputController.h"
#include "app/pages/PageFrame.h"
#include "base/Color.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

TFormEnNumber::TFormEnNumber(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("FormEnNumber")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Инженерные номера"), QSize(545, 218));
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    CheckBox1 = PlainFont(c.AddCheckBox(GroupBox1, QStringLiteral("CheckBox1"),
                                        QStringLiteral("Флаг включения инженерных номеров"),
                                        QStringLiteral("false")));
    CheckBox1->setGeometry(16, 24, 513, 17);
    GroupBox2 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Номера"), GroupBox1)),
                           QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(16, 50, 513, 160);

    QLabel** labels[] = {&lN1, &lN2, &lN3, &lN4, &lN5};
    QLineEdit** edits[] = {&etN1, &etN2, &etN3, &etN4, &etN5};
    for (int n = 1; n <= NumberCount; ++n) {
        const int y = 20 + (n - 1) * 27;
        QLabel* label =
            c.AddLabel(GroupBox2, QStringLiteral("lN%1").arg(n), QStringLiteral("Номер %1").arg(n));
        label->move(8, y + 3);
        label->adjustSize();
        QLineEdit* edit = c.AddEdit(GroupBox2, QStringLiteral("etN%1").arg(n));
        edit->setGeometry(80, y, 200, 21);
        SetDesignedMaxLength(edit, 30);
        // Only "+", digits and Backspace; the filter goes on when a key goes down.
        SetKeyDownHandler(edit, [edit] { SetKeyPressFilter(edit, &TInputController::PhoneKeys); });
        *labels[n - 1] = label;
        *edits[n - 1] = edit;
    }

    UpdateNumbersEnabled();
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { UpdateNumbersEnabled(); });
}

void TFormEnNumber::UpdateNumbersEnabled() {
    const bool on = CheckBox1->isChecked();
    for (QLineEdit* edit : {etN1, etN2, etN3, etN4, etN5}) {
        edit->setEnabled(on);
        QPalette palette = edit->palette();
        // Both colour groups, so that the disabled numbers show the button face too.
        palette.setColor(QPalette::Base, ToQColor(on ? clWindow : clBtnFace));
        edit->setPalette(palette);
    }
}
