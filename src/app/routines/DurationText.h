#pragma once

#include <QString>

// A duration in words with the leading zero units left out and the seconds always shown:
// 3725 gives "1 ч 2 мин 5 сек " (every unit word has a blank on both sides, so the text ends
// in a blank).
QString DurationText(quint32 Seconds);
