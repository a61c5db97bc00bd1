#include "app/windows/TVLog.h"
#include "support/ScriptedDialogs.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QStyledItemDelegate>
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
        tree.resize(300, 120);
        scrolling.setChecked(true);
        log.SetScrollBox(&scrolling);
    }
};

// One log line as shown: its text and its two colours, then its detail lines.
std::string Shown(const QTreeWidgetItem* item) {
    std::string out = item->text(0).toStdString() + " " + item->foreground(0).color().name().toStdString() +
                      " on " + item->background(0).color().name().toStdString();
    for (int i = 0; i < item->childCount(); ++i)
        out += " [" + Shown(item->child(i)) + "]";
    return out;
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
}

TEST(TVLog, AutoScrollFollowsTheBox) {
    LogPane pane;
    QTreeWidget& tree = pane.tree;
    tree.show();
    for (int i = 0; i < 40; ++i)
        pane.log.WriteMessage(QStringLiteral("line %1").arg(i));
    QCoreApplication::processEvents(); // the view follows when window messages are handled
    QTreeWidgetItem* last = tree.topLevelItem(39);
    EXPECT_EQ(tree.currentItem(), last);
    EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(last)));

    // With the box clear the view stays where the user left it.
    pane.scrolling.setChecked(false);
    tree.scrollToTop();
    QTreeWidgetItem* chosen = tree.topLevelItem(2);
    tree.setCurrentItem(chosen);
    for (int i = 0; i < 10; ++i)
        pane.log.WriteDetail(QStringLiteral("more"), QStringLiteral("detail"), clBlue);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.currentItem(), chosen);
    EXPECT_EQ(tree.verticalScrollBar()->value(), 0);

    // Ticked again: the next line's last detail line is selected and shown.
    pane.scrolling.setChecked(true);
    pane.log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("a"), QStringLiteral("b")}, clFuchsia);
    QCoreApplication::processEvents();
    QTreeWidgetItem* group = tree.topLevelItem(tree.topLevelItemCount() - 1);
    EXPECT_EQ(tree.currentItem(), group->child(1));
    EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(group->child(1))));
}

// A transfer writes several lines between two handlings of window messages: the view follows
// once, to the last of them, and shows every group open as if it had followed each line; the
// lines are there at once and in order. A clear or the writer's end before the view follows
// leaves nothing behind to select.
TEST(TVLog, ABurstOfLinesIsFollowedOnceWithEveryGroupOpen) {
    LogPane pane;
    QTreeWidget& tree = pane.tree;
    tree.show();
    for (int i = 0; i < 30; ++i) {
        pane.log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+o%1").arg(i), clBlue);
        pane.log.WriteDetail(QStringLiteral(">>>>"), QStringLiteral(">%1 OK").arg(i), clFuchsia);
    }
    ASSERT_EQ(tree.topLevelItemCount(), 60);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(tree.topLevelItem(2 * i)->child(0)->text(0), QStringLiteral("+o%1").arg(i));
        EXPECT_EQ(tree.topLevelItem(2 * i + 1)->child(0)->text(0), QStringLiteral(">%1 OK").arg(i));
    }
    EXPECT_EQ(tree.currentItem(), nullptr);

    QCoreApplication::processEvents();
    QTreeWidgetItem* last = tree.topLevelItem(59)->child(0);
    EXPECT_EQ(tree.currentItem(), last);
    EXPECT_TRUE(tree.viewport()->rect().contains(tree.visualItemRect(last)));
    int open = 0;
    for (int i = 0; i < 60; ++i)
        open += tree.topLevelItem(i)->isExpanded();
    EXPECT_EQ(open, 60);

    pane.log.WriteMessage(QStringLiteral("cleared before shown"));
    pane.log.Clear();
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.topLevelItemCount(), 0);
    EXPECT_EQ(tree.currentItem(), nullptr);

    {
        TTVLog gone(&tree);
        gone.SetScrollBox(&pane.scrolling);
        gone.WriteMessage(QStringLiteral("written by a writer that goes"));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.currentItem(), nullptr);
}

