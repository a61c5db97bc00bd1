#include "UpdateFixture.h"

#include "app/windows/TVLog.h"
#include "firmware/UploadPackets.h"

#include <QTreeWidget>

namespace {

const QString kTitle = QStringLiteral("VER 01.004.014");
const QString kEnd = QStringLiteral(":00000001FF");

QString Digits(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace

class CarriedImageTest : public UpdateFixture {
protected:
    QStringList LogLinesContaining(const QString& text) const {
        QStringList lines;
        for (int i = 0; i < main->tvLog->topLevelItemCount(); ++i)
            if (main->tvLog->topLevelItem(i)->text(0).contains(text))
                lines.append(main->tvLog->topLevelItem(i)->text(0));
        return lines;
    }
};

// An image with a byte-order mark, CR line ends, an address record and blanks after its records,
// and a short last record: the panel receives exactly the packets of its data bytes, nothing of
// the address record or the checksums, and takes the image.
TEST_F(CarriedImageTest, AddressRecordAndBlanksGiveThePacketsOfTheData) {
    QStringList lines{kTitle, QStringLiteral(":020000040000FA  ")};
    for (int r = 0; r < 4; ++r)
        lines.append(HexRecord(0, r * 16, ImageRow(r)) + QStringLiteral(" \t"));
    lines.append(HexRecord(0, 0x40, ImageRow(4).left(8)) + u'\t');
    lines.append(kEnd);
    formUpdateIns->LoadFirmwareText("\xEF\xBB\xBF" + toCp1251(lines.join(u'\r') + u'\r'));
    ASSERT_TRUE(formUpdateIns->HasImage());
    ASSERT_NO_FATAL_FAILURE(Connect());
    ASSERT_TRUE(formUpdateIns->isVisible());
    EXPECT_EQ(formUpdateIns->lbNewName->text(), kTitle);
    RunUpdate();

    TUploadPackets expected;
    const QString first = expected.Build(
        0, {Digits(ImageRow(0)), Digits(ImageRow(1)), Digits(ImageRow(2)), Digits(ImageRow(3))});
    const QString second = expected.Build(4, {Digits(ImageRow(4).left(8))});
    EXPECT_EQ(loader.FramesStartingWith("W"), (QList<QByteArray>{first.toLatin1(), second.toLatin1()}));
    EXPECT_EQ(loader.FramesStartingWith("EE"), QList<QByteArray>{expected.EraseCommand().toLatin1()});
    EXPECT_EQ(loader.Image(), ImageRows(4) + ImageRow(4).left(8));
    EXPECT_EQ(formUpdateIns->UpdateState, 3);
    EXPECT_TRUE(LogLinesContaining(QStringLiteral("Встроенная прошивка")).isEmpty());
}

// An image that does not read whole, holds no data or does not hold its bytes without a gap
// from address 0 is never offered and sends nothing; the log says why, once.
TEST_F(CarriedImageTest, UnusableImagesAreNeverOffered) {
    QString badSum = HexRecord(0, 0x10, ImageRow(1));
    badSum.replace(badSum.size() - 2, 2, QStringLiteral("00"));
    const QString row0 = HexRecord(0, 0, ImageRow(0));
    const struct {
        const char* name;
        QStringList records;
        const char* why;
    } cases[] = {
        {"title only", {}, "строка 1, нет записи конца файла"},
        {"no data", {QStringLiteral(":020000040000FA"), kEnd}, "нет данных"},
        {"bad checksum", {row0, badSum, kEnd}, "строка 3, неверная контрольная сумма записи"},
        {"no end record", {row0, HexRecord(0, 0x10, ImageRow(1))}, "строка 3, нет записи конца файла"},
        {"address jump", {row0, HexRecord(0, 0x30, ImageRow(3)), kEnd}, "строка 3, разрыв адресов"},
        {"code at 0x08000000", {QStringLiteral(":020000040800F2"), row0, kEnd}, "строка 3, разрыв адресов"},
        {"short row inside",
         {HexRecord(0, 0, ImageRow(0).left(8)), HexRecord(0, 0x10, ImageRow(1)), kEnd},
         "данные не идут подряд с адреса 0 (строка 0000)"},
        {"overlap", {row0, HexRecord(0, 0x08, ImageRow(1).left(8)), kEnd}, "строка 3, перекрытие адресов"},
        {"back within a row",
         {HexRecord(0, 0x08, ImageRow(0).mid(8)), HexRecord(0, 0, ImageRow(0).left(8)), kEnd},
         "строка 3, перекрытие адресов"},
    };
    const QString caption = main->windowTitle();
    const QString notOffered = QStringLiteral("Встроенная прошивка не будет предложена: ");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        formUpdateIns->LoadFirmwareText(
            toCp1251((QStringList{kTitle} + c.records).join(QStringLiteral("\r\n"))));
        EXPECT_FALSE(formUpdateIns->HasImage());
        EXPECT_EQ(formUpdateIns->FileMajor, -1);
        const qsizetype before = LogLinesContaining(notOffered).size();
        for (int connect = 0; connect < 2; ++connect) {
            ASSERT_NO_FATAL_FAILURE(Connect());
            EXPECT_FALSE(formUpdateIns->isVisible());
            AppController->Disconnect();
        }
        const QStringList said = LogLinesContaining(notOffered);
        ASSERT_EQ(said.size(), before + 1) << "once for two connects";
        EXPECT_EQ(said.last(), notOffered + QString::fromUtf8(c.why));
    }
    EXPECT_EQ(main->windowTitle(), caption);
    EXPECT_TRUE(loader.FramesStartingWith("BL").isEmpty());
    EXPECT_TRUE(loader.FramesStartingWith("W").isEmpty());
    EXPECT_TRUE(loader.FramesStartingWith("EE").isEmpty());
}
