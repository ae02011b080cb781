#pragma once
// The boxes of the extended parameter panel, frame by frame in the order of
// the settings key table: the box's number (Text20 -> 20), its settings key
// and its design text.  Text70 (parabolic start value) has no key.
#include <string_view>
#include <vector>

namespace ranvik {

struct PanelBoxDef {
    int textNo;
    std::string_view key;     // empty: no settings key
    std::string_view design;  // design text
};

struct PanelFrameDef {
    std::string_view caption;
    std::vector<PanelBoxDef> boxes;
};

const std::vector<PanelFrameDef>& PanelFrames();

// The row a box stands in inside its frame: "日", "週" or "月" by the period
// letter of its key, "" for a key without one.
std::string_view PanelRowCaption(std::string_view key);

}  // namespace ranvik
