// The list editor Tamelo.  It takes no command line.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "listedit/form1.h"
#include "platform/ui/qt_help_service.h"
#include "platform/ui/qt_message_service.h"
#include "platform/ui/qt_popup_menu_service.h"
#include "platform/ui/twips.h"

int main(int argc, char* argv[]) {
    ranvik::FixLogicalDpi();
    QApplication app(argc, argv);
    // The window system's own texts (message box buttons, a text box's
    // menu) in Japanese like every text of the program, where Qt has them.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    ranvik::InstallMessageService(std::make_unique<ranvik::QtMessageService>());
    ranvik::InstallHelpService(std::make_unique<ranvik::QtHelpService>());
    ranvik::InstallPopupMenuService(std::make_unique<ranvik::QtPopupMenuService>());

    ranvik::listedit::Form1 window;
    window.Form_Load();
    window.show();
    QObject::connect(&window, &ranvik::listedit::Form1::Ended, &app, &QApplication::quit);
    return app.exec();
}
