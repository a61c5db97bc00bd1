#include "DeviceControllerFixture.h"

#include "app/controls/SpinEdit.h"
#include "app/pages/fKBDs.h"
#include "app/pages/fLoops.h"
#include "device/MsgFile.h"
#include "link/PrintQt.h"
#include "platform/IniFile.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

QString Entry(int entry) {
    return QStringLiteral("Строка Ademco ContactID шлейфа ") + QString::number(entry);
}

} // namespace

// The loops and keypads transfers between their pages (with the shipped message table's events)
// and the fake panel; firmware 4.12.
class LoopsKeypadsTransfer : public ControllerFixture {
protected:
    void SetUp() override {
        MsgFile = std::make_unique<TMsgFile>();
        MsgFile->LoadFromFile(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"));
        loops = std::make_unique<TFormLoops>();
        page = std::make_unique<TFormKBDs>();
        ControllerFixture::SetUp();
        Firmware(4, 12);
    }
    void TearDown() override {
        ControllerFixture::TearDown();
        loops.reset();
        page.reset();
        MsgFile.reset();
    }

    using ControllerFixture::Transfer;
    QList<QByteArray> Transfer(bool write) { return Transfer(*page, write); }
    QString Numbers(int count) const {
        QStringList numbers;
        for (int row = 1; row <= count; ++row)
            numbers << page->Number(row);
        return numbers.join(u' ');
    }
    // The four loop use flags in bit order: closed 1, opened 1, opened 2, closed 2.
    QString Use() const {
        QString flags;
        for (const QCheckBox* box :
             {loops->cbResponce1, loops->cbRecovery1, loops->cbRecovery2, loops->cbResponce2})
            flags += box->isChecked() ? u'1' : u'0';
        return flags;
    }

    std::unique_ptr<TFormLoops> loops;
    std::unique_ptr<TFormKBDs> page; // the objects page
};

TEST_F(LoopsKeypadsTransfer, ReadShowsStatesUseAndEntriesAndWritesThemBack) {
    panel.SetValue("p", "2");
    panel.SetValue("u", "9");
    panel.SetValue("i0", "113001005");
    panel.SetValue("i1", "31301");     // too short for a zone
    panel.SetValue("i2", "199902007"); // an event the table does not know
    panel.SetValue("i3", "160112345");
    EXPECT_EQ(Transfer(*loops, false), (QList<QByteArray>{"p", "u", "i0", "i1", "i2", "i3"}));
    EXPECT_EQ(loops->pStLoop1->text() + u' ' + loops->pStLoop2->text(), QStringLiteral("Замкнут Разомкнут"));
    EXPECT_EQ(Use(), QStringLiteral("1001"));
    EXPECT_EQ(loops->cbRes1->currentText(), QStringLiteral("1301: Проникновение"));
    EXPECT_EQ(loops->etPartRes1->Text() + u' ' + loops->etLoopRes1->Text(), QStringLiteral("1 5"));
    EXPECT_EQ(loops->cbRes2->currentIndex(), -1);
    EXPECT_TRUE(loops->cbRec2->currentText().startsWith(QStringLiteral("6011: ")));
    EXPECT_EQ(loops->etPartRec2->Text() + u' ' + loops->etLoopRec2->Text(), QStringLiteral("12 345"));
    EXPECT_EQ(Errors(), QStringList{ReadError(Entry(1))});

    panel.SetValue("u", "4");
    Transfer(*loops, false);
    EXPECT_EQ(Use(), QStringLiteral("0010"));

    // Written back: the same use and strings (entry 1 as far as its read came); an entry without
    // a chosen event is an error and is not sent.
    EXPECT_EQ(Transfer(*loops, true),
              (QList<QByteArray>{"u=4", "i0=113001005", "i1=313001000", "i3=160112345"}));
    EXPECT_EQ(Errors(), QStringList{WriteError(Entry(2))});
    loops->cbResponce1->setChecked(true);
    loops->cbRecovery2->setChecked(false);
    loops->cbResponce2->setChecked(true);
    EXPECT_EQ(Transfer(*loops, true).value(0), "u=9");
}

TEST_F(LoopsKeypadsTransfer, ReadRetriesShortAddressesAndFindsTheLinkLossEvent) {
    Clock::SetScaleForTests(0.1);
    panel.SetValue("k", "03");
    panel.SetValue("K00", "00A1");
    panel.SetValue("K01", "ABC"); // short every time: three asks, one error line
    panel.SetValue("K02", "0FF0");
    panel.SetValue("AF", "1130");
    page->SetNumber(2, QStringLiteral("7777"));
    EXPECT_EQ(Transfer(false), (QList<QByteArray>{"k", "K00", "K01", "K01", "K01", "K02", "AF"}));
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("3"));
    EXPECT_EQ(Numbers(3), QStringLiteral("00A1 7777 0FF0"));
    EXPECT_EQ(Errors(), QStringList{ReadError(QStringLiteral("Номер клавиатуры в локальной сети"))});
    EXPECT_TRUE(page->cbACIDcode->currentText().startsWith(QStringLiteral("1301: ")));

