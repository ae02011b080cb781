// The company results window fetching its pages through the program's
// Internet transfer from a local HTTP server.
#include <QApplication>
#include <QGroupBox>
#include <QTest>

#include <chrono>

#include "company/company_page_transfer.h"
#include "platform/net/internet_transfer.h"
#include "platform/ui/chart_control.h"
#include "tests/company/form7_fixture.h"
#include "tests/support/http_server.h"
#include "tests/support/when_requested.h"
#include "tests/support/window_system.h"

namespace ranvik {
namespace {

using namespace std::chrono_literals;

const char* kFailed700 = "700, インターネットのアクセスに失敗しました\r\nモデムの電源などを確認して下さい";
const char* kFailed701 = "701, インターネット異常(タイムアウト)。再試行して下さい";

std::string Join(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes.append(line).append("\r\n");
    return bytes;
}

std::string Cells(std::initializer_list<const char*> values) {
    std::string line;
    for (const char* v : values) line.append("<td>").append(v).append("</td>");
    return line;
}

// The results page with its header and first row only.
std::string ResultsPage() {
    return Join({
        "<h2>損益計算書</h2>",
        "<div class=\"tableType01_unit\"><span>単位：百万円</span></div>",
        "<table><tr><th>決算期</th>",
        "    " + Cells({"2021.03連", "2022.03連", "2023.03連", "2024.03連", "2025.03連"}),
        "</tr></thead>",
        "<tr><th>売上高</th>",
        Cells({"1,000,000", "1,000,000", "1,000,000", "1,000,000", "1,234,567"}),
        "</table>",
    });
}

std::string IndicatorPage() {
    return Join({
        "<span>現在値</span><span>(15:00)</span>",
        "<span class=\"value now\">1,234</span>",
        "<dt>PER</dt>",
        "<dd class=\"detail_value\">12.5</dd>",
    });
}

std::string QuotePage() { return Join({"<tr><th>1株配当</th><td>50.00</td><td>2025/03</td></tr>"}); }

class Form7TransferTest : public test::Form7Test {
protected:
    void SetUp() override {
        InternetTransfer::SetDefaultTimeouts({2000ms, 600ms});
        test::Form7Test::SetUp();
        InstallCompanyPageTransfer();
        auto& download = Program().download;
        download.InfoLink1 = server.Base() + "/fin";
        download.InfoLink0 = server.Base() + "/ind";
        download.QuoteSiteUrl = server.Base() + "/quote/";
    }
    void TearDown() override {
        test::Form7Test::TearDown();
        InternetTransfer::SetDefaultTimeouts({});
    }
    void ServeCompany(const std::string& code) {
        server.Page("/fin?scode=" + code, ResultsPage());
        server.Page("/ind?scode=" + code, IndicatorPage());
        server.Page("/quote/" + code + ".t", QuotePage());
    }
    static std::string Text(const QLabel* label) { return label->text().toStdString(); }

