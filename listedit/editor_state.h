#pragma once
// The list editor's program-wide variables.  The chart program keeps its own
// like-named values; the two programs share nothing but the list files.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/lists/list_entry.h"

namespace ranvik::listedit {

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// Message titles: the program, and with a trailing blank for the search end
// and the edit buttons' messages.
inline constexpr std::string_view kTitle = "Tamelo";
inline constexpr std::string_view kTitleBlank = "Tamelo ";

inline constexpr std::string_view kHelpFileName = "RanvikCManual.chm";
inline constexpr std::string_view kHelpPage = "Manual\\RanvikC4.html";
inline constexpr std::string_view kUrlListFile = "MyURL.txt";
inline constexpr std::string_view kTopicsListFile = "チャートNEWS.etxt";

struct EditorState {
    std::string AppDir;        // the program's folder, ending in "/"
    std::string HelpFilePath;  // AppDir & "RanvikCManual.chm"
    std::int16_t AdminMode = kFalse;
    std::int16_t OsMajorVersion = 0;
    // Market letters by the index of the market popup's items.
    std::array<std::string, 12> MarketLetters;
    // The one record buffer: reading, writing and the row being moved.
    ListEntry EntryBuf;
};

EditorState& Editor();
// Back to the state before start-up (tests start the editor many times).
void ResetEditorState();

// The letters t, o, n, q, j, m, k, f, s, h, g, x by popup index.
void FillMarketLetters();

}  // namespace ranvik::listedit
