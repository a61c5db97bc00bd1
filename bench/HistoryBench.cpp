// The two exports of a long history, from records already downloaded: the connection's records
// as a spreadsheet file, and "История.txt". Each must take well under a second for 10 000
// records.
#include "app/controls/StringGrid.h"
#include "app/history/HistoryTextFile.h"
#include "app/history/XlsExport.h"
#include "app/pages/fHistory.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRecords = 10000;

// Mostly alarms and restores over LAN and two ways, with some unwritten slots and bad records.
QString Record(int index) {
    const QString stamp = QString::number(index).rightJustified(8, u'0');
    switch (index % 10) {
    case 7:
        return QStringLiteral("FFFFFFFF FFFFFFFF FFFF FFFFFFFFFFFFFFFF");
    case 8:
        return stamp + QStringLiteral(" 08:30:15 7BFD 12341811310010a9");
    case 9:
        return stamp + QStringLiteral(" 08:30:15 F8FE 1234183131021A0B");
    default:
        return stamp + QStringLiteral(" 08:30:15 7BFC 1234181131001009");
    }
}

double Ms(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const TWayChannelNames names = [](int way) {
        return way == 1 ? QStringLiteral("GSM-SIM1 цифр.") : QStringLiteral("пров.");
    };

    TFormHistory page;
    page.WayNames = names;
    for (int i = kRecords - 1; i >= 0; --i) {
        page.HistoryIndexes << QString::number(i);
        page.HistoryRecords << Record(i);
    }

    const QString xls = folder.filePath(QStringLiteral("история.xls"));
    const double xlsMs = Ms([&] {
        page.FillConnectionGrid();
        ExportGridToXls(*page.StringGrid2, xls);
    });
    std::printf("%d cached records to .xls: %.1f ms (%lld bytes)\n", kRecords, xlsMs,
                static_cast<long long>(QFileInfo(xls).size()));

    const QString text = folder.filePath(QStringLiteral("История.txt"));
    const double textMs = Ms([&] {
        THistoryTextFile file(text, names);
        bool written = file.Open();
        for (int i = 0; written && i < kRecords; ++i)
            written = file.Add(kRecords - 1 - i, page.HistoryRecords.at(i));
        if (!written) std::printf("%s\n", qPrintable(file.Failure()));
    });
    std::printf("%d cached records to История.txt: %.1f ms (%lld bytes)\n", kRecords, textMs,
                static_cast<long long>(QFileInfo(text).size()));
    return xlsMs < 1000 && textMs < 1000 ? 0 : 1;
}
