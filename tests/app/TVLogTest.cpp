#include "app/TVLog.h"
#include "support/ScriptedDialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The log tree as the main window lays it out.
struct LogPane {
    QTreeWidget tree;
    QCheckBox scrolling;
    TTVLog log{&tree};

    LogPane() {
        tree.setHeaderHidden(true);
        tree.setRootIsDecorated(false);
        tree.setIndentation(19);
        tree.resize(300, 120);
        scrolling.setChecked(true);
        log.SetScrollBox(&scrolling);
    }
};

QColor Fg(const QTreeWidgetItem* item) { return item->foreground(0).color(); }
QColor Bg(const QTreeWidgetItem* item) { return item->background(0).color(); }

const QColor kInfoBk(255, 255, 225); // the tool-tip background of the classic desktop

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

// One log line as shown: its text and its two colours, then its detail lines.
std::string Shown(const QTreeWidgetItem* item) {
    std::string out = item->text(0).toStdString() + " " + Fg(item).name().toStdString() + " on " +
                      Bg(item).name().toStdString();
    for (int i = 0; i < item->childCount(); ++i)
        out += " [" + Shown(item->child(i)) + "]";
    return out;
}

TEST(TVLog, EachOperationAddsItsNodesInItsColours) {
    LogPane pane;
    TTVLog& log = pane.log;
    log.WriteInfo(QStringLiteral("info"));
    log.WriteError(QStringLiteral("error"));
    log.WriteMessage(QStringLiteral("plain"));
    log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+v"), clBlue);
    log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("VER 01 4.13"), QStringLiteral("OK")}, clFuchsia);
    log.WriteLines(QStringLiteral("none"), {}, clGreen);

    // Blue-green-red values: clBlue is blue, clFuchsia magenta; #ffffe1 is the tool-tip colour.
    const std::vector<std::string> expected{
        "info #000000 on #ffffe1",
        "error #ffff00 on #ff0000",
        "plain #000000 on #ffffff",
        "<<<< #0000ff on #ffffff [+v #0000ff on #ffffe1]",
        ">>>> #ff00ff on #ffffff [VER 01 4.13 #ff00ff on #ffffe1] [OK #ff00ff on #ffffe1]",
        "none #008000 on #ffffff",
    };
    std::vector<std::string> shown;
    for (int i = 0; i < pane.tree.topLevelItemCount(); ++i)
        shown.push_back(Shown(pane.tree.topLevelItem(i)));
    EXPECT_EQ(shown, expected);

    log.Clear();
    EXPECT_EQ(pane.tree.topLevelItemCount(), 0);
    log.WriteMessage(QStringLiteral("again"));
    ASSERT_EQ(pane.tree.topLevelItemCount(), 1);
    EXPECT_EQ(Shown(pane.tree.topLevelItem(0)), "again #000000 on #ffffff");
}

TEST(TVLog, UnselectedLinesShowTheirColoursSelectedOnesTheSelection) {
    LogPane pane;
    pane.log.SetScrollBox(nullptr);
    pane.tree.show();
    // Full blocks, so that the text colour fills whole pixels.
    pane.log.WriteError(QString::fromUtf8("████"));
    pane.log.WriteInfo(QString::fromUtf8("████"));
    QTreeWidgetItem* error = pane.tree.topLevelItem(0);
    QTreeWidgetItem* info = pane.tree.topLevelItem(1);

    auto look = [&](QTreeWidgetItem* item) {
        const QImage image = pane.tree.viewport()->grab().toImage();
        const QRect row = pane.tree.visualItemRect(item);
        QSet<QRgb> colours;
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = row.left(); x <= row.right(); ++x)
                colours.insert(image.pixel(x, y) & 0xFFFFFF);
        return colours;
    };
    const QRgb red = 0xFF0000, yellow = 0xFFFF00, infoBk = kInfoBk.rgb() & 0xFFFFFF;
    const QRgb highlight = pane.tree.palette().color(QPalette::Active, QPalette::Highlight).rgb() & 0xFFFFFF;
    ASSERT_NE(highlight, red);

    EXPECT_TRUE(look(error).contains(red));
    EXPECT_TRUE(look(error).contains(yellow));
    EXPECT_TRUE(look(info).contains(infoBk));

    pane.tree.setCurrentItem(error);
    EXPECT_TRUE(look(error).contains(highlight));
    EXPECT_FALSE(look(error).contains(red));
    EXPECT_FALSE(look(error).contains(yellow));

    pane.tree.setCurrentItem(info);
    EXPECT_TRUE(look(error).contains(red));
    EXPECT_TRUE(look(error).contains(yellow));
    EXPECT_FALSE(look(info).contains(infoBk));
}

