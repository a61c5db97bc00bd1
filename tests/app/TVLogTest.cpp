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
const QColor kWhite(255, 255, 255);

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

TEST(TVLog, EachOperationAddsItsNodesInItsColours) {
    LogPane pane;
    TTVLog& log = pane.log;
    log.WriteInfo(QStringLiteral("info"));
    log.WriteError(QStringLiteral("error"));
    log.WriteMessage(QStringLiteral("plain"));
    log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+v"), clBlue);
    log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("VER 01 4.13"), QStringLiteral("OK")}, clFuchsia);
    log.WriteLines(QStringLiteral("none"), {}, clGreen);

    QTreeWidget& tree = pane.tree;
    ASSERT_EQ(tree.topLevelItemCount(), 6);
    const auto* info = tree.topLevelItem(0);
    EXPECT_EQ(info->text(0), QStringLiteral("info"));
    EXPECT_EQ(Fg(info), QColor(0, 0, 0));
    EXPECT_EQ(Bg(info), kInfoBk);

    const auto* error = tree.topLevelItem(1);
    EXPECT_EQ(Fg(error), QColor(255, 255, 0)); // yellow
    EXPECT_EQ(Bg(error), QColor(255, 0, 0));   // on red

    const auto* plain = tree.topLevelItem(2);
    EXPECT_EQ(Fg(plain), QColor(0, 0, 0));
    EXPECT_EQ(Bg(plain), kWhite);

    const auto* sent = tree.topLevelItem(3);
    EXPECT_EQ(sent->text(0), QStringLiteral("<<<<"));
    EXPECT_EQ(Fg(sent), QColor(0, 0, 255)); // blue-green-red 0xFF0000 is blue
    EXPECT_EQ(Bg(sent), kWhite);
    ASSERT_EQ(sent->childCount(), 1);
    EXPECT_EQ(sent->child(0)->text(0), QStringLiteral("+v"));
    EXPECT_EQ(Fg(sent->child(0)), QColor(0, 0, 255));
    EXPECT_EQ(Bg(sent->child(0)), kInfoBk);
    EXPECT_EQ(sent->child(0)->childCount(), 0);

    const auto* answer = tree.topLevelItem(4);
    EXPECT_EQ(Fg(answer), QColor(255, 0, 255));
    EXPECT_EQ(Bg(answer), kWhite);
    ASSERT_EQ(answer->childCount(), 2);
    EXPECT_EQ(answer->child(0)->text(0), QStringLiteral("VER 01 4.13"));
    EXPECT_EQ(answer->child(1)->text(0), QStringLiteral("OK"));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Fg(answer->child(i)), QColor(255, 0, 255));
        EXPECT_EQ(Bg(answer->child(i)), kInfoBk);
    }

    const auto* none = tree.topLevelItem(5);
    EXPECT_EQ(none->childCount(), 0);
    EXPECT_EQ(Fg(none), QColor(0, 128, 0));

    log.Clear();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    log.WriteMessage(QStringLiteral("again"));
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.topLevelItem(0)->text(0), QStringLiteral("again"));
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
