#include "uikit/services/KtFrameController.h"

#include "uikit/services/KtRegIniFile.h"

#include <QMetaProperty>
#include <QVariant>
#include <QWidget>

namespace {

// Published property names, by TKtFrameControllerProperty.
constexpr const char* kPropertyNames[] = {
    "Color",
    "FocusColor",
    "DisabledColor",
    "ReadOnlyColor",
    "ReadOnlyColorOnFocus",
    "ParentColor",
    "FlatButtonColor",
    "FlatButtons",
    "FrameColor",
    "FrameHotColor",
    "FrameHotTrack",
    "FrameHotStyle",
    "FrameSides",
    "FrameStyle",
    "FrameVisible",
    "FramingPreference",
};

// The order in which everything is pushed: the parent-colour flag before the colour it governs.
constexpr TKtFrameControllerProperty kPushOrder[] = {
    fcpParentColor,          fcpColor,         fcpDisabledColor,   fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus, fcpFocusColor,    fcpFlatButtonColor, fcpFlatButtons,
    fcpFrameColor,           fcpFrameHotColor, fcpFrameHotTrack,   fcpFrameHotStyle,
    fcpFrameSides,           fcpFrameStyle,    fcpFrameVisible,    fcpFramingPreference,
};

TKtFrameControllerNotifications acceptedBy(const QWidget* control) {
    const QMetaObject* meta = control->metaObject();
    const int index = meta->indexOfProperty("FrameControllerNotifications");
    if (index < 0) return AllFrameControllerNotifications;
    return TKtFrameControllerNotifications(meta->property(index).read(control).toUInt() & 0xFFFF);
}

} // namespace

TKtFrameController::TKtFrameController(QObject* owner) : QObject(owner) {}

// The linked controls are not ours; they find their guarded pointer to us empty.
TKtFrameController::~TKtFrameController() = default;

void TKtFrameController::AddControl(QWidget* control) {
    if (control == nullptr || controls_.contains(control)) return;
    controls_.append(control);
    UpdateControlFrame(control, fcpAll);
}

void TKtFrameController::RemoveControl(QWidget* control) {
    controls_.removeIf(
        [control](const QPointer<QWidget>& linked) { return linked.isNull() || linked == control; });
}

void TKtFrameController::BeginUpdate() {
    ++updateCount_;
}

void TKtFrameController::EndUpdate() {
    if (--updateCount_ < 1) {
        updateCount_ = 0;
        UpdateControls(fcpAll);
    }
}

void TKtFrameController::UpdateControls(TKtFrameControllerProperty property) {
    if (updateCount_ >= 1) return;
    // A control may unlink itself, or be destroyed, while it applies the settings.
    const QList<QPointer<QWidget>> controls = controls_;
    for (const QPointer<QWidget>& control : controls)
        if (!control.isNull()) UpdateControlFrame(control, property);
}

void TKtFrameController::UpdateControlFrame(QWidget* control, TKtFrameControllerProperty property) {
    if (control == nullptr) return;
    if (auto* client = dynamic_cast<IFrameControllerClient*>(control)) {
        client->ApplyFrameController();
        return;
    }
    const TKtFrameControllerNotifications accepted = acceptedBy(control);
    const QMetaObject* meta = control->metaObject();
    auto push = [&](TKtFrameControllerProperty p) {
        if (!AcceptsNotification(accepted, p)) return;
        const int index = meta->indexOfProperty(kPropertyNames[p]);
        if (index >= 0) meta->property(index).write(control, ValueOf(p));
    };
    if (property != fcpAll) {
        push(property);
        return;
    }
    for (TKtFrameControllerProperty p : kPushOrder)
        if (p != fcpColor || !parentColor_) push(p);
}

QVariant TKtFrameController::ValueOf(TKtFrameControllerProperty property) const {
    switch (property) {
    case fcpColor:
        return color_;
    case fcpFocusColor:
        return focusColor_;
    case fcpDisabledColor:
        return disabledColor_;
    case fcpReadOnlyColor:
        return readOnlyColor_;
    case fcpReadOnlyColorOnFocus:
        return readOnlyColorOnFocus_;
    case fcpParentColor:
        return parentColor_;
    case fcpFlatButtonColor:
        return flatButtonColor_;
    case fcpFlatButtons:
        return flatButtons_;
    case fcpFrameColor:
        return frameColor_;
    case fcpFrameHotColor:
        return frameHotColor_;
    case fcpFrameHotTrack:
        return frameHotTrack_;
    case fcpFrameHotStyle:
        return int(frameHotStyle_);
    case fcpFrameSides:
        return frameSides_.Bits();
    case fcpFrameStyle:
        return int(frameStyle_);
    case fcpFrameVisible:
        return frameVisible_;
    case fcpFramingPreference:
        return int(framingPreference_);
    case fcpAll:
        break;
    }
    return {};
}

