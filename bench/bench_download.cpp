// The collection's page download against a bare libcurl loop: 250 stocks in
// a row, eight daily history pages each, from a local server that answers at
// once, so that what is measured is the program's own cost per page (the
// event loop, the state events and the status box, the page files).  The
// two run in turns within one benchmark and the download should stay within
// 1.2 times the bare loop.  The transfer alone is measured beside them, and
// a last run collects the same stocks whole, the page readers and the data
// files included.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <curl/curl.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "bench/bench_main.h"
#include "collect/collection_panel.h"
#include "core/data_store.h"
#include "core/main_window.h"
#include "core/program_state.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/folder.h"
#include "platform/runtime/process.h"
#include "tests/support/http_server.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

constexpr int kStocks = 250;
constexpr int kPages = 8;

// A daily history page of 20 rows, padded to the size of a real one.
std::string HistoryPage() {
    std::string rows;
    for (int d = 1; d <= 20; ++d) {
        rows += "<tr><td>2024/4/" + std::to_string(d) +
                "</td><td>1,234</td><td>1,260</td><td>1,230</td><td>1,250</td><td>12,000</td><td>1,250</td></tr>";
    }
    std::string padding;
    for (int i = 0; i < 600; ++i) padding += "<div class=\"nav\"><a href=\"/x\">リンク</a></div>\r\n";
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n" + padding +
           "<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           rows + "</table>\r\n</body></html>\r\n";
}

// Milliseconds per stock over the timed part of every iteration.
class StockClock {
public:
    void Start() { start_ = std::chrono::steady_clock::now(); }
    void Stop() { total_ += std::chrono::steady_clock::now() - start_; ++runs_; }
    void Report(benchmark::State& state) const { state.counters["ms_per_stock"] = MsPerStock(kStocks); }
    // `stocks` stocks a timed part.
    double MsPerStock(int stocks) const {
        const double ms = std::chrono::duration<double, std::milli>(total_).count();
        return runs_ == 0 ? 0 : ms / (static_cast<double>(runs_) * stocks);
    }

private:
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::duration total_{};
    int runs_ = 0;
};

struct Shared {
    test::TempFolder dir;
    test::HttpServer server;
    std::unique_ptr<MDIForm1> form;
    CollectionPanel* panel = nullptr;
    std::string address;

    Shared() {
        server.Fallback(HistoryPage());
        SetProgramFolder(dir.Path());
        InstallCollectionPanelMaker();
        form = std::make_unique<MDIForm1>();
        form->MDIForm_Load();
        panel = qobject_cast<CollectionPanel*>(form->Picture11);
        panel->show();
        address = server.Base() + "/yahoo/quote/9999.T/history?";
        form->Combo2->setEditText(QString::fromStdString(address));
    }

    void Target(int stock) {
        const std::string code = std::to_string(1300 + stock);
        auto& s = Program().selection;
        s.CurrentCode = code;
        s.CurrentMarket = ".t";
        form->CollectCode = code;
        form->CollectDaily = kTrue;
        form->CollectFilePath = dir.File(code + "d.KDT");
        form->CollectUrl = address;
        form->LastSelectedGrid = 1;
    }
};

Shared& Fixture() {
    static Shared shared;
    return shared;
}

// One stock's pages the bare way: libcurl in a loop, each page into a fresh
// file.
class BareLoop {
public:
    BareLoop() {
        easy_ = curl_easy_init();
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &Append);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, &body_);
        curl_easy_setopt(easy_, CURLOPT_NOPROXY, "127.0.0.1");
    }
    ~BareLoop() { curl_easy_cleanup(easy_); }
    BareLoop(const BareLoop&) = delete;
    BareLoop& operator=(const BareLoop&) = delete;

    bool Stock(Shared& f, int stock) {
        const std::string base = f.server.Base() + "/yahoo/quote/" + std::to_string(1300 + stock) +
                                 ".t/history?from=20230725&to=20240520&timeFrame=d&page=";
        bool ok = true;
        for (int page = 1; page <= kPages; ++page) {
            body_.clear();
            const std::string url = base + std::to_string(page);
            curl_easy_setopt(easy_, CURLOPT_URL, url.c_str());
            ok &= curl_easy_perform(easy_) == CURLE_OK;
            body_ += "\r\n";
            // A fresh file each time: truncating a file in place makes the
            // file system flush it.
            const std::string file = f.dir.File("bare" + std::to_string(page) + ".htm");
            std::remove(file.c_str());
            if (FILE* out = std::fopen(file.c_str(), "wb")) {
                std::fwrite(body_.data(), 1, body_.size(), out);
                std::fclose(out);
            }
        }
        return ok;
    }

