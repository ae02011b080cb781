#pragma once
// What the files of the data maintenance window share: its colours, its
// message title and texts, and its design geometry.  Only Form2's own
// files include this.
#include <string>

#include "platform/ui/colors.h"

namespace ranvik::form2_internal {

inline constexpr const char* kWindowTitle = "株価データ保守";

// Operation buttons: their design face, the hover look, the look the panels
// restore, and the look of a button whose operation has ended.
inline const Color kButtonFace = RGB(192, 192, 192);
inline const Color kButtonHover = RGB(250, 245, 245);
inline const Color kButtonRestored = RGB(200, 200, 200);
inline const Color kButtonEnded = RGB(220, 220, 220);

// The caption line: the shown file, another file chosen, the shown file
// deleted because no record was left.
inline const Color kCaptionShown = QBColor(9);
inline const Color kCaptionOtherFile = RGB(200, 200, 200);
inline const Color kCaptionEmptied = QBColor(13);

inline const Color kMarkedRowText = RGB(50, 100, 255);
inline const Color kExtremeCell = QBColor(13);
inline const Color kNewRowCell = RGB(255, 228, 225);

inline constexpr const char* kMessage202 = "202, 銘柄を指定して下さい    ";
inline constexpr const char* kMessage203 = "203, 株価データが無い　";
inline constexpr const char* kMessage204 = "204, 株価データが正しくない    ";
inline constexpr const char* kDeleteQuestion = "この行を削除する?";
// Failures the window reports in words of its own.
inline std::string DamagedFileMessage(const std::string& fileName) {
    return "株価データファイル " + fileName + " が壊れています。" + "\n" + "見出しのデータ数がファイルの大きさと合いません";
}
inline std::string FileErrorMessage(const std::string& fileName) {
    return "株価データファイル " + fileName + " を読み書きできませんでした";
}
inline std::string NotDeletedMessage(const std::string& fileName) {
    return "株価データファイル " + fileName + " を削除できませんでした";
}

// Design geometry (twips).
inline constexpr int kGridTop = 240;
inline constexpr int kPanelShortHeight = 1800;
inline constexpr int kPanelTallHeight = 2800;
inline constexpr int kEdgeStripTop = 220;
inline constexpr int kEdgeStripLeft = 120;
inline constexpr int kEdgeStripRight = 2000;
inline constexpr int kDeleteQuestionMargin = 1100;

}  // namespace ranvik::form2_internal
