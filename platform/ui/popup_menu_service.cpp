#include "platform/ui/popup_menu_service.h"

namespace ranvik {

namespace {

std::unique_ptr<PopupMenuService>& Slot() {
    static std::unique_ptr<PopupMenuService> service = std::make_unique<RecordingPopupMenuService>();
    return service;
}

bool Reachable(const QMenu* menu, const QAction* item) {
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || !action->isEnabled() || action->isSeparator()) continue;
        if (action == item) return true;
        if (QMenu* sub = action->menu(); sub != nullptr && Reachable(sub, item)) return true;
    }
    return false;
}

}  // namespace

PopupMenuService& PopupMenus() { return *Slot(); }

std::unique_ptr<PopupMenuService> InstallPopupMenuService(std::unique_ptr<PopupMenuService> service) {
    auto previous = std::move(Slot());
    Slot() = std::move(service);
    return previous;
}

void ShowPopupMenu(QMenu* menu, const QPoint& globalPos) { PopupMenus().Popup(menu, globalPos); }

void RecordingPopupMenuService::Popup(QMenu* menu, const QPoint& globalPos) {
    shown.push_back({menu, globalPos});
    if (choices.empty()) return;
    const QPointer<QAction> item = choices.front();
    choices.pop_front();
    if (item && menu != nullptr && Reachable(menu, item)) item->trigger();
}

ScopedRecordingPopupMenus::ScopedRecordingPopupMenus() {
    auto recorder = std::make_unique<RecordingPopupMenuService>();
    recorder_ = recorder.get();
    previous_ = InstallPopupMenuService(std::move(recorder));
}

ScopedRecordingPopupMenus::~ScopedRecordingPopupMenus() { InstallPopupMenuService(std::move(previous_)); }

}  // namespace ranvik
