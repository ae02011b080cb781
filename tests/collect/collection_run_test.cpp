#include <QLineEdit>

#include "platform/ui/pointers.h"

#include "tests/collect/collection_fixture.h"

namespace ranvik {
namespace {

using namespace std::chrono_literals;

const std::string kDaily1301 = "/yahoo/quote/1301.t/history?from=20230725&to=20240520&timeFrame=d&page=";
const std::string kWeekly6501 = "/yahoo/quote/6501.t/history?from=20200720&to=20240520&timeFrame=w&page=";

class CollectionRunTest : public test::CollectionTest {
protected:
    test::FixedClock clock{Date{2024, 5, 20}, 17, 0, 0};
};

TEST_F(CollectionRunTest, AnUpdateFetchesEightDailyPagesIntoThePageFilesAndStoresTheirRows) {
    CreateDataFile(dir.File("1301d.KDT"));
    server.Page("/yahoo/quote/1301.t/history", test::HistoryPage({}));
    server.Page(kDaily1301 + "1", test::HistoryPage({"2024/5/20", "2024/5/17"}));
    StartAt("/yahoo/quote/9999.T/history?");
    // An old page file of a longer run goes before the new pages come.
    Program().download.PageFile8 = dir.File("株HTML8.htm");
    test::WriteBytes(dir.File("株HTML8.htm"), "old");

    // The stock picked in the data-file grid, then the collect button.
    form->MSFGrid1->SetRow(1);
    emit form->MSFGrid1->MouseDown(1, 0, 100.0, 300.0);
    ASSERT_EQ(form->CollectCode, "1301");
    std::vector<int> states;
    bool enabledDuring = false, busyLook = true, blinking = true, barShown = true;
    QObject::connect(panel->Inet1, &InternetTransfer::StateChanged, [&](int s) {
        states.push_back(s);
        enabledDuring |= form->isEnabled();
        busyLook &= MousePointerOf(form.get()) == 11;
        blinking &= panel->Timer1->isActive();
        barShown &= !panel->Picture12->isHidden();
    });
    panel->更新作成_MouseUp(1, 1);
    // While pages are requested the window takes no input and says so.
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(busyLook);
    EXPECT_TRUE(blinking);
    EXPECT_TRUE(barShown);

    EXPECT_EQ(server.Requests(), Targets(kDaily1301, 1, 8));
    EXPECT_TRUE(messages->shown.empty()) << (messages->shown.empty() ? "" : messages->shown[0].text);
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_EQ(Program().collection.InetState, 10);
    EXPECT_EQ(states.size(), 48u);
    // Each page as it came, followed by CR LF.
    const auto& d = Program().download;
    EXPECT_EQ(d.PageFile1, dir.File("株HTML.htm"));
    EXPECT_EQ(d.PageFile8, dir.File("株HTML8.htm"));
    EXPECT_EQ(test::ReadBytes(d.PageFile1), test::HistoryPage({"2024/5/20", "2024/5/17"}) + "\r\n");
    EXPECT_EQ(test::ReadBytes(d.PageFile8), test::HistoryPage({}) + "\r\n");
    EXPECT_EQ(test::ReadRecord(dir.File("1301d.KDT"), 1).RecordNo, 3);
    EXPECT_EQ(test::ReadRecord(dir.File("1301d.KDT"), 3).QuoteDate, "05/20/24");
    std::string log = Program().collection.UpdateLog;
    std::erase(log, '\r');
    EXPECT_EQ(Report(), log);
    EXPECT_NE(Report().find("以上を更新しました"), std::string::npos);
    EXPECT_EQ(panel->CollectEndTime, "2024/05/20 17:00:00");
    EXPECT_EQ(form->CollectCode, "");  // a new target must be picked
    EXPECT_EQ(form->MSFGrid1->CellBackColorAt(1, 1), RGB(120, 120, 255));
    ExpectIdle("update");
}

TEST_F(CollectionRunTest, ANewWeeklyStockAboveFiveHundredIsFilledAndGetsItsMarginBalancesInASecondRun) {
    server.Page("/yahoo/quote/6501.t/history", test::HistoryPage({}));
    server.Page(kWeekly6501 + "1", test::HistoryPage({"2024/5/17", "2024/5/10"}));
    server.Page("/yahoo/quote/6501.t/margin", test::HistoryPage({}));
    server.Page("/yahoo/quote/6501.t/margin?page=1", test::MarginPage("2024/5/17", "1,000", "2,000"));
    StartAt("/yahoo/quote/9999.T/history?");
    form->Option2->click();
    panel->Option4->click();
    Target("6501", ".t", false, false);
    panel->更新作成_MouseUp(1, 1);

    std::vector<std::string> expected = Targets(kWeekly6501, 1, 8);
    for (const std::string& t : Targets("/yahoo/quote/6501.t/margin?page=", 1, 8)) expected.push_back(t);
    EXPECT_EQ(server.Requests(), expected);
    EXPECT_TRUE(messages->shown.empty()) << (messages->shown.empty() ? "" : messages->shown[0].text);
    const std::string file = dir.File("6501w.KDT");
    ASSERT_TRUE(FileExists(file));
    EXPECT_EQ(test::ReadRecord(file, 1).RecordNo, 3);
    EXPECT_EQ(test::ReadRecord(file, 3).QuoteDate, "05/17/24");
    EXPECT_EQ(test::ReadRecord(file, 3).SellBalance, 1000.0f);
    EXPECT_EQ(test::ReadRecord(file, 3).BuyBalance, 2000.0f);
    EXPECT_EQ(Report(), "作成完了");
    EXPECT_EQ(form->CollectUrl, server.Base() + "/yahoo/quote/9999.T/margin?");
    // The new file is listed.
    bool listed = false;
    for (int r = 1; r < form->MSFGrid1->Rows(); ++r) listed |= form->MSFGrid1->TextMatrix(r, 4) == "6501w.KDT";
    EXPECT_TRUE(listed);
    ExpectIdle("new stock");

    // The next press starts from the history address again; the file exists.
    server.ClearRequests();
    Target("6501", ".t", false, false);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(form->CollectUrl, server.Base() + "/yahoo/quote/9999.T/history?");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"107, 既に同じファイル名があります。"});
    EXPECT_TRUE(server.Requests().empty());
    EXPECT_EQ(test::ReadRecord(file, 1).RecordNo, 3);
    EXPECT_EQ(form->CollectFilePath, "");
    ExpectIdle("107");
}

