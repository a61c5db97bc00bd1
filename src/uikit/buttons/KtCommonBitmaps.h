#pragma once

#include <QImage>
#include <QString>

// The program's bitmaps of the kit's standard buttons, by resource name: "KTCOMMON_OK",
// "KTCOMMON_CANCEL", "KTCOMMON_HELP", "KTCOMMON_YES", "KTCOMMON_NO", "KTCOMMON_CLOSE",
// "KTCOMMON_ABORT", "KTCOMMON_RETRY", "KTCOMMON_IGNORE" and "KTCOMMON_ALL" (Latin letter case
// ignored). Each is 32 x 16: a 16 x 16 glyph for the usable button, then its disabled look, on
// olive, the colour a button leaves out when it draws a glyph (the bottom-left pixel's). An
// unknown name gives an empty image.
QImage LoadKtCommonBitmap(const QString& name);
