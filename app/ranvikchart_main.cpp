// The chart program Ranvikチャート.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <string>

#include "chart/window/form3.h"
#include "collect/collection_panel.h"
#include "collect/quote_page_download.h"
#include "collect/web_update.h"
#include "company/company_page_transfer.h"
#include "company/form7.h"
#include "core/main_window.h"
#include "core/splash.h"
#include "maintenance/form2.h"
#include "platform/runtime/process.h"
#include "platform/ui/qt_help_service.h"
#include "platform/ui/qt_message_service.h"
#include "platform/ui/qt_popup_menu_service.h"
#include "platform/ui/qt_texts.h"
#include "platform/ui/twips.h"

int main(int argc, char* argv[]) {
    ranvik::FixLogicalDpi();
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(ranvik::ProgramPicture()));
    ranvik::InstallJapaneseWindowSystemTexts(app);
    ranvik::InstallMessageService(std::make_unique<ranvik::QtMessageService>());
    ranvik::InstallHelpService(std::make_unique<ranvik::QtHelpService>());
    ranvik::InstallPopupMenuService(std::make_unique<ranvik::QtPopupMenuService>());
    // The command line after the program name: a stock data file's path,
    // which the shell has already freed of its quotes (one split at its
    // blanks is joined again).
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    ranvik::SetCommandLine(commandLine);

    ranvik::InstallChartWindowMaker();
    ranvik::InstallMaintenanceWindowMaker();
    ranvik::InstallCompanyWindowMaker();
    ranvik::InstallCompanyPageTransfer();
    ranvik::InstallCollectionPanelMaker();
    // The chart window's web update fetches its pages from the quote site.
    ranvik::InstallQuotePageFetcher(ranvik::FetchQuotePages);

    ranvik::MDIForm1 window;
    // A second copy of the program ends here, having written nothing.
    if (!window.MDIForm_Load()) return 0;
    window.show();
    QObject::connect(&window, &ranvik::MDIForm1::Ended, &app, &QApplication::quit);
    return app.exec();
}