TEST(TVLog, AutoScrollFollowsTheBox) {
    LogPane pane;
    QTreeWidget& tree = pane.tree;
    tree.show();
    for (int i = 0; i < 40; ++i)
        pane.log.WriteMessage(QStringLiteral("line %1").arg(i));
    QTreeWidgetItem* last = tree.topLevelItem(39);
    EXPECT_EQ(tree.currentItem(), last);
    EXPECT_TRUE(last->isSelected());
    EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(last)));

    // With the box clear the view stays where the user left it.
    pane.scrolling.setChecked(false);
    tree.scrollToTop();
    QTreeWidgetItem* chosen = tree.topLevelItem(2);
    tree.setCurrentItem(chosen);
    for (int i = 0; i < 10; ++i)
        pane.log.WriteDetail(QStringLiteral("more"), QStringLiteral("detail"), clBlue);
    EXPECT_EQ(tree.currentItem(), chosen);
    EXPECT_EQ(tree.verticalScrollBar()->value(), 0);

    // Ticked again: the next line's last detail line is selected and shown.
    pane.scrolling.setChecked(true);
    pane.log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("a"), QStringLiteral("b")}, clFuchsia);
    QTreeWidgetItem* group = tree.topLevelItem(tree.topLevelItemCount() - 1);
    EXPECT_EQ(tree.currentItem(), group->child(1));
    EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(group->child(1))));
}

TEST(TVLog, SavesTabIndentedCp1251Lines) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    LogPane pane;
    pane.log.WriteInfo(QString::fromUtf8("Читаю \"Порт\""));
    pane.log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+v"), clBlue);
    pane.log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("VER 01 4.13"), QStringLiteral("OK")}, clFuchsia);
    pane.log.WriteLines(QStringLiteral("none"), {}, clBlue);
    pane.log.WriteError(QString::fromUtf8("Ошибка 中"));

    dialogs.QueueFile(path);
    pane.log.Save();
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    const FileDialogRequest& asked = dialogs.fileRequests.at(0);
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, QStringLiteral("Text Files|*.txt"));
    EXPECT_EQ(asked.defaultExt, QStringLiteral("txt"));
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    const QByteArray expected("\xD7\xE8\xF2\xE0\xFE \"\xCF\xEE\xF0\xF2\"\r\n"
                              "<<<<\r\n"
                              "\t+v\r\n"
                              ">>>>\r\n"
                              "\tVER 01 4.13\r\n"
                              "\tOK\r\n"
                              "none\r\n"
                              "\xCE\xF8\xE8\xE1\xEA\xE0 ?\r\n");
    EXPECT_EQ(ReadAll(path), expected);
    EXPECT_EQ(pane.tree.topLevelItemCount(), 5); // saving keeps the log
}

TEST(TVLog, EmptyLogGivesAnEmptyFileAndCancelWritesNothing) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.txt"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old contents\r\n");
    }
    LogPane pane;
    dialogs.QueueFile(path);
    pane.log.Save();
    EXPECT_EQ(ReadAll(path), QByteArray());

    pane.log.WriteMessage(QStringLiteral("x"));
    dialogs.QueueFile(QString()); // cancelled
    pane.log.Save();
    EXPECT_EQ(ReadAll(path), QByteArray());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(TVLog, AFailedSaveShowsAnErrorAndKeepsTheLog) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/log.txt"));
    LogPane pane;
    pane.log.WriteMessage(QStringLiteral("kept"));
    dialogs.QueueFile(path);
    pane.log.Save();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.at(0).type, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogs.messages.at(0).text.contains(path));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(pane.tree.topLevelItemCount(), 1);
    EXPECT_EQ(pane.tree.topLevelItem(0)->text(0), QStringLiteral("kept"));
}
