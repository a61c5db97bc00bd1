#include "uikit/services/KtBlinkingControlsList.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct FakeBlinker : IKtBlinkingControl {
    bool wantsToBlink = true;
    QList<bool> states;
    bool CMBlinkQuery() override { return wantsToBlink; }
    void CMBlinkState(bool on) override { states.append(on); }
};

void tick(TKtBlinkingControlsList& list) {
    QMetaObject::invokeMethod(&list.Timer(), "timeout");
}

} // namespace

TEST(KtBlinkingControlsList, PhasesAlternateWithTheirOwnIntervals) {
    TKtBlinkingControlsList list;
    FakeBlinker blinking, steady;
    steady.wantsToBlink = false;
    list.Add(&blinking);
    list.Add(&steady);
    EXPECT_TRUE(list.BlinkState());
    EXPECT_TRUE(list.Timer().isActive());
    EXPECT_EQ(list.Timer().interval(), 500);

    list.SetBlinkIntervalOff(200);
    list.SetBlinkIntervalOn(700);
    EXPECT_EQ(list.Timer().interval(), 500); // the running phase keeps its length
    tick(list);
    EXPECT_FALSE(list.BlinkState());
    EXPECT_EQ(list.Timer().interval(), 200);
    tick(list);
    EXPECT_EQ(list.Timer().interval(), 700);
    tick(list);
    EXPECT_EQ(list.Timer().interval(), 200);
    EXPECT_EQ(blinking.states, (QList<bool>{false, true, false}));
    EXPECT_TRUE(steady.states.isEmpty());

    list.SetBlinkIntervalOn(0); // a phase of length 0 stops the timer instead of spinning
    tick(list);
    EXPECT_TRUE(list.BlinkState());
    EXPECT_FALSE(list.Timer().isActive());
}

TEST(KtBlinkingControlsList, ControlsLeavingTheListAndTheListGoingWithTheLast) {
    FakeBlinker first, second, stranger;
    BlinkingControlsList = new TKtBlinkingControlsList;
    BlinkingControlsList->Add(&first);
    BlinkingControlsList->Add(&second);
    BlinkingControlsList->Remove(&stranger);
    EXPECT_EQ(BlinkingControlsList->Count(), 2);

    BlinkingControlsList->Remove(&first);
    tick(*BlinkingControlsList);
    EXPECT_TRUE(first.states.isEmpty());
    EXPECT_EQ(second.states, QList<bool>{false});
    FreeBlinkingControlsListIfEmpty();
    ASSERT_NE(BlinkingControlsList, nullptr);

    BlinkingControlsList->Remove(&second);
    FreeBlinkingControlsListIfEmpty();
    EXPECT_EQ(BlinkingControlsList, nullptr);
    FreeBlinkingControlsListIfEmpty(); // no list: nothing to do
}
