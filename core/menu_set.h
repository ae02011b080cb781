#pragma once
// The menu item arrays of one window, by name ("mnuWinItem"), and single
// items addressed by array name and index.  An item the window lacks reads
// as unchecked, disabled and hidden, and ignores changes: code that sets a
// mark in every window need not ask which windows carry the item.
#include <map>
#include <string>

#include "platform/ui/menu_items.h"

namespace ranvik {

class MenuItem {
public:
    MenuItem(MenuItemArray* array, int index) : array_(array != nullptr && array->Has(index) ? array : nullptr), index_(index) {}
    bool Exists() const { return array_ != nullptr; }
    bool Checked() const { return array_ != nullptr && array_->Checked(index_); }
    void SetChecked(bool checked) const {
        if (array_ != nullptr) array_->SetChecked(index_, checked);
    }
    bool Enabled() const { return array_ != nullptr && array_->Enabled(index_); }
    void SetEnabled(bool enabled) const {
        if (array_ != nullptr) array_->SetEnabled(index_, enabled);
    }
    bool Visible() const { return array_ != nullptr && array_->Visible(index_); }
    void SetVisible(bool visible) const {
        if (array_ != nullptr) array_->SetVisible(index_, visible);
    }
    std::string Caption() const { return array_ != nullptr ? array_->Caption(index_) : std::string(); }
    std::string Shortcut() const { return array_ != nullptr ? array_->Shortcut(index_) : std::string(); }
    // Chooses the item as the user does (only an enabled, visible item acts).
    void Choose() const {
        if (array_ != nullptr) array_->Choose(index_);
    }

private:
    MenuItemArray* array_;
    int index_;
};

class MenuSet {
public:
    // A new array of items in `menu` of the window `owner`.
    MenuItemArray* Add(QMenu* menu, QWidget* owner, const std::string& name) {
        auto* array = new MenuItemArray(menu, owner);
        array->setObjectName(QString::fromStdString(name));
        arrays_[name] = array;
        return array;
    }
    MenuItemArray* Get(const std::string& name) const {
        const auto it = arrays_.find(name);
        return it == arrays_.end() ? nullptr : it->second;
    }
    MenuItem Item(const std::string& name, int index) const { return MenuItem(Get(name), index); }

private:
    std::map<std::string, MenuItemArray*> arrays_;
};

}  // namespace ranvik
