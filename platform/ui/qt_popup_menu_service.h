#pragma once
// The popup menu service of the running programs: the real menu, shown at
// the point and closed by the user's choice or by a click elsewhere.
#include "platform/ui/popup_menu_service.h"

namespace ranvik {

class QtPopupMenuService : public PopupMenuService {
public:
    void Popup(QMenu* menu, const QPoint& globalPos) override;
};

}  // namespace ranvik
