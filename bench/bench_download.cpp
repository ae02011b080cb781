// The collection's page download against a bare libcurl loop: 250 stocks in
// a row, eight daily history pages each, from a local server that answers at
// once, so that what is measured is the program's own cost per page (the
// worker thread, the state events, the page files).  The download should
// stay within 1.25 times the bare loop.  A third run collects the same
// stocks whole, the page readers and the data files included.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <curl/curl.h>

#include <chrono>
#include <cstdio>
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
    void Report(benchmark::State& state) const {
        const double ms = std::chrono::duration<double, std::milli>(total_).count();
        state.counters["ms_per_stock"] = runs_ == 0 ? 0 : ms / (static_cast<double>(runs_) * kStocks);
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

void BM_PanelDownload(benchmark::State& state) {
    Shared& f = Fixture();
    StockClock clock;
    for (auto _ : state) {
        clock.Start();
        for (int stock = 0; stock < kStocks; ++stock) {
            f.Target(stock);
            f.panel->DownloadCollectionPages();
            if (Program().collection.NetFailed != 0) state.SkipWithError("a download failed");
        }
        clock.Stop();
        f.panel->Timer1->stop();
    }
    clock.Report(state);
}
BENCHMARK(BM_PanelDownload)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

size_t Append(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

void BM_BareCurlLoop(benchmark::State& state) {
    Shared& f = Fixture();
    CURL* easy = curl_easy_init();
    std::string body;
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Append);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "127.0.0.1");
    StockClock clock;
    for (auto _ : state) {
        clock.Start();
        for (int stock = 0; stock < kStocks; ++stock) {
            const std::string base = f.server.Base() + "/yahoo/quote/" + std::to_string(1300 + stock) +
                                     ".t/history?from=20230725&to=20240520&timeFrame=d&page=";
            for (int page = 1; page <= kPages; ++page) {
                body.clear();
                const std::string url = base + std::to_string(page);
                curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
                if (curl_easy_perform(easy) != CURLE_OK) state.SkipWithError("a request failed");
                body += "\r\n";
                // A fresh file each time, as the program replaces its pages:
                // truncating a file in place makes the file system flush it.
                const std::string file = f.dir.File("bare" + std::to_string(page) + ".htm");
                std::remove(file.c_str());
                if (FILE* out = std::fopen(file.c_str(), "wb")) {
                    std::fwrite(body.data(), 1, body.size(), out);
                    std::fclose(out);
                }
            }
        }
        clock.Stop();
    }
    curl_easy_cleanup(easy);
    clock.Report(state);
}
BENCHMARK(BM_BareCurlLoop)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

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
