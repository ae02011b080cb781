#pragma once
// The operation states of the data maintenance window, apart from the
// window: which state an event leads to, which buttons an operation leaves
// usable, and the colour of the record grid.  The plain value of a state
// means that an operation is chosen and waits for a click in the grid; the
// value plus 90 that its cell editor or its question is open.  The new-file
// operation has the plain value only.
#include <cstdint>
#include <optional>

#include "platform/ui/colors.h"

namespace ranvik {

enum OperationStateValue : std::int16_t {
    kIdle = 0,
    kAddChosen = 1,
    kModifyChosen = 2,
    kDeleteChosen = 3,
    kNewFileOpen = 4,
    kRangeChosen = 8,
    kAddEditing = 91,
    kModifyEditing = 92,
    kDeleteAsking = 93,
    kRangeUnderWay = 98,
};

inline bool IsAddState(std::int16_t s) { return s == kAddChosen || s == kAddEditing; }
inline bool IsModifyState(std::int16_t s) { return s == kModifyChosen || s == kModifyEditing; }
inline bool IsDeleteState(std::int16_t s) { return s == kDeleteChosen || s == kDeleteAsking; }
inline bool IsRangeState(std::int16_t s) { return s == kRangeChosen || s == kRangeUnderWay; }

// What the user or the window does.  Button events stand for the button and
// its operation menu item alike.
enum class StateEvent {
    AddButton,        // 追加CMD
    ModifyButton,     // 修正CMD
    DeleteButton,     // 削除CMD; in 93 the Enter on the question
    NewFileButton,    // 新ファイルCMD
    RangeButton,      // 範囲指定BTN
    FileDeleteButton, // 銘柄削除CMD (its question passes through 3)
    NewRowClick,      // a click on the row being added
    CellClick,        // a click on a record's cell
    RangePress,       // a press other than the right button on a grid row
    Scroll,           // the record grid scrolled
    DateCommitted,    // Enter on an accepted date
    RowStored,        // the last column of a new row accepted
    Reset,            // リセットCMD and everything that cancels
};

// The state an event leads to, nullopt when the event does nothing in that
// state.  Intermediate states an event passes through (1 on the way to 91,
// 0 on the way back to 2 or 3) are not given: the handlers pass them on the
// way.
std::optional<std::int16_t> StateAfter(std::int16_t state, StateEvent event);

// The record grid's background: idle, busy, or left as it is (adding and the
// new-file panel keep the colour they find).
const Color kGridIdleColor = RGB(240, 255, 240);
const Color kGridBusyColor = RGB(255, 228, 225);
std::optional<Color> GridColorOf(std::int16_t state);

// Operation buttons with their menu items (the range buttons have none, the
// correction panel only an item).
struct OperationControls {
    bool display = false;     // 表示CMD, item 1
    bool add = false;         // 追加CMD, item 2
    bool modify = false;      // 修正CMD, item 3
    bool remove = false;      // 削除CMD, item 4
    bool newFile = false;     // 新ファイルCMD, item 5
    bool fileDelete = false;  // 銘柄削除CMD, item 7
    bool range = false;       // 範囲指定BTN and 範囲削除BTN
    bool correction = false;  // item 11
    friend bool operator==(const OperationControls&, const OperationControls&) = default;
};

// What EnableOperationButtons leaves enabled once an operation has set its
// state; everything else is disabled.  The correction item is always
// disabled (its panel hidden, its mark kept).
OperationControls KeptDuring(std::int16_t state, bool hasFile);
// What EnableOperationMenus enables; it disables nothing.
OperationControls EnabledWhenIdle(bool hasFile);

}  // namespace ranvik
