#pragma once
// Menu items addressed as an indexed array (`mnuFileItem`(2) and so on): each
// item has a fixed index, indexes may leave gaps, and the items stand in the
// menu in index order.  An item has a caption with its accelerator ("&R"), a
// check mark, enabled and visible states and a keyboard shortcut; the caption
// "-" makes a separator.  Choosing an item emits Click with its index; the
// check mark does not change by itself, the handler sets it.
//
// A shortcut bound to a menu item reaches the item even while a text box has
// the focus (a text box would otherwise keep Ctrl+C, Shift+Del and the like
// for itself), as long as the focus lies in the window that owns the menu.
#include <map>
#include <string>
#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QObject>

namespace ranvik {

// Shortcut texts: "Ctrl+A" to "Ctrl+Z", "F1" to "F12" alone or after
// "Shift+", "Ctrl+" or "Shift+Ctrl+", "Ctrl+Ins", "Shift+Ins", "Shift+Del",
// "Alt+Backspace" (also "Alt+BkSp").  Any other text gives no shortcut.
QKeySequence MenuShortcut(const std::string& text);

class MenuItemArray : public QObject {
    Q_OBJECT
public:
    // The items go into `menu`; `owner` is the window whose menu it is.
    MenuItemArray(QMenu* menu, QWidget* owner);

    // Adds the item of that index (replacing nothing: an index is added once).
    QAction* Add(int index, const std::string& caption, const std::string& shortcut = "");
    bool Has(int index) const { return items_.count(index) != 0; }
    std::vector<int> Indexes() const;
    QAction* Action(int index) const;

    std::string Caption(int index) const;
    void SetCaption(int index, const std::string& caption);
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    bool Enabled(int index) const;
    void SetEnabled(int index, bool enabled);
    bool Visible(int index) const;
    void SetVisible(int index, bool visible);
    std::string Shortcut(int index) const;
    void SetShortcut(int index, const std::string& shortcut);

    // Chooses an item as the user does: only an enabled, visible item acts.
    void Choose(int index);

signals:
    void Click(int index);

private:
    struct Item {
        QAction* action = nullptr;
        std::string caption;
        std::string shortcut;
        bool checked = false;
        // Kept apart from the action, which reports a hidden item as
        // disabled.
        bool enabled = true;
        bool visible = true;
    };
    const Item* Find(int index) const;
    void Triggered(int index);

    QMenu* menu_;
    QWidget* owner_;
    std::map<int, Item> items_;
};

}  // namespace ranvik
