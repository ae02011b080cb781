#pragma once
// The main window with its collection panel in a temporary program folder,
// collecting from a local HTTP server: the address bar names the server,
// with the site's fragment standing in the path.
#include <QComboBox>
#include <QRadioButton>
#include <QTextEdit>

#include <chrono>

#include "collect/collection_panel.h"
#include "collect/quote_sites.h"
#include "core/data_store.h"
#include "platform/net/internet_transfer.h"
#include "platform/runtime/folder.h"
#include "platform/surface/screen_surface.h"
#include "platform/ui/flex_grid.h"
#include "tests/collect/stock_file_fixture.h"
#include "tests/core/main_window_fixture.h"
#include "tests/support/http_server.h"

namespace ranvik::test {

// A daily or weekly history page: the table on one line, a row per date.
inline std::string HistoryPage(const std::vector<std::string>& dates) {
    std::string rows;
    for (const std::string& d : dates) {
        rows += "<tr><td>" + d +
                "</td><td>1,234</td><td>1,260</td><td>1,230</td><td>1,250</td><td>12,000</td><td>1,250</td></tr>";
    }
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<div><span class=\"price\">1,250</span><span class=\"change\">+16</span></div>\r\n"
           "<table><tr><th>日付</th><th>始値</th><th>高値</th><th>安値</th><th>終値</th><th>出来高</th>"
           "<th>調整後終値</th></tr>" +
           rows + "</table>\r\n</body></html>\r\n";
}

// A margin-balance history page.
inline std::string MarginPage(const std::string& date, const std::string& sell, const std::string& buy) {
    return "<html><head><meta charset=\"utf-8\"></head>\r\n<body>\r\n"
           "<table class=\"margin\"><tr><th>日付</th><th>売残</th><th>買残</th><th>売残増減</th><th>買残増減</th></tr>"
           "<tr><td>" + date + "</td><td>" + sell + "</td><td>" + buy +
           "</td><td>+10</td><td>-20</td></tr></table>\r\n</body></html>\r\n";
}

class CollectionTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InternetTransfer::SetDefaultTimeouts({std::chrono::milliseconds(1500), std::chrono::milliseconds(1500)});
        InstallCollectionPanelMaker();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        InternetTransfer::SetDefaultTimeouts({});
    }

    // Starts the program with the address bar on `path` of the server and
    // the URL list's further lines.
    void StartAt(const std::string& path, const std::vector<std::string>& more = {}) {
        std::vector<std::string> lines{"株価データ=" + server.Base() + path};
        lines.insert(lines.end(), more.begin(), more.end());
        WriteUrlList(lines);
        Start();
        panel = qobject_cast<CollectionPanel*>(form->Picture11);
        ASSERT_NE(panel, nullptr);
        panel->show();
    }

    // The target as the grids' selection handlers leave it.
    void Target(const std::string& code, const std::string& market, bool fromFileGrid, bool daily) {
        auto& s = Program().selection;
        s.CurrentCode = code;
        s.CurrentMarket = market;
        s.CurrentSection = "1";
        form->CollectCode = code;
        form->LastSelectedGrid = fromFileGrid ? 1 : 2;
        if (fromFileGrid) {
            form->CollectFilePath = dir.File(DataFileName(code, daily));
            form->CollectDaily = daily ? kTrue : kFalse;
        }
    }

    std::string Report() const { return panel->Text9->toPlainText().toStdString(); }

    // After every collection, whatever its end.
    void ExpectIdle(const std::string& what) {
        EXPECT_EQ(Program().collection.WebUpdateBusy, kFalse) << what;
        EXPECT_TRUE(form->isEnabled()) << what;
        EXPECT_FALSE(panel->Timer1->isActive()) << what;
        EXPECT_TRUE(panel->Picture12->isHidden()) << what;
    }

    std::vector<std::string> Targets(const std::string& base, int first, int count) const {
        std::vector<std::string> out;
        for (int k = first; k < first + count; ++k) out.push_back(base + std::to_string(k));
        return out;
    }

    HttpServer server;
    CollectionPanel* panel = nullptr;
};

}  // namespace ranvik::test
