#include "firmware/ServiceUpload.h"

#include "app/controllers/FormAppMainController.h"
#include "app/routines/DelayWithProgress.h"
#include "app/windows/TVLog.h"
#include "app/windows/fMain.h"
#include "base/Convert.h"
#include "device/DeviceController.h"
#include "firmware/UploadPackets.h"
#include "firmware/fUpdateInsertion.h"
#include "platform/Clock.h"
#include "platform/Delay.h"
#include "platform/DialogService.h"
#include "uikit/controls/KtProgressBar.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

const QString kErased = QStringLiteral("FF");

// The data digits of one grid row. A row the file did not fill completely, and a row past the
// last one read, is padded with the erased flash's "FF", so that every row keeps its 16 bytes
// and the rows after it stay at their addresses.
QString RowData(const TformUpdateInsertion& viewer, int row) {
    QString data;
    for (int column = 1; column <= 16; ++column) {
        const QString cell = row <= viewer.RowsRead() ? viewer.Cell(column, row) : QString();
        data += cell.isEmpty() ? kErased : cell;
    }
    return data;
}

class TServiceUpload {
public:
    TServiceUpload(TDeviceController& device, TKtProgressBar& bar, TLogWriter* log,
                   const TformUpdateInsertion& viewer)
        : device_(device), bar_(bar), log_(log), viewer_(viewer) {}

    void Run() {
        bar_.SetTotalParts(quint32(UploadTotalParts(viewer_.RowsRead() + 1)));
        if (!Stage(RowsNotWrittenText(), [this] { return SendRows(); })) return;
        if (!Stage(FlashNotErasedText(), [this] { return Erase(); })) return;
        DelayWithProgress(quint32(Clock::Scaled(kFlashRewriteMs)), bar_, kFlashStepMs);
        bar_.SetPartsComplete(bar_.TotalParts());
    }

private:
    // One stage of the upload; its failure line goes to the log whether the stage was refused
    // or cut off by an exception (the link gone), which then goes on to the caller.
    template <class Work> bool Stage(const QString& failure, Work work) {
        bool done = false;
        try {
            done = work();
        } catch (...) {
            Error(failure);
            throw;
        }
        if (!done) Error(failure);
        return done;
    }

    bool SendRows() {
        QString bootAnswer;
        // A boot loader that did not come up shows at the first packet.
        device_.RequestBoot(QStringLiteral("BL"), bootAnswer, true);
        Step();
        for (int row = 1; row <= viewer_.RowsRead(); row += 4) {
            QStringList rows;
            for (int r = row; r < row + 4; ++r)
                rows.append(RowData(viewer_, r));
            const QString packet = packets_.Build(StrToInt(u'$' + viewer_.Cell(0, row)), rows);
            bool accepted = false;
            for (int attempt = 1; attempt <= 3 && !accepted; ++attempt) {
                QString answer;
                accepted = device_.RequestWrite(packet, answer, true) && EchoAccepted(packet, answer);
                Delay(kPacketPauseMs);
            }
            if (!accepted) return false;
            Step();
        }
        return true;
    }

    bool Erase() {
        bool erased = false;
        QString answer;
        for (int attempt = 1; attempt <= 3 && !erased; ++attempt)
            erased = device_.RequestErase(packets_.EraseCommand(), answer, true);
        return erased;
    }

    void Step() { bar_.SetPartsComplete(bar_.PartsComplete() + 1); }
    void Error(const QString& text) {
        if (log_) log_->WriteError(text);
    }

    TDeviceController& device_;
    TKtProgressBar& bar_;
    TLogWriter* const log_;
    const TformUpdateInsertion& viewer_;
    TUploadPackets packets_;
};

} // namespace

void ServiceUpload(TFormAppMainController& controller, TFormMain& main) {
    if (!formUpdateInsertion || DialogService::Instance().ExecModal(*formUpdateInsertion) != mrOk) return;
    formUpdateInsertion->ReadNamedFile();
    main.KtProgressBar1->SetTotalParts(0);
    TDeviceController* device = controller.GetDeviceController();
    if (!device || formUpdateInsertion->etPath->text().isEmpty() || controller.Busy()) return;
    // Rows of "FF" padding alone would have the panel rewrite its flash with nothing: the
    // rows read must hold a byte of the file, and "EE" follows only once every packet,
    // those that carry it included, has been taken.
    if (!formUpdateInsertion->HoldsData()) {
        ShowError(QStringLiteral("В файле прошивки не прочитано ни одного байта данных. Прошивка не "
                                 "загружена в панель."));
        return;
    }
    if (!formUpdateInsertion->ImageComplete() &&
        MessageDlg(QStringLiteral("Файл прошивки прочитан не полностью: прочитано строк по 16 байт — %1. "
                                  "Загрузить в панель только прочитанные строки?")
                       .arg(formUpdateInsertion->RowsRead()),
                   TMsgDlgType::mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    main.PausePollTimer();
    controller.LockUI();
    const auto unlock = qScopeGuard([&] {
        controller.UnlockUI();
        main.ResumePollTimer();
    });
    QCoreApplication::processEvents();
    TServiceUpload(*device, *main.KtProgressBar1, controller.LogPane(), *formUpdateInsertion).Run();
}
