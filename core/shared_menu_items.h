#pragma once
// Menu items that the main window and every chart window carry under the same
// indexes, so that a mark set in one window can be set alike in all.
#include "platform/ui/menu_items.h"

namespace ranvik {

// The bar items (parameter bar, extended parameter bar, toolbar, address bar,
// stock lists, fixed address), with the first, third and fifth checked and
// the last one hidden.
void AddBarItems(MenuItemArray& items);
// The その他機能 items 0 to 8 with their start-up marks (3 and 5 checked).
void AddFuncExItems(MenuItemArray& items);

}  // namespace ranvik
