#include "app/fIn.h"
#include "platform/IniFile.h"

#include <QDialog>
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

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

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
    QTemporaryDir dir;
};

} // namespace

TEST_F(FormIncl, LoadingWithoutTheSectionKeepsTextsAndTakesHintDefaults) {
    writeAll(path("a.ini"), "[Other]\r\netName=zzz\r\n");
    TFormSample page;
    setNonDefaults(page);
    page.LoadFromIni(TMemIniFile(path("a.ini")));
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

struct CheckBoxCase {
    const char* stored;
    bool expected;
};

class CheckBoxValues : public FormIncl, public ::testing::WithParamInterface<CheckBoxCase> {};

// Booleans go through the integer reader: only numbers count, anything else is the default.
TEST_P(CheckBoxValues, ReadThroughTheIntegerRule) {
    writeAll(path("b.ini"), QByteArray("[formsample]\r\nCBFLAG=") + GetParam().stored + "\r\n");
    TFormSample page;
    page.cbFlag->setChecked(!GetParam().expected);
    page.LoadFromIni(TMemIniFile(path("b.ini")));
    EXPECT_EQ(page.cbFlag->isChecked(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(FormIncl, CheckBoxValues,
                         ::testing::Values(CheckBoxCase{"true", true}, CheckBoxCase{"yes", true},
                                           CheckBoxCase{"2", true}, CheckBoxCase{"$1", true},
                                           CheckBoxCase{"0x0", false}, CheckBoxCase{"0", false},
                                           CheckBoxCase{"-1", true}));

TEST_F(FormIncl, ComboIndexesFromTheFile) {
    writeAll(path("c.ini"), "[FormSample]\r\ncmbMode=Два\r\ncmbPic=-1\r\n");
    TFormSample page;
    page.cmbMode->setCurrentIndex(0);
    page.LoadFromIni(TMemIniFile(path("c.ini")));
    EXPECT_EQ(page.cmbMode->currentIndex(), 2) << "text reads as the hint's index";
    EXPECT_EQ(page.cmbPic->currentIndex(), -1) << "a stored -1 chooses nothing";

    writeAll(path("c.ini"), "[FormSample]\r\ncmbMode=9\r\n");
    page.LoadFromIni(TMemIniFile(path("c.ini")));
    EXPECT_EQ(page.cmbMode->currentIndex(), -1) << "an index beyond the items chooses nothing";
    TMemIniFile out(path("d.ini"));
    page.SaveToIni(out);
    EXPECT_EQ(out.ReadString("FormSample", "cmbMode", "?"), QStringLiteral("-1"));
}

TEST_F(FormIncl, EmptyValuesEmptyAnEditButNotASpinEdit) {
    writeAll(path("e.ini"), "[FormSample]\r\netName=\r\nseCount=\r\nmeDelay=\r\n");
    TFormSample page;
    setNonDefaults(page);
    page.LoadFromIni(TMemIniFile(path("e.ini")));
    EXPECT_EQ(page.etName->text(), QString());
    EXPECT_EQ(page.seCount->value(), 42);
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("   ")) << "an empty mask edit is all blanks";

    writeAll(path("e.ini"), "[FormSample]\r\nseCount=abc\r\n");
    page.LoadFromIni(TMemIniFile(path("e.ini")));
    EXPECT_EQ(page.seCount->value(), 42) << "a spin edit can only hold a number";
}

TEST_F(FormIncl, SaveAndLoadGiveBackEveryValue) {
    TFormSample first;
    setNonDefaults(first);
    first.etName->setText(QString::fromUtf8("Объект = №1"));
    first.setEnabled(false);
    first.etFree->hide();
    {
        TMemIniFile ini(path("r.ini"));
        first.SaveToIni(ini);
        ini.UpdateFile();
    }
    TFormSample second;
    second.LoadFromIni(TMemIniFile(path("r.ini")));
    EXPECT_EQ(second.etName->text(), first.etName->text());
    EXPECT_EQ(second.etFree->text(), QStringLiteral("free")) << "hidden controls are stored too";
    EXPECT_EQ(second.seCount->value(), 42);
    EXPECT_FALSE(second.cbFlag->isChecked());
    EXPECT_TRUE(second.cbOdd->isChecked());
    EXPECT_TRUE(second.rbB->isChecked());
    EXPECT_FALSE(second.rbA->isChecked());
    EXPECT_EQ(second.cmbMode->currentIndex(), 0);
    EXPECT_EQ(second.cmbPic->currentIndex(), 2);
    EXPECT_EQ(second.meDelay->Text(), QStringLiteral("120"));
}

TEST_F(FormIncl, AFileWrittenFromScratchHoldsTheKeysInDesignOrder) {
    TFormSample page;
    page.SetDefaults();
    page.etFree->setText(QString::fromUtf8("Тест"));
    TMemIniFile ini(path("new.ini"));
    page.SaveToIni(ini);
    ini.UpdateFile();
    EXPECT_EQ(readAll(path("new.ini")), QByteArray("[FormSample]\r\n"
                                                   "etName=abc\r\n"
                                                   "etFree=\xD2\xE5\xF1\xF2\r\n"
                                                   "seCount=5\r\n"
                                                   "cbFlag=1\r\n"
                                                   "cbOdd=0\r\n"
                                                   "rbA=1\r\n"
                                                   "rbB=0\r\n"
                                                   "cmbMode=2\r\n"
                                                   "cmbPic=0\r\n"
                                                   "meDelay=015\r\n"
                                                   "\r\n"));
}

TEST_F(FormIncl, SavingKeepsForeignSectionsAndKeyPlaces) {
    writeAll(path("cur.ini"), "[Update]\r\nUpdatePanelVersion=wobrix\r\n\r\n"
                              "[FormSample]\r\nmeDelay=100\r\nunknown=7\r\n\r\n"
                              "[FormConnect]\r\nDialPhonesNum=0\r\n\r\n");
    TFormSample page;
    page.SetDefaults();
    TMemIniFile ini(path("cur.ini"));
    page.SaveToIni(ini);
    ini.UpdateFile();
    EXPECT_EQ(readAll(path("cur.ini")),
              QByteArray("[Update]\r\nUpdatePanelVersion=wobrix\r\n\r\n"
                         "[FormSample]\r\nmeDelay=015\r\nunknown=7\r\n"
                         "etName=abc\r\netFree=\r\nseCount=5\r\ncbFlag=1\r\n"
                         "cbOdd=0\r\nrbA=1\r\nrbB=0\r\ncmbMode=2\r\ncmbPic=0\r\n\r\n"
                         "[FormConnect]\r\nDialPhonesNum=0\r\n\r\n"));
}

TEST_F(FormIncl, ALoadedCheckBoxRunsItsHandlerOnlyOnAChange) {
    writeAll(path("h.ini"), "[FormSample]\r\ncbFlag=0\r\n");
    TFormSample page;
    page.cbFlag->setChecked(true);
    page.flagHandlerRuns = 0;
    page.LoadFromIni(TMemIniFile(path("h.ini")));
    EXPECT_EQ(page.flagHandlerRuns, 1);
    EXPECT_FALSE(ControlEnabled(page.etFree));

    page.LoadFromIni(TMemIniFile(path("h.ini")));
    EXPECT_EQ(page.flagHandlerRuns, 1) << "no change, no handler";

    page.SetDefaults();
    EXPECT_EQ(page.flagHandlerRuns, 2);
    EXPECT_TRUE(ControlEnabled(page.etFree));
    page.Clear();
    EXPECT_EQ(page.flagHandlerRuns, 3);
    EXPECT_FALSE(ControlEnabled(page.etFree));
}

TEST_F(FormIncl, LoadedRadioButtonsCheckAndUncheckTheirSibling) {
    writeAll(path("r.ini"), "[FormSample]\r\nrbA=0\r\nrbB=1\r\n");
    TFormSample page;
    page.rbA->setChecked(true);
    int toggledOn = 0;
    QObject::connect(page.rbB, &QRadioButton::toggled, [&](bool on) { toggledOn += on; });
    page.LoadFromIni(TMemIniFile(path("r.ini")));
    EXPECT_TRUE(page.rbB->isChecked());
    EXPECT_FALSE(page.rbA->isChecked());
    EXPECT_EQ(toggledOn, 1);
}

TEST_F(FormIncl, ClearEmptiesValuesAndRemovesMarks) {
    TFormSample page;
    setNonDefaults(page);
    page.rbA->setChecked(true);
    QFont bold = page.lbHead->font();
    bold.setBold(true);
    page.lbHead->setFont(bold);
    QPalette red = page.lbHead->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    page.lbHead->setPalette(red);
    page.etName->setFont(bold);
    page.meDelay->setFont(bold);
    page.rbB->setText(QStringLiteral("!"));

    page.Clear();
    EXPECT_EQ(page.etName->text(), QString());
    EXPECT_EQ(page.etFree->text(), QString());
    EXPECT_EQ(page.seCount->value(), 42);
    EXPECT_FALSE(page.cbFlag->isChecked());
    EXPECT_FALSE(page.cbOdd->isChecked());
    EXPECT_TRUE(page.rbA->isChecked());
    EXPECT_EQ(page.cmbMode->currentIndex(), 0);
    EXPECT_EQ(page.cmbPic->currentIndex(), 2);
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("015"));
    EXPECT_FALSE(page.lbHead->font().bold());
    EXPECT_EQ(page.lbHead->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 0, 0));
    EXPECT_EQ(page.lbHead->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(Qt::red))
        << "a disabled label keeps its own disabled colour";
    EXPECT_FALSE(page.etName->font().bold());
    EXPECT_FALSE(page.meDelay->font().bold());
    EXPECT_EQ(page.cbOdd->text(), QString());
    EXPECT_EQ(page.rbB->text(), QString());
    EXPECT_EQ(page.btnGo->text(), QStringLiteral("Go"));
}

TEST_F(FormIncl, ResetMarksKeepsValuesAndMaskEditMarks) {
    TFormSample page;
    setNonDefaults(page);
    QFont bold = page.etName->font();
    bold.setItalic(true);
    page.etName->setFont(bold);
    page.seCount->setFont(bold);
    page.meDelay->setFont(bold);
    page.cbFlag->setText(QStringLiteral("!"));

    page.ResetMarks();
    EXPECT_FALSE(page.etName->font().italic());
    EXPECT_FALSE(page.seCount->font().italic());
    EXPECT_TRUE(page.meDelay->font().italic());
    EXPECT_EQ(page.cbFlag->text(), QString());
    EXPECT_EQ(page.etName->text(), QStringLiteral("typed"));
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("120"));
    EXPECT_TRUE(page.cbOdd->isChecked());
}

