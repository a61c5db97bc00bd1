#include "app/controls/MaskEdit.h"

#include <gtest/gtest.h>

TEST(MaskEdit, EditMasksTranslateToQtInputMasks) {
    const struct {
        const char* editMask;
        const char* qtMask;
        bool rightAligned;
        bool saveLiterals;
        int positions;
    } cases[] = {
        {"!999;1;_", "000;_", true, true, 3},
        {"(000) 000-00-00;0;*", "(999) 999-99-99;*", false, false, 15},
        {"LLl\\0Aa;1; ", "AAa\\0Nn; ", false, true, 6},
        {">Cc<c<>#", ">Xx<x!#;_", false, true, 4},
        {"99:99_9", "00:00 0;_", false, true, 7},
        {"0\\;0;0", "9\\;9;_", false, false, 3},
        {"9", "0;_", false, true, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editMask);
        const TEditMask mask = TEditMask::Parse(QString::fromUtf8(c.editMask));
        EXPECT_EQ(mask.QtMask, QString::fromUtf8(c.qtMask));
        EXPECT_EQ(mask.RightAligned, c.rightAligned);
        EXPECT_EQ(mask.SaveLiterals, c.saveLiterals);
        EXPECT_EQ(mask.Layout.size(), c.positions);
    }
}

TEST(MaskEdit, TextKeepsBlanksAsSpacesAndLiteralsAsTheMaskSays) {
    TMaskEdit edit;
    edit.SetEditMask(QStringLiteral("!999;1;_"));
    edit.SetText(QStringLiteral("7"));
    EXPECT_EQ(edit.Text(), QStringLiteral("  7")) << "a short text is aligned to the right";
    EXPECT_EQ(edit.displayText(), QStringLiteral("__7"));
    edit.SetText(QStringLiteral("2 5"));
    EXPECT_EQ(edit.Text(), QStringLiteral("2 5"));
    edit.SetText(QStringLiteral("1234"));
    EXPECT_EQ(edit.Text(), QStringLiteral("234")) << "right-aligned: the leftmost character is lost";
    edit.SetText(QString());
    EXPECT_EQ(edit.Text(), QStringLiteral("   "));

    edit.SetEditMask(QStringLiteral("00-00;1;_"));
    edit.SetText(QStringLiteral("12-34"));
    EXPECT_EQ(edit.Text(), QStringLiteral("12-34"));
    edit.SetText(QStringLiteral("1"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1 -  "));

    TMaskEdit bare;
    bare.SetEditMask(QStringLiteral("00-00;0;_"));
    bare.SetText(QStringLiteral("1234"));
    EXPECT_EQ(bare.displayText(), QStringLiteral("12-34"));
    EXPECT_EQ(bare.Text(), QStringLiteral("1234"));
}
