#include "app/pages/fWays.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/controls/EditKeyFilter.h"
#include "app/controls/InputController.h"
#include "app/pages/PageFrame.h"
#include "base/Color.h"
#include "platform/DialogService.h"
#include "platform/ExceptionGuard.h"
#include "uikit/controls/KtPanel.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <iterator>

namespace {

struct TChannelItem {
    const char* caption;
    int picture;           // index into the page's small pictures
    const char* shortName; // as the history shows the channel
};

// Item index = channel index of the way descriptor.
const TChannelItem kChannels[] = {
    {"Не используется", 0, "не исп."},
    {"Contact ID через цифровой канал GSM - SIM1", 3, "GSM-SIM1 цифр."},
    {"Contact ID через цифровой канал GSM - SIM2", 3, "GSM-SIM2 цифр."},
    {"Contact ID через голосовой канал GSM - SIM1", 3, "GSM-SIM1 голос."},
    {"Contact ID через голосовой канал GSM - SIM2", 3, "GSM-SIM2 голос."},
    {"Contact ID по проводной линии импульсный набор", 3, "пров."},
    {"Contact ID по проводной линии тональный набор", 3, "пров."},
    {"GPRS - SIM1 GPRS-offline по событию", 5, "GPRS-SIM1"},
    {"GPRS - SIM2 GPRS-offline по событию", 5, "GPRS-SIM2"},
};
constexpr int kWiredPulse = 5;
constexpr int kWiredTone = 6;

// The first direction's colour, and that of the direction that starts after way k (1 to 7).
constexpr TColor kFirstDirection = 0xF0FBFF;
constexpr TColor kDirectionColors[] = {0xA6D0EA, 0xDDA6AA, 0xB1E2C4, 0xB7B7F2, 0xECC0F5, 0x94F3DC, 0xFDACAA};

constexpr int kRowTop = 20;
constexpr int kRowPitch = 40;
constexpr int kGroupTop = 24;
constexpr int kListWidth = 303; // the channel lists' designed width

QIcon SmallPicture(const QStyle* style, int picture) {
    switch (picture) {
    case 0:
        return style->standardIcon(QStyle::SP_DialogCancelButton); // not used
    case 3:
        return style->standardIcon(QStyle::SP_DriveNetIcon); // Contact ID over a line
    default:
        return style->standardIcon(QStyle::SP_DirLinkIcon); // GPRS
    }
}

void SetBackground(QLineEdit* edit, const QColor& color) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, color);
    edit->setPalette(palette);
}

int RowY(int way) {
    return kRowTop + (way - 1) * kRowPitch;
}

} // namespace