void TKtFrameController::Assign(const TKtFrameController& source) {
    BeginUpdate();
    color_ = source.color_;
    disabledColor_ = source.disabledColor_;
    readOnlyColor_ = source.readOnlyColor_;
    readOnlyColorOnFocus_ = source.readOnlyColorOnFocus_;
    flatButtonColor_ = source.flatButtonColor_;
    flatButtons_ = source.flatButtons_;
    focusColor_ = source.focusColor_;
    frameColor_ = source.frameColor_;
    frameHotColor_ = source.frameHotColor_;
    frameHotTrack_ = source.frameHotTrack_;
    frameHotStyle_ = source.frameHotStyle_;
    frameSides_ = source.frameSides_;
    frameStyle_ = source.frameStyle_;
    frameVisible_ = source.frameVisible_;
    framingPreference_ = source.framingPreference_;
    parentColor_ = source.parentColor_;
    EndUpdate();
}

void TKtFrameController::Loaded() {
    loading_ = false;
    UpdateControls(fcpAll);
}

void TKtFrameController::ReadFrameFlat(bool value) {
    frameHotTrack_ = value;
    if (value) {
        frameStyle_ = fsStatus;
        frameHotStyle_ = fsLowered;
    }
}

void TKtFrameController::ReadFrameFocusStyle(TFrameStyle value) {
    frameHotStyle_ = value;
}

template <typename T>
void TKtFrameController::Store(T& field, const T& value, TKtFrameControllerProperty property) {
    if (field == value) return;
    field = value;
    UpdateControls(property);
}

void TKtFrameController::SetColor(TColor value) {
    if (color_ == value) return;
    // A focus colour that was the plain colour follows it.
    if (focusColor_ == color_) focusColor_ = value;
    color_ = value;
    parentColor_ = false;
    UpdateControls(fcpColor);
}

void TKtFrameController::SetParentColor(bool value) {
    if (parentColor_ == value) return;
    parentColor_ = value;
    UpdateControls(fcpParentColor);
    // Leaving the parent's colour: the controls take the controller's own again.
    if (!value) UpdateControls(fcpColor);
}

void TKtFrameController::SetFrameHotTrack(bool value) {
    if (frameHotTrack_ == value) return;
    frameHotTrack_ = value;
    if (value) {
        // Hot tracking shows the whole frame; a stored design keeps the sides it names.
        SetFrameVisible(true);
        if (!loading_) frameSides_ = AllSides;
    }
    UpdateControls(fcpFrameHotTrack);
}

void TKtFrameController::SetFlatButtonColor(TColor value) {
    Store(flatButtonColor_, value, fcpFlatButtonColor);
}
void TKtFrameController::SetFlatButtons(bool value) {
    Store(flatButtons_, value, fcpFlatButtons);
}
void TKtFrameController::SetDisabledColor(TColor value) {
    Store(disabledColor_, value, fcpDisabledColor);
}
void TKtFrameController::SetReadOnlyColor(TColor value) {
    Store(readOnlyColor_, value, fcpReadOnlyColor);
}
void TKtFrameController::SetReadOnlyColorOnFocus(bool value) {
    Store(readOnlyColorOnFocus_, value, fcpReadOnlyColorOnFocus);
}
void TKtFrameController::SetFocusColor(TColor value) {
    Store(focusColor_, value, fcpFocusColor);
}
void TKtFrameController::SetFrameColor(TColor value) {
    Store(frameColor_, value, fcpFrameColor);
}
void TKtFrameController::SetFrameHotColor(TColor value) {
    Store(frameHotColor_, value, fcpFrameHotColor);
}
void TKtFrameController::SetFrameHotStyle(TFrameStyle value) {
    Store(frameHotStyle_, value, fcpFrameHotStyle);
}
void TKtFrameController::SetFrameSides(TSides value) {
    Store(frameSides_, value, fcpFrameSides);
}
void TKtFrameController::SetFrameStyle(TFrameStyle value) {
    Store(frameStyle_, value, fcpFrameStyle);
}
void TKtFrameController::SetFrameVisible(bool value) {
    Store(frameVisible_, value, fcpFrameVisible);
}
void TKtFrameController::SetFramingPreference(TFramingPreference value) {
    Store(framingPreference_, value, fcpFramingPreference);
}

TKtRegIniFile* TKtFrameController::RegIniFile() const {
    return regIniFile_;
}

void TKtFrameController::SetRegIniFile(TKtRegIniFile* value) {
    regIniFile_ = value;
}

void LinkFrameController(QWidget* control, QPointer<TKtFrameController>& link,
                         TKtFrameController* controller) {
    if (link) link->RemoveControl(control);
    link = controller;
    if (controller != nullptr) controller->AddControl(control);
}
