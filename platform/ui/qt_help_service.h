#pragma once
// The help viewer of the running programs.  The help file is one file of
// Qt's binary resource form holding the manual's pages under their names
// ("Manual/RanvikC5.html"); it is opened only when a page is first asked
// for, so start-up reads nothing of it.  A page is shown in a help window of
// our own (HelpWindow), one per help file, reused for the next page asked
// for; a missing help file or page shows nothing.
#include <QPointer>
#include <QString>
#include <QUrl>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/help_service.h"
#include "platform/ui/help_viewer.h"

namespace ranvik {

class QtHelpService : public HelpService {
public:
    QtHelpService() = default;
    ~QtHelpService() override;
    QtHelpService(const QtHelpService&) = delete;
    QtHelpService& operator=(const QtHelpService&) = delete;

    void ShowTopic(const std::string& helpFile, const std::string& page) override;
    // Closes every help window this service opened and lets go of the help
    // files (a rebuilt help file is read afresh on the next request).
    void CloseAll(const std::string& helpFile) override;

    // The address of `page` inside `helpFile`, opening the help file when it
    // is not open yet; nothing when the file cannot be read or does not hold
    // the page.
    std::optional<QUrl> PageAddress(const std::string& helpFile, const std::string& page);

    // The help windows open now, oldest first.
    std::vector<HelpWindow*> Windows() const;

private:
    struct OpenHelpFile {
        std::string path;
        QString root;  // where its pages appear among the resources
        QPointer<HelpWindow> window;
    };
    OpenHelpFile* Open(const std::string& helpFile);

    std::vector<OpenHelpFile> files_;
    int opened_ = 0;
};

// The page's name inside the help file: "Manual\RanvikC5.html" ->
// "Manual/RanvikC5.html"; a name that climbs out of the file ("..") or is
// empty gives an empty name.
QString HelpPageName(const std::string& page);

}  // namespace ranvik