TformWays::TformWays(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("formWays")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Телефоны ПЦН"), QSize(705, 540));
    setWindowTitle(QStringLiteral("Каналы связи"));
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    for (int way = 1; way <= WayCount; ++way) {
        QLabel* label = PlainFont(
            c.AddLabel(GroupBox1, QStringLiteral("lb%1").arg(way), QStringLiteral("Номер %1").arg(way)));
        label->move(16, kGroupTop + RowY(way) + 3);
        label->adjustSize();
    }

    const int rowsHeight = RowY(WayCount) + 21 + 11;
    GroupBox2 = c.AddOther(PlainFont(new QGroupBox(GroupBox1)), QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(72, kGroupTop, 290, rowsHeight);
    for (int way = 1; way <= WayCount; ++way) {
        QLineEdit* edit = c.AddEdit(GroupBox2, QStringLiteral("etP%1").arg(way));
        edit->setGeometry(8, RowY(way), 150, 21);
        SetDesignedMaxLength(edit, 16);
        phones_.at(size_t(way - 1)) = edit;
        // The keys a number takes depend on its way's channel at the moment of typing.
        SetKeyDownHandler(edit, [this, way] { ChooseKeyFilter(way); });
    }
    for (int k = 1; k < WayCount; ++k) {
        auto* panel = c.AddOther(new QFrame(GroupBox2), QStringLiteral("Panel%1").arg(k));
        panel->setGeometry(164, RowY(k) + kRowPitch / 2, 110, 20);
        QRadioButton* andButton = c.AddRadioButton(panel, QStringLiteral("rb%1").arg(2 * k - 1),
                                                   QStringLiteral("И"), QStringLiteral("false"));
        andButton->setGeometry(0, 1, 44, 18);
        QRadioButton* orButton = c.AddRadioButton(panel, QStringLiteral("rb%1").arg(2 * k),
                                                  QStringLiteral("Или"), QStringLiteral("true"));
        orButton->setGeometry(48, 1, 60, 18);
        orButton->setChecked(true);
        pairs_.at(size_t(2 * k - 2)) = andButton;
        pairs_.at(size_t(2 * k - 1)) = orButton;
    }

    GroupBox3 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Тип передачи данных"), GroupBox1)),
                           QStringLiteral("GroupBox3"));
    for (int way = 1; way <= WayCount; ++way) {
        QComboBox* combo = c.AddComboBoxEx(GroupBox3, QStringLiteral("cb%1").arg(way), QStringLiteral("0"));
        combo->setMaxVisibleItems(10);
        channels_.at(size_t(way - 1)) = combo;
        connect(combo, &QComboBox::activated, this, Guarded([this] { ChannelCheck(); }));
    }
    // The design fills the first list; the others take its items.
    for (const TChannelItem& item : kChannels)
        cb(1)->addItem(SmallPicture(style(), item.picture), QString::fromUtf8(item.caption));
    for (int way = 2; way <= WayCount; ++way) {
        cb(way)->clear();
        for (int i = 0; i < cb(1)->count(); ++i)
            cb(way)->addItem(cb(1)->itemIcon(i), cb(1)->itemText(i));
    }
    // The lists are as wide as their longest channel needs in the font at hand, and the page widens
    // with them, so that no chosen channel shows cut off.
    const int listWidth = qMax(kListWidth, cb(1)->sizeHint().width());
    for (int way = 1; way <= WayCount; ++way) {
        cb(way)->setGeometry(8, RowY(way), listWidth, 22);
        cb(way)->setCurrentIndex(NotUsed);
    }
    GroupBox3->setGeometry(370, kGroupTop, listWidth + 16, rowsHeight);
    const int boxWidth = GroupBox3->x() + GroupBox3->width() + 16;
    GroupBox1->resize(boxWidth, GroupBox1->height());
    ScrollBox1->widget()->setFixedWidth(boxWidth + 2 * GroupBox1->x());

    const int explanationsTop = kGroupTop + rowsHeight + 8;
    AddExplanations(explanationsTop);

    GroupBox7 =
        c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Тип перехода по направлениям"), GroupBox1)),
                   QStringLiteral("GroupBox7"));
    GroupBox7->setGeometry(16, explanationsTop + 5 * 18 + 6, boxWidth - 32, 72);
    rdo2 = c.AddRadioButton(
        GroupBox7, QStringLiteral("rdo2"),
        QStringLiteral(
            "Переходить на следующее направление в случае невозможности передачи события в текущем"),
        QStringLiteral("true"));
    rdo2->setGeometry(8, 20, GroupBox7->width() - 16, 17);
    rdo2->setChecked(true);
    rdo1 = c.AddRadioButton(
        GroupBox7, QStringLiteral("rdo1"),
        QStringLiteral(
            "Оставаться в текущем направлении до передачи всех событий и не переходить на следующее"),
        QStringLiteral("false"));
    rdo1->setGeometry(8, 44, GroupBox7->width() - 16, 17);

    for (QRadioButton* button : pairs_)
        connect(button, &QRadioButton::toggled, this, Guarded([this] { rb1Click(); }));
    rb1Click();
}

