#include "platform/IniFile.h"
#include "base/Cp1251.h"
#include "base/Exceptions.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

TEST(IniFile, ReadingRules) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.ini");
    ASSERT_TRUE(WriteFileBytes(path,
                               "[Sec]\r\nDec=42\r\nHex1=$1F\r\nHex2=0x10\r\nBad=12ab\r\nZero=0\r\nTwo=2\r\n"
                               "  Spaced  =  value with blanks  \r\nText=\xCF\xF0\xE8\xE2\xE5\xF2\r\n"));
    const TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("sec", "dec", -1), 42);
    EXPECT_EQ(ini.ReadInteger("Sec", "Hex1", -1), 31);
    EXPECT_EQ(ini.ReadInteger("Sec", "Hex2", -1), 16);
    EXPECT_EQ(ini.ReadInteger("Sec", "Bad", -1), -1);
    EXPECT_EQ(ini.ReadInteger("Sec", "Missing", 7), 7);
    EXPECT_FALSE(ini.ReadBool("Sec", "Zero", true));
    EXPECT_TRUE(ini.ReadBool("Sec", "Two", false));
    EXPECT_TRUE(ini.ReadBool("Sec", "Bad", true)); // not an integer: the default
    EXPECT_FALSE(ini.ReadBool("Sec", "Bad", false));
    EXPECT_EQ(ini.ReadString("Sec", "spaced", "-"), QStringLiteral("value with blanks"));
    EXPECT_EQ(ini.ReadString("Sec", "Text", "-"), QString::fromUtf8("Привет"));
    EXPECT_TRUE(ini.ValueExists("SEC", "TWO"));
    EXPECT_FALSE(ini.ValueExists("Sec", "Nope"));
    EXPECT_FALSE(ini.ValueExists("Other", "Two"));
}

TEST(IniFile, MissingFileReadsAsEmpty) {
    QTemporaryDir dir;
    const TMemIniFile ini(dir.filePath("none.ini"));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_EQ(ini.ReadString("A", "B", "dflt"), QStringLiteral("dflt"));
}

TEST(IniFile, ExactBytesOfAFileWrittenFromScratch) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.ini");
    TMemIniFile ini(path);
    ini.WriteString("FormCommon", "etObject", QString::fromUtf8("Объект"));
    ini.WriteBool("FormCommon", "cbVoice", true);
    ini.WriteInteger("FormConnect", "DialPhonesNum", 2);
    ini.WriteBool("formcommon", "CBVOICE", false); // same key, first spelling kept
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(path),
              QByteArray("[FormCommon]\r\netObject=\xCE\xE1\xFA\xE5\xEA\xF2\r\ncbVoice=0\r\n\r\n"
                         "[FormConnect]\r\nDialPhonesNum=2\r\n\r\n"));
}

TEST(IniFile, RewriteKeepsForeignSectionsAndKeyOrder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("cur.ini");
    ASSERT_TRUE(
        WriteFileBytes(path, "[Update]\nUpdatePanelVersion=x\n; a comment\n[FormLoops]\nb=2\na=1\nc=3\n"));
    TMemIniFile ini(path);
    ini.WriteString("FORMLOOPS", "A", "10");
    ini.WriteString("FormLoops", "d", "4");
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(path), QByteArray("[Update]\r\nUpdatePanelVersion=x\r\n; a comment\r\n\r\n"
                                          "[FormLoops]\r\nb=2\r\na=10\r\nc=3\r\nd=4\r\n\r\n"));
    const TMemIniFile again(path);
    EXPECT_EQ(again.ReadSection("formloops"), (QStringList{"b", "a", "c", "d"}));
}

TEST(IniFile, FileVariantWritesThrough) {
    QTemporaryDir dir;
    const QString path = dir.filePath("through.ini");
    TIniFile ini(path);
    ini.WriteInteger("S", "k", 5);
    EXPECT_EQ(TMemIniFile(path).ReadInteger("S", "k", 0), 5);
    ini.DeleteKey("s", "K");
    EXPECT_FALSE(TMemIniFile(path).ValueExists("S", "k"));
}

