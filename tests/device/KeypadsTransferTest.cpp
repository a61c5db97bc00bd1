#include "DeviceControllerFixture.h"

#include "app/fKBDs.h"
#include "device/MsgFile.h"
#include "link/PrintQt.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QString ReadError(const char* label) {
    return QStringLiteral("Ошибка при чтении параметра \"") + QString::fromUtf8(label) + u'"';
}

QString WriteError(const char* label) {
    return QStringLiteral("Ошибка при записи параметра \"") + QString::fromUtf8(label) + u'"';
}

} // namespace

// The keypads transfer between the objects page (with the shipped message table's events) and
// the fake panel.
class KeypadsTransfer : public ControllerFixture {
protected:
    void SetUp() override {
        MsgFile = std::make_unique<TMsgFile>();
        MsgFile->LoadFromFile(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"));
        page = std::make_unique<TFormKBDs>();
        ControllerFixture::SetUp();
        Firmware(4, 12);
    }
    void TearDown() override {
        ControllerFixture::TearDown();
        page.reset();
        MsgFile.reset();
    }

    void Firmware(int major, int minor) {
        controller->FirmwareMajor = major;
        controller->FirmwareMinor = minor;
    }
    QList<QByteArray> Transfer(bool write) {
        controller->ClearErrors();
        const qsizetype from = panel.Frames().size();
        write ? controller->WritePage(*page) : controller->ReadPage(*page);
        return panel.Frames().mid(from);
    }
    QStringList Errors() const { return controller->GetErrors(); }
    QString Numbers(int count) const {
        QStringList numbers;
        for (int row = 1; row <= count; ++row)
            numbers << page->Number(row);
        return numbers.join(u' ');
    }

    std::unique_ptr<TFormKBDs> page;
};

TEST_F(KeypadsTransfer, ReadRetriesShortAddressesAndFindsTheLinkLossEvent) {
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
    EXPECT_EQ(Errors(), QStringList{ReadError("Номер клавиатуры в локальной сети")});
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
    EXPECT_EQ(Errors(), QStringList{ReadError("Кол-во клавиатур")});
}

TEST_F(KeypadsTransfer, WriteSendsCountAddressesAndLinkLossEvent) {
    page->cbACIDcode->setCurrentIndex(page->cbACIDcode->findText(QStringLiteral("1301: Проникновение")));
    page->etKBSNum->setText(QStringLiteral("3"));
    page->SetNumber(1, QStringLiteral("001A"));
    page->SetNumber(2, QStringLiteral("zz"));
    page->SetNumber(3, QStringLiteral("FF"));
    EXPECT_EQ(Transfer(true), (QList<QByteArray>{"k=03", "K00=001A", "K02=00FF", "AF=1130"}));
    EXPECT_EQ(Errors(), QStringList{WriteError("Адрес клавиатуры в сетие") +
                                    QStringLiteral(" :Не верный Адрес для клавитуры 2: zz")});

    // An empty count is 0; without a chosen event nothing goes out for it (4.12), and 4.11
    // never sends one.
    page->etKBSNum->clear();
    page->cbACIDcode->setCurrentIndex(-1);
    EXPECT_EQ(Transfer(true), QList<QByteArray>{"k=00"});
    EXPECT_EQ(Errors(), QStringList{WriteError("Код ACID события пропадания связи с панелью")});
    Firmware(4, 11);
    page->cbACIDcode->setCurrentIndex(0);
    EXPECT_EQ(Transfer(true), QList<QByteArray>{"k=00"});
    EXPECT_TRUE(Errors().isEmpty());

    // A count beyond the grid (a hand-edited file) sends nothing for the keypads; a refused
    // count sends no address.
    page->etKBSNum->setText(QStringLiteral("300"));
    EXPECT_TRUE(Transfer(true).isEmpty());
    EXPECT_EQ(Errors(), QStringList{WriteError("Кол-во клавиатур")});
    Clock::SetScaleForTests(0.1);
    page->etKBSNum->setText(QStringLiteral("1"));
    panel.SetFault("k=01", Silent());
    EXPECT_EQ(Transfer(true), (QList<QByteArray>{"k=01", "k=01", "k=01"}));
    EXPECT_EQ(Errors(), QStringList{WriteError("Кол-во клавиатур")});
}
