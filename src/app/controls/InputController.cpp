#include "app/controls/InputController.h"

namespace {

constexpr unsigned char kBackspace = 8;

unsigned char UpperAscii(char key) {
    const auto c = static_cast<unsigned char>(key);
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// Keeps Key when Accept takes its upper-case form, else drops it.
template <class Accept>
void Keep(char& Key, Accept accept) {
    const unsigned char c = UpperAscii(Key);
    if (!(c == kBackspace || accept(c)))
        Key = 0;
}

} // namespace

void TInputController::DigitsOnly(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return IsDigit(c); });
}

void TInputController::PhoneKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return c == '+' || IsDigit(c); });
}

void TInputController::IpKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return c == '.' || IsDigit(c); });
}

void TInputController::AlnumKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z'); });
}

void TInputController::HexKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); });
}

void TInputController::DialKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return c == '+' || IsDigit(c) || c == 'W'; });
}

void TInputController::DigitsWKeys(QObject*, char& Key) {
    Keep(Key, [](unsigned char c) { return IsDigit(c) || c == 'W'; });
}

void TInputController::NoCyrillicKeys(QObject*, char& Key) {
    // Ё (0xA8), ё (0xB8) and А to я (0xC0 to 0xFF) in Windows-1251; other letters of the code
    // page, Ukrainian ones included, pass.
    const auto c = static_cast<unsigned char>(Key);
    if (c == 0xA8 || c == 0xB8 || c >= 0xC0)
        Key = 0;
}
