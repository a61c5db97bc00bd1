#include "DesignedPages.h"
#include "MainWindowFixture.h"

#include "base/AsciiText.h"

// The controller's tables name page controls by string, and a name acts only when it resolves:
// a misspelt one would silently do nothing. Every name must belong to a designed page and, once
// that page exists, to one of its controls.
TEST_F(MainWindowFixture, EveryPageControlNamedByTheControllerResolves) {
    main = std::make_unique<TFormMain>();
    auto owned =
        std::make_unique<TZV9TKFormsController>(main.get(), main->ktCntSpl->LowerRight()->Pane(), main->tv1);
    const TZV9TKFormsController& program = *owned;
    main->SetController(std::move(owned));

    const QList<TformIncl*> pages = program.Pages();
    ASSERT_FALSE(pages.isEmpty());
    const QList<TPageControlName> names = program.NamedPageControls();
    ASSERT_FALSE(names.isEmpty());
    for (const TPageControlName& name : names) {
        EXPECT_TRUE(kDesignedPages.contains(name.page)) << name.page.toStdString() << " is no page";
        for (const TformIncl* page : pages) {
            if (!asciiSameText(page->objectName(), name.page)) continue;
            EXPECT_NE(page->FindControl(name.control), nullptr)
                << name.page.toStdString() << "." << name.control.toStdString();
        }
    }
}
