#include "app/pages/fIn.h"
#include "platform/IniFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One control of each kind the walkers know, plus a button they must pass over.
class TFormSample : public TformIncl {
public:
    TFormSample() {
        setObjectName(QStringLiteral("FormSample"));
        auto& c = Controls();
        box = c.AddOther(new QGroupBox(this), QStringLiteral("gbMain"));
        lbHead = c.AddLabel(box, QStringLiteral("lbHead"), QStringLiteral("Заголовок"));
        etName = c.AddEdit(box, QStringLiteral("etName"), QStringLiteral("abc"));
        etFree = c.AddEdit(box, QStringLiteral("etFree"));
        seCount = c.AddSpinEdit(box, QStringLiteral("seCount"), QStringLiteral("5"));
        seCount->setRange(0, 99);
        cbFlag =
            c.AddCheckBox(box, QStringLiteral("cbFlag"), QStringLiteral("Включить"), QStringLiteral("TRUE"));
        cbOdd = c.AddCheckBox(box, QStringLiteral("cbOdd"), QStringLiteral("!"), QStringLiteral("yes"));
        rbA = c.AddRadioButton(box, QStringLiteral("rbA"), QStringLiteral("A"), QStringLiteral("true"));
        rbB = c.AddRadioButton(box, QStringLiteral("rbB"), QStringLiteral("B"), QStringLiteral("0"));
        cmbMode = c.AddComboBox(box, QStringLiteral("cmbMode"), QStringLiteral("2"));
        cmbMode->addItems(
            {QStringLiteral("Нет"), QStringLiteral("Один"), QStringLiteral("Два"), QStringLiteral("Три")});
        cmbPic = c.AddComboBoxEx(box, QStringLiteral("cmbPic"), QStringLiteral("x1"));
        cmbPic->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        meDelay =
            c.AddMaskEdit(box, QStringLiteral("meDelay"), QStringLiteral("!999;1;_"), QStringLiteral("015"));
        btnGo = c.AddOther(new QPushButton(QStringLiteral("Go"), box), QStringLiteral("btnGo"));
        // The enabling rule a page hangs on its check box.
        connect(cbFlag, &QCheckBox::toggled, this, [this](bool checked) {
            ++flagHandlerRuns;
            etFree->setEnabled(checked);
        });
    }

    QGroupBox* box;
    QLabel* lbHead;
    QLineEdit* etName;
    QLineEdit* etFree;
    TSpinEdit* seCount;
    QCheckBox* cbFlag;
    QCheckBox* cbOdd;
    QRadioButton* rbA;
    QRadioButton* rbB;
    QComboBox* cmbMode;
    QComboBox* cmbPic;
    TMaskEdit* meDelay;
    QPushButton* btnGo;
    int flagHandlerRuns = 0;
};

// A page whose values all differ from their hints.
void setNonDefaults(TFormSample& page) {
    page.etName->setText(QStringLiteral("typed"));
    page.etFree->setText(QStringLiteral("free"));
    page.seCount->setValue(42);
    page.cbFlag->setChecked(false);
    page.cbOdd->setChecked(true);
    page.rbB->setChecked(true);
    page.cmbMode->setCurrentIndex(0);
    page.cmbPic->setCurrentIndex(2);
    page.meDelay->SetText(QStringLiteral("120"));
}

class FormIncl : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    // Loads the page from a file holding these bytes.
    void load(TFormSample& page, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFileBytes(path("load.ini"), bytes));
        page.LoadFromIni(TMemIniFile(path("load.ini")));
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(FormIncl, LoadingWithoutTheSectionKeepsTextsAndTakesHintDefaults) {
    TFormSample page;
    setNonDefaults(page);
    load(page, "[Other]\r\netName=zzz\r\n");
    EXPECT_EQ(page.etName->text(), QStringLiteral("typed"));
    EXPECT_EQ(page.etFree->text(), QStringLiteral("free"));
    EXPECT_EQ(page.seCount->value(), 42);
    EXPECT_TRUE(page.cbFlag->isChecked()) << "check box takes its hint";
    EXPECT_TRUE(page.cbOdd->isChecked()) << "a hint that is no boolean keeps the state";
    EXPECT_TRUE(page.rbB->isChecked()) << "radio buttons keep their state";
    EXPECT_EQ(page.cmbMode->currentIndex(), 2);
    EXPECT_EQ(page.cmbPic->currentIndex(), 2) << "a hint that is no integer keeps the index";
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("015"));
}

