#include "support/FakeStoringPanel.h"

namespace {

bool IsDigits(const QByteArray& text) {
    if (text.isEmpty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

QByteArray HexDigit(int n) {
    return QByteArray::number(n, 16).toUpper();
}

// A way that was never set up: its number, then "not used".
QByteArray UnusedWay(int way) {
    return HexDigit(way) + "0100";
}

} // namespace

FakeStoringPanel::FakeStoringPanel() {
    std::lock_guard lock(mutex_);
    values_ = {
        {"v", "GSM-9-TK4 VER 01 004.013"},
        {"AQ", "1F,00"},
        {"AC", "00:00:00 01/01/00"},
        {"o", "0000"},
        {"dt", "0"},
        {"AN", "0"},
        {"AH", "00:00:00"},
        {"AM", "00:00:00"},
        {"AA", "00"},
        {"xx", "00"},
        {"Y", "0"},
        {"PO", "000"},
        {"GA", "0"},
        {"GT", "0500"},
        {"P", "0"},
        {"LA", "0"},
        {"DO", "0"},
        {"p", "0"},
        {"u", "0"},
        {"k", "00"},
        {"AF", "1354"},
        {"e", "0"},
        {"FP", "F0000"},
    };
    QList<QByteArray> ways;
    for (int way = 0; way < 8; ++way) {
        ways.append(UnusedWay(way));
        values_["h" + HexDigit(way)] = "";
        values_["AND" + HexDigit(way)] = "";
    }
    values_["D"] = ways.join(' ');
    for (const QByteArray name : {"GN", "GU", "GC", "GP"}) {
        values_[name + "1"] = "";
        values_[name + "2"] = "";
    }
    for (const QByteArray name : {"GS", "GG", "GI"})
        values_[name + "1"] = "";
    for (int entry = 0; entry < 4; ++entry)
        values_["i" + HexDigit(entry)] = "";
    for (int keypad = 0; keypad < 16; ++keypad)
        values_["K" + QByteArray::number(keypad, 16).toUpper().rightJustified(2, '0')] = "0000";
    for (int n = 1; n <= 5; ++n)
        values_["j" + QByteArray::number(n)] = "";
}

void FakeStoringPanel::SetValue(const QByteArray& readCommand, const QByteArray& value) {
    std::lock_guard lock(mutex_);
    values_[readCommand] = value;
}

QByteArray FakeStoringPanel::Value(const QByteArray& readCommand) const {
    std::lock_guard lock(mutex_);
    return values_.value(readCommand);
}

void FakeStoringPanel::SilenceNext(const QByteArray& command, int count) {
    std::lock_guard lock(mutex_);
    silences_[command] = count;
}

void FakeStoringPanel::StorePart(const QByteArray& readCommand, char separator, int part,
                                 const QByteArray& value) {
    QList<QByteArray> parts = values_.value(readCommand).split(separator);
    while (parts.size() <= part)
        parts.append(readCommand == "D" ? UnusedWay(int(parts.size())) : QByteArray("00"));
    parts[part] = value;
    values_[readCommand] = parts.join(separator);
}

void FakeStoringPanel::Store(const QByteArray& name, const QByteArray& value) {
    // Telephone and engineering numbers are written with an upper-case letter, read with a
    // lower-case one.
    if (name.size() >= 2 && (name[0] == 'H' || name[0] == 'J'))
        values_[QByteArray(1, char(name[0] + ('a' - 'A'))) + name.mid(1)] = value;
    else if (name == "AS")
        values_["AC"] = value;
    else if ((name.startsWith("AH") || name.startsWith("AM")) && name.size() == 3 && IsDigits(name.mid(2)))
        StorePart(name.left(2), ':', name.mid(2).toInt(), value);
    else if (name.size() == 2 && name[0] == 'D' && IsHexDigit(name[1]))
        StorePart("D", ' ', name.mid(1).toInt(nullptr, 16), value);
    else if (name.startsWith('i') && IsDigits(name.mid(1)))
        values_["i" + HexDigit(name.mid(1).toInt())] = value;
    else
        values_[name] = value;
}

std::optional<QByteArray> FakeStoringPanel::Respond(const QByteArray& command) {
    if (int& silent = silences_[command]; silent > 0) {
        --silent;
        return std::nullopt;
    }
    if (replies_.contains(command)) return replies_.value(command);

    if (const qsizetype equals = command.indexOf('='); equals >= 0) {
        Store(command.left(equals), command.mid(equals + 1));
        return WriteAnswer();
    }
    if (command == "sp" || command == "st" || command == "rb" || command == "dc") return WriteAnswer();
    if (command == "FH") {
        values_.removeIf([](const auto& entry) { return entry.key().startsWith("fer"); });
        values_["FP"] = "F0000";
        return WriteAnswer();
    }
    if (const auto it = values_.constFind(command); it != values_.cend()) return ReadAnswer(*it);
    if (command.startsWith("fer") && command.size() == 7) return ReadAnswer(EmptyHistoryRecord());
    return std::nullopt;
}