private:
    static size_t Append(char* data, size_t size, size_t count, void* user) {
        static_cast<std::string*>(user)->append(data, size * count);
        return size * count;
    }
    CURL* easy_ = nullptr;
    std::string body_;
};

// This thread's processor time: what the caller itself spends, whatever the
// server thread and the other programs of the machine do meanwhile.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The panel's download of every stock and the bare loop over the same pages,
// stock by stock in turns, so that both meet the same load of the machine.
// The ratio of the two is the figure to watch (at most 1.2); beside the
// elapsed time, the time this thread spent on each, which a busy machine
// moves less.
void BM_PanelDownloadBesideBareLoop(benchmark::State& state) {
    Shared& f = Fixture();
    BareLoop bare;
    StockClock panelClock, bareClock;
    double panelCpu = 0, bareCpu = 0;
    for (auto _ : state) {
        for (int stock = 0; stock < kStocks; ++stock) {
            double cpu = ThreadMs();
            panelClock.Start();
            f.Target(stock);
            f.panel->DownloadCollectionPages();
            panelClock.Stop();
            panelCpu += ThreadMs() - cpu;
            if (Program().collection.NetFailed != 0) state.SkipWithError("a download failed");
            f.panel->Timer1->stop();
            cpu = ThreadMs();
            bareClock.Start();
            if (!bare.Stock(f, stock)) state.SkipWithError("a request failed");
            bareClock.Stop();
            bareCpu += ThreadMs() - cpu;
        }
    }
    const double panel = panelClock.MsPerStock(1);
    const double loop = bareClock.MsPerStock(1);
    const double stocks = static_cast<double>(state.iterations()) * kStocks;
    state.counters["panel_ms_per_stock"] = panel;
    state.counters["bare_ms_per_stock"] = loop;
    state.counters["panel_to_bare"] = loop > 0 ? panel / loop : 0;
    state.counters["panel_cpu_ms_per_stock"] = panelCpu / stocks;
    state.counters["bare_cpu_ms_per_stock"] = bareCpu / stocks;
    state.counters["panel_to_bare_cpu"] = bareCpu > 0 ? panelCpu / bareCpu : 0;
}
BENCHMARK(BM_PanelDownloadBesideBareLoop)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The transfer alone: the same requests with no window and no page file.
void BM_TransferOnly(benchmark::State& state) {
    Shared& f = Fixture();
    InternetTransfer transfer;
    StockClock clock;
    for (auto _ : state) {
        clock.Start();
        for (int stock = 0; stock < kStocks; ++stock) {
            const std::string base = f.server.Base() + "/yahoo/quote/" + std::to_string(1300 + stock) +
                                     ".t/history?from=20230725&to=20240520&timeFrame=d&page=";
            for (int page = 1; page <= kPages; ++page) {
                benchmark::DoNotOptimize(transfer.OpenURL(base + std::to_string(page)));
                if (!transfer.LastOutcome().Succeeded()) state.SkipWithError("a request failed");
            }
        }
        clock.Stop();
    }
    clock.Report(state);
}
BENCHMARK(BM_TransferOnly)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_WholeCollection(benchmark::State& state) {
    Shared& f = Fixture();
    StockClock clock;
    for (auto _ : state) {
        state.PauseTiming();
        for (int stock = 0; stock < kStocks; ++stock) CreateDataFile(f.dir.File(std::to_string(1300 + stock) + "d.KDT"));
        state.ResumeTiming();
        clock.Start();
        for (int stock = 0; stock < kStocks; ++stock) {
            f.Target(stock);
            f.panel->CollectStockData();
        }
        clock.Stop();
    }
    clock.Report(state);
}
BENCHMARK(BM_WholeCollection)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace ranvik

int main(int argc, char** argv) {
    return ranvik::bench::RunBenchmarks(argc, argv, [] { ranvik::Fixture().form.reset(); });
}