TEST_F(FormIncl, StoredValuesGoThroughTheirReaders) {
    TFormSample page;
    // Booleans go through the integer reader: only numbers count, anything else is the default.
    const std::pair<const char*, bool> flags[] = {{"true", true}, {"yes", true}, {"2", true}, {"$1", true},
                                                  {"0x0", false}, {"0", false},  {"-1", true}};
    for (const auto& [stored, expected] : flags) {
        page.cbFlag->setChecked(!expected);
        load(page, QByteArray("[formsample]\r\nCBFLAG=") + stored + "\r\n");
        EXPECT_EQ(page.cbFlag->isChecked(), expected) << stored;
    }

    page.cmbMode->setCurrentIndex(0);
    load(page, "[FormSample]\r\ncmbMode=Два\r\ncmbPic=-1\r\n");
    EXPECT_EQ(page.cmbMode->currentIndex(), 2) << "text reads as the hint's index";
    EXPECT_EQ(page.cmbPic->currentIndex(), -1) << "a stored -1 chooses nothing";
    load(page, "[FormSample]\r\ncmbMode=9\r\n");
    EXPECT_EQ(page.cmbMode->currentIndex(), -1) << "an index beyond the items chooses nothing";
    TMemIniFile out(path("d.ini"));
    page.SaveToIni(out);
    EXPECT_EQ(out.ReadString("FormSample", "cmbMode", "?"), QStringLiteral("-1"));

    // Empty values empty an edit but not a spin edit, which can only hold a number.
    setNonDefaults(page);
    load(page, "[FormSample]\r\netName=\r\nseCount=\r\nmeDelay=\r\n");
    EXPECT_EQ(page.etName->text(), QString());
    EXPECT_EQ(page.seCount->value(), 42);
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("   ")) << "an empty mask edit is all blanks";
    load(page, "[FormSample]\r\nseCount=abc\r\n");
    EXPECT_EQ(page.seCount->value(), 42);
}

TEST_F(FormIncl, SaveAndLoadGiveBackEveryValue) {
    TFormSample first;
    setNonDefaults(first);
    first.etName->setText(QString::fromUtf8("Объект = №1"));
    first.setEnabled(false);
    first.etFree->hide(); // hidden controls are stored too
    TMemIniFile saved(path("r.ini"));
    first.SaveToIni(saved);
    saved.UpdateFile();
    TFormSample second;
    second.LoadFromIni(TMemIniFile(path("r.ini")));
    TMemIniFile again(path("again.ini"));
    second.SaveToIni(again);
    EXPECT_EQ(again.ToBytes(), saved.ToBytes());
    EXPECT_EQ(second.etName->text(), first.etName->text());
    EXPECT_TRUE(second.rbB->isChecked());
    EXPECT_FALSE(second.rbA->isChecked());
}

// Defaults come from the hints; a hint that does not convert keeps the value ("yes", "x1").
TEST_F(FormIncl, DefaultsWrittenFromScratchHoldTheKeysInDesignOrder) {
    TFormSample page;
    setNonDefaults(page);
    page.SetDefaults();
    EXPECT_EQ(page.etFree->text(), QString()) << "no hint: an empty text";
    page.etFree->setText(QString::fromUtf8("Тест"));
    TMemIniFile ini(path("new.ini"));
    page.SaveToIni(ini);
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(path("new.ini")), QByteArray("[FormSample]\r\n"
                                                     "etName=abc\r\n"
                                                     "etFree=\xD2\xE5\xF1\xF2\r\n"
                                                     "seCount=5\r\n"
                                                     "cbFlag=1\r\n"
                                                     "cbOdd=1\r\n"
                                                     "rbA=1\r\n"
                                                     "rbB=0\r\n"
                                                     "cmbMode=2\r\n"
                                                     "cmbPic=2\r\n"
                                                     "meDelay=015\r\n"
                                                     "\r\n"));
}

TEST_F(FormIncl, SavingKeepsForeignSectionsAndKeyPlaces) {
    ASSERT_TRUE(WriteFileBytes(path("cur.ini"), "[Update]\r\nUpdatePanelVersion=wobrix\r\n\r\n"
                                                "[FormSample]\r\nmeDelay=100\r\nunknown=7\r\n\r\n"
                                                "[FormConnect]\r\nDialPhonesNum=0\r\n\r\n"));
    TFormSample page;
    page.SetDefaults();
    TMemIniFile ini(path("cur.ini"));
    page.SaveToIni(ini);
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(path("cur.ini")),
              QByteArray("[Update]\r\nUpdatePanelVersion=wobrix\r\n\r\n"
                         "[FormSample]\r\nmeDelay=015\r\nunknown=7\r\n"
                         "etName=abc\r\netFree=\r\nseCount=5\r\ncbFlag=1\r\n"
                         "cbOdd=0\r\nrbA=1\r\nrbB=0\r\ncmbMode=2\r\ncmbPic=0\r\n\r\n"
                         "[FormConnect]\r\nDialPhonesNum=0\r\n\r\n"));
}

