// The list editor Tamelo.  It takes no command line.
#include <QApplication>

#include "listedit/form1.h"
#include "platform/ui/qt_help_service.h"
#include "platform/ui/qt_message_service.h"
#include "platform/ui/qt_popup_menu_service.h"
#include "platform/ui/qt_texts.h"
#include "platform/ui/twips.h"

int main(int argc, char* argv[]) {
    ranvik::FixLogicalDpi();
    QApplication app(argc, argv);
    ranvik::InstallJapaneseWindowSystemTexts(app);
    ranvik::InstallMessageService(std::make_unique<ranvik::QtMessageService>());
    ranvik::InstallHelpService(std::make_unique<ranvik::QtHelpService>());
    ranvik::InstallPopupMenuService(std::make_unique<ranvik::QtPopupMenuService>());

    ranvik::listedit::Form1 window;
    window.Form_Load();
    window.show();
    QObject::connect(&window, &ranvik::listedit::Form1::Ended, &app, &QApplication::quit);
    return app.exec();
}
