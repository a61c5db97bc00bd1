#pragma once

#include "app/pages/DesignedControls.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class TKtDialogButtons;
class TKtLabel;
class TMemIniFile;

// The dialog asked before every connection: the serial port, and the panel's telephone number
// for a connection through a GSM modem (an empty number means a direct cable). It remembers in
// section "FormConnect" of the settings file the chosen port (its index in the sorted list), up
// to five telephone numbers and the number used last.
//
// The connection code creates one dialog per connect and uses it in this order:
//
//   TFormConnect dialog(mainWindow);
//   dialog.FillPorts();                  // the machine's serial ports (EDeviceError code 12)
//   {   TMemIniFile ini(AppFolder() + "current.ini");
//       dialog.LoadSettings(ini); }      // LoadConnectSettings: nothing is written
//   const bool ok = reconnectAfterUpdate || dialog.Execute();
//   dialog.RememberDialPhone();          // after OK and after Cancel alike
//   {   TMemIniFile ini(AppFolder() + "current.ini");
//       dialog.SaveSettings(ini);        // SaveConnectSettings: other sections are kept
//       ini.UpdateFile(); }
//   if (ok) ... dialog.PortName(), dialog.Phone() ...
//
// Tests (and anything that already knows the ports) fill the port list with SetPorts.
class TFormConnect : public QDialog {
    Q_OBJECT
public:
    explicit TFormConnect(QWidget* owner = nullptr);

    // Replaces the port list with the machine's serial ports, read under `sysfsRoot`.
    // Raises EDeviceError code 12 when the system's port list cannot be read.
    void FillPorts(const QString& sysfsRoot = QStringLiteral("/sys"));
    // Replaces the port list with `ports` (device paths), shown in sorted order.
    void SetPorts(const QStringList& ports);

    // Restores the chosen port from its stored index (fill the ports first), then the
    // remembered numbers (trimmed, empty ones dropped, shown sorted) and the number field's
    // text ("CurDialPhone"; without that key the field keeps the text it had).
    void LoadSettings(const TMemIniFile& ini);
    // Writes the section: the port and number indexes, then "DialPhonesNum", "CurDialPhone"
    // and "DialPhone1".."DialPhoneN" in list order. Keys already in the file keep their place.
    void SaveSettings(TMemIniFile& ini);

    // Shows the dialog modally (through the dialog service); true when it closed with OK.
    bool Execute();

    // Puts the number field's text (exactly as typed) at the top of the remembered numbers
    // unless it is empty or already one of them; the oldest entry beyond five is dropped.
    // Called once the dialog has closed, whichever button closed it.
    void RememberDialPhone();

    // The chosen port's device path; empty when the stored index chose no port.
    QString PortName() const;
    // The number to dial, without surrounding blanks; empty for a direct cable connection.
    QString Phone() const;

    const TDesignedControls& Controls() const { return controls_; }

    static constexpr int MaxDialPhones = 5;

    TKtLabel* KtLabel1;
    QLabel* Image1;
    QLabel* Label1;
    QComboBox* ComPorts;
    QLabel* Label2;
    QComboBox* cbPhones;
    TKtDialogButtons* KtDialogButtons1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadDialPhones(const TMemIniFile& ini);
    void SetNumberField(const QString& text);

    TDesignedControls controls_{this};
};
