#include "app/MaskEdit.h"

#include <gtest/gtest.h>

namespace {

struct MaskCase {
    const char* editMask;
    const char* qtMask;
    bool rightAligned;
    bool saveLiterals;
    int positions;
};

class EditMasks : public ::testing::TestWithParam<MaskCase> {};

} // namespace

TEST_P(EditMasks, TranslateToQtInputMasks) {
    const MaskCase& c = GetParam();
    const TEditMask mask = TEditMask::Parse(QString::fromUtf8(c.editMask));
    EXPECT_EQ(mask.QtMask, QString::fromUtf8(c.qtMask));
    EXPECT_EQ(mask.RightAligned, c.rightAligned);
    EXPECT_EQ(mask.SaveLiterals, c.saveLiterals);
    EXPECT_EQ(mask.Layout.size(), c.positions);
}

INSTANTIATE_TEST_SUITE_P(
    MaskEdit, EditMasks,
    ::testing::Values(MaskCase{"!999;1;_", "000;_", true, true, 3},
                      MaskCase{"(000) 000-00-00;0;*", "(999) 999-99-99;*", false, false, 15},
                      MaskCase{"LLl\\0Aa;1; ", "AAa\\0Nn; ", false, true, 6},
                      MaskCase{">Cc<c<>#", ">Xx<x!#;_", false, true, 4},
                      MaskCase{"99:99_9", "00:00 0;_", false, true, 7},
                      MaskCase{"0\\;0;0", "9\\;9;_", false, false, 3}, MaskCase{"9", "0;_", false, true, 1}));

TEST(MaskEdit, TextKeepsBlanksAsSpaces) {
    TMaskEdit edit;
    edit.SetEditMask(QStringLiteral("!999;1;_"));
    edit.SetText(QStringLiteral("7"));
    EXPECT_EQ(edit.Text(), QStringLiteral("  7")) << "a short text is aligned to the right";
    EXPECT_EQ(edit.displayText(), QStringLiteral("__7"));
    edit.SetText(QStringLiteral("2 5"));
    EXPECT_EQ(edit.Text(), QStringLiteral("2 5"));
    edit.SetText(QStringLiteral("015"));
    EXPECT_EQ(edit.Text(), QStringLiteral("015"));
    edit.SetText(QStringLiteral("1234"));
    EXPECT_EQ(edit.Text(), QStringLiteral("234")) << "right-aligned: the leftmost character is lost";
    edit.SetText(QString());
    EXPECT_EQ(edit.Text(), QStringLiteral("   "));
    EXPECT_EQ(edit.maxLength(), 3);
}

TEST(MaskEdit, LiteralsInAndOutOfTheText) {
    TMaskEdit saved;
    saved.SetEditMask(QStringLiteral("00-00;1;_"));
    saved.SetText(QStringLiteral("12-34"));
    EXPECT_EQ(saved.Text(), QStringLiteral("12-34"));
    saved.SetText(QStringLiteral("1"));
    EXPECT_EQ(saved.Text(), QStringLiteral("1 -  "));

    TMaskEdit bare;
    bare.SetEditMask(QStringLiteral("00-00;0;_"));
    bare.SetText(QStringLiteral("1234"));
    EXPECT_EQ(bare.displayText(), QStringLiteral("12-34"));
    EXPECT_EQ(bare.Text(), QStringLiteral("1234"));
}
