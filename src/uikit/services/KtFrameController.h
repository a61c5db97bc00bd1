#pragma once

#include "base/Color.h"
#include "uikit/draw/KtTypes.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>

class QWidget;
class TKtRegIniFile;

// The settings a frame controller shares, in the order of their bits in a notification set;
// fcpAll stands for all of them at once.
enum TKtFrameControllerProperty {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};

// Which settings a linked control takes: bit i for setting i. A control publishes it as its
// "FrameControllerNotifications" property; without one it takes every setting.
using TKtFrameControllerNotifications = std::uint16_t;
constexpr TKtFrameControllerNotifications FrameControllerNotification(TKtFrameControllerProperty property) {
    return TKtFrameControllerNotifications(1u << unsigned(property));
}
constexpr TKtFrameControllerNotifications AllFrameControllerNotifications = 0xFFFF;
constexpr bool AcceptsNotification(TKtFrameControllerNotifications accepted,
                                   TKtFrameControllerProperty property) {
    return (accepted & FrameControllerNotification(property)) != 0;
}

enum TFramingPreference { fpCustomFraming, fpXPThemes };

// A kit control that takes a frame controller's settings itself, by its own notification set,
// instead of having them written into its properties one by one.
class IFrameControllerClient {
public:
    virtual void ApplyFrameController() = 0;

protected:
    ~IFrameControllerClient() = default;
};

// One set of frame and colour settings pushed to every control linked to it, so that one change
// restyles them all. A control links itself with AddControl (which pushes everything at once) and
// unlinks with RemoveControl. Neither side owns the other: the controller keeps guarded pointers,
// so a control that goes without unlinking is simply skipped, and controls hold the controller
// the same way, so either may be destroyed first.
//
// A control that implements IFrameControllerClient is asked to apply the settings itself. Any
// other control gets each setting it accepts written into its published property of the same
// name, when it has one (colours and enumerations as their numbers, FrameSides as its bits).
class TKtFrameController : public QObject {
    Q_OBJECT

public:
    explicit TKtFrameController(QObject* owner = nullptr);
    ~TKtFrameController() override;

    void AddControl(QWidget* control);
    void RemoveControl(QWidget* control);

    // Brackets nest; no control changes until the outermost EndUpdate, which pushes everything.
    void BeginUpdate();
    void EndUpdate();
    void UpdateControls(TKtFrameControllerProperty property);
    void UpdateControlFrame(QWidget* control, TKtFrameControllerProperty property);

    // Takes over another controller's settings (not its controls or RegIniFile) with one push.
    void Assign(const TKtFrameController& source);

    // A form that builds the controller from a stored design brackets the design's values with
    // BeginLoading and Loaded; Loaded then pushes everything to the linked controls.
    void BeginLoading() { loading_ = true; }
    void Loaded();
    // Properties of older designs, stored as they are without pushing (Loaded does that):
    // "FrameFlat" true stands for a hot-tracked status frame that lowers when hot;
    // "FrameFocusStyle" was the hot style.
    void ReadFrameFlat(bool value);
    void ReadFrameFocusStyle(TFrameStyle value);

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TColor FlatButtonColor() const { return flatButtonColor_; }
    void SetFlatButtonColor(TColor value);
    bool FlatButtons() const { return flatButtons_; }
    void SetFlatButtons(bool value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value);
    TColor ReadOnlyColor() const { return readOnlyColor_; }
    void SetReadOnlyColor(TColor value);
    bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
    void SetReadOnlyColorOnFocus(bool value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor value);
    TColor FrameHotColor() const { return frameHotColor_; }
    void SetFrameHotColor(TColor value);
    bool FrameHotTrack() const { return frameHotTrack_; }
    void SetFrameHotTrack(bool value);
    TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
    void SetFrameHotStyle(TFrameStyle value);
    TSides FrameSides() const { return frameSides_; }
    void SetFrameSides(TSides value);
    TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(TFrameStyle value);
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool value);
    TFramingPreference FramingPreference() const { return framingPreference_; }
    void SetFramingPreference(TFramingPreference value);
    // Not owned; becomes none when that component is destroyed.
    TKtRegIniFile* RegIniFile() const;
    void SetRegIniFile(TKtRegIniFile* value);

private:
    template <typename T> void Store(T& field, const T& value, TKtFrameControllerProperty property);
    QVariant ValueOf(TKtFrameControllerProperty property) const;

    TColor color_ = clWindow;
    TColor disabledColor_ = clBtnFace;
    TColor readOnlyColor_ = clInfoBk;
    bool readOnlyColorOnFocus_ = false;
    TColor flatButtonColor_ = clBtnFace;
    bool flatButtons_ = true;
    TColor focusColor_ = clWindow;
    TColor frameColor_ = clBtnShadow;
    TColor frameHotColor_ = clBtnShadow;
    TFrameStyle frameHotStyle_ = fsFlatBold;
    bool frameHotTrack_ = false;
    TSides frameSides_ = AllSides;
    TFrameStyle frameStyle_ = fsFlat;
    bool frameVisible_ = false;
    TFramingPreference framingPreference_ = fpXPThemes;
    bool parentColor_ = false;
    QPointer<TKtRegIniFile> regIniFile_;

    QList<QPointer<QWidget>> controls_;
    int updateCount_ = 0;
    bool loading_ = false;
};

// Moves a control's link: it leaves the controller `link` holds, if any, and joins `controller`,
// if any, which pushes its settings to it; `link` then holds `controller`.
void LinkFrameController(QWidget* control, QPointer<TKtFrameController>& link,
                         TKtFrameController* controller);
