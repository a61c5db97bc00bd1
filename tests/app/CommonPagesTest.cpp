#include "app/fATests.h"
#include "app/fCommon.h"
#include "platform/IniFile.h"
#include "uikit/KtProgressBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QList<QComboBox*> Combos(const TformATests& page) {
    return {page.ComboBox1, page.cbH1, page.cbH2, page.cbH3, page.cbM1, page.cbM2, page.cbM3, page.cbH4};
}

void SetNonDefaults(TFormCommon& common, TformATests& tests) {
    common.etTime->setText(QStringLiteral("12:00:00 01/02/26"));
    common.etO->setText(QStringLiteral("a1F"));
    common.etSignal->setText(QStringLiteral("31"));
    common.etError->setText(QStringLiteral("7"));
    common.rbSlowCID2->setChecked(true);
    for (QCheckBox* box : {tests.reload, tests.vosst, tests.av12})
        box->setChecked(true);
    tests.zadav->SetText(QStringLiteral("120"));
    int index = 3;
    for (QComboBox* combo : Combos(tests))
        combo->setCurrentIndex(index++);
}

} // namespace

TEST(CommonPages, DefaultsOfBothPages) {
    TFormCommon common;
    TformATests tests;
    SetNonDefaults(common, tests);
    common.SetDefaults();
    tests.SetDefaults();

    EXPECT_EQ(common.etO->text(), QStringLiteral("0050"));
    EXPECT_TRUE(common.rbSlowCID1->isChecked());
    EXPECT_FALSE(common.rbSlowCID2->isChecked());
    for (QLineEdit* edit : {common.etTime, common.etSignal, common.etError})
        EXPECT_EQ(edit->text(), QString()) << edit->objectName().toStdString();
    for (QPushButton* button : {common.btnSync, common.Button1, common.Button2, common.Button3, common.btnOnOuts})
        EXPECT_FALSE(ControlEnabled(button)) << "enabled only while connected: " << button->text().toStdString();
    EXPECT_EQ(common.PSignal->TotalParts(), 31u);
    EXPECT_EQ(common.PEr->TotalParts(), 7u);

    for (QCheckBox* box : {tests.reload, tests.vosst, tests.av12})
        EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("015"));
    for (QComboBox* combo : Combos(tests))
        EXPECT_EQ(combo->currentIndex(), 0) << combo->objectName().toStdString();
    EXPECT_EQ(tests.ComboBox1->itemText(3), QStringLiteral("Три"));
    EXPECT_EQ(tests.cbH4->count(), 24);
    EXPECT_EQ(tests.cbM3->itemText(59), QStringLiteral("59")) << "item index = the number shown";
}

// Every change of the delay's text (set, loaded, typed) ends in the normal form.
TEST(CommonPages, DelayIsNormalisedOnEveryChange) {
    const QList<std::pair<QString, QString>> table{
        {"7", "015"},   {"999", "255"}, {"2 5", "205"}, {"", "015"},    {"   ", "015"},
        {"14", "015"},  {"15", "015"},  {"16", "016"},  {"255", "255"}, {"256", "255"},
        {"120", "120"}, {"x", "015"},   {"-20", "015"}, {" 9 ", "090"},
    };
    for (const auto& [text, normal] : table)
        EXPECT_EQ(TformATests::NormalDelay(text), normal) << text.toStdString();

    TformATests page;
    for (const char* text : {"7", "2 5", "999", ""}) {
        page.zadav->SetText(QString::fromLatin1(text));
        EXPECT_EQ(page.zadav->Text(), TformATests::NormalDelay(QString::fromLatin1(text))) << text;
    }

    QTemporaryDir dir;
    TMemIniFile ini(dir.filePath(QStringLiteral("a.ini")));
    ini.WriteString(QStringLiteral("formATests"), QStringLiteral("zadav"), QStringLiteral("7"));
    page.LoadFromIni(ini);
    EXPECT_EQ(page.zadav->Text(), QStringLiteral("015"));

    page.zadav->setCursorPosition(0);
    QTest::keyClicks(page.zadav, QStringLiteral("12"));
    EXPECT_EQ(page.zadav->Text(), QStringLiteral("125")) << "typed digits overwrite in place";
    page.zadav->selectAll();
    QTest::keyClick(page.zadav, Qt::Key_Delete);
    EXPECT_EQ(page.zadav->Text(), QStringLiteral("015")) << "an emptied field becomes the least delay";
}

TEST(CommonPages, ObjectNumberTakesHexadecimalKeysOnly) {
    TFormCommon page;
    page.etO->clear();
    QTest::keyClicks(page.etO, QStringLiteral("G-a19F7"));
    EXPECT_EQ(page.etO->text(), QStringLiteral("a19F")) << "letter case kept, four characters at most";
    QTest::keyClick(page.etO, Qt::Key_Backspace);
    EXPECT_EQ(page.etO->text(), QStringLiteral("a19"));
}

TEST(CommonPages, SaveAndLoadGiveBackBothPages) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.txt"));
    {
        TFormCommon common;
        TformATests tests;
        SetNonDefaults(common, tests);
        TMemIniFile ini(path);
        common.SaveToIni(ini);
        tests.SaveToIni(ini);
        ini.UpdateFile();
    }
    const TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadSections(), (QStringList{"FormCommon", "formATests"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("FormCommon")),
              (QStringList{"etTime", "etO", "etSignal", "etError", "rbSlowCID1", "rbSlowCID2"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("formATests")),
              (QStringList{"reload", "vosst", "av12", "zadav", "ComboBox1", "cbH1", "cbH2", "cbH3", "cbM1",
                           "cbM2", "cbM3", "cbH4"}));

    TFormCommon common;
    TformATests tests;
    common.LoadFromIni(ini);
    tests.LoadFromIni(ini);
    EXPECT_EQ(common.etTime->text(), QStringLiteral("12:00:00 01/02/26"));
    EXPECT_EQ(common.etO->text(), QStringLiteral("a1F"));
    EXPECT_EQ(common.etSignal->text(), QStringLiteral("31"));
    EXPECT_EQ(common.etError->text(), QStringLiteral("7"));
    EXPECT_TRUE(common.rbSlowCID2->isChecked());
    EXPECT_FALSE(common.rbSlowCID1->isChecked());
    for (QCheckBox* box : {tests.reload, tests.vosst, tests.av12})
        EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
    EXPECT_EQ(tests.zadav->Text(), QStringLiteral("120"));
    int index = 3;
    for (QComboBox* combo : Combos(tests))
        EXPECT_EQ(combo->currentIndex(), index++) << combo->objectName().toStdString();
}
