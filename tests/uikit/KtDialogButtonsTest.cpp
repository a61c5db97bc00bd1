#include "uikit/buttons/KtDialogButtons.h"
#include "support/ScriptedDialogs.h"
#include "uikit/buttons/KtBitBtn.h"
#include "uikit/services/KtOldPropReader.h"

#include "KitImage.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint At(const TKtDialogButtons& bar, TKtDialogButtons::TButtonIndex index) {
    return bar.Button(index)->pos();
}

// A dialog with an edit and the bar along its bottom, run through the dialog service.
class BarDialog : public ::testing::Test {
protected:
    BarDialog() {
        dialog.setObjectName(QStringLiteral("BarDialog"));
        dialog.resize(236, 135);
        edit = new QLineEdit(&dialog);
        bar = new TKtDialogButtons(&dialog);
        bar->setGeometry(0, 135 - bar->height(), 236, bar->height());
    }

    // The dialog's result after the key went to the edit.
    int ResultOfKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ScriptedDialogs::Reset().QueueExec([this, key, modifiers](QDialog& shown) {
            shown.setResult(0);
            shown.show();
            edit->setFocus();
            QTest::keyClick(edit, key, modifiers);
            const int result = shown.result();
            shown.hide();
            return result;
        });
        return DialogService::Instance().ExecModal(dialog);
    }

    QDialog dialog;
    QLineEdit* edit;
    TKtDialogButtons* bar;
};

} // namespace

TEST_F(BarDialog, EnterGivesOkEscGivesCancelOrOkWhenCancelIsHidden) {
    int clicksOk = 0;
    QObject::connect(bar, &TKtDialogButtons::OnClickOk, [&clicksOk] { ++clicksOk; });
    EXPECT_EQ(ResultOfKey(Qt::Key_Return), 1);
    EXPECT_EQ(clicksOk, 1);
    EXPECT_EQ(ResultOfKey(Qt::Key_Escape), 2);
    EXPECT_EQ(ResultOfKey(Qt::Key_Return, Qt::ControlModifier), 0);

    bar->SetShowButton(TKtDialogButtons::biCancel, false);
    EXPECT_EQ(ResultOfKey(Qt::Key_Escape), 1);
    bar->SetShowButton(TKtDialogButtons::biCancel, true);
    EXPECT_EQ(ResultOfKey(Qt::Key_Escape), 2);

    // A handler that sets the result back to 0 keeps the dialog open.
    QObject::connect(bar, &TKtDialogButtons::OnClickOk, &dialog, [this] { dialog.setResult(0); });
    EXPECT_EQ(ResultOfKey(Qt::Key_Return), 0);
}

TEST(KtDialogButtons, NewBarIsABottomRowOfOkAndCancel) {
    QWidget window;
    TKtDialogButtons bar(&window);
    EXPECT_EQ(bar.height(), 36);
    EXPECT_EQ(bar.Align(), alBottom);
    EXPECT_EQ(bar.CaptionOk(), QStringLiteral("OK"));
    EXPECT_EQ(bar.CaptionCancel(), QStringLiteral("Cancel"));
    EXPECT_EQ(bar.CaptionHelp(), QStringLiteral("&Help"));
    EXPECT_TRUE(bar.OKDefault());
    EXPECT_TRUE(bar.CancelCancel());
    EXPECT_EQ(bar.ModalResultOk(), 1);
    EXPECT_EQ(bar.ModalResultCancel(), 2);
    EXPECT_EQ(bar.ModalResultHelp(), 0);
    EXPECT_FALSE(bar.ShowButton(TKtDialogButtons::biHelp));
    // Older designs say FrameFlat for the flat look of all three buttons.
    EXPECT_TRUE(TKtOldPropReader::ReadOldProp(&bar, QStringLiteral("FrameFlat"), true));
    EXPECT_TRUE(bar.Button(TKtDialogButtons::biHelp)->HotTrack());

    window.show(); // a hidden widget hears of its new size only when shown
    bar.resize(236, 36);
    EXPECT_EQ(At(bar, TKtDialogButtons::biOk), QPoint(70, 6));
    EXPECT_EQ(At(bar, TKtDialogButtons::biCancel), QPoint(153, 6));
    EXPECT_EQ(bar.Button(TKtDialogButtons::biOk)->size(), QSize(75, 25));
    bar.SetShowButton(TKtDialogButtons::biHelp, true);
    EXPECT_EQ(At(bar, TKtDialogButtons::biOk), QPoint(70 - 83, 6));
    EXPECT_EQ(At(bar, TKtDialogButtons::biCancel), QPoint(153 - 83, 6));
    EXPECT_EQ(At(bar, TKtDialogButtons::biHelp), QPoint(153, 6));
}

TEST(KtDialogButtons, SideBarIsAColumnAsWideAsItsWidestButton) {
    QWidget window;
    TKtDialogButtons bar(&window);
    bar.SetShowButton(TKtDialogButtons::biHelp, true);
    bar.SetButtonWidth(TKtDialogButtons::biCancel, 90);
    bar.SetButtonWidth(TKtDialogButtons::biHelp, 60);
    bar.SetAlign(alLeft);
    EXPECT_EQ(bar.width(), 102);
    EXPECT_EQ(At(bar, TKtDialogButtons::biOk), QPoint(6, 8));
    EXPECT_EQ(At(bar, TKtDialogButtons::biCancel), QPoint(6, 41));
    EXPECT_EQ(At(bar, TKtDialogButtons::biHelp), QPoint(6, 74));
    EXPECT_EQ(bar.Button(TKtDialogButtons::biCancel)->width(), 90);

    bar.ChangeScale(120, 96);
    EXPECT_EQ(bar.Button(TKtDialogButtons::biOk)->size(), QSize(94, 31));
}

TEST(KtDialogButtons, DividerFacesTheDialog) {
    QWidget window;
    TKtDialogButtons bar(&window);
    bar.resize(40, 36);
    bar.SetShowGlyphs(true);
    EXPECT_EQ(bar.Button(TKtDialogButtons::biCancel)->NumGlyphs(), 2);
    bar.SetShowDivider(true);
    const auto grooveAt = [&bar](int x, int y) {
        return PixelAt(Rendered(bar), x, y) == ColorToRGB(clBtnShadow);
    };
    EXPECT_TRUE(grooveAt(20, 0));
    EXPECT_FALSE(grooveAt(20, 34));
    bar.SetAlign(alTop);
    EXPECT_TRUE(grooveAt(20, 34));
    EXPECT_FALSE(grooveAt(20, 0));
    bar.SetAlign(alCustom);
    EXPECT_FALSE(grooveAt(20, 34));
    EXPECT_FALSE(grooveAt(20, 0));
}
