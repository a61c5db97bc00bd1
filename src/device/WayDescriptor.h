#pragma once

#include <QString>

// The five characters that carry one delivery way's channel on the wire ("D" + way digit):
//   1  way number - 1, one hexadecimal digit
//   2  wired dialling kind, "0" or "1" (looked at only for a wired way)
//   3  "0" wired, "1" GSM or GPRS
//   4  "1" SIM 1, "0" SIM 2
//   5  "0" voice, "1" digital, "2" GPRS
// The channel index is the item index of the ways page's channel lists: 0 not used, 1/2 GSM
// digital SIM 1/2, 3/4 GSM voice SIM 1/2, 5/6 wired kind 0/1, 7/8 GPRS SIM 1/2.

// The descriptor of a channel on a way (1 to 8). A way not in use goes as "00100" whatever its
// number; no channel chosen (-1, from a hand-edited settings file) counts as not in use.
QString WayDescriptor(int channelIndex, int way);

// The channel index of a descriptor. The way digit is not looked at, so "00100" decodes as 4:
// it is the AND groups that tell which ways are in use. Anything not recognised, a descriptor
// shorter than five characters included, gives 0.
int WayChannelIndex(const QString& descriptor);
