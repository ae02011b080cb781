// How fast the list editor opens and saves a stock list table of 32,000
// records (the header and 31,999 entries, near the format's limit of
// 32,767): the table read into the grid and the window drawn, and the grid
// written back through a temporary file.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "listedit/editor_state.h"
#include "listedit/form1.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/process.h"
#include "tests/support/test_support.h"

namespace ranvik::listedit {
namespace {

constexpr int kRecords = 32000;

// Every fiftieth entry a heading, the others stocks of every market.
void WriteLargeTable(const std::string& path) {
    ListEntry header;
    header.StockName = "4.4.24";
    std::vector<ListEntry> entries;
    for (int i = 0; i < kRecords - 1; ++i) {
        ListEntry e;
        if (i % 50 == 0) {
            e.Code = std::string(kHeadingCode);
            e.StockName = "業種 " + std::to_string(i / 50);
        } else {
            e.Code = std::to_string(1000 + i % 9000);
            e.StockName = std::string("銘柄名称 ").append(std::to_string(i));
            e.Market = std::string("t");  // moved: GCC 12 -O3 warns falsely on a literal
            e.Section = static_cast<std::uint8_t>(1 + i % 3);
            e.TradingUnit = 100;
        }
        entries.push_back(e);
    }
    test::WriteBytes(path, ListTableBytes(header, entries));
}

struct Editor32000 {
    test::TempFolder dir;
    ScopedRecordingMessages messages;
    Form1 form;
    Editor32000() {
        ResetEditorState();
        SetProgramFolder(dir.Path());
        WriteLargeTable(dir.File(kPrimeTable));
        form.Form_Load();
        form.show();
        QApplication::processEvents();
    }
    ~Editor32000() { SetProgramFolder(""); }
};

void BM_Open32000RecordTable(benchmark::State& state) {
    Editor32000 editor;
    for (auto _ : state) {
        editor.form.mnuMeigaraList_Click(1);
        QApplication::processEvents();
    }
    if (editor.form.MSFGrid1 == nullptr || !editor.messages->shown.empty()) state.SkipWithError("table not opened");
}
BENCHMARK(BM_Open32000RecordTable)->Unit(benchmark::kMillisecond);

void BM_Save32000RecordTable(benchmark::State& state) {
    Editor32000 editor;
    editor.form.mnuMeigaraList_Click(1);
    for (auto _ : state) {
        editor.form.ListModified = true;
        if (!editor.form.WriteCurrentList()) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_Save32000RecordTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik::listedit

int main(int argc, char** argv) { return ranvik::bench::RunBenchmarks(argc, argv); }
