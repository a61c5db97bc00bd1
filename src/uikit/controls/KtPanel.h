#pragma once

#include "uikit/controls/KtControlFrame.h"
#include "uikit/draw/KtCanvas.h"
#include "uikit/draw/KtGrid.h"
#include "uikit/draw/KtTypes.h"
#include "uikit/services/KtAlign.h"
#include "uikit/services/KtFrameController.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class TKtPanelDockManager;

// The kit's container: a frame (outer and inner style on chosen sides, with a band of
// BorderWidth between them), a client area filled with a colour or a gradient, an optional grid
// and a caption. Children aligned with SetAlign sit inside the frames. Every kit container
// derives from it and paints through Paint, which descendants extend.
//
// Disabling the panel leaves each child's own enabled flag alone: the children are disabled
// with it by Qt's propagation and come back as the program last set them, so a child the
// program disabled meanwhile stays disabled.
//
// Setters store a value only when it differs and then repaint later; the frame settings also
// lay the aligned children out again. A frame controller is held, not owned, and forgotten when
// it goes.
class TKtCustomPanel : public QWidget, public IFrameControllerClient {
    Q_OBJECT
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(uint FrameControllerNotifications READ FrameControllerNotifications WRITE
                   SetFrameControllerNotifications)

public:
    explicit TKtCustomPanel(QWidget* parent = nullptr);
    ~TKtCustomPanel() override;

    // The panel's own caption; "&" marks an accelerator.
    QString Caption() const { return caption_; }
    virtual void SetCaption(const QString& value);
    // Horizontal placement of the caption: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment value);
    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    void SetAlignmentVertical(TAlignmentVertical value);
    // Width of the status and popup frames' bevels (1 and up).
    int BevelWidth() const { return frame_.BevelWidth; }
    void SetBevelWidth(int value);
    // The band between the outer and the inner frame. The four settings that change the client
    // area are virtual, so that a container laying out its own parts follows them.
    int BorderWidth() const { return frame_.BorderWidth; }
    virtual void SetBorderWidth(int value);
    // Kept for the containers that paint less without it; a resize always repaints the whole
    // panel, since a centred caption moves with the size.
    bool FullRepaint() const { return fullRepaint_; }
    void SetFullRepaint(bool value);

    // The fill colour; with ParentColor the parent's colour instead.
    TColor Color() const;
    void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    TFrameStyleEx BorderInner() const { return frame_.BorderInner; }
    virtual void SetBorderInner(TFrameStyleEx value);
    TFrameStyleEx BorderOuter() const { return frame_.BorderOuter; }
    virtual void SetBorderOuter(TFrameStyleEx value);
    TSides BorderSides() const { return frame_.BorderSides; }
    virtual void SetBorderSides(TSides value);
    TColor BorderColor() const { return frame_.BorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderHighlight() const { return frame_.BorderHighlight; }
    void SetBorderHighlight(TColor value);
    TColor BorderShadow() const { return frame_.BorderShadow; }
    void SetBorderShadow(TColor value);
    TColor FlatColor() const { return frame_.FlatColor; }
    void SetFlatColor(TColor value);
    int FlatColorAdjustment() const { return frame_.FlatColorAdjustment; }
    void SetFlatColorAdjustment(int value);
    bool PaintClientArea() const { return paintClientArea_; }
    void SetPaintClientArea(bool value);
    // vsClassic and vsWinXP fill the client area with Color, vsGradient with the gradient.
    TKtVisualStyle VisualStyle() const { return visualStyle_; }
    void SetVisualStyle(TKtVisualStyle value);
    TKtGradientColorStyle GradientColorStyle() const { return gradientColorStyle_; }
    void SetGradientColorStyle(TKtGradientColorStyle value);
    TColor GradientColorStart() const { return gradientColorStart_; }
    void SetGradientColorStart(TColor value);
    TColor GradientColorStop() const { return gradientColorStop_; }
    void SetGradientColorStop(TColor value);
    TGradientDirection GradientDirection() const { return gradientDirection_; }
    void SetGradientDirection(TGradientDirection value);
    TColor GridColor() const { return gridColor_; }
    void SetGridColor(TColor value);
    TKtGridStyle GridStyle() const { return gridStyle_; }
    void SetGridStyle(TKtGridStyle value);
    int GridXSize() const { return gridXSize_; }
    void SetGridXSize(int value);
    int GridYSize() const { return gridYSize_; }
    void SetGridYSize(int value);
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool value);
    // The parent's picture shows through the client area and round the frame.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    int TextMargin() const { return textMargin_; }
    void SetTextMargin(int value);
    int TextMarginVertical() const { return textMarginVertical_; }
    void SetTextMarginVertical(int value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);

