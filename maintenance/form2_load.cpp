// Reading the chosen stock data file into the record grid and the correction table.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/program_state.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/stock_file_view.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/ui/control_colors.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"

namespace ranvik {

using namespace form2_internal;

namespace {

bool Admin() { return Program().app.AdminMode == kTrue; }

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool Form2::NewestFirst() const { return Item("mnu逆表示", 1).Checked(); }

RowLayout Form2::ShownLayout() const { return RowLayout{RecordCount, shownNewestFirst_, Admin()}; }

int Form2::RecordOfGridRow(int row) const {
    return RecordOfRow(ShownLayout(), RowNumberOf(FGrid1->TextMatrix(row, 0)));
}

void Form2::SetGridHeader() {
    if (OperationState != kIdle && OperationState != kRangeUnderWay) return;
    FGrid1->Clear();
    const int last = Admin() ? kRecordGridCols - 1 : 8;
    for (int c = 0; c <= last; ++c) FGrid1->SetTextMatrix(0, c, kRecordGridTitles[static_cast<std::size_t>(c)]);
}

void Form2::LoadStockFile(int topRow) {
    // 1.
    if (DataFilePath.empty()) {
        ShowMessage(kMessage202, kWindowTitle);
        SetBackColor(表示CMD, kButtonEnded);
        return;
    }
    // 2. to 4.
    LoadedFilePath = DataFilePath;
    SetGridHeader();
    const bool admin = Admin();
    StockFileView view;
    try {
        view = ReadStockFile(DataFilePath, NewestFirst(), admin);
    } catch (const FileError&) {
        RecordCount = 0;
        ShowMessage(FileErrorMessage(FileNameOf(DataFilePath)), kWindowTitle);
        return;
    }
    if (view.status != LoadStatus::Loaded) {
        // What the grid showed is gone: no row names a record any more.
        RecordCount = 0;
        switch (view.status) {
            case LoadStatus::NoHeader: ShowMessage(kMessage203, kWindowTitle); break;
            case LoadStatus::BadFirstDate:
                ShowMessage(kMessage204, kWindowTitle);
                DataFilePath.clear();
                break;
            default:
                // A count beyond the file's records would have edits read
                // and move records that are not there.
                ShowMessage(DamagedFileMessage(FileNameOf(DataFilePath)), kWindowTitle);
                DataFilePath.clear();
                break;
        }
        return;
    }
    // 5.
    Text9->hide();
    for (int r = 1; r <= kCorrectionRows; ++r) {
        for (int c = 0; c <= 3; ++c) FGrid3->SetTextMatrix(r, c, "");
    }
    // 6.
    Frame2->setTitle(view.correctionSet ? "<ﾁｬｰﾄ補正>==============" : "<ﾁｬｰﾄ補正(未設定)>======");
    FGrid3->SetTextMatrix(0, 0, view.pointCount);
    for (int i = 0; i < kCorrectionRows; ++i) {
        const CorrectionPoint& point = view.points[static_cast<std::size_t>(i)];
        if (point.number.empty()) continue;
        FGrid3->SetTextMatrix(i + 1, 0, point.number);
        FGrid3->SetTextMatrix(i + 1, 1, point.date);
        FGrid3->SetTextMatrix(i + 1, 2, point.multiplier);
        FGrid3->SetTextMatrix(i + 1, 3, point.record);
    }
    // 7.
    チャート補正保存->setEnabled(false);
    MarkedRow = 0;
    SetForeColor(Label1, kCaptionShown);
    // 8.
    HeaderHigh = view.high;
    HeaderLow = view.low;
    HeaderVolume = view.volume;
    HeaderSellBalance = view.sellBalance;
    HeaderBuyBalance = view.buyBalance;
    RecordCount = static_cast<std::int16_t>(view.layout.recordCount);
    shownNewestFirst_ = view.layout.newestFirst;
    // 9.
    FGrid1->SetRows(GridRowCount(view.layout));
    // 10, 11.  Thousands of rows: one repaint at the end.
    FGrid1->SetRedraw(false);
    const int lastCol = admin ? kRecordGridCols - 1 : 8;
    for (std::size_t i = 0; i < view.rows.size(); ++i) {
        const ShownRow& row = view.rows[i];
        const int j = static_cast<int>(i) + 1;
        for (int c = 0; c <= lastCol; ++c) {
            const std::string_view text = view.Cell(i, c);
            if (!text.empty()) FGrid1->SetTextMatrix(j, c, text);
            if (row.marked[static_cast<std::size_t>(c)]) FGrid1->SetCellBackColorAt(j, c, kExtremeCell);
        }
    }
    FGrid1->SetRedraw(true);
    // 12. A range operation keeps its own buttons.
    if (!IsRangeState(OperationState)) EnableOperationMenus();
    // 13. Oldest first shows the newest records, newest first the first rows.
    const int n = RecordCount;
    int top = topRow;
    if (shownNewestFirst_ && top == 0) top = 1;
    if (n > 2) FGrid1->SetTopRow(top == 0 ? n - 2 : top);
}

RecordFile Form2::OpenDataFile() const {
    // Opening for writing would create a file that is not there.
    if (DataFilePath.empty() || !FileExists(DataFilePath)) {
        throw FileError("the stock data file " + DataFilePath + " is not there");
    }
    return RecordFile(DataFilePath, QuoteRecord::kLength);
}

void Form2::FileFailure() {
    ShowMessage(FileErrorMessage(FileNameOf(DataFilePath)), kWindowTitle);
    Text1->hide();
    if (IsAddState(OperationState)) SetBackColor(追加CMD, kButtonEnded);
    if (IsModifyState(OperationState)) SetBackColor(修正CMD, kButtonEnded);
    if (IsDeleteState(OperationState)) SetBackColor(削除CMD, kButtonEnded);
    const int top = FGrid1->TopRow();
    OperationState = kIdle;
    SetGridColor(kGridIdleColor);
    if (!DataFilePath.empty()) LoadStockFile(top);
    EnableOperationMenus();
}

}  // namespace ranvik
