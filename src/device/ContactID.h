#pragma once

#include <QString>

// One Ademco Contact ID event message as the panel keeps it in its history: 16 characters,
// account (1-4), message type (5-6), qualifier (7), event code (8-10), group (11-12, hex),
// zone or user (13-15) and check digit (16). A plain value: copying a record assigns it.
class TContactID {
public:
    void SetText(const QString& text) { Text = text; }
    QString GetText() const { return Text; }

    // The fields as they stand in the text (shorter when the text is).
    QString Account() const { return Text.mid(0, 4); }
    QString EventCode() const { return Text.mid(7, 3); }
    QString Group() const { return Text.mid(10, 2); }
    QString Zone() const { return Text.mid(12, 3); }

    // The check digit of character 16 against characters 1 to 15. A text shorter than 16
    // characters fails; a character among 1 to 15 that is no hexadecimal digit throws
    // EConvertError (callers test IsValidText first).
    bool CheckSumOK() const;

    // Only "+", ",", "/", "0"-"9", ":", ">" and "A"-"F"; an empty text is valid.
    static bool IsValidText(const QString& text);

private:
    QString Text;
};
