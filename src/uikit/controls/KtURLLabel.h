#pragma once

#include "uikit/controls/KtLabel.h"

// A link: a label underlined in the link colour with a hand cursor that, when clicked, opens its
// URL (or, without one, its caption) with the desktop's default handler and from then on shows
// the visited colour.
class TKtURLLabel : public TKtLabel {
    Q_OBJECT

public:
    explicit TKtURLLabel(QWidget* parent = nullptr);

    QString URL() const { return url_; }
    void SetURL(const QString& value) { url_ = value; }
    bool Visited() const { return visited_; }
    void SetVisited(bool value);
    TColor UnvisitedColor() const { return unvisitedColor_; }
    void SetUnvisitedColor(TColor value);
    TColor VisitedColor() const { return visitedColor_; }
    void SetVisitedColor(TColor value);

protected:
    virtual void UpdateLinkColor();
    void Click() override;

private:
    QString url_;
    bool visited_ = false;
    TColor unvisitedColor_ = clHighlight;
    TColor visitedColor_ = clPurple;
};
