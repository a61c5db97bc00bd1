#pragma once

#include <QWidget>

class QProgressBar;

// The kit's progress indicator as the program uses it: a value in per cent, held directly or
// worked out from a count of finished parts out of a total. This stand-in shows it with the
// platform's own progress bar; the kit's drawing replaces that without changing the properties.
class TKtProgressBar : public QWidget {
    Q_OBJECT

public:
    explicit TKtProgressBar(QWidget* parent = nullptr);

    // Number of parts that make 100 %. Changing it starts the count again from 0 parts, 0 %.
    quint32 TotalParts() const { return totalParts_; }
    void SetTotalParts(quint32 value);

    // Finished parts, never above TotalParts; sets Percent unless TotalParts is 0.
    quint32 PartsComplete() const { return partsComplete_; }
    void SetPartsComplete(quint32 value);

    // The value shown; 100 or more shows a full bar.
    quint16 Percent() const { return percent_; }
    void SetPercent(quint16 value);

private:
    QProgressBar* bar_;
    quint32 totalParts_ = 0;
    quint32 partsComplete_ = 0;
    quint16 percent_ = 0;
};
