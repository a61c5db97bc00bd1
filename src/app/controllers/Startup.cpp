#include "app/controllers/Startup.h"

#include "app/controllers/ZV9TKFormsController.h"
#include "app/pages/Unit2.h"
#include "app/windows/fAbout.h"
#include "app/windows/fErrors.h"
#include "app/windows/fLoad.h"
#include "app/windows/fMain.h"
#include "base/Color.h"
#include "firmware/fUpdateIns.h"
#include "firmware/fUpdateInsertion.h"
#include "uikit/splitter/KtSplitter.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QPalette>
#include <QPointer>
#include <QStyleFactory>
#include <QTranslator>

TFormErrors* FormErrors = nullptr;

namespace {

QList<QPointer<QWidget>>& Created() {
    static QList<QPointer<QWidget>> windows;
    return windows;
}

template <class W> W* Create(W*& global, QWidget* owner = nullptr) {
    global = new W(owner);
    Created().append(global);
    return global;
}

QPalette DesktopPalette() {
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, TColor color) {
        palette.setColor(role, ToQColor(color));
    };
    set(QPalette::Window, clBtnFace);
    set(QPalette::WindowText, clWindowText);
    set(QPalette::Base, clWindow);
    set(QPalette::AlternateBase, clBtnFace);
    set(QPalette::Text, clWindowText);
    set(QPalette::Button, clBtnFace);
    set(QPalette::ButtonText, clBtnText);
    set(QPalette::Light, clBtnHighlight);
    set(QPalette::Midlight, cl3DLight);
    set(QPalette::Mid, clBtnShadow);
    set(QPalette::Dark, clBtnShadow);
    set(QPalette::Shadow, cl3DDkShadow);
    set(QPalette::Highlight, clHighlight);
    set(QPalette::HighlightedText, clHighlightText);
    set(QPalette::ToolTipBase, clInfoBk);
    set(QPalette::ToolTipText, clInfoText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
    return palette;
}

} // namespace

void ApplyDesktopLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DesktopPalette());
    // The windows are laid out for the classic desktop's 8-point font (11 pixels); a larger
    // theme font would cut their captions.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
}

QTranslator* InstallQtTranslation() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}

void StartProgram() {
    auto splash = std::make_unique<TFormLoad>();
    splash->show();
    splash->FadeIn();

    // The application's own name; windows keep exactly the titles they are given.
    QCoreApplication::setApplicationName(QStringLiteral("Zelvan9TK4"));
    Create(FormMain);
    Create(FormErrors);
    Create(Form2, FormMain);
    Create(FormAbout, FormMain);
    Create(formUpdateInsertion, FormMain);
    Create(formUpdateIns, FormMain);

    AppController =
        new TZV9TKFormsController(FormMain, FormMain->ktCntSpl->LowerRight()->Pane(), FormMain->tv1);
    FormMain->SetController(std::unique_ptr<TFormAppMainController>(AppController));
}

QList<QWidget*> StartupWindows() {
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : std::as_const(Created()))
        if (window) windows.append(window);
    return windows;
}

void EndProgram() {
    if (FormMain) FormMain->SetController(nullptr);
    QList<QPointer<QWidget>>& windows = Created();
    while (!windows.isEmpty())
        delete windows.takeLast();
    FormMain = nullptr;
    FormErrors = nullptr;
    Form2 = nullptr;
    FormAbout = nullptr;
    formUpdateInsertion = nullptr;
    formUpdateIns = nullptr;
}
