#pragma once

#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtTypes.h"
#include "uikit/services/KtFrameController.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>

// The kit's progress indicator: a value in per cent drawn as a plain, segmented or gradient bar,
// optionally with its "N%" text, inside a kit frame (or the desktop style's progress frame when
// themes are on and ThemeAware). The value is set directly (Percent) or worked out from a count
// of finished parts out of a total (PartsComplete of TotalParts). A bar taller than wide is
// vertical and fills from the bottom; it follows its shape at every resize.
//
// The bar paints its whole rectangle into an off-screen image and copies that in one step, so
// it never flickers while an upload raises it step by step. Setters of what the picture shows
// repaint at once; the flat frame colours and ThemeAware repaint later.
class TKtCustomProgressBar : public QWidget, public IFrameControllerClient {
    Q_OBJECT
    Q_PROPERTY(uint FrameControllerNotifications READ FrameControllerNotifications WRITE
                   SetFrameControllerNotifications)

public:
    explicit TKtCustomProgressBar(QWidget* parent = nullptr);
    ~TKtCustomProgressBar() override;

    // The empty part; the text over the filled part is drawn in it.
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    TColor BackColorStop() const { return backColorStop_; }
    void SetBackColorStop(TColor value);
    // The filled part; also the colour of the text over the empty part.
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor value);
    TColor BarColorStop() const { return barColorStop_; }
    void SetBarColorStop(TColor value);
    // bsLED hides the text and rings the bar with one pixel; the others show the text, no ring.
    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    TFrameStyleEx BorderInner() const { return borderInner_; }
    void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return borderOuter_; }
    void SetBorderOuter(TFrameStyleEx value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TColor FlatColor() const { return flatColor_; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return flatColorAdjustment_; }
    void SetFlatColorAdjustment(int value);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection value);
    // A ring between the frame and the bar, in BackColor.
    std::uint8_t InteriorOffset() const { return interiorOffset_; }
    void SetInteriorOffset(std::uint8_t value);
    // Segments of the LED style, kept within 1..100.
    int NumSegments() const { return numSegments_; }
    void SetNumSegments(int value);
    TOrientation Orientation() const { return orientation_; }
    void SetOrientation(TOrientation value);

    // Finished parts, never above TotalParts; sets Percent unless TotalParts is 0.
    quint32 PartsComplete() const { return partsComplete_; }
    void SetPartsComplete(quint32 value);
    // The value shown; 100 or more shows a full bar.
    quint16 Percent() const { return percent_; }
    void SetPercent(quint16 value);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool value);
    // Number of parts that make 100 %. Changing it starts the count again from 0 parts, 0 %.
    quint32 TotalParts() const { return totalParts_; }
    void SetTotalParts(quint32 value);
    bool ThemeAware() const { return themeAware_; }
    void SetThemeAware(bool value);

    TKtFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TKtFrameController* value);
    uint FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(uint value) { frameControllerNotifications_ = value & 0xFFFF; }
    void ApplyFrameController() override;

    // While a stored design is read, PartsComplete and TotalParts are only stored: Percent is
    // taken as the design gives it.
    void BeginLoading() { loading_ = true; }
    void Loaded() { loading_ = false; }

    // Draws the whole bar onto a canvas of the bar's size.
    void PaintTo(TCanvas& canvas);

signals:
    // Percent changed.
    void OnChange(TKtCustomProgressBar* sender, int percent);

protected:
    virtual void Change();
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    template <typename T> void StoreAndRepaint(T& field, const T& value);

    TColor backColor_ = clWhite;
    TColor backColorStop_ = clBtnFace;
    TColor barColor_ = clHighlight;
    TColor barColorStop_ = clHotLight;
    TBarStyle barStyle_ = bsTraditional;
    int bevelWidth_ = 1;
    TColor borderColor_ = clBtnFace;
    TFrameStyleEx borderInner_ = fsNone;
    TFrameStyleEx borderOuter_ = fsLowered;
    int borderWidth_ = 0;
    TColor flatColor_ = clBtnShadow;
    int flatColorAdjustment_ = 30;
    TGradientDirection gradientDirection_ = gdHorizontalCenter;
    std::uint8_t interiorOffset_ = 0;
    int numSegments_ = 20;
    TOrientation orientation_ = orHorizontal;
    quint32 partsComplete_ = 0;
    quint16 percent_ = 0;
    bool showPercent_ = true;
    quint32 totalParts_ = 0;
    bool themeAware_ = true;
    QPointer<TKtFrameController> frameController_;
    uint frameControllerNotifications_ = AllFrameControllerNotifications;
    bool loading_ = false;
};

// The progress bar as windows place it.
class TKtProgressBar : public TKtCustomProgressBar {
    Q_OBJECT

public:
    explicit TKtProgressBar(QWidget* parent = nullptr) : TKtCustomProgressBar(parent) {}
};
