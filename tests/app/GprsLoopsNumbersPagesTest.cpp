#include "app/controls/SpinEdit.h"
#include "app/pages/fEnNumber.h"
#include "app/pages/fGPRS.h"
#include "app/pages/fLoops.h"
#include "app/pages/fWays.h"
#include "base/Color.h"
#include "device/MsgFile.h"
#include "platform/IniFile.h"
#include "support/KeyInput.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The three pages over a message table of three rows, too short for the code lists' defaults.
class PagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString path = dir.filePath(QStringLiteral("Messages.txt"));
        ASSERT_TRUE(WriteFileBytes(path, "1301|Alarm|$FF|0\r\n1302|Open|$FF|0\r\n1401|Close|$FF|0\r\n"));
        MsgFile = std::make_unique<TMsgFile>();
        MsgFile->LoadFromFile(path);
        gprs = std::make_unique<TformGPRS>();
        loops = std::make_unique<TFormLoops>();
        numbers = std::make_unique<TFormEnNumber>();
    }
    void TearDown() override { MsgFile.reset(); }

    QByteArray Saved() const {
        TMemIniFile ini(QString{});
        for (TformIncl* page : Pages())
            page->SaveToIni(ini);
        return ini.ToBytes();
    }
    QList<TformIncl*> Pages() const { return {gprs.get(), loops.get(), numbers.get()}; }

    // 1 for each control enabled by its own flag.
    static QString Enabled(const QList<QWidget*>& controls) {
        QString flags;
        for (const QWidget* control : controls)
            flags += ControlEnabled(control) ? u'1' : u'0';
        return flags;
    }
    QString SimEdits() const {
        return Enabled({gprs->etSIM1Phone, gprs->etSIM1ADDR, gprs->etSIM1LOGIN, gprs->etSIM1PSWD,
                        gprs->etSIM2Phone, gprs->etSIM2Addr, gprs->etSIM2Login, gprs->etSIM2Pswd});
    }

    QTemporaryDir dir;
    std::unique_ptr<TformGPRS> gprs;
    std::unique_ptr<TFormLoops> loops;
    std::unique_ptr<TFormEnNumber> numbers;
};

// SIM 1 and SIM 2 spell their keys differently; the code lists save -1 with a table too short
// for their defaults; disabled and hidden controls are saved all the same.
const QByteArray kDefaults =
    "[formGPRS]\r\ncbZTime=0\r\netSIM1IP=192.168.1.100\r\netSIM1Port=3058\r\netSIM1SPSWD=DunePike\r\nlan="
    "0\r\n"
    "cbP=0\r\ncb11=0\r\netSIM1Phone=*99#\r\netSIM1ADDR=internet.gprs.ru\r\netSIM1LOGIN=qzv\r\netSIM1PSWD="
    "qzv\r\n"
    "cb12=0\r\netSIM2Phone=*99#\r\netSIM2Addr=internet.gprs.ru\r\netSIM2Login=qzv\r\netSIM2Pswd=qzv\r\n"
    "rbLAN1=1\r\nrbLAN2=0\r\nrbLAN3=0\r\n\r\n"
    "[FormLoops]\r\ncbResponce1=0\r\ncbRes1=-1\r\netPartRes1=0\r\netLoopRes1=0\r\n"
    "cbRecovery1=0\r\ncbRec1=-1\r\netPartRec1=0\r\netLoopRec1=0\r\n"
    "cbResponce2=0\r\ncbRes2=-1\r\netPartRes2=0\r\netLoopRes2=0\r\n"
    "cbRecovery2=0\r\ncbRec2=-1\r\netPartRec2=0\r\netLoopRec2=0\r\n\r\n"
    "[FormEnNumber]\r\nCheckBox1=0\r\netN1=\r\netN2=\r\netN3=\r\netN4=\r\netN5=\r\n\r\n";

} // namespace

