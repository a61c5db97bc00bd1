#pragma once

#include "uikit/controls/KtFramedControl.h"
#include "uikit/services/KtBlinkingControlsList.h"

#include <cstdint>

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight
};
enum TKtCondenseCaption { ccNone, ccAtEnd, ccWithinPath };
enum TTextLayout { tlTop, tlCenter, tlBottom };

// The kit's text label: a caption in the label's font and font colour inside a kit frame, with
// raised, recessed or shadowed text, text turned by an angle or laid along an arc, a second
// colour it blinks in with every other blinking label, a colour while the mouse is over it, an
// inner margin and a caption cut short with an ellipsis. While AutoSize is on, changes of the
// caption, font, wrapping, frames and angle fit the label to its text; a right-aligned label
// keeps its right edge.
//
// Each label is in the shared blinking list for as long as it exists and answers its queries;
// it links itself to a frame controller it is given and unlinks before it goes. Setters store a
// value only when it differs.
class TKtLabel : public TKtFramedControl, public IKtBlinkingControl {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TKtLabel(QWidget* parent = nullptr);
    ~TKtLabel() override;

    // What every label of the desktop's toolkit has.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    // Qt::AlignLeft (the default), Qt::AlignRight or Qt::AlignHCenter; mirrored for
    // right-to-left layouts.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout value);
    // "&" underlines the next character while on; shown as it is while off.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    // The colour of the text; the font holds the rest.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value);

    // Degrees, kept in 0..359: the turn of roFlat text, the start of roCurve text.
    int Angle() const { return angle_; }
    void SetAngle(int value);
    TRotation Rotation() const { return rotation_; }
    void SetRotation(TRotation value);
    // The middle of the arc of roCurve text.
    TCenterPoint CenterPoint() const { return centerPoint_; }
    void SetCenterPoint(TCenterPoint value);
    TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TTextStyle value);
    // Raised and recessed text with only the highlight copy.
    bool LightTextStyle() const { return lightTextStyle_; }
    void SetLightTextStyle(bool value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int value);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int value);
    // Anything but ccNone turns AutoSize off: a label fitted to its text has nothing to cut.
    TKtCondenseCaption CondenseCaption() const { return condenseCaption_; }
    void SetCondenseCaption(TKtCondenseCaption value);

    bool Blinking() const { return blinking_; }
    void SetBlinking(bool value);
    TColor BlinkColor() const { return blinkColor_; }
    void SetBlinkColor(TColor value);
    // The shared blink phases' lengths in milliseconds: the same for every label.
    std::uint16_t BlinkIntervalOff() const;
    void SetBlinkIntervalOff(std::uint16_t value);
    std::uint16_t BlinkIntervalOn() const;
    void SetBlinkIntervalOn(std::uint16_t value);
    bool FlyByEnabled() const { return flyByEnabled_; }
    void SetFlyByEnabled(bool value);
    TColor FlyByColor() const { return flyByColor_; }
    void SetFlyByColor(TColor value);

    bool CMBlinkQuery() override { return blinking_; }
    void CMBlinkState(bool on) override;

signals:
    void OnClick();

protected:
    virtual void SetBlinkState(bool on);
    // Grows a measured text rectangle (left and top 0) by the frames, the shadow and the turn.
    virtual void ExtendTextRect(TRect& r) const;
    virtual TRect ShrinkToInterior(TRect r, bool withBorderWidth) const;
    virtual void AdjustBounds();
    virtual void Paint(TCanvas& canvas);
    virtual void Click() { emit OnClick(); }
    // The frame takes part in the fitted size.
    void FrameChanged() override;
    void FrameColorChanged() override { update(); }

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FontChanged();
    void UseOutlineFont();
    template <typename T> void StoreAndUpdate(T& field, T value);
    Qt::Alignment DrawnAlignment() const;
    unsigned TextFlags() const;
    unsigned CondenseFlag() const;
    void DrawLabelText(TCanvas& canvas);
    void DrawCurvedText(TCanvas& canvas);
    void ApplyLayout(TCanvas& canvas, TRect& r, unsigned flags) const;
    QPoint ReferencePoint() const;

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    TColor fontColor_ = clWindowText;

    int angle_ = 0;
    TRotation rotation_ = roNone;
    TCenterPoint centerPoint_ = cpCenter;
    TTextStyle textStyle_ = tsNormal;
    bool lightTextStyle_ = false;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int shadowDepth_ = 2;
    int textMargin_ = 0;
    TKtCondenseCaption condenseCaption_ = ccNone;
    bool blinking_ = false;
    TColor blinkColor_ = clHighlight;
    bool flyByEnabled_ = false;
    TColor flyByColor_ = clHighlight;

    // The font colour taken at each font change, and the colour the text is drawn in: that one
    // or, in a blink's on phase, BlinkColor.
    TColor normalTextColor_ = clWindowText;
    TColor currentTextColor_ = clWindowText;
    // The font colour the mouse's arrival replaced, while the fly-by colour is applied.
    TColor savedFontColor_ = clWindowText;
    bool flyByApplied_ = false;
};