TEST_F(FormIncl, DefaultsComeFromHintsAndBadHintsKeepTheValue) {
    TFormSample page;
    setNonDefaults(page);
    page.SetDefaults();
    EXPECT_EQ(page.etName->text(), QStringLiteral("abc"));
    EXPECT_EQ(page.etFree->text(), QString()) << "no hint: an empty text";
    EXPECT_EQ(page.seCount->value(), 5);
    EXPECT_TRUE(page.cbFlag->isChecked());
    EXPECT_TRUE(page.cbOdd->isChecked()) << "hint \"yes\" is no boolean";
    EXPECT_TRUE(page.rbA->isChecked());
    EXPECT_FALSE(page.rbB->isChecked());
    EXPECT_EQ(page.cmbMode->currentIndex(), 2);
    EXPECT_EQ(page.cmbPic->currentIndex(), 2) << "hint \"x1\" is no integer";
    EXPECT_EQ(page.meDelay->Text(), QStringLiteral("015"));
}

TEST_F(FormIncl, ControlsAreFoundByNameIgnoringAsciiCase) {
    TFormSample page;
    EXPECT_EQ(page.FindControl<QComboBox>(QStringLiteral("CMBMODE")), page.cmbMode);
    EXPECT_EQ(page.FindControl(QStringLiteral("gbmain")), page.box);
    EXPECT_EQ(page.FindControl<QPushButton>(QStringLiteral("btnGO")), page.btnGo);
    EXPECT_EQ(page.FindControl<QComboBox>(QStringLiteral("etName")), nullptr) << "wrong kind";
    EXPECT_EQ(page.FindControl(QStringLiteral("cmbMod")), nullptr);
    EXPECT_EQ(page.Controls().HintOf(page.meDelay), QStringLiteral("015"));
    EXPECT_EQ(page.Controls().Items().size(), 13);
}

// A dialog that is no page stores its controls with the same walkers under its own section.
TEST_F(FormIncl, AnyWindowCanUseTheWalkers) {
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("FormConnect"));
    TDesignedControls controls(&dialog);
    QComboBox* ports = controls.AddComboBox(&dialog, QStringLiteral("ComPorts"), QStringLiteral("0"));
    ports->addItems({QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")});
    QComboBox* phones = controls.AddComboBox(&dialog, QStringLiteral("cbPhones"), QStringLiteral("0"));
    phones->setEditable(true);
    phones->addItems({QStringLiteral("111"), QStringLiteral("222")});
    ports->setCurrentIndex(1);
    phones->setEditText(QStringLiteral("333"));

    TMemIniFile ini(path("conn.ini"));
    SaveControlsToIni(ini, controls);
    EXPECT_EQ(ini.ReadString("FormConnect", "ComPorts", "?"), QStringLiteral("1"));
    EXPECT_EQ(ini.ReadString("FormConnect", "cbPhones", "?"), QStringLiteral("-1"))
        << "typed text that is no item means no item chosen";

    ports->setCurrentIndex(0);
    LoadControlsFromIni(ini, controls);
    EXPECT_EQ(ports->currentIndex(), 1);
}
