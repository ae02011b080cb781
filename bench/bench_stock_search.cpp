// How long one step of the list pane's stock search takes over an
// all-stocks list of 4,000 rows when the only match is the last row, and
// when no row matches (the whole list is read either way).
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QPushButton>
#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/lists/list_table.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/message_service.h"
#include "platform/runtime/process.h"
#include "platform/ui/flex_grid.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

constexpr int kRows = 4000;

// Every fortieth entry a heading, the others stocks with names of kanji,
// katakana and Latin letters; the last stock alone is named "目当て".
std::vector<ListEntry> AllStocks() {
    std::vector<ListEntry> entries;
    for (int i = 0; i < kRows - 1; ++i) {
        ListEntry e;
        if (i % 40 == 0) {
            e.Code = std::string(kHeadingCode);
            e.StockName = std::string("業種 ").append(std::to_string(i / 40));
        } else {
            e.Code = std::to_string(1000 + i);
            e.StockName = std::string("ホールディングス銘柄ABC ").append(std::to_string(i));
            e.Market.assign(1, 't');
            e.Section = 1;
            e.TradingUnit = 100;
        }
        entries.push_back(e);
    }
    ListEntry last;
    last.Code.assign("9999", 4);
    last.StockName = std::string("目当て");
    last.Market.assign(1, 't');
    last.Section = 1;
    last.TradingUnit = 100;
    entries.push_back(last);
    return entries;
}

struct MainWindowWithAllStocks {
    test::TempFolder dir;
    ScopedRecordingMessages messages;
    std::unique_ptr<MDIForm1> form;
    MainWindowWithAllStocks() {
        ResetProgramState();
        SetProgramFolder(dir.Path());
        test::WriteBytes(dir.File("MyURL.txt"), "Version=4.4.24\r\n");
        ListEntry header;
        header.StockName = "4.4.24";
        const std::string table = ListTableBytes(header, AllStocks());
        test::WriteBytes(dir.File("全銘柄リスト.eTBL"), table);
        test::WriteBytes(dir.File("東証プライムリスト.eTBL"), table);
        form = std::make_unique<MDIForm1>();
        form->resize(1024, 768);
        form->MDIForm_Load();
        form->Combo1->setCurrentIndex(form->Combo1->findText("全銘柄"));
        form->Combo1_Click();
    }
    ~MainWindowWithAllStocks() {
        form.reset();
        SetProgramFolder("");
        ResetProgramState();
    }
    void Step(benchmark::State& state, const char* key, bool found) {
        form->Combo3->setEditText(QString::fromUtf8(key));
        form->検索cmd_Click();  // the key joins the box's list once, outside the timing
        for (auto _ : state) {
            state.PauseTiming();
            form->Combo3_Change();
            messages->shown.clear();
            state.ResumeTiming();
            form->検索cmd_Click();
        }
        // The title row, the 4,000 entries and the closing blank row.
        if (form->MSF全Grid2->Rows() != kRows + 2) state.SkipWithError("the list was not loaded");
        const bool sawFound = messages->shown.empty() && form->MSF全Grid2->Row() == kRows;
        if (sawFound != found) state.SkipWithError("unexpected search result");
    }
};

void BM_SearchStepFindsTheLastRow(benchmark::State& state) {
    MainWindowWithAllStocks main;
    main.Step(state, "目当て", true);
}
BENCHMARK(BM_SearchStepFindsTheLastRow)->Unit(benchmark::kMillisecond);

void BM_SearchStepFindsNothing(benchmark::State& state) {
    MainWindowWithAllStocks main;
    main.Step(state, "該当なし", false);
}
BENCHMARK(BM_SearchStepFindsNothing)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) { return ranvik::bench::RunBenchmarks(argc, argv); }
