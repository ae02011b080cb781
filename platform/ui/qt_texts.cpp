#include "platform/ui/qt_texts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ranvik {

void InstallJapaneseWindowSystemTexts(QApplication& app) {
    // Owned by the application: it must live as long as texts are drawn.
    auto* texts = new QTranslator(&app);
    if (texts->load(QLocale(QLocale::Japanese), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(texts);
    } else {
        delete texts;  // no translations installed: Qt's English texts stay
    }
}

}  // namespace ranvik
