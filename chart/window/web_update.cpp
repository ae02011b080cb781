#include "chart/window/web_update.h"

#include <utility>

namespace ranvik {

namespace {

WebUpdate& Installed() {
    static WebUpdate update;
    return update;
}

}  // namespace

WebUpdate InstallWebUpdate(WebUpdate update) { return std::exchange(Installed(), std::move(update)); }

void UpdateFromWeb(Form3& window) {
    // A copy, so that an update that installs another one runs to its end.
    const WebUpdate update = Installed();
    if (update) update(window);
}

}  // namespace ranvik
