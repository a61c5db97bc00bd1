#include "app/fProgress.h"
#include "app/fWaiting.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The main window, somewhere on the screen.
class Owned : public ::testing::Test {
protected:
    void SetUp() override { owner.setGeometry(200, 150, 640, 480); }
    QWidget owner;
};

void ExpectCentredOn(const QWidget& window, const QWidget& owner) {
    const QPoint offset = window.geometry().center() - owner.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

} // namespace

using ProgressWindow = Owned;
using WaitingWindow = Owned;

TEST_F(ProgressWindow, CancelSetsTheFlagAndHidesTheWindow) {
    TFormProgress form(&owner);
    form.show();
    ExpectCentredOn(form, owner);
    form.Button1->click();
    EXPECT_TRUE(form.CancelPressed);
    EXPECT_TRUE(form.isHidden());
}

TEST_F(ProgressWindow, BarStopsAtItsMaximum) {
    TFormProgress form(&owner);
    form.pb->setRange(0, 2);
    form.pb->setValue(0);
    form.StepIt();
    EXPECT_EQ(form.pb->value(), 1);
    form.StepIt();
    form.StepIt();
    EXPECT_EQ(form.pb->value(), 2);
}

TEST_F(WaitingWindow, ShownFromCreation) {
    TFormWaiting form(&owner);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Пожалуйста, подождите. Идет удаление истории..."));
    ExpectCentredOn(form, owner);
}