// Lines written while the box was ticked, then the box cleared before window messages are
// handled (the click comes in the same round as the lines): the view stays where the user
// left it, as if it had been cleared before them.
TEST(TVLog, BoxClearedBeforeTheViewFollowsLeavesTheView) {
    LogPane pane;
    QTreeWidget& tree = pane.tree;
    tree.show();
    for (int i = 0; i < 10; ++i)
        pane.log.WriteMessage(QStringLiteral("line %1").arg(i));
    QCoreApplication::processEvents();
    tree.scrollToTop();
    QTreeWidgetItem* chosen = tree.topLevelItem(1);
    tree.setCurrentItem(chosen);

    for (int i = 0; i < 30; ++i)
        pane.log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+o%1").arg(i), clBlue);
    pane.scrolling.setChecked(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(tree.topLevelItemCount(), 40);
    EXPECT_EQ(tree.currentItem(), chosen);
    EXPECT_EQ(tree.verticalScrollBar()->value(), 0);
}

TEST(TVLog, SavesTabIndentedCp1251Lines) {
    ScriptedDialogs& dialogs = ScriptedDialogs::Reset();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.txt"));
    LogPane pane;
    // An empty log gives an empty file, over an old one.
    ASSERT_TRUE(WriteFileBytes(path, "old contents\r\n"));
    dialogs.QueueFile(path);
    pane.log.Save();
    EXPECT_EQ(FileBytes(path), QByteArray());

    pane.log.WriteInfo(QString::fromUtf8("Читаю \"Порт\""));
    pane.log.WriteDetail(QStringLiteral("<<<<"), QStringLiteral("+v"), clBlue);
    pane.log.WriteLines(QStringLiteral(">>>>"), {QStringLiteral("VER 01 4.13"), QStringLiteral("OK")},
                        clFuchsia);
    pane.log.WriteLines(QStringLiteral("none"), {}, clBlue);
    pane.log.WriteError(QString::fromUtf8("Ошибка 中"));
    dialogs.QueueFile(QString()); // cancelled: nothing written
    pane.log.Save();
    EXPECT_EQ(FileBytes(path), QByteArray());

    dialogs.QueueFile(path);
    pane.log.Save();
    ASSERT_EQ(dialogs.fileRequests.size(), 3);
    const FileDialogRequest& asked = dialogs.fileRequests.at(2);
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, QStringLiteral("Text Files|*.txt"));
    EXPECT_EQ(asked.defaultExt, QStringLiteral("txt"));
    EXPECT_TRUE(asked.overwritePrompt);
    EXPECT_EQ(FileBytes(path), QByteArray("\xD7\xE8\xF2\xE0\xFE \"\xCF\xEE\xF0\xF2\"\r\n"
                                          "<<<<\r\n\t+v\r\n"
                                          ">>>>\r\n\tVER 01 4.13\r\n\tOK\r\n"
                                          "none\r\n"
                                          "\xCE\xF8\xE8\xE1\xEA\xE0 ?\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("log.txt")});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(pane.tree.topLevelItemCount(), 5); // saving keeps the log

    // A failed write shows an error and keeps the log.
    const QString bad = dir.filePath(QStringLiteral("no such folder/log.txt"));
    dialogs.QueueFile(bad);
    pane.log.Save();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.at(0).type, TMsgDlgType::mtError);
    EXPECT_TRUE(dialogs.messages.at(0).text.contains(bad));
    EXPECT_FALSE(QFile::exists(bad));
    EXPECT_EQ(pane.tree.topLevelItemCount(), 5);
}

// A raw answer with the panel's line breaks takes one row like any line; saved, it keeps them.
TEST(TVLog, EveryLineIsDrawnOnOneRow) {
    LogPane pane;
    pane.log.WriteDetail(QStringLiteral(">>>>"), QStringLiteral("\r\n>0050\r\nOK\r\n"), clFuchsia);
    pane.log.WriteMessage(QStringLiteral("a\nb\rc"));
    pane.tree.expandAll();
    QTreeWidgetItem* plain = pane.tree.topLevelItem(0);
    QTreeWidgetItem* answer = plain->child(0);
    EXPECT_EQ(pane.tree.visualItemRect(answer).height(), pane.tree.visualItemRect(plain).height());
    const QAbstractItemDelegate* delegate = pane.tree.itemDelegate();
    ASSERT_TRUE(dynamic_cast<const QStyledItemDelegate*>(delegate));
    EXPECT_EQ(static_cast<const QStyledItemDelegate*>(delegate)->displayText(answer->text(0), QLocale()),
              QStringLiteral("↵>0050↵OK↵"));
    EXPECT_EQ(OneRowText(QStringLiteral("a\nb\rc")), QStringLiteral("a↵b↵c"));
    EXPECT_EQ(pane.log.ToText(), QByteArray(">>>>\r\n\t\r\n>0050\r\nOK\r\n\r\na\nb\rc\r\n"));
}
