#include "app/pages/fLoops.h"

#include "app/controls/SpinEdit.h"
#include "app/pages/PageFrame.h"
#include "device/MsgFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>

namespace {

constexpr int kGroupHeight = 212;
constexpr int kSectionHeight = 80;

void FillCodes(QComboBox* list) {
    // Each item is the message key (event code and qualifier) and its text.
    if (MsgFile)
        for (int row = 0; row < MsgFile->RowCount(); ++row)
            list->addItem(MsgFile->Cell(row, 0) + QStringLiteral(": ") + MsgFile->Cell(row, 1));
    list->setCurrentIndex(0);
}

} // namespace

TFormLoops::TFormLoops(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("FormLoops")); // the settings section
    const TPageFrame frame =
        CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox2"),
                        QStringLiteral("Настройка шлейфов"), QSize(545, 2 * kGroupHeight + 40));
    setWindowTitle(QStringLiteral("Шлейфы"));
    ScrollBox1 = frame.ScrollBox;
    GroupBox2 = frame.GroupBox;

    gb1 = AddLoopGroup(QStringLiteral("gb1"), QStringLiteral("Шлейф 1"), 24, QStringLiteral("pStLoop1"),
                       pStLoop1);
    TSection s = AddSection(gb1, QStringLiteral("Шлейф замкнут"), QStringLiteral("cbResponce"),
                            QStringLiteral("Res"), 1, QStringLiteral("24"), 48);
    cbResponce1 = s.Switch, cbRes1 = s.Code, etPartRes1 = s.Partition, etLoopRes1 = s.Loop;
    s = AddSection(gb1, QStringLiteral("Шлейф разомкнут"), QStringLiteral("cbRecovery"),
                   QStringLiteral("Rec"), 1, QStringLiteral("25"), 48 + kSectionHeight);
    cbRecovery1 = s.Switch, cbRec1 = s.Code, etPartRec1 = s.Partition, etLoopRec1 = s.Loop;

    GroupBox1 = AddLoopGroup(QStringLiteral("GroupBox1"), QStringLiteral("Шлейф 2"), 32 + kGroupHeight,
                             QStringLiteral("pStLoop2"), pStLoop2);
    s = AddSection(GroupBox1, QStringLiteral("Шлейф замкнут"), QStringLiteral("cbResponce"),
                   QStringLiteral("Res"), 2, QStringLiteral("24"), 48);
    cbResponce2 = s.Switch, cbRes2 = s.Code, etPartRes2 = s.Partition, etLoopRes2 = s.Loop;
    s = AddSection(GroupBox1, QStringLiteral("Шлейф разомкнут"), QStringLiteral("cbRecovery"),
                   QStringLiteral("Rec"), 2, QStringLiteral("25"), 48 + kSectionHeight);
    cbRecovery2 = s.Switch, cbRec2 = s.Code, etPartRec2 = s.Partition, etLoopRec2 = s.Loop;
}

QGroupBox* TFormLoops::AddLoopGroup(const QString& name, const QString& title, int y,
                                    const QString& stateName, QLabel*& state) {
    auto& c = Controls();
    auto* group = c.AddOther(PlainFont(new QGroupBox(title, GroupBox2)), name);
    group->setGeometry(16, y, 513, kGroupHeight);
    AddLabel(group, QStringLiteral("Состояние"), 8, 23);
    // A caption panel, not a value: the loops read writes the state into it.
    state = c.AddOther(new QLabel(group), stateName);
    state->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    state->setAlignment(Qt::AlignCenter);
    state->setGeometry(100, 20, 240, 21);
    return group;
}

TFormLoops::TSection TFormLoops::AddSection(QGroupBox* group, const QString& heading,
                                            const QString& switchName, const QString& kind, int loop,
                                            const QString& codeHint, int y) {
    auto& c = Controls();
    const QString n = QString::number(loop);
    QLabel* title = AddLabel(group, heading, 8, y);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold); // plain again after the first read clears the page
    title->adjustSize();

    TSection s{};
    s.Switch = c.AddCheckBox(group, switchName + n, QStringLiteral("Включить"), QStringLiteral("false"));
    s.Switch->move(8, y + 24);
    s.Switch->adjustSize();
    AddLabel(group, QStringLiteral("Код"), 110, y + 25);
    s.Code = c.AddComboBox(group, QStringLiteral("cb") + kind + n, codeHint);
    s.Code->setGeometry(140, y + 22, 365, 21);
    s.Code->setEnabled(false);
    FillCodes(s.Code);
    AddLabel(group, QStringLiteral("Номер раздела"), 8, y + 52);
    s.Partition = c.AddSpinEdit(group, QStringLiteral("etPart") + kind + n, QStringLiteral("0"));
    s.Partition->setRange(0, 99);
    s.Partition->setGeometry(120, y + 49, 50, 21);
    AddLabel(group, QStringLiteral("Номер Шлейфа"), 200, y + 52);
    s.Loop = c.AddSpinEdit(group, QStringLiteral("etLoop") + kind + n, QStringLiteral("0"));
    s.Loop->setRange(0, 999);
    s.Loop->setGeometry(310, y + 49, 60, 21);

    // The section's values follow its switch from its first change on; switched off they keep
    // what they hold.
    const TSection section = s;
    connect(s.Switch, &QCheckBox::toggled, this, [section](bool checked) {
        for (QWidget* control :
             {static_cast<QWidget*>(section.Code), static_cast<QWidget*>(section.Partition),
              static_cast<QWidget*>(section.Loop)})
            control->setEnabled(checked);
    });
    return s;
}

void TFormLoops::Clear() {
    TformIncl::Clear();
    pStLoop1->clear();
    pStLoop2->clear();
}