    // A dock site that uses a dock manager gets the kit's; see TKtPanelDockManager.
    bool DockSite() const { return dockSite_; }
    void SetDockSite(bool value);
    bool UseDockManager() const { return useDockManager_; }
    void SetUseDockManager(bool value);
    // Whether docked clients get caption bars; kept for the containers that publish it.
    bool ShowDockClientCaptions() const { return showDockClientCaptions_; }
    void SetShowDockClientCaptions(bool value);
    TKtPanelDockManager* DockManager() const { return dockManager_.get(); }

    TKtFrameController* FrameController() const { return frameController_; }
    void SetFrameController(TKtFrameController* value);
    uint FrameControllerNotifications() const { return frameControllerNotifications_; }
    void SetFrameControllerNotifications(uint value) { frameControllerNotifications_ = value & 0xFFFF; }
    void ApplyFrameController() override;

    // Takes the frames (and, with shrinkByBorder, BorderWidth) off a rectangle.
    virtual TRect AdjustRectForFrame(TRect r, bool shrinkByBorder) const;
    // The area aligned children share.
    TRect ClientArea() const;
    // Moves and sizes the panel; one aligned to the bottom keeps its bottom edge when its height
    // changes, one aligned to the right its right edge when its width changes.
    void SetBounds(int left, int top, int width, int height);
    // The mouse position in the panel's coordinates.
    QPoint GetClientCursorPos() const;

signals:
    // At the end of every paint.
    void OnPaint();
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    virtual TRect GetPaintRect() const;
    virtual void GetGradientColors(TColor& start, TColor& stop) const;
    virtual void GetFlatFrameColors(TColor& color, int& adjustment) const;
    virtual void DrawCaption(TCanvas& canvas, TRect r);
    virtual void DrawGrid(TCanvas& canvas, const TRect& r);
    virtual void AdjustClientRect(TRect& r) const;
    // Places the aligned children inside the client area.
    virtual void AlignControls();
    virtual void Paint(TCanvas& canvas);

    // The text layout flag of Alignment.
    unsigned AlignmentTextFlag() const;
    // The canvas colour of the panel's text.
    TColor FontColor() const;
    // Repaint and re-align after a change of the frames.
    void FrameChanged();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Store a differing value and repaint later; true when it differed.
    template <typename T> bool Store(T& field, const T& value);
    // Store a differing frame setting, then FrameChanged.
    template <typename T> void StoreFrame(T& field, const T& value);
    void UpdateDockManager();

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignHCenter;
    TAlignmentVertical alignmentVertical_ = avCenter;
    bool fullRepaint_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TKtControlFrame frame_{.BorderOuter = fsRaised};
    bool paintClientArea_ = true;
    TKtVisualStyle visualStyle_ = vsWinXP;
    TKtGradientColorStyle gradientColorStyle_ = gcsSystem;
    TColor gradientColorStart_ = clWhite;
    TColor gradientColorStop_ = clBtnFace;
    TGradientDirection gradientDirection_ = gdHorizontalEnd;
    TColor gridColor_ = clBtnShadow;
    TKtGridStyle gridStyle_ = gsDots;
    int gridXSize_ = 8;
    int gridYSize_ = 8;
    bool showGrid_ = false;
    bool transparent_ = false;
    int textMargin_ = 0;
    int textMarginVertical_ = 0;
    bool wordWrap_ = true;
    bool dockSite_ = false;
    bool useDockManager_ = true;
    bool showDockClientCaptions_ = true;
    std::unique_ptr<TKtPanelDockManager> dockManager_;
    QPointer<TKtFrameController> frameController_;
    uint frameControllerNotifications_ = AllFrameControllerNotifications;
};

// The panel as windows place it.
class TKtPanel : public TKtCustomPanel {
    Q_OBJECT

public:
    explicit TKtPanel(QWidget* parent = nullptr) : TKtCustomPanel(parent) {}
};
