#include "platform/ui/qt_help_service.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QResource>
#include <QStringList>

namespace ranvik {

QString HelpPageName(const std::string& page) {
    QString name = QString::fromStdString(page);
    name.replace('\\', '/');
    QStringList parts;
    for (const QString& part : name.split('/', Qt::SkipEmptyParts)) {
        if (part == "..") return {};
        if (part != ".") parts.push_back(part);
    }
    return parts.join('/');
}

QtHelpService::~QtHelpService() {
    // A service that outlives the application (it is kept in a static) finds
    // its windows gone with it.
    if (QCoreApplication::instance() == nullptr) return;
    CloseAll({});
}

QtHelpService::OpenHelpFile* QtHelpService::Open(const std::string& helpFile) {
    for (OpenHelpFile& file : files_) {
        if (file.path == helpFile) return &file;
    }
    const QString path = QString::fromStdString(helpFile);
    // A folder or an unreadable file is no help file.
    if (!QFileInfo(path).isFile()) return nullptr;
    const QString root = QString("/ranvik-help/%1").arg(++opened_);
    if (!QResource::registerResource(path, root)) return nullptr;
    files_.push_back({helpFile, root, nullptr});
    return &files_.back();
}

std::optional<QUrl> QtHelpService::PageAddress(const std::string& helpFile, const std::string& page) {
    const QString name = HelpPageName(page);
    if (name.isEmpty()) return std::nullopt;
    OpenHelpFile* file = Open(helpFile);
    if (file == nullptr) return std::nullopt;
    const QString inside = file->root + "/" + name;
    if (!QFileInfo(":" + inside).isFile()) return std::nullopt;
    QUrl address;
    address.setScheme("qrc");
    address.setPath(inside);
    return address;
}

void QtHelpService::ShowTopic(const std::string& helpFile, const std::string& page) {
    const std::optional<QUrl> address = PageAddress(helpFile, page);
    if (!address) return;
    OpenHelpFile* file = Open(helpFile);
    if (file->window.isNull()) file->window = new HelpWindow;
    file->window->ShowPage(*address);
}

void QtHelpService::CloseAll(const std::string&) {
    // Every window, whatever file it shows: the programs close their help
    // once, at exit.
    for (OpenHelpFile& file : files_) {
        if (!file.window.isNull()) {
            file.window->close();
            // At once, not later: the program ends right after this.
            delete file.window.data();
        }
        QResource::unregisterResource(QString::fromStdString(file.path), file.root);
    }
    files_.clear();
}

std::vector<HelpWindow*> QtHelpService::Windows() const {
    std::vector<HelpWindow*> windows;
    for (const OpenHelpFile& file : files_) {
        if (!file.window.isNull()) windows.push_back(file.window.data());
    }
    return windows;
}

}  // namespace ranvik
