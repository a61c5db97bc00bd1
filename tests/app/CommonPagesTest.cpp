#include "app/pages/fATests.h"
#include "app/pages/fCommon.h"
#include "platform/IniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Both pages as a settings file holds them.
QByteArray Saved(TFormCommon& common, TformATests& tests) {
    TMemIniFile ini(QString{});
    common.SaveToIni(ini);
    tests.SaveToIni(ini);
    return ini.ToBytes();
}

const QByteArray kDefaults = "[FormCommon]\r\netTime=\r\netO=0050\r\netSignal=\r\netError=\r\n"
                             "rbSlowCID1=1\r\nrbSlowCID2=0\r\n\r\n"
                             "[formATests]\r\nreload=0\r\nvosst=0\r\nav12=0\r\nzadav=015\r\nComboBox1=0\r\n"
                             "cbH1=0\r\ncbH2=0\r\ncbH3=0\r\ncbM1=0\r\ncbM2=0\r\ncbM3=0\r\ncbH4=0\r\n\r\n";

} // namespace

TEST(CommonPages, DefaultsAndSaveLoadOfBothPages) {
    TFormCommon common;
    TformATests tests;
    EXPECT_EQ(Saved(common, tests), kDefaults) << "designed with the default values";

    for (QLineEdit* edit : {common.etTime, common.etO, common.etSignal, common.etError})
        edit->setText(QStringLiteral("a1F"));
    common.rbSlowCID2->setChecked(true);
    for (QCheckBox* box : {tests.reload, tests.vosst, tests.av12})
        box->setChecked(true);
    tests.zadav->SetText(QStringLiteral("120"));
    int index = 3;
    for (QComboBox* combo : {tests.ComboBox1, tests.cbH1, tests.cbH2, tests.cbH3, tests.cbM1, tests.cbM2,
                             tests.cbM3, tests.cbH4})
        combo->setCurrentIndex(index++);
    const QByteArray changed = Saved(common, tests);
    ASSERT_NE(changed, kDefaults);

    TMemIniFile file(QString{});
    common.SaveToIni(file);
    tests.SaveToIni(file);
    common.SetDefaults();
    tests.SetDefaults();
    EXPECT_EQ(Saved(common, tests), kDefaults);
    common.LoadFromIni(file);
    tests.LoadFromIni(file);
    EXPECT_EQ(Saved(common, tests), changed);
}

// Every change of the delay's text (set, loaded, typed) ends in the normal form.
TEST(CommonPages, DelayIsNormalisedOnEveryChange) {
    const QList<std::pair<QString, QString>> table{
        {"7", "015"},  {"999", "255"}, {"2 5", "205"}, {"", "015"},    {"   ", "015"},
        {"14", "015"}, {"16", "016"},  {"255", "255"}, {"256", "255"}, {"120", "120"},
        {"x", "015"},  {"-20", "015"}, {" 9 ", "090"}};
    for (const auto& [text, normal] : table)
        EXPECT_EQ(TformATests::NormalDelay(text), normal) << text.toStdString();

    TformATests page;
    page.zadav->SetText(QStringLiteral("2 5"));
    EXPECT_EQ(page.zadav->Text(), QStringLiteral("205"));
    TMemIniFile ini(QString{});
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
}
