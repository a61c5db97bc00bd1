#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The boot loader's upload protocol, as text commands:
//   "BL"                              switches the panel into its boot loader;
//   "W" aaaa ":" data ":" cc          one packet: up to four 16-byte rows starting at row aaaa,
//                                     their hex digits as they stand in the source, and cc, the
//                                     XOR of the packet's data bytes; the boot loader
//                                     acknowledges it by echoing aaaa;
//   "EE" s1 s2 s3 s4                  closes the upload; the panel then rewrites its flash for
//                                     about 15 seconds.
// The four sums s1..s4 fold the check bytes of every run of eight packets: packets 1 and 2 into
// s1, 3 and 4 into s2, 5 and 6 into s3, 7 and 8 into s4, packet 9 into s1 again, and so on.
// One object builds the packets of one upload in order and keeps the sums.
class TUploadPackets {
public:
    // The next packet; rows holds the data digits of each of its rows. Throws EConvertError on
    // a digit pair that is no hex number.
    QString Build(int firstRow, const QStringList& rows);
    // "EE" and the four sums, two hex digits each.
    QString EraseCommand() const;

private:
    quint8 sums_[4] = {};
    int built_ = 0;
};

// The boot loader took the packet: its answer, blanks and line breaks around it removed, begins
// with the packet's address (characters 2 to 5 of the packet).
bool EchoAccepted(const QString& packet, const QString& answer);

// The log's lines for an upload that ended before the panel took the whole image: a row was not
// taken (the boot loader never came up, a packet was refused, the link went away while rows
// were being sent), or the flash was not erased. The panel is left in its boot loader and must
// be flashed again.
QString RowsNotWrittenText();
QString FlashNotErasedText();

// The time-out of the boot loader's flash rewrite after "EE", and the pause after every packet
// try: both fixed by the boot loader.
constexpr int kFlashRewriteMs = 15000;
constexpr int kPacketPauseMs = 40;
// Progress steps during the flash rewrite are at least this far apart (about 100 of them).
constexpr int kFlashStepMs = 150;
// Progress parts of an upload: one per packet plus the boot entry and the flash rewrite.
// sourceLines counts the image's lines (or the grid's rows) with its title (or header) line.
int UploadTotalParts(int sourceLines);
