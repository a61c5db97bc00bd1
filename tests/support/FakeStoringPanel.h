#pragma once

#include "support/FakePanel.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// The fake panel with the whole command set: it keeps every parameter as the panel does. A
// write ("name=value") stores the value and the matching read answers it unchanged, with the
// panel's own pairings: "H"/"h", "J"/"j", "AS"/"AC", the three "AHn"/"AMn" writes that the one
// "AH"/"AM" read returns as "HH:HH:HH", the eight "Dn" descriptors that the one "D" read returns
// separated by blanks, and "i" written with a decimal entry but read with a hex one. Service
// commands ("sp", "st", "rb", "dc") are acknowledged; "FH" erases the history, whose records
// are read with "fer" and a four-digit hex index. It starts with the values of a fresh panel.
// Answers set with SetAnswer/SetReply take precedence, and faults apply as in FakePanel.
class FakeStoringPanel : public FakePanel {
public:
    FakeStoringPanel();
    // The line's thread calls Respond on this object: stop it before the tables go.
    ~FakeStoringPanel() override { Stop(); }

    // The value that a read command (its read form: "h0", "AH", "D", "fer000A") answers.
    void SetValue(const QByteArray& readCommand, const QByteArray& value);
    QByteArray Value(const QByteArray& readCommand) const;
    // The next count frames of this command get no answer at all.
    void SilenceNext(const QByteArray& command, int count);

    static QByteArray EmptyHistoryRecord() { return "FFFFFFFF FFFFFFFF FFFF FFFFFFFFFFFFFFFF"; }

protected:
    std::optional<QByteArray> Respond(const QByteArray& command) override;

private:
    void Store(const QByteArray& name, const QByteArray& value);
    void StorePart(const QByteArray& readCommand, char separator, int part, const QByteArray& value);

    QMap<QByteArray, QByteArray> values_;
    QMap<QByteArray, int> silences_;
};