    test::HttpServer server;
};

TEST_F(Form7TransferTest, TheThreePagesAreFetchedReadAndShown) {
    ServeCompany("7203");
    Form7* w = OpenFor("7203", "トヨタ自動車");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/fin?scode=7203", "/ind?scode=7203", "/quote/7203.t"}));
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_EQ(Program().collection.InetState, 10);
    EXPECT_EQ(w->Fields().LoadedCode, "7203");
    // The bytes as served, with one line break more.
    EXPECT_EQ(Page("株HTML.htm"), ResultsPage() + "\r\n");
    EXPECT_EQ(Page("株HTML2.htm"), IndicatorPage() + "\r\n");
    EXPECT_EQ(Page("株HTML3.htm"), QuotePage() + "\r\n");

    EXPECT_EQ(Text(w->Label15), "12.5 倍");
    EXPECT_EQ(Text(w->Label21), "50.00 円 (2025/03)");
    EXPECT_EQ(w->MSFGrid1->TextMatrix(0, 5), "2025.03  ");
    EXPECT_EQ(w->MSFGrid1->TextMatrix(1, 5), "12345.67");
    EXPECT_EQ(w->MSChart[1]->Title(), "損益計算書 (億円)");
    EXPECT_FLOAT_EQ(static_cast<float>(w->MSChart[1]->DataAt(1, 5)), 12345.67f);
    EXPECT_TRUE(w->Frame1->isVisibleTo(w));

    // The loaded stock is not fetched again.
    server.ClearRequests();
    OpenFor("7203", "トヨタ自動車");
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(Form7TransferTest, AnIndicatorPageThatDoesNotComeEndsTheDownload) {
    server.Page("/fin", ResultsPage());
    server.Page("/quote/1301.t", QuotePage());
    server.Slow("/late", 2000ms, IndicatorPage());
    server.Cut("/cut", std::string(100, 'a'), 4000);
    const struct {
        const char* name;
        std::string indicatorLink;  // holding its query, so it is taken as it is
        const char* message;
        const char* label18;
    } cases[] = {
        {"not found", server.Base() + "/gone?scode=", kFailed700, "データ収集失敗．．．"},
        {"cut short", server.Base() + "/cut?scode=", kFailed700, "データ収集失敗．．．"},
        {"refused", "http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/ind?scode=", kFailed700,
         "データ収集失敗．．．"},
        {"time-out", server.Base() + "/late?scode=", kFailed701, ""},
        {"bad address", "htp:/\x01/ind?scode=", kFailed701, ""},
    };
    for (const auto& c : cases) {
        Program().download.InfoLink0 = c.indicatorLink;
        server.ClearRequests();
        messages->shown.clear();
        Form7* w = OpenFor("1301", "極洋");
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(Text(w->Label18), c.label18) << c.name;
        // The quote page is not asked for, and nothing is read.
        for (const std::string& request : server.Requests()) EXPECT_EQ(request.find("/quote/"), std::string::npos) << c.name;
        EXPECT_EQ(Program().collection.NetFailed, 1) << c.name;
        EXPECT_NE(w->Fields().LoadedCode, "1301") << c.name;
        EXPECT_FALSE(w->Frame1->isVisibleTo(w)) << c.name;
        EXPECT_TRUE(form->isEnabled()) << c.name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << c.name;
        form->mnuGyouEnd_Click();
    }
}

TEST_F(Form7TransferTest, AClosingProgramEndsTheDownloadWithoutAMessage) {
    ServeCompany("1301");
    // Closing the main window cancels every running request.
    InstallCompanyPageRequest([](const std::string& address, const PageStateHandler& stateChanged) {
        return FetchCompanyPage(address, [&](int state) {
            stateChanged(state);
            if (state == 1 && address.find("/ind") != std::string::npos) InternetTransfer::CancelAll();
        });
    });
    Form7* w = OpenFor("1301", "極洋");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/fin?scode=1301"});
    EXPECT_EQ(Program().collection.NetFailed, 1);
    EXPECT_NE(w->Fields().LoadedCode, "1301");
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The close box of the main window's title bar while the indicator page is
// on its way (it would take 20 s): the download ends at once without a
// message, nothing is read, and the program ends.
TEST_F(Form7TransferTest, TheWindowManagersCloseDuringASlowPageEndsTheProgramAtOnce) {
    InternetTransfer::SetDefaultTimeouts({2000ms, 60000ms});
    server.Page("/fin?scode=1301", ResultsPage());
    server.Slow("/ind", 20000ms, IndicatorPage());
    server.Page("/quote/1301.t", QuotePage());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    bool ended = false;
    bool closeQueued = false;
    QObject::connect(form.get(), &MDIForm1::Ended, [&] { ended = true; });
    InstallCompanyPageRequest([&](const std::string& address, const PageStateHandler& stateChanged) {
        return FetchCompanyPage(address, [&](int state) {
            stateChanged(state);
            if (state == 5 && address.find("/ind") != std::string::npos) {
                test::WhenServerHolds(server, 2, form.get(),
                                      [&] { closeQueued = test::QueueWindowSystemClose(*form); });
            }
        });
    });
    Form7* w = OpenFor("1301", "極洋");
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(server.Requests(), (std::vector<std::string>{"/fin?scode=1301", "/ind?scode=1301"}));
    EXPECT_EQ(Program().collection.NetFailed, 1);
    EXPECT_NE(w->Fields().LoadedCode, "1301");
    EXPECT_TRUE(closeQueued);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ended; }, 10000));
}

}  // namespace
}  // namespace ranvik
