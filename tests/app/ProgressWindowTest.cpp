#include "app/windows/fProgress.h"
#include "app/windows/fWaiting.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(ProgressWindow, CancelSetsTheFlagAndHidesTheWindowAndTheBarStopsAtItsMaximum) {
    QWidget owner;
    TFormProgress form(&owner);
    form.pb->setRange(0, 2);
    form.pb->setValue(0);
    form.StepIt();
    EXPECT_EQ(form.pb->value(), 1);
    form.StepIt();
    form.StepIt();
    EXPECT_EQ(form.pb->value(), 2);

    form.show();
    form.Button1->click();
    EXPECT_TRUE(form.CancelPressed);
    EXPECT_TRUE(form.isHidden());
}

TEST(WaitingWindow, ShownFromCreation) {
    QWidget owner;
    TFormWaiting form(&owner);
    EXPECT_TRUE(form.isVisible());
}
