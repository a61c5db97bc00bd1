#pragma once

#include "app/pages/fIn.h"

#include <QList>
#include <QString>
#include <array>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QShowEvent;

// The page "Каналы связи": up to eight ways by which the panel reports events to the monitoring
// station, each a telephone number with a channel (GSM digital or voice, wired, GPRS, per SIM).
// Consecutive ways form directions: between way k and way k+1 a radio pair says whether way
// k+1 continues the direction of way k ("Или") or starts a new one ("И"); the numbers of one
// direction share a background colour. Used ways are kept packed to the top: a way not in use
// never stands before a used one when the page is shown, a channel is chosen or a write starts,
// which the ways transfer relies on (it sends the used ways as 1..m). The item index of every
// channel list is the channel index of the way descriptor (device/WayDescriptor.h).
class TformWays : public TformIncl {
    Q_OBJECT
public:
    explicit TformWays(QWidget* owner = nullptr);

    static constexpr int WayCount = 8;
    static constexpr int NotUsed = 0; // channel index of a way not in use

    // Also: every way not in use and every pair "Или".
    void Clear() override;
    // Also packs the used ways to the top.
    void ResetMarks() override;

    // The short name of the channel chosen for way wayIndex (1 to 8), as the history shows it;
    // empty when the way's list has no item chosen.
    QString WayChannelName(int wayIndex) const;

    // Moves the used ways up over the ways not in use, keeping their order, their numbers and
    // the pair after each.
    void PackWays();

    // The controls that LAN-only use of the panel locks: the phone edits, the channel lists, the
    // group "Телефоны ПЦН" and the direction change mode.
    QList<QWidget*> WaysSet() const;

    // The controls by their numbers: etP(1) is "etP1"; rb(2k - 1) is the "И" and rb(2k) the
    // "Или" between way k and way k+1.
    QLineEdit* etP(int way) const { return phones_.at(size_t(way - 1)); }
    QComboBox* cb(int way) const { return channels_.at(size_t(way - 1)); }
    QRadioButton* rb(int number) const { return pairs_.at(size_t(number - 1)); }

    QScrollArea* ScrollBox1;
    QGroupBox* GroupBox1; // "Телефоны ПЦН"
    QGroupBox* GroupBox2; // the numbers with the radio pairs between them
    QGroupBox* GroupBox3; // "Тип передачи данных"
    QGroupBox* GroupBox7; // "Тип перехода по направлениям"
    QRadioButton* rdo2;   // go on to the next direction when the current one cannot deliver
    QRadioButton* rdo1;   // stay in the current direction until every event is delivered

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddExplanations(int top);
    void ChooseKeyFilter(int way);
    // After a channel is chosen and when the page is shown: pack the ways and empty a wired
    // way's number that holds "+", which a wired line cannot dial.
    void ChannelCheck();
    // Colours the numbers by direction.
    void rb1Click();
    bool Used(int way) const;
    bool Wired(int way) const;

    std::array<QLineEdit*, WayCount> phones_{};
    std::array<QComboBox*, WayCount> channels_{};
    std::array<QRadioButton*, 2 * (WayCount - 1)> pairs_{};
};
