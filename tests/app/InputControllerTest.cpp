#include "app/EditKeyFilter.h"
#include "app/InputController.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const char* name;
    TKeyPressFilter filter;
    QByteArray accepted; // every byte the filter lets through
};

QByteArray Range(char first, char last) {
    QByteArray out;
    for (int c = uchar(first); c <= uchar(last); ++c)
        out += char(c);
    return out;
}

QByteArray AllBut(const QByteArray& dropped) {
    QByteArray out;
    for (int c = 0; c < 256; ++c)
        if (!dropped.contains(char(c)))
            out += char(c);
    return out;
}

const QByteArray kDigits = Range('0', '9');
const QByteArray kBs("\b");

class FilterTable : public ::testing::TestWithParam<FilterCase> {};

std::string CaseName(const ::testing::TestParamInfo<FilterCase>& info) {
    return info.param.name;
}

} // namespace

TEST_P(FilterTable, KeepsExactlyItsSetAndNeverChangesAKeptKey) {
    const FilterCase& c = GetParam();
    for (int byte = 0; byte < 256; ++byte) {
        char key = char(byte);
        c.filter(nullptr, key);
        if (c.accepted.contains(char(byte)))
            EXPECT_EQ(uchar(key), byte) << "dropped byte " << byte;
        else
            EXPECT_EQ(key, 0) << "kept byte " << byte;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterTable,
    ::testing::Values(
        FilterCase{"DigitsOnly", &TInputController::DigitsOnly, kBs + kDigits},
        FilterCase{"PhoneKeys", &TInputController::PhoneKeys, kBs + "+" + kDigits},
        FilterCase{"IpKeys", &TInputController::IpKeys, kBs + "." + kDigits},
        FilterCase{"AlnumKeys", &TInputController::AlnumKeys, kBs + kDigits + Range('A', 'Z') + Range('a', 'z')},
        FilterCase{"HexKeys", &TInputController::HexKeys, kBs + kDigits + Range('A', 'F') + Range('a', 'f')},
        FilterCase{"DialKeys", &TInputController::DialKeys, kBs + "+" + kDigits + "Ww"},
        FilterCase{"DigitsWKeys", &TInputController::DigitsWKeys, kBs + kDigits + "Ww"},
        // Only Ё, ё and А to я are dropped: Ukrainian letters, Ctrl+V and Enter pass.
        FilterCase{"NoCyrillicKeys", &TInputController::NoCyrillicKeys,
                   AllBut(QByteArray("\xA8\xB8") + Range('\xC0', '\xFF'))}),
    CaseName);

namespace {

void SendKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

void Commit(QLineEdit& edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&edit, &event);
}

} // namespace

TEST(EditKeyFilter, TypedCharactersPassTheFilter) {
    QLineEdit edit;
    SetKeyPressFilter(&edit, &TInputController::HexKeys);
    QTest::keyClicks(&edit, "12xAbz9");
    EXPECT_EQ(edit.text(), QStringLiteral("12Ab9"));

    SetKeyPressFilter(&edit, &TInputController::NoCyrillicKeys);
    SendKey(&edit, 0, QString::fromUtf8("ж"));
    SendKey(&edit, 0, QString::fromUtf8("ї"));
    SendKey(&edit, 0, QString::fromUtf8("€"));
    SendKey(&edit, 0, QString::fromUtf8("中"));  // not in the code page
    SendKey(&edit, 0, QString::fromUtf8("😀")); // outside the code page, two UTF-16 units
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€"));
    SendKey(&edit, 0, QString::fromUtf8("sжs")); // one key, several characters (a compose key)
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€ss"));

    SetKeyPressFilter(&edit, nullptr);
    SendKey(&edit, 0, QString::fromUtf8("ж"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€ssж"));
}

TEST(EditKeyFilter, EditingKeysAreNotFiltered) {
    QLineEdit edit;
    SetKeyPressFilter(&edit, &TInputController::DigitsOnly);
    edit.setText(QStringLiteral("12345"));
    edit.setCursorPosition(5);
    QTest::keyClick(&edit, Qt::Key_Backspace); // 1234|
    QTest::keyClick(&edit, Qt::Key_Home);      // |1234
    QTest::keyClick(&edit, Qt::Key_Right);     // 1|234
    SendKey(&edit, Qt::Key_Delete, QStringLiteral("\x7f")); // 1|34
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Left);      // 13|4
    QTest::keyClick(&edit, '7');
    EXPECT_EQ(edit.text(), QStringLiteral("1374"));
}

TEST(EditKeyFilter, CtrlVIsAKeyLikeAnyOther) {
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    if (QApplication::clipboard()->text() != QStringLiteral("abc"))
        GTEST_SKIP() << "no clipboard on this platform";
    QLineEdit digits;
    SetKeyPressFilter(&digits, &TInputController::DigitsOnly);
    QTest::keyClick(&digits, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(digits.text(), QString());

    QLineEdit latin;
    SetKeyPressFilter(&latin, &TInputController::NoCyrillicKeys);
    QTest::keyClick(&latin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(latin.text(), QStringLiteral("abc"));
}

TEST(EditKeyFilter, EnterAndEscapeStillReachTheDialogButtons) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    SetKeyPressFilter(edit, &TInputController::DigitsOnly);

    dialog.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    dialog.setResult(-1);
    dialog.show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(EditKeyFilter, InputMethodTextIsFilteredToo) {
    QLineEdit edit;
    SetKeyPressFilter(&edit, &TInputController::DigitsOnly);
    Commit(edit, QString::fromUtf8("1а2b3中"));
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
    Commit(edit, QString::fromUtf8("ж"));
    EXPECT_EQ(edit.text(), QStringLiteral("123"));
}

TEST(EditKeyFilter, KeyDownChoosesTheFilterBeforeTheKeyIsFiltered) {
    // As the ways page does: a telephone-number edit whose filter depends on the channel chosen.
    QLineEdit edit;
    bool voice = false;
    int keyDowns = 0;
    SetKeyDownHandler(&edit, [&] {
        ++keyDowns;
        SetKeyPressFilter(&edit, voice ? &TInputController::DigitsWKeys : &TInputController::DialKeys);
    });
    // The very first input comes from an input method: the handler still runs first.
    Commit(edit, QStringLiteral("+7a"));
    EXPECT_EQ(edit.text(), QStringLiteral("+7"));
    voice = true;
    QTest::keyClicks(&edit, "+9w");
    EXPECT_EQ(edit.text(), QStringLiteral("+79w"));
    QTest::keyClick(&edit, Qt::Key_Left);
    EXPECT_EQ(keyDowns, 5);
}
