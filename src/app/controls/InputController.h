#pragma once

class QObject;

// The key-press filters that pages and dialogs put on their edit fields. A filter gets the typed
// character as its Windows-1251 byte and either leaves Key as it is or sets it to 0, which makes
// the edit ignore the key. Letters are tested in upper case (a-z only), so an accepted
// lower-case letter stays lower case. Attach one to an edit with SetKeyPressFilter
// (EditKeyFilter.h).
class TInputController {
public:
    static void DigitsOnly(QObject* Sender, char& Key);     // Backspace, 0-9
    static void PhoneKeys(QObject* Sender, char& Key);      // Backspace, "+", 0-9
    static void IpKeys(QObject* Sender, char& Key);         // Backspace, ".", 0-9
    static void AlnumKeys(QObject* Sender, char& Key);      // Backspace, 0-9, A-Z, a-z
    static void HexKeys(QObject* Sender, char& Key);        // Backspace, 0-9, A-F, a-f
    static void DialKeys(QObject* Sender, char& Key);       // Backspace, "+", 0-9, W, w
    static void DigitsWKeys(QObject* Sender, char& Key);    // Backspace, 0-9, W, w
    static void NoCyrillicKeys(QObject* Sender, char& Key); // all but Ё, ё and А to я
};

using TKeyPressFilter = void (*)(QObject* Sender, char& Key);
