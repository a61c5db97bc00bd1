#pragma once

#include <QWidget>

class QPushButton;

// The kit's button bar along the bottom of a dialog: OK, Cancel and (hidden) Help, laid out
// right-aligned in one row with 8-pixel gaps. Pressing a button whose modal result is not 0
// ends the dialog the bar sits in with that result. OK is the dialog's default button (Enter);
// Esc closes the dialog as Cancel does. This stand-in uses the platform's push buttons; the
// kit's own buttons replace them without changing these properties.
class TKtDialogButtons : public QWidget {
    Q_OBJECT

public:
    explicit TKtDialogButtons(QWidget* parent = nullptr);

    QString CaptionOk() const;
    void SetCaptionOk(const QString& value);
    QString CaptionCancel() const;
    void SetCaptionCancel(const QString& value);
    QString CaptionHelp() const;
    void SetCaptionHelp(const QString& value);

    // The dialog's result when the button is pressed (TModalResult; 0 leaves the dialog open).
    int ModalResultOk() const { return resultOk_; }
    void SetModalResultOk(int value) { resultOk_ = value; }
    int ModalResultCancel() const { return resultCancel_; }
    void SetModalResultCancel(int value) { resultCancel_ = value; }
    int ModalResultHelp() const { return resultHelp_; }
    void SetModalResultHelp(int value) { resultHelp_ = value; }

    // Whether the buttons light up under the mouse. The platform's buttons always do; the flag
    // is kept for the kit's buttons, which draw it themselves.
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool value) { hotTrack_ = value; }

    static constexpr int ButtonHeight = 25;
    static constexpr int DefaultButtonWidth = 75;
    static constexpr int BarHeight = ButtonHeight + 11;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* AddButton(const QString& caption, int TKtDialogButtons::*result);
    void ArrangeButtons();

    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* help_ = nullptr;
    int resultOk_ = 1;
    int resultCancel_ = 2;
    int resultHelp_ = 0;
    bool hotTrack_ = false;
};