TEST_F(PagesTest, DefaultsAndSaveLoadOfAllThreePages) {
    EXPECT_EQ(loops->cbRes1->count(), 3);
    EXPECT_EQ(loops->cbRec2->itemText(2), QStringLiteral("1401: Close"));
    EXPECT_EQ(loops->cbRes1->currentIndex(), 0) << "created showing the first item";
    for (TformIncl* page : Pages())
        page->SetDefaults();
    EXPECT_EQ(Saved(), kDefaults);
    EXPECT_EQ(SimEdits(), QStringLiteral("00000000"));
    EXPECT_EQ(gprs->etSIM1IP->toolTip(), QStringLiteral("192.168.1.100")) << "the hint shows the default";
    EXPECT_FALSE(ControlEnabled(numbers->etN1));
    EXPECT_EQ(numbers->etN1->palette().color(QPalette::Base), ToQColor(clBtnFace));

    for (QLineEdit* edit :
         {gprs->etSIM1IP, gprs->etSIM1Port, gprs->etSIM1SPSWD, gprs->etSIM1Phone, gprs->etSIM1ADDR,
          gprs->etSIM1LOGIN, gprs->etSIM1PSWD, gprs->etSIM2Phone, gprs->etSIM2Addr, gprs->etSIM2Login,
          gprs->etSIM2Pswd, numbers->etN1, numbers->etN5})
        edit->setText(edit->objectName() + u'x');
    gprs->cbZTime->setCurrentIndex(5);
    for (QCheckBox* box : {gprs->lan, gprs->cbP, gprs->cb11, gprs->cb12, loops->cbResponce1,
                           loops->cbRecovery2, numbers->CheckBox1})
        box->setChecked(true);
    gprs->rbLAN2->setChecked(true);
    loops->cbRes1->setCurrentIndex(2);
    loops->cbRec2->setCurrentIndex(1);
    loops->etPartRes1->setValue(99);
    loops->etLoopRec2->setValue(999);
    const QByteArray changed = Saved();
    ASSERT_NE(changed, kDefaults);

    TMemIniFile file(QString{});
    for (TformIncl* page : Pages())
        page->SaveToIni(file);
    for (TformIncl* page : Pages())
        page->SetDefaults();
    EXPECT_EQ(Saved(), kDefaults);
    for (TformIncl* page : Pages())
        page->LoadFromIni(file);
    EXPECT_EQ(Saved(), changed);
    EXPECT_EQ(SimEdits(), QStringLiteral("11111111")) << "the switches loaded on enable their edits";
    EXPECT_TRUE(ControlEnabled(numbers->etN5));
    EXPECT_EQ(numbers->etN5->palette().color(QPalette::Base), ToQColor(clWindow));
}

TEST_F(PagesTest, LanOnlyLocksGprsWhileTheLanGroupIsShown) {
    const auto server = [this] {
        return Enabled({gprs->lbGPRSTimeOut, gprs->cbZTime, gprs->lbM1, gprs->etSIM1IP, gprs->lbetSIM1Port,
                        gprs->etSIM1Port, gprs->etSIM1SPSWD, gprs->Label1, gprs->cbP});
    };
    const auto switches = [this] {
        return Enabled({gprs->cb11, gprs->lbcb11, gprs->GroupBox3, gprs->lbetSIM1ADDR, gprs->cb12,
                        gprs->lbcb12, gprs->GroupBox5, gprs->lbetSIM2Pswd});
    };
    TformWays ways;
    gprs->WaysPage = &ways;
    const auto waysLocked = [&ways] {
        for (QWidget* control : ways.WaysSet())
            if (ControlEnabled(control)) return false;
        return true;
    };
    ways.cb(1)->setCurrentIndex(1);
    ways.etP(1)->setText(QStringLiteral("123"));
    ways.rdo1->setChecked(true);

    gprs->cb11->setChecked(true);
    EXPECT_EQ(SimEdits(), QStringLiteral("11110000")) << "only SIM 1's four edits";

    gprs->rbLAN3->setChecked(true);
    EXPECT_EQ(switches() + server(), QStringLiteral("11111111") + QStringLiteral("111111111"))
        << "the LAN group is hidden: only LAN does not apply";

    gprs->GroupBox4->show(); // as the controller does for firmware 4.13 (the page itself is not shown)
    gprs->ApplyLanMode();
    EXPECT_EQ(switches() + server() + SimEdits(), QString(8 + 9 + 8, u'0'));
    EXPECT_FALSE(gprs->cb11->isChecked());
    EXPECT_TRUE(ControlEnabled(gprs->lan) && ControlEnabled(gprs->llan) && ControlEnabled(gprs->rbLAN1));
    EXPECT_TRUE(waysLocked());
    EXPECT_EQ(ways.cb(1)->currentIndex() + ways.etP(1)->text().size(), 0)
        << "the ways back to their defaults";
    EXPECT_TRUE(ways.rdo2->isChecked());

    gprs->rbLAN2->setChecked(true);
    EXPECT_EQ(switches() + server(), QStringLiteral("11111111") + QStringLiteral("111111111"));
    EXPECT_EQ(SimEdits(), QStringLiteral("00000000")) << "until a SIM switch is checked";
    EXPECT_TRUE(ControlEnabled(ways.etP(8)) && ControlEnabled(ways.cb(1)) && ControlEnabled(ways.rdo1));
    EXPECT_EQ(ways.cb(1)->currentIndex(), 0) << "with its defaults";

    // A loaded or defaulted "only LAN" locks again; Clear keeps the radio buttons and so the lock.
    TMemIniFile ini(QString{});
    ini.WriteBool(QStringLiteral("formGPRS"), QStringLiteral("rbLAN3"), true);
    ini.WriteBool(QStringLiteral("formGPRS"), QStringLiteral("cb12"), true);
    gprs->LoadFromIni(ini);
    EXPECT_TRUE(gprs->rbLAN3->isChecked());
    EXPECT_EQ(switches() + SimEdits(), QString(16, u'0'));
    gprs->Clear();
    EXPECT_EQ(switches(), QString(8, u'0'));
    EXPECT_TRUE(waysLocked());
    gprs->SetDefaults();
    EXPECT_EQ(switches(), QString(8, u'1'));
}