// Records each message as the recording service does, with whether the
// main window behind it took input and which pointer it showed.
class BusyNotingMessages : public MessageService {
public:
    BusyNotingMessages(const MDIForm1& window, MessageService& recorder) : window_(window), recorder_(recorder) {}
    MessageAnswer Show(const ShownMessage& message) override {
        behind.emplace_back(window_.isEnabled(), MousePointerOf(&window_));
        return recorder_.Show(message);
    }
    void Beep() override { recorder_.Beep(); }
    std::vector<std::pair<bool, int>> behind;

private:
    const MDIForm1& window_;
    MessageService& recorder_;
};

TEST_F(CollectionRunTest, EveryFailureOfANewStockDeletesTheFileItMadeAndLeavesTheWindowUsable) {
    const int closed = test::ClosedPort();
    // `busy`: the download's own messages come while the window is still
    // disabled; the driver's after the download come with it usable again.
    const struct {
        const char* name;
        std::string address;  // path on the server, or a whole address
        std::string code;
        std::vector<std::string> messages;
        std::size_t requests;
        const char* report;
        bool busy;
    } cases[] = {
        {"404 on page 3", "/yahoo/quote/9999.T/history?", "1301",
         {"103, インターネットのアクセスに失敗しました\r\nホームページアドレス(URL)又はモデムの電源などを確認して下さい"},
         3, nullptr, true},
        {"server error", "/broken/yahoo/quote/9999.T/history?", "1301",
         {"103, インターネットのアクセスに失敗しました\r\nホームページアドレス(URL)又はモデムの電源などを確認して下さい"},
         1, nullptr, true},
        {"refused", "http://127.0.0.1:" + std::to_string(closed) + "/yahoo/quote/9999.T/history?", "1301",
         {"104, インターネット異常。再試行して下さい"}, 0, nullptr, true},
        {"time-out", "/slow/yahoo/quote/9999.T/history?", "1301", {"104, インターネット異常。再試行して下さい"}, 1,
         nullptr, true},
        {"cut", "/cut/yahoo/quote/9999.T/history?", "1301", {"104, インターネット異常。再試行して下さい"}, 1, nullptr,
         true},
        {"no known site", "/other/quote/9999.T/history?", "1301", {"102, 指定したアドレスではデータ収集出来ません。"},
         0, nullptr, true},
        {"kind 3", "/nikke/quote/9999.T/history?", "1301", {"102, 指定したアドレスではデータ収集出来ません。"}, 0,
         nullptr, true},
        {"no quote segment", "/yahoo/stocks/history?", "1301", {"102, 指定したアドレスではデータ収集出来ません。"}, 0,
         nullptr, true},
        {"code below 100 without its line", "/yahoo/quote/9999.T/history?", "0010",
         {"307, 銘柄コードの定義が有りません　"}, 0, nullptr, true},
        {"pages without rows", "/empty/yahoo/quote/9999.T/history?", "1301", {"106, データ無し。   "}, 8,
         "作成失敗", false},
        {"kind 4 has no reader", "/kabuc/quote/chart", "1301", {"106, データ無し。   "}, 1, "作成失敗", false},
    };
    server.Fallback(test::HistoryPage({}));
    server.Page("/yahoo/quote/1301.t/history", test::HistoryPage({"2024/5/17"}));
    server.Status("/yahoo/quote/1301.t/history", 404);
    server.Page(kDaily1301 + "1", test::HistoryPage({"2024/5/20"}));
    server.Page(kDaily1301 + "2", test::HistoryPage({"2024/5/17"}));
    server.Status("/broken/yahoo/quote/1301.t/history", 500);
    server.Slow("/slow/yahoo/quote/1301.t/history", 4000ms, "late");
    server.Cut("/cut/yahoo/quote/1301.t/history", "<html>", 5000);
    StartAt("/yahoo/quote/9999.T/history?");
    form->Option1->click();
    panel->Option4->click();
    auto noting = std::make_unique<BusyNotingMessages>(*form, *messages);
    BusyNotingMessages* seen = noting.get();
    std::unique_ptr<MessageService> recorder = InstallMessageService(std::move(noting));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages->shown.clear();
        seen->behind.clear();
        server.ClearRequests();
        test::WriteBytes(dir.File("株HTML3.htm"), "page 3 of the run before");
        form->Combo2->setEditText(QString::fromStdString(c.address.rfind("http", 0) == 0 ? c.address
                                                                                          : server.Base() + c.address));
        Target(c.code, ".t", false, true);
        panel->更新作成_MouseUp(1, 1);
        EXPECT_EQ(MessageTexts(), c.messages);
        const std::pair<bool, int> behind = c.busy ? std::pair{false, 11} : std::pair{true, 0};
        EXPECT_EQ(seen->behind, std::vector(c.messages.size(), behind));
        EXPECT_EQ(server.Requests().size(), c.requests);
        const std::string file = dir.File(c.code + "d.KDT");
        EXPECT_FALSE(FileExists(file));
        EXPECT_EQ(form->CollectFilePath, "");
        if (c.report) {
            EXPECT_EQ(Report(), c.report);
        }
        ExpectIdle(c.name);
        EXPECT_EQ(MousePointerOf(form.get()), 0);
        if (c.requests == 3) {
            // Pages 1 and 2 came; the failed third page kept its file.
            EXPECT_EQ(test::ReadBytes(dir.File("株HTML2.htm")), test::HistoryPage({"2024/5/17"}) + "\r\n");
            EXPECT_EQ(test::ReadBytes(dir.File("株HTML3.htm")), "page 3 of the run before");
        }
    }
    InstallMessageService(std::move(recorder));
}

