#pragma once

#include <initializer_list>

// The types every kit control shares.

enum TSide { sdLeft, sdTop, sdRight, sdBottom };

// A set of sides; Bits() is the stored form (left 1, top 2, right 4, bottom 8).
class TSides {
public:
    constexpr TSides() = default;
    constexpr TSides(std::initializer_list<TSide> sides) {
        for (TSide side : sides)
            bits_ |= Bit(side);
    }
    constexpr unsigned Bits() const { return bits_; }
    constexpr bool Contains(TSide side) const { return (bits_ & Bit(side)) != 0; }
    constexpr bool operator==(const TSides&) const = default;

private:
    static constexpr unsigned Bit(TSide side) { return 1u << unsigned(side); }
    unsigned bits_ = 0;
};

constexpr TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};

// Frame styles. TFrameStyle is the same list without fsFlatRounded, which only DrawBorder knows;
// a routine that takes a TFrameStyle draws nothing for it.
enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
using TFrameStyle = TFrameStyleEx;

enum TGradientDirection {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox
};

enum TOrientation { orHorizontal, orVertical };
// Which of the three progress painters a progress bar uses.
enum TBarStyle { bsTraditional, bsLED, bsGradient };
enum TKtVisualStyle { vsClassic, vsWinXP, vsGradient };
enum TKtGradientColorStyle { gcsSystem, gcsMSOffice, gcsCustom };
// Placement of a caption between the top and bottom of the space it is drawn in.
enum TAlignmentVertical { avTop, avCenter, avBottom };
// Plain text, or drawn with a highlight and shadow copy (raised, recessed) or a shadow.
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
// Whether a hot-tracked button's hot colours derive from the complement of its HotTrackColor or
// from that colour itself.
enum TKtHotTrackColorType { htctComplement, htctActual };