TEST(IniFile, FailedWriteIsReportedAndOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.ini");
    const QByteArray old("[A]\r\nx=1\r\n\r\n");
    ASSERT_TRUE(WriteFileBytes(path, old));
    TMemIniFile ini(path);
    ini.WriteString("A", "long", QString(4000, u'z'));

    // A file-size limit refuses the write even for root, who ignores folder permissions.
    signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &tight);
    EXPECT_THROW(ini.UpdateFile(), EIniFileError);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(FileBytes(path), old);

    if (geteuid() != 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_THROW(ini.UpdateFile(), EIniFileError);
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(FileBytes(path), old);
    }
    TMemIniFile nowhere(dir.filePath("no/such/folder/x.ini"));
    nowhere.WriteString("A", "b", "c");
    EXPECT_THROW(nowhere.UpdateFile(), EIniFileError);
}

// A hand-made "[]" header names a section of its own, "", and is written back as read, so its
// keys stay there; lines before the first header belong to no section, not even "".
TEST(IniFile, SectionNamedEmptyKeepsItsHeader) {
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.ini");
    const QByteArray text("loose=0\r\n\r\n[A]\r\nx=1\r\n\r\n[]\r\ny=2\r\n\r\n[B]\r\nz=3\r\n\r\n");
    ASSERT_TRUE(WriteFileBytes(path, text));
    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadString("", "y", "-"), QStringLiteral("2"));
    EXPECT_EQ(ini.ReadString("", "loose", "-"), QStringLiteral("-"));
    EXPECT_EQ(ini.ReadSections(), (QStringList{"A", "", "B"}));
    ini.UpdateFile();
    EXPECT_EQ(FileBytes(path), text);

    ini.WriteString("", "w", "4");
    ini.WriteString("A", "x", "5");
    ini.UpdateFile();
    const TMemIniFile again(path);
    EXPECT_EQ(again.ReadSection(""), (QStringList{"y", "w"}));
    EXPECT_EQ(again.ReadSection("A"), QStringList{"x"});
    EXPECT_EQ(again.ReadString("A", "x", "-"), QStringLiteral("5"));

    // A section "" that the program writes into a file without one gets its header too.
    const QString fresh = dir.filePath("fresh.ini");
    TMemIniFile created(fresh);
    created.WriteString("A", "x", "1");
    created.WriteString("", "y", "2");
    created.UpdateFile();
    EXPECT_EQ(FileBytes(fresh), QByteArray("[A]\r\nx=1\r\n\r\n[]\r\ny=2\r\n\r\n"));
}

// A file saved by another editor may end its lines with CR alone, or mix the three kinds: each
// still ends a line, so no key runs into the value before it, and the rewrite keeps every key.
TEST(IniFile, LinesEndedByCrAloneOrMixedKeepTheirKeysApart) {
    QTemporaryDir dir;
    const QString crOnly = dir.filePath("mac.ini");
    ASSERT_TRUE(
        WriteFileBytes(crOnly, "[FormCommon]\retObject=12\rcbVoice=1\r\r[Update]\rUpdatePanelVersion=x\r"));
    TMemIniFile mac(crOnly);
    EXPECT_EQ(mac.ReadSections(), (QStringList{"FormCommon", "Update"}));
    EXPECT_EQ(mac.ReadString("FormCommon", "etObject", "-"), QStringLiteral("12"));
    EXPECT_TRUE(mac.ReadBool("FormCommon", "cbVoice", false));
    EXPECT_EQ(mac.ReadString("Update", "UpdatePanelVersion", "-"), QStringLiteral("x"));
    mac.UpdateFile();
    EXPECT_EQ(FileBytes(crOnly), QByteArray("[FormCommon]\r\netObject=12\r\ncbVoice=1\r\n\r\n"
                                            "[Update]\r\nUpdatePanelVersion=x\r\n\r\n"));

    const QString mixed = dir.filePath("mixed.ini");
    ASSERT_TRUE(WriteFileBytes(mixed, "[A]\r\nk=v\ry=2\nz=3\r\n[B]\rw=4"));
    const TMemIniFile ini(mixed);
    EXPECT_EQ(ini.ReadString("A", "k", "-"), QStringLiteral("v"));
    EXPECT_EQ(ini.ReadSection("A"), (QStringList{"k", "y", "z"}));
    EXPECT_EQ(ini.ReadString("B", "w", "-"), QStringLiteral("4"));
}
