#pragma once

#include <QImage>
#include <QString>

// The standard kinds of the kit's bitmap button, each with its caption, the modal result it
// gives its dialog and its glyph.
enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};

// The kind's standard caption ("OK", "Cancel", "&Help", ...); empty for bkCustom.
QString ButtonKindCaptions(TBitBtnKind kind);
// The kind's modal result (a TModalResult; bkAll gives 8); 0 for the kinds that close nothing.
int ButtonKindModalResult(TBitBtnKind kind);
// The kind's glyph bitmap (two cells: up and disabled), loaded from the program's bitmaps on the
// first call and shared by every button afterwards; empty for bkCustom.
const QImage& KindGlyph(TBitBtnKind kind);
