#include "uikit/KtPanelDockManager.h"

#include "uikit/KtPanel.h"
#include "uikit/KtText.h"

#include <QEvent>
#include <QFontMetrics>

namespace {

QFont PointFont(const char* family) {
    QFont font(QString::fromLatin1(family));
    font.setPointSize(8);
    return font;
}

// The desktop's glyph font draws its close cross for "r"; no font here has that glyph, so the cross
// is a multiplication sign (the glyph font falls back to an ordinary face).
const QString kCloseGlyph = QStringLiteral("\u00D7");

} // namespace

TKtPanelDockManager::TKtPanelDockManager(TKtCustomPanel* panel)
    : panel_(panel), captionFont_(PointFont("Verdana")), glyphFont_(PointFont("Marlett")) {
    panel_->installEventFilter(this);
}

TKtPanelDockManager::~TKtPanelDockManager() {
    panel_->removeEventFilter(this);
}

bool TKtPanelDockManager::GrabberOnLeft() const {
    const TAlign align = AlignOf(panel_);
    return align == alTop || align == alBottom;
}

TRect TKtPanelDockManager::AdjustDockRect(const TRect& r) const {
    TRect client = r;
    if (GrabberOnLeft())
        client.Left += GrabberSize;
    else
        client.Top += GrabberSize;
    return client;
}

void TKtPanelDockManager::PaintDockFrame(TCanvas& canvas, const QWidget* client, const TRect& r) const {
    if (!panel_->ShowDockClientCaptions()) return;
    const bool active = client->hasFocus() || client->isAncestorOf(client->focusWidget());
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = active ? clActiveCaption : clInactiveCaption;
    canvas.Font = captionFont_;
    canvas.TextAlign = taLeft;
    const QString caption = client->windowTitle();
    const int ascent = QFontMetrics(captionFont_).ascent();
    TRect glyph;
    if (!GrabberOnLeft()) {
        const TRect bar{r.Left, r.Top, r.Right, r.Top + GrabberSize};
        canvas.FontColor = active ? clCaptionText : clInactiveCaptionText;
        canvas.TextRect(bar, bar.Left + 2, bar.Top, caption);
        glyph = {r.Right - GrabberSize - 1, r.Top + 1, r.Right - 2, r.Top + 12};
    } else {
        const TRect bar{r.Left, r.Top, r.Left + GrabberSize, r.Bottom};
        const TRotatedFont rotated = CreateRotatedFont(captionFont_, 90);
        canvas.Font = rotated.Font;
        canvas.FontEscapement = rotated.Escapement;
        canvas.FontColor = clCaptionText;
        // The base line runs upwards through (Right - 2, Bottom - 3) of the bar.
        canvas.TextRect(bar, bar.Right - 2 - ascent, bar.Bottom - 3, caption);
        canvas.FontEscapement = 0;
        glyph = {r.Left + 1, r.Top + 1, r.Left + 12, r.Top + 12};
    }
    canvas.Font = glyphFont_;
    canvas.Brush.Style = bsClear;
    canvas.DrawText(glyph, kCloseGlyph, dtSingleLine | dtCenter | dtVCenter);
    canvas.Brush.Style = bsSolid;
}

bool TKtPanelDockManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn))
        panel_->update();
    return QObject::eventFilter(watched, event);
}
