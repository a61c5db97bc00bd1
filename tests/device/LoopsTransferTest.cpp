#include "DeviceControllerFixture.h"

#include "app/SpinEdit.h"
#include "app/fLoops.h"
#include "device/MsgFile.h"
#include "link/PrintQt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace {

QString EntryError(const char* kind, int entry) {
    return QStringLiteral("Ошибка при ") + QString::fromUtf8(kind) +
           QStringLiteral(" параметра \"Строка Ademco ContactID шлейфа ") + QString::number(entry) + u'"';
}

} // namespace

// The loops transfer between the loops page (with the shipped message table's events) and the
// fake panel.
class LoopsTransfer : public ControllerFixture {
protected:
    void SetUp() override {
        MsgFile = std::make_unique<TMsgFile>();
        MsgFile->LoadFromFile(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"));
        page = std::make_unique<TFormLoops>();
        ControllerFixture::SetUp();
    }
    void TearDown() override {
        ControllerFixture::TearDown();
        page.reset();
        MsgFile.reset();
    }

    QList<QByteArray> Transfer(bool write) {
        controller->ClearErrors();
        const qsizetype from = panel.Frames().size();
        write ? controller->WritePage(*page) : controller->ReadPage(*page);
        return panel.Frames().mid(from);
    }
    QStringList Errors() const { return controller->GetErrors(); }
    // The four use flags in bit order: closed 1, opened 1, opened 2, closed 2.
    QString Use() const {
        QString flags;
        for (const QCheckBox* box :
             {page->cbResponce1, page->cbRecovery1, page->cbRecovery2, page->cbResponce2})
            flags += box->isChecked() ? u'1' : u'0';
        return flags;
    }

    std::unique_ptr<TFormLoops> page;
};

TEST_F(LoopsTransfer, ReadShowsStatesUseAndEntriesAndWritesThemBack) {
    panel.SetValue("p", "2");
    panel.SetValue("u", "9");
    panel.SetValue("i0", "113001005");
    panel.SetValue("i1", "31301");     // too short for a zone
    panel.SetValue("i2", "199902007"); // an event the table does not know
    panel.SetValue("i3", "160112345");
    EXPECT_EQ(Transfer(false), (QList<QByteArray>{"p", "u", "i0", "i1", "i2", "i3"}));
    EXPECT_EQ(page->pStLoop1->text() + u' ' + page->pStLoop2->text(), QStringLiteral("Замкнут Разомкнут"));
    EXPECT_EQ(Use(), QStringLiteral("1001"));
    EXPECT_EQ(page->cbRes1->currentText(), QStringLiteral("1301: Проникновение"));
    EXPECT_EQ(page->etPartRes1->Text() + u' ' + page->etLoopRes1->Text(), QStringLiteral("1 5"));
    EXPECT_EQ(page->cbRes2->currentIndex(), -1);
    EXPECT_TRUE(page->cbRec2->currentText().startsWith(QStringLiteral("6011: ")));
    EXPECT_EQ(page->etPartRec2->Text() + u' ' + page->etLoopRec2->Text(), QStringLiteral("12 345"));
    EXPECT_EQ(Errors(), QStringList{EntryError("чтении", 1)});

    panel.SetValue("u", "4");
    Transfer(false);
    EXPECT_EQ(Use(), QStringLiteral("0010"));

    // Written back: the same use and strings (entry 1 as far as its read came); an entry without
    // a chosen event is an error and is not sent.
    EXPECT_EQ(Transfer(true), (QList<QByteArray>{"u=4", "i0=113001005", "i1=313001000", "i3=160112345"}));
    EXPECT_EQ(Errors(), QStringList{EntryError("записи", 2)});
    page->cbResponce1->setChecked(true);
    page->cbRecovery2->setChecked(false);
    page->cbResponce2->setChecked(true);
    EXPECT_EQ(Transfer(true).value(0), "u=9");
}
