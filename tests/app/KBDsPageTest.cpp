#include "app/pages/Unit2.h"
#include "app/pages/fKBDs.h"
#include "base/Color.h"
#include "device/MsgFile.h"
#include "link/PrintQt.h"
#include "platform/IniFile.h"
#include "support/ScriptedDialogs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

// The objects page with its dialog over a stand-in main window.
class KBDsPage : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs = &ScriptedDialogs::Reset();
        MsgFile = std::make_unique<TMsgFile>();
        MsgFile->LoadFromFile(QStringLiteral(ZV9_RESOURCES_DIR "/Messages.txt"));
        Form2 = new TForm2(&main);
        page = std::make_unique<TFormKBDs>(&main);
        page->resize(700, 640);
        main.show();
    }
    void TearDown() override {
        page.reset();
        delete Form2;
        Form2 = nullptr;
        MsgFile.reset();
    }

    QString Numbers(int count) const {
        QStringList numbers;
        for (int row = 1; row <= count; ++row)
            numbers << page->Number(row);
        return numbers.join(u' ');
    }
    void Press(int row, int col) {
        QTableWidgetItem* item = page->SG->item(row, col);
        page->SG->scrollToItem(item);
        QTest::mousePress(page->SG->viewport(), Qt::LeftButton, {}, page->SG->visualItemRect(item).center());
    }
    // Opens the dialog for an addition, types the number and presses "Добавить".
    void Add(const QString& typed) {
        page->Button1->click();
        ASSERT_TRUE(Form2->isVisible());
        Form2->Edit1->clear();
        QTest::keyClicks(Form2->Edit1, typed);
        Form2->Button1->click();
    }

    ScriptedDialogs* dialogs = nullptr;
    QWidget main;
    std::unique_ptr<TFormKBDs> page;
};

TEST_F(KBDsPage, AddChangeDeleteThroughTheDialog) {
    page->Button1->click();
    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Добавление объекта с №1"));
    EXPECT_EQ(Form2->Edit1->text(), QStringLiteral("0001"));
    EXPECT_TRUE(Form2->Button2->isHidden());
    EXPECT_FALSE(main.isEnabled()) << "only the dialog takes input";
    Form2->Edit1->clear();
    QTest::keyClicks(Form2->Edit1, QStringLiteral("1ag"));
    EXPECT_EQ(Form2->Edit1->text(), QStringLiteral("1A"));
    Form2->Button1->click();
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_TRUE(main.isEnabled());
    Add(QString());
    Add(QStringLiteral("3"));
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("3"));
    EXPECT_EQ(Numbers(3), QStringLiteral("001A 0000 0003"));

    // A number another row uses is refused and the dialog stays; its own number is accepted.
    Add(QStringLiteral("1a"));
    EXPECT_EQ(dialogs->messages.size(), 1);
    EXPECT_EQ(dialogs->messages.value(0).text, QStringLiteral("Объект с таким № сети уже используется!"));
    EXPECT_EQ(Form2->Edit1->text(), QStringLiteral("0000"));
    EXPECT_TRUE(Form2->isVisible());
    Form2->close();
    EXPECT_TRUE(main.isEnabled());

    Press(3, 1);
    ASSERT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Изменение объекта с №3"));
    EXPECT_EQ(Form2->Button1->text(), QStringLiteral("Изменить"));
    EXPECT_FALSE(Form2->Button2->isHidden());
    Form2->Edit1->setText(QStringLiteral("3"));
    Form2->Button1->click();
    EXPECT_FALSE(Form2->isVisible());
    Press(3, 1);
    Form2->Edit1->setText(QStringLiteral("1A"));
    Form2->Button1->click();
    EXPECT_TRUE(Form2->isVisible());
    Form2->Edit1->setText(QStringLiteral("fe"));
    Form2->Button1->click();
    EXPECT_EQ(Numbers(3), QStringLiteral("001A 0000 00FE"));

    Press(2, 1);
    Form2->Button2->click();
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("2"));
    EXPECT_EQ(Numbers(3), QStringLiteral("001A 00FE 0000"));
    EXPECT_TRUE(main.isEnabled());

    // The number column of a used row opens the dialog; nothing else does, the titles neither.
    for (const auto& [row, col] : QList<std::pair<int, int>>{{1, 0}, {3, 1}}) {
        Press(row, col);
        EXPECT_FALSE(Form2->isVisible()) << row << ',' << col;
    }
    QHeaderView* titles = page->SG->horizontalHeader();
    QTest::mousePress(titles->viewport(), Qt::LeftButton, {},
                      QPoint(titles->sectionViewportPosition(1) + 10, titles->height() / 2));
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(KBDsPage, TitlesStayInViewWhileTheObjectsScroll) {
    page->show();
    page->SG->scrollToBottom();
    const QHeaderView* titles = page->SG->horizontalHeader();
    EXPECT_FALSE(titles->isHidden());
    EXPECT_EQ(page->SG->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("№ в сети"));
    EXPECT_EQ(page->SG->rowAt(page->SG->viewport()->height() - 1), TFormKBDs::MaxObjects);
    EXPECT_GT(page->SG->rowAt(0), 1) << "the objects scrolled under the titles";
}

