#pragma once
// The help viewer of the running program.  The help comes as a folder of
// HTML pages named after the help file without its extension
// ("RanvikCManual.chm" -> "RanvikCManual/"); a page such as
// "Manual\RanvikC5.html" is opened in the desktop's browser when it is
// there, and nothing happens when it is not.
#include <string>

#include "platform/runtime/help_service.h"

namespace ranvik {

class QtHelpService : public HelpService {
public:
    void ShowTopic(const std::string& helpFile, const std::string& page) override;
    // Pages opened in the desktop's browser belong to the browser: nothing
    // of ours stays open to close.
    void CloseAll(const std::string& helpFile) override;
};

// The file of a help page: "<folder>/RanvikCManual/Manual/RanvikC5.html" for
// the help file "<folder>/RanvikCManual.chm" and the page
// "Manual\RanvikC5.html".
std::string HelpPagePath(const std::string& helpFile, const std::string& page);

}  // namespace ranvik
