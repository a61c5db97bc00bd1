#include "app/pages/fATests.h"

#include "app/controls/DesignedMaxLength.h"
#include "app/pages/PageFrame.h"
#include "base/Convert.h"
#include "platform/ExceptionGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <algorithm>

namespace {

constexpr int kMinDelay = 15;  // seconds
constexpr int kMaxDelay = 255; // the panel keeps the delay in one byte
constexpr int kRowHeight = 24;

} // namespace

TformATests::TformATests(QWidget* owner) : TformIncl(owner) {
    setObjectName(QStringLiteral("formATests")); // the settings section
    const TPageFrame frame = CreatePageFrame(*this, QStringLiteral("ScrollBox1"), QStringLiteral("GroupBox1"),
                                             QStringLiteral("Системные события"), QSize(705, 452));
    ScrollBox1 = frame.ScrollBox;
    GroupBox1 = frame.GroupBox;
    auto& c = Controls();

    GroupBox2 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Генерация событий"), GroupBox1)),
                           QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(16, 24, 673, 96);
    reload = c.AddCheckBox(GroupBox2, QStringLiteral("reload"),
                           QStringLiteral("Если установлено, панель формирует событие \"Перезагрузка\""),
                           QStringLiteral("false"));
    reload->setGeometry(8, 20, 657, 17);
    vosst =
        c.AddCheckBox(GroupBox2, QStringLiteral("vosst"),
                      QStringLiteral("Если установлено, панель формирует события \"Восстановление 220 V\" "
                                     "и \"Исчезновение 220 V\""),
                      QStringLiteral("false"));
    vosst->setGeometry(8, 44, 657, 17);
    av12 = c.AddCheckBox(GroupBox2, QStringLiteral("av12"),
                         QStringLiteral("Если установлено, панель перезапускается и формирует событие "
                                        "\"Пропадание 12 V\""),
                         QStringLiteral("false"));
    av12->setGeometry(8, 68, 657, 17);

    GroupBox3 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Задержки"), GroupBox1)),
                           QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(16, 128, 673, 96);
    // One paragraph, wrapped to the group's width whatever the desktop font.
    QLabel* delays =
        AddLabel(GroupBox3,
                 QStringLiteral("Событие \"Восстановление 220 V\" формируется, если внешнее питание "
                                "восстановилось и держится не менее указанного времени; событие "
                                "\"Исчезновение 220 V\" - если внешнее питание отсутствует дольше "
                                "этого времени"),
                 8, 20);
    delays->setWordWrap(true);
    delays->setFixedWidth(GroupBox3->width() - 16);
    delays->setFixedHeight(delays->heightForWidth(delays->width()));
    zadav =
        c.AddMaskEdit(GroupBox3, QStringLiteral("zadav"), QStringLiteral("!999;1;_"), QStringLiteral("015"));
    const int delayY = std::max(62, delays->y() + delays->height() + 4);
    zadav->setGeometry(8, delayY, 33, 21);
    SetDesignedMaxLength(zadav, 3);
    zadav->SetText(c.HintOf(zadav));
    AddLabel(GroupBox3, QStringLiteral("сек."), 48, delayY + 3);

    GroupBox4 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Автотесты"), GroupBox1)),
                           QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(16, 232, 673, 148);
    AddLabel(GroupBox4, QStringLiteral("Автотесты"), 8, 25);
    ComboBox1 = c.AddComboBox(GroupBox4, QStringLiteral("ComboBox1"), QStringLiteral("0"));
    ComboBox1->addItems(
        {QStringLiteral("Нет"), QStringLiteral("Один"), QStringLiteral("Два"), QStringLiteral("Три")});
    ComboBox1->setGeometry(80, 22, 80, 21);
    AddLabel(GroupBox4, QStringLiteral("№          Время автотеста"), 8, 54);
    constexpr int firstRow = 72;
    for (int test = 1; test <= MaxTests; ++test)
        AddLabel(GroupBox4, QString::number(test), 10, firstRow + (test - 1) * kRowHeight + 3);
    QComboBox** hours[] = {&cbH1, &cbH2, &cbH3};
    QComboBox** minutes[] = {&cbM1, &cbM2, &cbM3};
    for (int test = 1; test <= MaxTests; ++test) {
        *hours[test - 1] = AddNumberList(GroupBox4, QStringLiteral("cbH%1").arg(test), 23, 40,
                                         firstRow + (test - 1) * kRowHeight);
        AddLabel(GroupBox4, QStringLiteral("часов"), 92, firstRow + (test - 1) * kRowHeight + 3);
    }
    for (int test = 1; test <= MaxTests; ++test) {
        *minutes[test - 1] = AddNumberList(GroupBox4, QStringLiteral("cbM%1").arg(test), 59, 140,
                                           firstRow + (test - 1) * kRowHeight);
        AddLabel(GroupBox4, QStringLiteral("минут"), 192, firstRow + (test - 1) * kRowHeight + 3);
    }

    GroupBox5 = c.AddOther(PlainFont(new QGroupBox(QStringLiteral("Дополнительный автотест"), GroupBox1)),
                           QStringLiteral("GroupBox5"));
    GroupBox5->setGeometry(16, 388, 673, 56);
    AddLabel(GroupBox5, QStringLiteral("Период автотеста"), 8, 25);
    cbH4 = AddNumberList(GroupBox5, QStringLiteral("cbH4"), 23, 120, 22);
    AddLabel(GroupBox5, QStringLiteral("часов"), 172, 25);

    // Every change of the text, typed, loaded or defaulted, is put into the normal form at once;
    // the normal form does not change again, so the second pass ends it.
    connect(zadav, &QLineEdit::textChanged, this, Guarded([this] { NormaliseDelay(); }));
}

// A drop-down list of the numbers 0 to last; item index = number, default item 0.
QComboBox* TformATests::AddNumberList(QWidget* parent, const QString& name, int last, int x, int y) {
    QComboBox* combo = Controls().AddComboBox(parent, name, QStringLiteral("0"));
    for (int n = 0; n <= last; ++n)
        combo->addItem(QString::number(n));
    combo->setGeometry(x, y, 46, 21);
    return combo;
}

QString TformATests::NormalDelay(const QString& text) {
    QString digits = text;
    digits.replace(u' ', u'0');
    return ZeroPad(std::clamp(StrToIntDef(digits, 0), kMinDelay, kMaxDelay), 3);
}

void TformATests::NormaliseDelay() {
    const QString text = zadav->Text();
    const QString normal = NormalDelay(text);
    if (normal == text) return;
    const int cursor = zadav->cursorPosition();
    zadav->SetText(normal);
    zadav->setCursorPosition(cursor);
}
