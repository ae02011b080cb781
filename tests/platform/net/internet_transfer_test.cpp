#include "platform/net/internet_transfer.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <vector>

#include "tests/support/http_server.h"
#include "tests/support/window_system.h"

namespace ranvik {
namespace {

using namespace std::chrono_literals;

class InternetTransferTest : public ::testing::Test {
protected:
    void SetUp() override {
        transfer.SetTimeouts({2000ms, 3000ms});
        QObject::connect(&transfer, &InternetTransfer::StateChanged, [this](int state) { states.push_back(state); });
    }
    std::string Get(const std::string& address) {
        states.clear();
        return transfer.OpenURL(address);
    }
    test::HttpServer server;
    InternetTransfer transfer;
    std::vector<int> states;
};

TEST_F(InternetTransferTest, APageArrivesUnchangedWithTheStatesOfASuccess) {
    const std::string bytes = std::string("<html>\x93\xfa\x95\x74\r\nline\n\0tail", 23) + std::string(70000, 'x');
    server.Page("/quote/page", bytes);
    EXPECT_EQ(Get(server.Base() + "/quote/page?code=1301&page=1"), bytes);
    EXPECT_TRUE(transfer.LastOutcome().Succeeded());
    EXPECT_EQ(transfer.LastOutcome().status, 200);
    EXPECT_EQ(states, (std::vector<int>{1, 3, 5, 7, 8, 10}));
    EXPECT_EQ(transfer.LastOutcome().lastState, 10);

    // The kept connection opens no socket: the states stay the same.  An
    // address without a scheme is requested over http, and a redirect is
    // followed to its page.
    server.Redirect("/moved", "/quote/page");
    EXPECT_EQ(Get(server.Host() + "/moved"), bytes);
    EXPECT_EQ(states, (std::vector<int>{1, 3, 5, 7, 8, 10}));
    EXPECT_EQ(server.Requests(),
              (std::vector<std::string>{"/quote/page?code=1301&page=1", "/moved", "/quote/page"}));
}

TEST_F(InternetTransferTest, EachFailureEndsInState11AndTheNextRequestIsJudgedOnItsOwn) {
    server.Page("/ok", "fine");
    server.Status("/server-error", 500);
    server.Slow("/late", 5000ms, "too late");
    server.Cut("/cut", std::string(500, 'a'), 4000);
    const struct {
        const char* name;
        std::string address;
        TransferResult result;
        long status;
        bool timedOut = false;
        bool badAddress = false;
    } cases[] = {
        {"not found", server.Base() + "/missing", TransferResult::FailingStatus, 404},
        {"server error", server.Base() + "/server-error", TransferResult::FailingStatus, 500},
        {"refused", "http://127.0.0.1:" + std::to_string(test::ClosedPort()) + "/x", TransferResult::TransportError, 0},
        {"time-out", server.Base() + "/late", TransferResult::TransportError, 0, true},
        {"cut", server.Base() + "/cut", TransferResult::TransportError, 200},
        {"bad address", "htp:/\x01/x", TransferResult::TransportError, 0, false, true},
    };
    transfer.SetTimeouts({2000ms, 400ms});
    for (const auto& c : cases) {
        const std::string page = Get(c.address);
        EXPECT_EQ(transfer.LastOutcome().result, c.result) << c.name << ": " << transfer.LastOutcome().error;
        EXPECT_EQ(transfer.LastOutcome().status, c.status) << c.name;
        EXPECT_EQ(transfer.LastOutcome().timedOut, c.timedOut) << c.name;
        EXPECT_EQ(transfer.LastOutcome().badAddress, c.badAddress) << c.name;
        ASSERT_FALSE(states.empty()) << c.name;
        EXPECT_EQ(states.front(), 1) << c.name;
        EXPECT_EQ(states.back(), 11) << c.name;
        EXPECT_EQ(std::count(states.begin(), states.end(), 8), 0) << c.name;
        if (c.result == TransferResult::TransportError) {
            EXPECT_EQ(page, "") << c.name;
        }

        // The request after a failure stands on its own outcome.
        EXPECT_EQ(Get(server.Base() + "/ok"), "fine") << c.name;
        EXPECT_TRUE(transfer.LastOutcome().Succeeded()) << c.name;
        EXPECT_EQ(states, (std::vector<int>{1, 3, 5, 7, 8, 10})) << c.name;
    }
}

// The page would come a minute later: an empty answer marked cancelled
// shows that the request ended without waiting for it.
TEST_F(InternetTransferTest, TimersRunDuringARequestAndACancelEndsItAtOnce) {
    server.Slow("/late", 60s, "late");
    int ticks = 0;
    QTimer blink;
    blink.setInterval(20);
    QObject::connect(&blink, &QTimer::timeout, [&] {
        ++ticks;
        if (ticks == 5) InternetTransfer::CancelAll();
    });
    blink.start();
    EXPECT_TRUE(InternetTransfer::AnyRunning() == false);
    EXPECT_EQ(Get(server.Base() + "/late"), "");
    EXPECT_GE(ticks, 5);
    EXPECT_EQ(transfer.LastOutcome().result, TransferResult::Cancelled);
    EXPECT_EQ(states.back(), 11);
    EXPECT_FALSE(InternetTransfer::AnyRunning());
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(InternetTransferTest, APageBeyondTheLimitEndsAsATransportErrorWithItsBytesDropped) {
    server.Endless("/endless", std::string(64 * 1024, 'x'));
    // A page that announces more than the limit is refused before its body.
    server.Cut("/announced", "x", InternetTransfer::kPageLimit + 1);
    server.Page("/ok", "fine");
    transfer.SetTimeouts({2000ms, 60000ms});
    for (const char* path : {"/endless", "/announced"}) {
        const long before = PeakKilobytes();
        EXPECT_EQ(Get(server.Base() + path), "") << path;
        const TransferOutcome& outcome = transfer.LastOutcome();
        EXPECT_EQ(outcome.result, TransferResult::TransportError) << path << ": " << outcome.error;
        EXPECT_TRUE(outcome.tooLarge) << path;
        EXPECT_FALSE(outcome.timedOut) << path;
        ASSERT_FALSE(states.empty()) << path;
        EXPECT_EQ(states.back(), 11) << path;
        // The page held at most up to the limit: nowhere near what a page
        // without end would have taken in the time allowed.
        EXPECT_LT(PeakKilobytes() - before, 512L * 1024) << path;

        EXPECT_EQ(Get(server.Base() + "/ok"), "fine") << path;
        EXPECT_TRUE(transfer.LastOutcome().Succeeded()) << path;
        EXPECT_FALSE(transfer.LastOutcome().tooLarge) << path;
    }
}

// Closes cancel every request, as the main window's close does.
class ClosingWindow : public QWidget {
public:
    bool closed = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        closed = true;
        InternetTransfer::CancelAll();
        event->accept();
    }
};

TEST_F(InternetTransferTest, TheWindowManagersCloseReachesTheProgramDuringARequestAndInputDoesNot) {
    server.Slow("/late", 60s, "late");
    transfer.SetTimeouts({2000ms, 120s});
    ClosingWindow window;
    auto* box = new QLineEdit(&window);
    window.show();
    box->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    // Typing during the request goes nowhere; the close is delivered and
    // ends the request at once instead of after the page (which would come
    // a minute later, with its text).
    QObject::connect(&transfer, &InternetTransfer::StateChanged, [&](int state) {
        if (state != 5) return;
        QTest::keyClicks(box, "12");
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(test::QueueWindowSystemClose(window));
    });
    EXPECT_EQ(Get(server.Base() + "/late"), "");
    EXPECT_EQ(transfer.LastOutcome().result, TransferResult::Cancelled);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(box->text(), "");

    // Outside a request the same input arrives.
    window.show();
    box->setFocus();
    QTest::keyClicks(box, "12");
    EXPECT_EQ(box->text(), "12");
}

TEST(WithSchemeTest, AnAddressWithoutSchemeTakesTheCallersScheme) {
    EXPECT_EQ(WithScheme("example.com/a?b", "http"), "http://example.com/a?b");
    EXPECT_EQ(WithScheme("example.com/a", "https"), "https://example.com/a");
    EXPECT_EQ(WithScheme("https://example.com/a", "http"), "https://example.com/a");
}

}  // namespace
}  // namespace ranvik
