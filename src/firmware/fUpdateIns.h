#pragma once

#include "app/windows/fAppMain.h"
#include "base/Color.h"
#include "firmware/FirmwareImage.h"
#include "firmware/UpdateThread.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TKtPanel;
class TKtProgressBar;
class TLogWriter;

// The update window: offers the firmware image the program carries when it is newer than the
// connected panel's firmware, runs the automatic upload thread with its progress, times and
// result, and after an update (done or failed) reconnects to the panel. While it is shown the
// main window is locked and disabled. Created once at start-up; lives until the end.
//
// UpdateState: 0 idle, 1 running, 2 failed (also while the upload runs, until it succeeds),
// 3 done. The controller's connect reads it (3: reconnect without asking for the port).
class TformUpdateIns : public QDialog {
    Q_OBJECT
public:
    explicit TformUpdateIns(QWidget* owner = nullptr);
    // A running upload is asked to stop and waited for: it uses the window to the end.
    ~TformUpdateIns() override;

    // The firmware text as the program carries it (Windows-1251): line 0 the version title
    // ("VER 01.004.014"), then the Intel HEX records. The records are read as the viewer reads a
    // file; only an image that reads whole, holds data and has its bytes without a gap from
    // address 0 is usable. The title's version of a usable image goes into FileMajor and
    // FileMinor (-1 where it does not parse, and for an unusable image); with both known the
    // main window's caption shows the title.
    void LoadFirmwareText(const QByteArray& bytes);
    // The program carries a usable image: only then is the update offered.
    bool HasImage() const { return !image_.Rows.isEmpty(); }
    // Writes to the log why the image the program carries is unusable; once, and nothing when
    // the image is usable or there is none.
    void ReportImageFault(TLogWriter* log);
    TFirmwareVersion ImageVersion() const { return {FileMajor, FileMinor}; }

    void FormShow();
    void btnUpdateVerClick();
    // By state: idle closes; running asks the upload to stop and, once it has, goes on as
    // failed; failed and done close, disconnect and reconnect.
    void btnExitClick();
    // Esc (and the close box) do what the exit button does, and nothing while it is disabled.
    void reject() override;
    // An upload runs (its thread has not ended yet).
    bool UploadRunning() const { return thread_ != nullptr; }

    // What the upload thread changes, each through a call queued to this window (the point of no
    // return through one the thread waits for).
    void FromUploadThread(const std::function<void(TformUpdateIns&)>& change);
    void StopLinkCheck();
    void MarkFailed();
    void SetTotalParts(int total);
    void StepBar();
    void CompleteBar();
    void ShowElapsed(const QString& text);
    void ShowRemaining(const QString& text);
    void ShowStatus(const QString& text, TColor color);
    // The point of no return: the exit button disabled (so the close box and Esc are refused as
    // well) before the flash rewrite is asked for. False when the window has already asked the
    // upload to stop.
    bool LockExitForFlash();
    void ShowSuccess();
    void ShowFailure();

    QLabel* Label2;
    QLabel* lbOldName;
    QLabel* Label1;
    QLabel* lbNewName;
    QLabel* lbError;
    QLabel* lbTimeAfterHead;
    QLabel* lbTimeAfter;
    QLabel* lbTimeLostHead;
    QLabel* lbTimeLost;
    TKtProgressBar* KtProgressBar1;
    QPlainTextEdit* memRes;
    TKtPanel* KtPanel1;
    QPushButton* btnUpdateVer;
    QPushButton* btnExit;

    int FileMajor = -1;
    int FileMinor = -1;
    int UpdateState = 0;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void UploadEnded();
    void Leave(int state);
    // The window closed and the main window given back to the user.
    void CloseWindow();
    void SetTimesVisible(bool visible);

    TFirmwareImage image_;
    bool imageFaultReported_ = false;
    QPointer<TUpdateThread> thread_;
    // The window has asked the upload to stop: what the thread still sends is dropped.
    bool stopAsked_ = false;
    // The exit button was pressed during the upload: it goes on once the thread has ended.
    bool exitWhenEnded_ = false;
    // The link went away under the upload: answered once the thread has ended.
    bool linkLost_ = false;
    bool lostPort_ = false; // the port itself, not only the call
    QString lostStageLine_;
    QString lostReason_;
};

extern TformUpdateIns* formUpdateIns;