    // Firmware 4.11 has no link-loss code; a count of 0 asks for no address.
    Firmware(4, 11);
    panel.SetValue("k", "00");
    EXPECT_EQ(Transfer(false), QList<QByteArray>{"k"});
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("0"));

    // A count the grid cannot hold is an error; the page keeps what it showed.
    panel.SetValue("k", "100");
    page->etKBSNum->setText(QStringLiteral("3"));
    EXPECT_EQ(Transfer(false), QList<QByteArray>{"k"});
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("3"));
    EXPECT_EQ(Numbers(3), QStringLiteral("00A1 7777 0FF0"));
    EXPECT_EQ(Errors(), QStringList{ReadError(QStringLiteral("Кол-во клавиатур"))});
}

TEST_F(LoopsKeypadsTransfer, WriteSendsCountAddressesAndLinkLossEvent) {
    page->cbACIDcode->setCurrentIndex(page->cbACIDcode->findText(QStringLiteral("1301: Проникновение")));
    page->etKBSNum->setText(QStringLiteral("3"));
    page->SetNumber(1, QStringLiteral("001A"));
    page->SetNumber(2, QStringLiteral("zz"));
    page->SetNumber(3, QStringLiteral("FF"));
    EXPECT_EQ(Transfer(true), (QList<QByteArray>{"k=03", "K00=001A", "K02=00FF", "AF=1130"}));
    EXPECT_EQ(Errors(), QStringList{WriteError(QStringLiteral("Адрес клавиатуры в сетие")) +
                                    QStringLiteral(" :Не верный Адрес для клавитуры 2: zz")});

    // An empty count is 0; without a chosen event nothing goes out for it (4.12), and 4.11
    // never sends one.
    page->etKBSNum->clear();
    page->cbACIDcode->setCurrentIndex(-1);
    EXPECT_EQ(Transfer(true), QList<QByteArray>{"k=00"});
    EXPECT_EQ(Errors(),
              QStringList{WriteError(QStringLiteral("Код ACID события пропадания связи с панелью"))});
    Firmware(4, 11);
    page->cbACIDcode->setCurrentIndex(0);
    EXPECT_EQ(Transfer(true), QList<QByteArray>{"k=00"});
    EXPECT_TRUE(Errors().isEmpty());

    // A count beyond the grid (a hand-edited file) sends nothing for the keypads; a refused
    // count sends no address.
    page->etKBSNum->setText(QStringLiteral("300"));
    EXPECT_TRUE(Transfer(true).isEmpty());
    EXPECT_EQ(Errors(), QStringList{WriteError(QStringLiteral("Кол-во клавиатур"))});
    Clock::SetScaleForTests(0.1);
    page->etKBSNum->setText(QStringLiteral("1"));
    panel.SetFault("k=01", Silent());
    EXPECT_EQ(Transfer(true), (QList<QByteArray>{"k=01", "k=01", "k=01"}));
    EXPECT_EQ(Errors(), QStringList{WriteError(QStringLiteral("Кол-во клавиатур"))});
}

// A network number beyond four hexadecimal digits (a hand-edited settings file) is no address:
// the keypad gets its error line and no frame, the keypads around it are still written.
TEST_F(LoopsKeypadsTransfer, AddressBeyondFourDigitsIsNotSent) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand.ini"));
    ASSERT_TRUE(WriteFileBytes(path, "[FormKBDs]\r\netKBSNum=5\r\n\r\n"
                                     "[KBDNUMS]\r\n1=12345\r\n2=FFFF\r\n3=10000\r\n4=FFFFFFFF\r\n5=0\r\n"));
    page->LoadFromIni(TMemIniFile(path));
    ASSERT_EQ(Numbers(5), QStringLiteral("12345 FFFF 10000 FFFFFFFF 0"));
    page->cbACIDcode->setCurrentIndex(page->cbACIDcode->findText(QStringLiteral("1301: Проникновение")));

    const QList<QByteArray> frames = Transfer(true);
    EXPECT_EQ(frames, (QList<QByteArray>{"k=05", "K01=FFFF", "K04=0000", "AF=1130"}));
    const auto badLine = [](const char* detail) {
        return WriteError(QStringLiteral("Адрес клавиатуры в сетие")) +
               QStringLiteral(" :Не верный Адрес для клавитуры ") + QString::fromUtf8(detail);
    };
    EXPECT_EQ(Errors(), (QStringList{badLine("1: 12345"), badLine("3: 10000"), badLine("4: FFFFFFFF")}));
    EXPECT_TRUE(panel.FramesStartingWith("K00").isEmpty() && panel.FramesStartingWith("K02").isEmpty());
}
