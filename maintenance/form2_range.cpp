// Range delete: a run of grid rows left out of a work file, which the save
// puts in the data file's place and the reset throws away.
#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "core/program_state.h"
#include "core/quote_record.h"
#include "maintenance/form2.h"
#include "maintenance/form2_internal.h"
#include "maintenance/record_store.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/record_file.h"
#include "platform/ui/flex_grid.h"
#include "platform/ui/text_box.h"

namespace ranvik {

using namespace form2_internal;

namespace {

constexpr const char* kMessage920 = "920, 範囲を指定して下さい";

std::string NotReplacedMessage(const std::string& fileName) {
    return "株価データファイル " + fileName + " を置き換えられませんでした。" + "\n" +
           "元のファイルはそのままです";
}

std::string WorkFilePath() { return Program().app.AppDir + "Work.KDT"; }

// The records of a stock data file, the header first; read whole before the
// work file, which may be the source itself, is written again.
std::vector<std::string> ReadRecords(const std::string& path) {
    RecordFile file(path, QuoteRecord::kLength, FileAccess::ReadOnly);
    const QuoteRecord header = QuoteRecord::Decode(file.Read(1));
    const int count = header.RecordNo;
    if (count < 1 || count > file.RecordCount()) throw FileError("the header of " + path + " does not fit the file");
    std::vector<std::string> records;
    for (int k = 1; k <= count; ++k) records.push_back(file.Read(k));
    return records;
}

}  // namespace

void Form2::範囲指定BTN_Click() {
    const auto next = StateAfter(OperationState, StateEvent::RangeButton);
    if (!next || OperationState != kIdle) return;
    EntryText.clear();
    OperationState = *next;
    SetGridColor(kGridBusyColor);
    OriginalFilePath.clear();
    Frame1->setTitle("範囲指定の削除");
    EnableOperationButtons();
}

void Form2::範囲削除BTN_Click() {
    // 1.
    if (Text3->text().isEmpty() || Text4->text().isEmpty() || OperationState != kRangeUnderWay) {
        ShowMessage(kMessage920, kWindowTitle);
        return;
    }
    // 2. and 3.
    int lo = Text3->text().toInt();
    int hi = Text4->text().toInt();
    if (hi < lo) std::swap(lo, hi);
    const RowLayout layout = ShownLayout();
    const int rows = NumberedRows(layout);
    if (lo < 1 || hi > rows) return;
    // The records the rows show form one run whatever the order; the header
    // record, a row of its own in administrator mode, is never part of it.
    const int recA = RecordOfRow(layout, lo);
    const int recB = RecordOfRow(layout, hi);
    const int first = std::max(2, std::min(recA, recB));
    const int last = std::max(recA, recB);
    // 4. to 7.  The remaining records keep every stored field, the
    // correction multipliers included; the header is the starting file's
    // with the count and the extremes of what is left.
    const std::string source = DataFilePath;
    const std::string start = OriginalFilePath.empty() ? DataFilePath : OriginalFilePath;
    try {
        std::vector<std::string> records = ReadRecords(source);
        if (first <= last) {
            records.erase(records.begin() + (first - 1), records.begin() + std::min<int>(last, records.size()));
        }
        QuoteRecord header = QuoteRecord::Decode(ReadRecords(start).front());
        header.RecordNo = static_cast<std::int16_t>(records.size());
        records.front() = header.Encode();
        OriginalFilePath = start;
        DataFilePath = WorkFilePath();
        if (FileExists(DataFilePath) && !DeleteFile(DataFilePath)) throw FileError("the work file stays");
        RecordFile work(DataFilePath, QuoteRecord::kLength);
        for (std::size_t k = 0; k < records.size(); ++k) work.Write(static_cast<std::int64_t>(k) + 1, records[k]);
        RecomputeHeader(work);
        work.Close();
    } catch (const FileError&) {
        ShowMessage(FileErrorMessage("Work.KDT"), kWindowTitle);
        // The starting file was never touched: the reset shows it again.
        if (OriginalFilePath.empty()) OriginalFilePath = start;
        if (DataFilePath != WorkFilePath()) DataFilePath = WorkFilePath();
        リセットCMD_Click();
        return;
    }
    // 8.
    const int left = rows - (hi - lo + 1);
    int top = FGrid1->TopRow();
    if (top > left) top = std::max(left, 1);
    LoadStockFile(top);
    Text3->clear();
    Text4->clear();
    範囲削除保存BTN->setEnabled(true);
}

void Form2::範囲削除保存BTN_Click() {
    if (OriginalFilePath.empty()) return;
    // The work file takes the data file's place in one step: until it has,
    // the data file stays as it was.
    if (!ReplaceDataFile(WorkFilePath(), OriginalFilePath)) {
        ShowMessage(NotReplacedMessage(SelectedFileName), kWindowTitle);
        リセットCMD_Click();
        return;
    }
    DataFilePath = OriginalFilePath;
    OriginalFilePath.clear();
    SetGridColor(kGridIdleColor);
    Frame1->setTitle("範囲指定削除 保存完了");
    リセットCMD_Click();
    // The grid showed the work file; it now names the saved one.
    LoadedFilePath = DataFilePath;
}

}  // namespace ranvik
