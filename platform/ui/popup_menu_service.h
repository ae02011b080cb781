#pragma once
// Every window opens its popup menus (a right click on a grid or a pane)
// through this one service.  The program installs the service that shows the
// real menu; tests install the recording service, which notes each menu and
// point in order and chooses the item a test has queued, so no test blocks
// in a menu's event loop.
//
// A popup returns after the menu has closed: when an item was chosen, its
// handler (`..._Click`) has already run, in the real menu and the recording
// one alike.
#include <deque>
#include <memory>
#include <vector>

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPoint>
#include <QPointer>

namespace ranvik {

class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    // Shows `menu` with its top-left corner at `globalPos` (screen pixels).
    virtual void Popup(QMenu* menu, const QPoint& globalPos) = 0;
};

// The service in force.  Until the program installs its own, the recording
// service stands in, so code run outside a window never blocks.
PopupMenuService& PopupMenus();
// Installs a service and returns the one it replaces.
std::unique_ptr<PopupMenuService> InstallPopupMenuService(std::unique_ptr<PopupMenuService> service);

// The menu at the pointer unless a point is given.
void ShowPopupMenu(QMenu* menu, const QPoint& globalPos = QCursor::pos());

struct ShownPopup {
    QMenu* menu = nullptr;  // for comparison only: the menu may be gone since
    QPoint point;
};

class RecordingPopupMenuService : public PopupMenuService {
public:
    void Popup(QMenu* menu, const QPoint& globalPos) override;

    // The item to choose in the coming menus, first in first out; nullptr
    // closes a menu without a choice, as does an empty queue.  A queued item
    // is chosen only as the user could choose it: it lies in the menu shown
    // (or in one of its submenus) and it and the way to it are enabled and
    // visible.  Otherwise the menu closes without a choice.
    void QueueChoice(QAction* item) { choices.emplace_back(item); }

    std::vector<ShownPopup> shown;
    std::deque<QPointer<QAction>> choices;
};

// Installs a fresh recording service for the life of the object and puts the
// previous one back afterwards.
class ScopedRecordingPopupMenus {
public:
    ScopedRecordingPopupMenus();
    ~ScopedRecordingPopupMenus();
    ScopedRecordingPopupMenus(const ScopedRecordingPopupMenus&) = delete;
    ScopedRecordingPopupMenus& operator=(const ScopedRecordingPopupMenus&) = delete;
    RecordingPopupMenuService& operator*() { return *recorder_; }
    RecordingPopupMenuService* operator->() { return recorder_; }

private:
    RecordingPopupMenuService* recorder_;
    std::unique_ptr<PopupMenuService> previous_;
};

}  // namespace ranvik
