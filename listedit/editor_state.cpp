// The list editor's program-wide variables.
#include "listedit/editor_state.h"

namespace ranvik::listedit {

EditorState& Editor() {
    static EditorState state;
    return state;
}

void ResetEditorState() { Editor() = EditorState{}; }

void FillMarketLetters() {
    static constexpr const char* kLetters[12] = {"t", "o", "n", "q", "j", "m", "k", "f", "s", "h", "g", "x"};
    for (std::size_t i = 0; i < 12; ++i) Editor().MarketLetters[i] = kLetters[i];
}

}  // namespace ranvik::listedit
