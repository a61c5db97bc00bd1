#include "uikit/draw/KtText.h"

#include <gtest/gtest.h>

TEST(KtText, StripAccelCharsPairsAmpersandsLeftToRight) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},        {"&", "&"},    {"a", "a"},   {"&File", "File"}, {"Save &as", "Save as"},
        {"R&&D", "R&D"}, {"a&&", "a&"}, {"a&", "a&"}, {"&&&x", "&x"},    {"&&&", "&&"},
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(StripAccelChars(QString::fromUtf8(text)), QString::fromUtf8(shown)) << text;
}

TEST(KtText, RotatedFontKeepsFaceSizeAndStyle) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    const TRotatedFont rotated = CreateRotatedFont(font, 90);
    EXPECT_EQ(rotated.Escapement, 900);
    EXPECT_EQ(rotated.Font.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(rotated.Font.pixelSize(), 13);
    EXPECT_TRUE(rotated.Font.bold());
    EXPECT_TRUE(rotated.Font.italic());
    EXPECT_FALSE(rotated.Font.underline());
    EXPECT_EQ(CreateRotatedFont(QFont(QString(40, QLatin1Char('x'))), 0).Font.family().size(), 31);
    EXPECT_TRUE(IsTrueTypeFont(font));
}