TEST_F(KBDsPage, CountIsKeptInsideTheGrid) {
    // 255 objects: no addition; a hand-edited count beyond it works as 255, one that is no
    // number as 0.
    for (const char* count : {"255", "999"}) {
        page->etKBSNum->setText(QString::fromLatin1(count));
        page->Button1->click();
        EXPECT_FALSE(Form2->isVisible()) << count;
    }
    page->SetNumber(255, QStringLiteral("00FF"));
    Press(255, 1);
    ASSERT_TRUE(Form2->isVisible());
    Form2->Button2->click();
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("254"));
    EXPECT_EQ(page->Number(255), QStringLiteral("0000"));

    page->etKBSNum->setText(QStringLiteral("x"));
    Add(QStringLiteral("5"));
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("1"));
    EXPECT_EQ(page->Number(1), QStringLiteral("0005"));

    // Number cells after the count are drawn blank on the button face.
    page->SetNumber(2, QStringLiteral("0007"));
    page->show();
    page->SG->scrollToTop();
    const QImage shot = page->SG->viewport()->grab().toImage();
    const auto colourAt = [&](int row) {
        return shot.pixelColor(page->SG->visualItemRect(page->SG->item(row, 1)).center());
    };
    EXPECT_EQ(colourAt(2), ToQColor(clBtnFace));
    EXPECT_NE(colourAt(1), ToQColor(clBtnFace));
}

TEST_F(KBDsPage, NumbersHaveTheirOwnSection) {
    TMemIniFile defaults(QString{});
    page->SetDefaults();
    page->SaveToIni(defaults);
    EXPECT_TRUE(defaults.ToBytes().startsWith("[FormKBDs]\r\ncbACIDcode=112\r\netKBSNum=0\r\n\r\n"
                                              "[KBDNUMS]\r\n1=0000\r\n2=0000\r\n"));
    EXPECT_EQ(defaults.ReadSection(QStringLiteral("KBDNUMS")).size(), TFormKBDs::MaxObjects);

    page->etKBSNum->setText(QStringLiteral("2"));
    page->SetNumber(1, QStringLiteral("00A1"));
    page->SetNumber(2, QStringLiteral("x1"));
    page->SetNumber(255, QStringLiteral("FFFF"));
    page->cbACIDcode->setCurrentIndex(3);
    TMemIniFile saved(QString{});
    page->SaveToIni(saved);
    page->SetDefaults();
    EXPECT_EQ(page->etKBSNum->text() + u' ' + page->Number(1) + u' ' + page->Number(255),
              QStringLiteral("0 0000 0000"));
    EXPECT_EQ(page->cbACIDcode->currentIndex(), 112);
    page->LoadFromIni(saved);
    EXPECT_EQ(page->etKBSNum->text(), QStringLiteral("2"));
    EXPECT_EQ(Numbers(2) + u' ' + page->Number(255), QStringLiteral("00A1 x1 FFFF"));
    EXPECT_EQ(page->cbACIDcode->currentIndex(), 3);

    // A file without the section gives "0000"; a clear empties the count and shows the first event.
    page->LoadFromIni(TMemIniFile(QString{}));
    EXPECT_EQ(page->Number(1), QStringLiteral("0000"));
    page->Clear();
    EXPECT_EQ(page->etKBSNum->text(), QString());
    EXPECT_EQ(page->cbACIDcode->currentIndex(), 0);
}
