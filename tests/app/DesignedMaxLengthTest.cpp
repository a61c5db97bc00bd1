#include "app/controls/DesignedMaxLength.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

// Typing and pasting stop at the limit; what the program sets is never cut.
TEST(DesignedMaxLength, LimitsTheUserOnly) {
    QLineEdit edit;
    SetDesignedMaxLength(&edit, 4);
    QTest::keyClicks(&edit, QStringLiteral("12345"));
    EXPECT_EQ(edit.text(), QStringLiteral("1234"));

    edit.setText(QStringLiteral("123456"));
    EXPECT_EQ(edit.text(), QStringLiteral("123456"));
    EXPECT_TRUE(edit.hasAcceptableInput());
    edit.end(false);
    QTest::keyClicks(&edit, QStringLiteral("7"));
    EXPECT_EQ(edit.text(), QStringLiteral("123456")) << "a long text set by the program is not lengthened";
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QStringLiteral("9"));
    EXPECT_EQ(edit.text(), QStringLiteral("1234")) << "but may be shortened";

    edit.setText(QStringLiteral("12"));
    edit.home(false);
    QApplication::clipboard()->setText(QStringLiteral("abcdef"));
    edit.paste();
    EXPECT_EQ(edit.text(), QStringLiteral("ab12")) << "a paste is cut to the room left";
    EXPECT_EQ(edit.cursorPosition(), 2);
}
