#include "platform/ui/qt_help_service.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <algorithm>

#include "platform/runtime/folder.h"

namespace ranvik {

std::string HelpPagePath(const std::string& helpFile, const std::string& page) {
    std::string folder = helpFile;
    const auto slash = folder.find_last_of('/');
    const auto dot = folder.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) folder.erase(dot);
    std::string relative = page;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return JoinPath(folder, relative);
}

void QtHelpService::ShowTopic(const std::string& helpFile, const std::string& page) {
    const std::string path = HelpPagePath(helpFile, page);
    if (!FileExists(path)) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void QtHelpService::CloseAll(const std::string&) {}

}  // namespace ranvik