TEST_F(PagesTest, KeyFiltersOfTheEdits) {
    gprs->cb11->setChecked(true);
    numbers->CheckBox1->setChecked(true);
    const QList<std::tuple<QLineEdit*, QString, QString>> cases{
        {gprs->etSIM1IP, QStringLiteral("1a9.0,5 "), QStringLiteral("19.05")},
        {gprs->etSIM1Port, QStringLiteral("8-0a81234"), QStringLiteral("80812")}, // five at most
        {gprs->etSIM1SPSWD, QStringLiteral("Ab_9 Щ."), QStringLiteral("Ab9")},
        {gprs->etSIM1ADDR, QStringLiteral("inЖter.ёnet"), QStringLiteral("inter.net")},
        {gprs->etSIM1Phone, QStringLiteral("*99#Ж"), QStringLiteral("*99#Ж")}, // no filter
        {numbers->etN3, QStringLiteral("+7 (900) a12"), QStringLiteral("+790012")},
    };
    for (const auto& [edit, typed, kept] : cases) {
        edit->clear();
        TypeText(edit, typed);
        EXPECT_EQ(edit->text(), kept) << edit->objectName().toStdString();
    }
}

TEST_F(PagesTest, LoopSectionsFollowTheirSwitchesAndClearEmptiesTheStates) {
    const auto section = [this] { return Enabled({loops->cbRes1, loops->etPartRes1, loops->etLoopRes1}); };
    EXPECT_EQ(section(), QStringLiteral("011")) << "as designed until the switch first changes";
    loops->etPartRes1->setValue(7);
    loops->cbResponce1->setChecked(true);
    EXPECT_EQ(section(), QStringLiteral("111"));
    EXPECT_EQ(Enabled({loops->cbRec1, loops->cbRes2}), QStringLiteral("00")) << "the other sections stay";
    loops->cbResponce1->setChecked(false);
    EXPECT_EQ(section(), QStringLiteral("000"));
    EXPECT_EQ(loops->etPartRes1->value(), 7) << "kept, and still saved";

    loops->pStLoop1->setText(QStringLiteral("Разомкнут"));
    loops->pStLoop2->setText(QStringLiteral("Замкнут"));
    QLabel* heading = loops->Controls().FindWidget<QLabel>(QStringLiteral("Label2"));
    ASSERT_TRUE(heading);
    ASSERT_EQ(heading->text(), QStringLiteral("Шлейф замкнут"));
    EXPECT_TRUE(heading->font().bold());
    loops->Clear();
    EXPECT_EQ(loops->pStLoop1->text() + loops->pStLoop2->text(), QString());
    EXPECT_FALSE(heading->font().bold()) << "the first clear makes the headings plain";
}