void TformWays::AddExplanations(int top) {
    const char* const lines[] = {
        "Канал - это один номер телефона с указанием типа передачи.",
        "Направление - это группа каналов.",
        "Каналы в направлении связаны через \"ИЛИ\".",
        "Направления между собой связаны через \"И\".",
        "Пауза в телефонном номере добавляется с помощью \"w\".",
    };
    int n = 0;
    for (const char* line : lines) {
        ++n;
        const int y = top + (n - 1) * 18;
        auto* bullet = Controls().AddOther(new TKtPanel(GroupBox1), QStringLiteral("Shape%1").arg(n));
        bullet->SetBorderOuter(fsFlatBold);
        bullet->SetBorderShadow(clGrayText);
        bullet->SetGradientDirection(gdHorizontalBox);
        bullet->setGeometry(16, y + 3, 8, 9);
        QLabel* label = PlainFont(
            Controls().AddLabel(GroupBox1, QStringLiteral("Label%1").arg(n), QString::fromUtf8(line)));
        label->move(32, y);
        label->adjustSize();
    }
}

void TformWays::Clear() {
    TformIncl::Clear();
    for (int way = 1; way <= WayCount; ++way)
        cb(way)->setCurrentIndex(NotUsed);
    for (int k = 1; k < WayCount; ++k)
        rb(2 * k)->setChecked(true);
}

void TformWays::ResetMarks() {
    TformIncl::ResetMarks();
    PackWays();
}

QString TformWays::WayChannelName(int wayIndex) const {
    const int index = cb(wayIndex)->currentIndex();
    if (index < 0 || index >= int(std::size(kChannels))) return {};
    return QString::fromUtf8(kChannels[index].shortName);
}

QList<QWidget*> TformWays::WaysSet() const {
    QList<QWidget*> set;
    for (QLineEdit* edit : phones_)
        set.append(edit);
    for (QComboBox* combo : channels_)
        set.append(combo);
    set << GroupBox1 << rdo1 << rdo2;
    return set;
}

bool TformWays::Used(int way) const {
    return cb(way)->currentIndex() >= 1;
}

bool TformWays::Wired(int way) const {
    const int index = cb(way)->currentIndex();
    return index == kWiredPulse || index == kWiredTone;
}

void TformWays::PackWays() {
    for (int slot = 1; slot < WayCount; ++slot) {
        if (Used(slot)) continue;
        int from = slot + 1;
        while (from <= WayCount && !Used(from))
            ++from;
        if (from > WayCount) continue;
        etP(slot)->setText(etP(from)->text());
        etP(from)->setText(QString());
        // Way 8 has no pair after it: the pair after the slot stays as it is.
        if (from < WayCount) {
            const bool startsDirection = rb(2 * from - 1)->isChecked();
            (startsDirection ? rb(2 * slot - 1) : rb(2 * slot))->setChecked(true);
            rb(2 * from)->setChecked(true);
        }
        cb(slot)->setCurrentIndex(cb(from)->currentIndex());
        cb(from)->setCurrentIndex(NotUsed);
    }
}

void TformWays::ChannelCheck() {
    PackWays();
    for (QLineEdit* edit : phones_)
        edit->update();
    for (int way = 1; way <= WayCount; ++way) {
        if (!Wired(way) || !etP(way)->text().contains(u'+')) continue;
        etP(way)->setText(QString());
        MessageDlg(QStringLiteral("Неправильно введен номер!"), TMsgDlgType::mtError, mbOK);
    }
}

void TformWays::ChooseKeyFilter(int way) {
    SetKeyPressFilter(etP(way), Wired(way) ? &TInputController::DigitsWKeys : &TInputController::DialKeys);
}

void TformWays::rb1Click() {
    SetBackground(etP(1), ToQColor(kFirstDirection));
    for (int k = 1; k < WayCount; ++k) {
        if (rb(2 * k - 1)->isChecked())
            SetBackground(etP(k + 1), ToQColor(kDirectionColors[k - 1]));
        else if (rb(2 * k)->isChecked())
            SetBackground(etP(k + 1), etP(k)->palette().color(QPalette::Base));
    }
}

void TformWays::showEvent(QShowEvent* event) {
    TformIncl::showEvent(event);
    // A window coming back from the task bar is no new showing of the page.
    if (!event->spontaneous()) GuardedCall([this] { ChannelCheck(); });
}
