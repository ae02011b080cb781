// The state table of the data maintenance window and the buttons each state leaves usable.
#include "maintenance/operation_states.h"

namespace ranvik {

std::optional<std::int16_t> StateAfter(std::int16_t state, StateEvent event) {
    switch (event) {
        case StateEvent::AddButton: return kAddEditing;
        case StateEvent::ModifyButton:
            if (state == kIdle) return kModifyChosen;
            if (state == kModifyEditing) return kModifyEditing;
            return std::nullopt;
        case StateEvent::DeleteButton:
            if (state == kIdle || state == kDeleteAsking) return kDeleteChosen;
            return std::nullopt;
        case StateEvent::NewFileButton:
            if (state == kIdle || state == kNewFileOpen) return kNewFileOpen;
            return std::nullopt;
        case StateEvent::RangeButton:
            if (state == kIdle) return kRangeChosen;
            return std::nullopt;
        case StateEvent::FileDeleteButton:
            if (state == kIdle) return kIdle;
            return std::nullopt;
        case StateEvent::NewRowClick:
            if (IsAddState(state)) return kAddEditing;
            return std::nullopt;
        case StateEvent::CellClick:
            if (IsModifyState(state)) return kModifyEditing;
            if (IsDeleteState(state)) return kDeleteAsking;
            return std::nullopt;
        case StateEvent::RangePress:
            if (IsRangeState(state)) return kRangeUnderWay;
            return std::nullopt;
        case StateEvent::Scroll:
            if (state == kAddEditing) return kAddChosen;
            if (state == kModifyEditing) return kModifyChosen;
            if (state == kDeleteAsking) return kDeleteChosen;
            return std::nullopt;
        case StateEvent::DateCommitted:
            if (state == kModifyEditing) return kIdle;
            if (state == kAddEditing) return kAddEditing;
            return std::nullopt;
        case StateEvent::RowStored:
            if (state == kAddEditing) return kIdle;
            return std::nullopt;
        case StateEvent::Reset:
            if (state != kIdle) return kIdle;
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Color> GridColorOf(std::int16_t state) {
    switch (state) {
        case kIdle: return kGridIdleColor;
        case kModifyChosen:
        case kModifyEditing:
        case kDeleteChosen:
        case kDeleteAsking:
        case kRangeChosen:
        case kRangeUnderWay: return kGridBusyColor;
        default: return std::nullopt;
    }
}

OperationControls KeptDuring(std::int16_t state, bool hasFile) {
    OperationControls c;
    c.modify = state == kModifyChosen;
    c.add = state == kAddEditing;
    c.remove = state == kDeleteChosen && hasFile;
    c.newFile = state == kNewFileOpen;
    // A row delete that took the file's last record leaves only the file
    // delete button, which then has no file to act on.
    c.fileDelete = state == kDeleteChosen && !hasFile;
    c.range = IsRangeState(state);
    return c;
}

OperationControls EnabledWhenIdle(bool hasFile) {
    OperationControls c;
    c.newFile = true;
    c.fileDelete = true;
    if (hasFile) {
        c.add = c.remove = c.modify = c.display = c.range = c.correction = true;
    }
    return c;
}

}  // namespace ranvik
