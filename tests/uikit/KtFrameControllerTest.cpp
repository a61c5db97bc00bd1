#include "uikit/controls/KtLEDDisplay.h"
#include "uikit/services/KtFrameController.h"
#include "uikit/services/KtOldPropReader.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A kit control that applies the controller's settings itself, linking and unlinking as the kit's
// controls do.
class Client : public QWidget, public IFrameControllerClient {
public:
    ~Client() override { SetFrameController(nullptr); }
    void SetFrameController(TKtFrameController* controller) {
        if (controller_) controller_->RemoveControl(this);
        controller_ = controller;
        if (controller_) controller_->AddControl(this);
    }
    void ApplyFrameController() override {
        ++applied;
        style = controller_->FrameStyle();
    }
    int applied = 0;
    TFrameStyle style = fsNone;

private:
    QPointer<TKtFrameController> controller_;
};

// Any other control: the settings it accepts land in its published properties.
class PlainControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Color MEMBER color)
    Q_PROPERTY(int FrameStyle MEMBER frameStyle)
    Q_PROPERTY(uint FrameSides MEMBER frameSides)
    Q_PROPERTY(uint FrameControllerNotifications MEMBER notifications)

public:
    int color = clBlack;
    int frameStyle = fsNone;
    uint frameSides = 0;
    uint notifications = AllFrameControllerNotifications;
};

} // namespace

TEST(KtFrameController, FocusColorFollowsColorOnlyWhileTheyAreEqual) {
    TKtFrameController controller;
    controller.SetParentColor(true);
    controller.SetColor(clYellow);
    EXPECT_EQ(controller.FocusColor(), clYellow);
    EXPECT_FALSE(controller.ParentColor());

    controller.SetFocusColor(clAqua);
    controller.SetColor(clRed);
    EXPECT_EQ(controller.Color(), clRed);
    EXPECT_EQ(controller.FocusColor(), clAqua);
}

TEST(KtFrameController, NestedUpdateBracketsPushOnce) {
    TKtFrameController controller;
    Client client;
    client.SetFrameController(&controller);
    EXPECT_EQ(client.applied, 1); // linking pushes everything

    controller.BeginUpdate();
    controller.BeginUpdate();
    controller.SetFrameStyle(fsLowered);
    controller.SetFrameColor(clRed);
    controller.EndUpdate();
    EXPECT_EQ(client.applied, 1);
    EXPECT_EQ(client.style, fsFlat); // still what linking pushed
    controller.EndUpdate();
    EXPECT_EQ(client.applied, 2);
    EXPECT_EQ(client.style, fsLowered);

    controller.SetFrameStyle(fsLowered); // no change, no push
    EXPECT_EQ(client.applied, 2);
}

TEST(KtFrameController, HotTrackingShowsTheWholeFrameUnlessLoading) {
    TKtFrameController controller;
    controller.SetFrameSides({sdLeft});
    controller.SetFrameHotTrack(true);
    EXPECT_TRUE(controller.FrameVisible());
    EXPECT_EQ(controller.FrameSides(), AllSides);

    TKtFrameController stored;
    stored.BeginLoading();
    stored.SetFrameSides({sdTop});
    stored.SetFrameHotTrack(true);
    stored.Loaded();
    EXPECT_TRUE(stored.FrameVisible());
    EXPECT_EQ(stored.FrameSides(), TSides({sdTop}));
}

TEST(KtFrameController, PlainControlsTakeOnlyTheSettingsTheyAccept) {
    TKtFrameController controller;
    PlainControl accepting, refusing;
    refusing.notifications = AllFrameControllerNotifications & ~FrameControllerNotification(fcpFrameStyle);
    refusing.frameStyle = fsRaised;
    controller.AddControl(&accepting);
    controller.AddControl(&refusing);
    EXPECT_EQ(accepting.frameStyle, fsFlat);
    EXPECT_EQ(accepting.frameSides, AllSides.Bits());
    EXPECT_EQ(accepting.color, clWindow);

    controller.SetFrameStyle(fsGroove);
    controller.SetColor(clLime);
    EXPECT_EQ(accepting.frameStyle, fsGroove);
    EXPECT_EQ(refusing.frameStyle, fsRaised);
    EXPECT_EQ(refusing.color, clLime);

    // While the controls take their parent's colour, a full push leaves their colour alone.
    controller.SetParentColor(true);
    accepting.color = clBlack;
    controller.BeginUpdate();
    controller.EndUpdate();
    EXPECT_EQ(accepting.color, clBlack);
}

TEST(KtFrameController, EitherSideMayGoFirst) {
    auto controller = std::make_unique<TKtFrameController>();
    auto client = std::make_unique<Client>();
    auto plain = std::make_unique<PlainControl>();
    client->SetFrameController(controller.get());
    controller->AddControl(plain.get());
    plain.reset(); // gone without unlinking
    controller->SetFrameStyle(fsBump);
    EXPECT_EQ(client->style, fsBump);

    controller.reset();
    client->SetFrameController(nullptr); // its controller is gone: nothing to unlink from
    client.reset();

    // A client that goes first unlinks itself; the controller goes on with the rest.
    TKtFrameController other;
    Client staying;
    auto leaving = std::make_unique<Client>();
    leaving->SetFrameController(&other);
    staying.SetFrameController(&other);
    leaving.reset();
    other.SetFrameStyle(fsGroove);
    EXPECT_EQ(staying.style, fsGroove);
}

TEST(KtFrameController, OldDesignPropertiesAreMappedOrDropped) {
    TKtFrameController controller;
    Client client;
    client.SetFrameController(&controller);
    controller.BeginLoading();
    EXPECT_TRUE(TKtOldPropReader::ReadOldProp(&controller, QStringLiteral("frameflat"), true));
    EXPECT_TRUE(TKtOldPropReader::ReadOldProp(&controller, QStringLiteral("FrameFlatStyle"), 3));
    EXPECT_EQ(client.applied, 1); // stored as they are
    controller.Loaded();
    EXPECT_TRUE(controller.FrameHotTrack());
    EXPECT_EQ(controller.FrameStyle(), fsStatus);
    EXPECT_EQ(controller.FrameHotStyle(), fsLowered);
    EXPECT_EQ(client.style, fsStatus);

    EXPECT_TRUE(TKtOldPropReader::ReadOldProp(&controller, QStringLiteral("FrameFocusStyle"), int(fsRaised)));
    EXPECT_EQ(controller.FrameHotStyle(), fsRaised);

    TKtLEDDisplay display;
    EXPECT_TRUE(TKtOldPropReader::ReadOldProp(&display, QStringLiteral("SegSpacing"), 2));
    EXPECT_FALSE(TKtOldPropReader::ReadOldProp(&display, QStringLiteral("PositionMin"), 2));
    EXPECT_FALSE(TKtOldPropReader::ReadOldProp(&controller, QStringLiteral("Frame"), true));
}

#include "KtFrameControllerTest.moc"
