#include "platform/ui/qt_popup_menu_service.h"

namespace ranvik {

void QtPopupMenuService::Popup(QMenu* menu, const QPoint& globalPos) {
    // The menu's own event loop, so that the chosen item has acted when the
    // call returns, as the recording service promises too.
    if (menu != nullptr) menu->exec(globalPos);
}

}  // namespace ranvik
