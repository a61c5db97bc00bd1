#include "app/windows/fAbout.h"
#include "support/RecordingShell.h"
#include "uikit/controls/KtURLLabel.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(AboutBox, LinkOpensTheMakersSiteAndEverythingFitsTheBox) {
    TFormAbout about;
    ASSERT_FALSE(about.Image1->pixmap().isNull());
    EXPECT_EQ(about.Image1->pixmap().width(), about.width());

    TKtURLLabel* link = about.KtURLLabel1;
    EXPECT_FALSE(link->URL().isEmpty());
    EXPECT_EQ(link->Caption(), link->URL());
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_TRUE(link->WordWrap());
    for (QWidget* w : {static_cast<QWidget*>(link), static_cast<QWidget*>(about.KtLabel1)}) {
        EXPECT_GE(w->x(), 0) << w->objectName().toStdString();
        EXPECT_LE(w->x() + w->width(), about.width()) << w->objectName().toStdString();
        EXPECT_LE(w->y() + w->height(), about.Button1->y()) << w->objectName().toStdString();
    }
    // Centred in the box.
    EXPECT_LE(std::abs(2 * link->x() + link->width() - about.width()), 1);

    RecordingShell& shell = RecordingShell::Installed();
    shell.opened.clear();
    shell.succeeds = true;
    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{link->URL()});
    EXPECT_TRUE(link->Visited());
}