TEST_F(CollectionRunTest, AWeeklyUpdateDeletesThePagesOfALongerRunAndASeriesGoesByItsUrlListCode) {
    server.Fallback(test::HistoryPage({}));
    const std::string site = "/yahoo/quote/9999.T/history?";
    StartAt(site, {"%0010=998407.O  日経平均"});
    CreateDataFile(dir.File("1301d.KDT"));
    CreateDataFile(dir.File("0400w.KDT"));
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    for (int k = 5; k <= 8; ++k) EXPECT_TRUE(FileExists(dir.File("株HTML" + std::to_string(k) + ".htm")));

    server.ClearRequests();
    Target("0400", ".t", true, false);  // weekly, no margin run at this code
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests().size(), 4u);
    const auto& d = Program().download;
    for (const std::string* name : {&d.PageFile5, &d.PageFile6, &d.PageFile7, &d.PageFile8}) {
        EXPECT_EQ(*name, "");
    }
    for (int k = 5; k <= 8; ++k) EXPECT_FALSE(FileExists(dir.File("株HTML" + std::to_string(k) + ".htm")));
    EXPECT_TRUE(FileExists(dir.File("株HTML4.htm")));

    // A series below 100: the URL list's code under this address, no market.
    server.ClearRequests();
    panel->Option4->click();
    form->Option1->click();
    Target("0010", ".t", false, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(server.Requests(),
              Targets("/yahoo/quote/998407.O/history?from=20230725&to=20240520&timeFrame=d&page=", 1, 8));
    EXPECT_EQ(Program().selection.CurrentMarket, "");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"106, データ無し。   "});
}

TEST_F(CollectionRunTest, ARequestAfterAFailureIsJudgedOnItsOwn) {
    CreateDataFile(dir.File("1301d.KDT"));
    server.Fallback(test::HistoryPage({}));
    server.Status("/gone/yahoo/quote/1301.t/history", 404);
    StartAt("/gone/yahoo/quote/9999.T/history?");
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(Program().collection.NetFailed, 1);
    EXPECT_EQ(Program().collection.InetState, 11);
    ASSERT_EQ(messages->shown.size(), 1u);

    messages->shown.clear();
    form->Combo2->setEditText(QString::fromStdString(server.Base() + "/yahoo/quote/9999.T/history?"));
    Target("1301", ".t", true, true);
    panel->更新作成_MouseUp(1, 1);
    EXPECT_EQ(Program().collection.NetFailed, 0);
    EXPECT_TRUE(messages->shown.empty());
    EXPECT_EQ(Report(), "更新すべきデータは有りません（更新済み/データ無し)");
    EXPECT_TRUE(FileExists(dir.File("1301d.KDT")));  // update mode never deletes
}

}  // namespace
}  // namespace ranvik
