#pragma once
// Chart window management: up to three chart windows in slots 1 to 3, the
// arrangement of the child windows, and the check marks that must look the
// same in the main window and in every chart window.
#include <cstdint>

namespace ranvik {

// 0 cascade, 1 tile one above the other, 2 tile side by side, 3 arrange the
// icons of minimized windows, 8 open the next chart window; any other index
// does nothing.
void RunWindowMenu(std::int16_t index);
// Opens the next chart window; the first one after none was open enables
// the chart buttons of the toolbar again.
void OpenChartWindow();
// View item `index`: the main window's mnuFileItem and every chart
// window's mnuTool0.
void SetFileMenuChecked(std::int16_t index, bool checked);
// その他機能 item `index`: chart windows 1, 2, 3, then the main window.
void SetFuncExMenuChecked(std::int16_t index, bool checked);
// Window items 5 and 6: the data maintenance window and the company results
// window, brought to the front when open.
void BringNeighbourWindowForward(int index);
// Tool menu item 1: the data maintenance window, brought to the front when
// open, else created and shown.  Item 3: the main window's collection panel,
// opened with today's title or closed.  Item 7: the list editor, started
// or, while the one started runs, brought to the front.  Other items do
// nothing.
void RunToolMenu(std::int16_t index);
// WeekdayText from today's date.
void SetWeekdayName();
// True when no slot is free.
bool AllChartSlotsTaken();

}  // namespace ranvik