TEST_F(FormIncl, WalkersRunTheHandlersOfWhatTheyChange) {
    TFormSample page;
    page.cbFlag->setChecked(true);
    page.rbA->setChecked(true);
    page.flagHandlerRuns = 0;
    int radioOn = 0;
    QObject::connect(page.rbB, &QRadioButton::toggled, [&](bool on) { radioOn += on; });
    load(page, "[FormSample]\r\ncbFlag=0\r\nrbA=0\r\nrbB=1\r\n");
    EXPECT_EQ(page.flagHandlerRuns, 1);
    EXPECT_FALSE(ControlEnabled(page.etFree));
    EXPECT_TRUE(page.rbB->isChecked());
    EXPECT_FALSE(page.rbA->isChecked());
    EXPECT_EQ(radioOn, 1);

    page.LoadFromIni(TMemIniFile(path("load.ini")));
    EXPECT_EQ(page.flagHandlerRuns, 1) << "no change, no handler";
    page.SetDefaults();
    EXPECT_EQ(page.flagHandlerRuns, 2);
    EXPECT_TRUE(ControlEnabled(page.etFree));
    page.Clear();
    EXPECT_EQ(page.flagHandlerRuns, 3);
    EXPECT_FALSE(ControlEnabled(page.etFree));
}

TEST_F(FormIncl, ResetMarksKeepsValuesClearEmptiesBoth) {
    TFormSample page;
    setNonDefaults(page);
    QFont bold = page.etName->font();
    bold.setBold(true);
    for (QWidget* marked : std::initializer_list<QWidget*>{page.etName, page.seCount, page.meDelay})
        marked->setFont(bold);
    page.cbFlag->setText(QStringLiteral("!"));
    page.ResetMarks();
    EXPECT_FALSE(page.etName->font().bold());
    EXPECT_FALSE(page.seCount->font().bold());
    EXPECT_TRUE(page.meDelay->font().bold()) << "a mask edit keeps its mark";
    EXPECT_EQ(page.cbFlag->text(), QString());
    EXPECT_EQ(page.etName->text(), QStringLiteral("typed"));
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("120"));
    EXPECT_TRUE(page.cbOdd->isChecked());

    page.rbA->setChecked(true);
    page.rbB->setText(QStringLiteral("!"));
    page.lbHead->setFont(bold);
    page.etName->setFont(bold);
    QPalette red = page.lbHead->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    page.lbHead->setPalette(red);
    page.Clear();
    TMemIniFile cleared{QString()};
    page.SaveToIni(cleared);
    EXPECT_EQ(cleared.ToBytes(), QByteArray("[FormSample]\r\netName=\r\netFree=\r\nseCount=42\r\ncbFlag=0\r\n"
                                            "cbOdd=0\r\nrbA=1\r\nrbB=0\r\ncmbMode=0\r\ncmbPic=2\r\n"
                                            "meDelay=015\r\n\r\n"));
    for (QWidget* marked : std::initializer_list<QWidget*>{page.lbHead, page.etName, page.meDelay})
        EXPECT_FALSE(marked->font().bold()) << marked->objectName().toStdString();
    EXPECT_EQ(page.lbHead->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(page.lbHead->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red))
        << "a disabled label keeps its own disabled colour";
    EXPECT_EQ(page.rbB->text(), QString());
    EXPECT_EQ(page.btnGo->text(), QStringLiteral("Go"));
}

TEST_F(FormIncl, ControlsAreFoundByNameIgnoringAsciiCase) {
    TFormSample page;
    EXPECT_EQ(page.FindControl<QComboBox>(QStringLiteral("CMBMODE")), page.cmbMode);
    EXPECT_EQ(page.FindControl(QStringLiteral("gbmain")), page.box);
    EXPECT_EQ(page.FindControl<QComboBox>(QStringLiteral("etName")), nullptr) << "wrong kind";
    EXPECT_EQ(page.FindControl(QStringLiteral("cmbMod")), nullptr);
}
