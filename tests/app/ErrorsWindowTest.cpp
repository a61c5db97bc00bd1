#include "app/windows/fErrors.h"

#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

TEST(ErrorsWindow, ShowsTheCountAndTheLinesInOrder) {
    TFormErrors form;
    form.SetErrors({QStringLiteral("старая строка")});
    const QStringList lines = {QStringLiteral("Ошибка при чтении параметра \"Время\""),
                               QStringLiteral("Ошибка при записи параметра \"№ объекта\""),
                               QStringLiteral("Ошибка при записи параметра \"Телефон 2\" :пусто")};
    form.SetErrors(lines);
    EXPECT_EQ(form.pErrCount->text(), QStringLiteral("3"));
    ASSERT_EQ(form.lErrors->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(form.lErrors->item(row, 0)->text(), lines[row]);
}
