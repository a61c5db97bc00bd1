#include "app/controls/InputController.h"
#include "app/controls/EditKeyFilter.h"
#include "support/KeyInput.h"

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

QByteArray Range(char first, char last) {
    QByteArray out;
    for (int c = uchar(first); c <= uchar(last); ++c)
        out += char(c);
    return out;
}

void Commit(QLineEdit& edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&edit, &event);
}

} // namespace

// Each filter keeps exactly its set of Windows-1251 bytes and never changes a kept one.
TEST(InputController, FiltersKeepExactlyTheirSets) {
    const QByteArray digits = Range('0', '9'), bs("\b");
    QByteArray notCyrillic; // only Ё, ё and А to я are dropped: Ukrainian letters, Ctrl+V, Enter pass
    for (int c = 0; c < 256; ++c)
        if (c != 0xA8 && c != 0xB8 && c < 0xC0) notCyrillic += char(c);
    const struct {
        const char* name;
        TKeyPressFilter filter;
        QByteArray accepted;
    } cases[] = {
        {"DigitsOnly", &TInputController::DigitsOnly, bs + digits},
        {"PhoneKeys", &TInputController::PhoneKeys, bs + "+" + digits},
        {"IpKeys", &TInputController::IpKeys, bs + "." + digits},
        {"AlnumKeys", &TInputController::AlnumKeys, bs + digits + Range('A', 'Z') + Range('a', 'z')},
        {"HexKeys", &TInputController::HexKeys, bs + digits + Range('A', 'F') + Range('a', 'f')},
        {"DialKeys", &TInputController::DialKeys, bs + "+" + digits + "Ww"},
        {"DigitsWKeys", &TInputController::DigitsWKeys, bs + digits + "Ww"},
        {"NoCyrillicKeys", &TInputController::NoCyrillicKeys, notCyrillic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (int byte = 0; byte < 256; ++byte) {
            char key = char(byte);
            c.filter(nullptr, key);
            EXPECT_EQ(uchar(key), c.accepted.contains(char(byte)) ? byte : 0) << "byte " << byte;
        }
    }
}

TEST(EditKeyFilter, TypedCharactersAreFilteredEditingKeysAreNot) {
    QLineEdit edit;
    SetKeyPressFilter(&edit, &TInputController::HexKeys);
    QTest::keyClicks(&edit, "12xAbz9");
    EXPECT_EQ(edit.text(), QStringLiteral("12Ab9"));

    SetKeyPressFilter(&edit, &TInputController::NoCyrillicKeys);
    for (const char* typed : {"ж", "ї", "€", "中", "😀"}) // the last two are not in the code page
        SendKey(&edit, 0, QString::fromUtf8(typed));
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€"));
    SendKey(&edit, 0, QString::fromUtf8("sжs")); // one key, several characters (a compose key)
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€ss"));
    SetKeyPressFilter(&edit, nullptr);
    SendKey(&edit, 0, QString::fromUtf8("ж"));
    EXPECT_EQ(edit.text(), QString::fromUtf8("12Ab9ї€ssж"));

    SetKeyPressFilter(&edit, &TInputController::DigitsOnly);
    edit.setText(QStringLiteral("12345"));
    edit.setCursorPosition(5);
    QTest::keyClick(&edit, Qt::Key_Backspace);              // 1234|
    QTest::keyClick(&edit, Qt::Key_Home);                   // |1234
    QTest::keyClick(&edit, Qt::Key_Right);                  // 1|234
    SendKey(&edit, Qt::Key_Delete, QStringLiteral("\x7f")); // 1|34
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Left); // 13|4
    QTest::keyClick(&edit, '7');
    EXPECT_EQ(edit.text(), QStringLiteral("1374"));

    // Ctrl+V is byte 22 like any other key: dropped by a digit filter, kept by the Latin one.
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    if (QApplication::clipboard()->text() != QStringLiteral("abc"))
        GTEST_SKIP() << "no clipboard on this platform";
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QString());
    SetKeyPressFilter(&edit, &TInputController::NoCyrillicKeys);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("abc"));
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
    for (const auto& [key, result] :
         {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        dialog.setResult(-1);
        dialog.show();
        edit->setFocus();
        QTest::keyClick(edit, key);
        EXPECT_EQ(dialog.result(), result);
    }
}

TEST(EditKeyFilter, InputMethodTextIsFilteredAndKeyDownChoosesTheFilterFirst) {
    QLineEdit digits;
    SetKeyPressFilter(&digits, &TInputController::DigitsOnly);
    Commit(digits, QString::fromUtf8("1а2b3中"));
    Commit(digits, QString::fromUtf8("ж"));
    EXPECT_EQ(digits.text(), QStringLiteral("123"));

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
