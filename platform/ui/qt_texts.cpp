#include "platform/ui/qt_texts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ranvik {

namespace {

// The names of keys in shortcut texts (menus show them beside their items)
// are our own, as the menus give them ("Alt+Backspace", "Shift+Del"), not
// the system translation's: that one misspells at least "Backspace".
// Installed after the system's texts, so it is asked first.
class OwnKeyNames : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (qstrcmp(context, "QShortcut") == 0 && sourceText != nullptr) return QString::fromLatin1(sourceText);
        return {};
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

void InstallJapaneseWindowSystemTexts(QApplication& app) {
    // Owned by the application: it must live as long as texts are drawn.
    auto* texts = new QTranslator(&app);
    if (texts->load(QLocale(QLocale::Japanese), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(texts);
    } else {
        delete texts;  // no translations installed: Qt's English texts stay
    }
    app.installTranslator(new OwnKeyNames(&app));
}

}  // namespace ranvik
