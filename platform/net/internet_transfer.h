#pragma once
// The program's Internet transfer control: a synchronous page request that
// returns the page's bytes unchanged and reports the states of the request
// as events on the calling thread.
//
// The request runs on the calling thread inside a local event loop: the
// transfer's sockets and time-outs are watched by that loop, which also
// delivers timers, repaints, window closes and the state events but drops
// keyboard and mouse input, so a window stays painted and its blink runs
// while nothing can start a second download.  Nothing polls and nothing
// waits a fixed time.
//
// States, in the numbering the windows show:
//   1 resolving the host, 3 connecting, 5 sending the request,
//   7 receiving the response, 8 response received, 10 disconnected,
//   11 failure.
// A page that arrives with a 2xx status (after any redirects) ends with 8
// and 10; any other final status, a transport failure (refused connection,
// unknown host, time-out, a connection cut before the announced length, an
// address that cannot be requested, a page beyond kPageLimit) and a cancel
// end with 11.
//
// A close of a window reaches the program during a request: the close of
// the main window cancels every request (CancelAll), so the program ends at
// once instead of after the pages still to come.
#include <QObject>

#include <cstddef>

#include <chrono>
#include <memory>
#include <string>

namespace ranvik {

enum class TransferResult {
    Received,        // a 2xx page
    FailingStatus,   // the server answered with another final status
    TransportError,  // no complete answer: refused, unknown host, time-out, cut, bad address
    Cancelled,       // Cancel or CancelAll ended the request
};

struct TransferOutcome {
    TransferResult result = TransferResult::TransportError;
    long status = 0;    // final HTTP status, 0 when no answer came
    int lastState = 0;  // the last state event of the request
    std::string error;  // what went wrong, for transport errors
    // Transport errors that callers tell apart from a page that did not
    // come: the time was up, or the address cannot be requested at all.
    bool timedOut = false;
    bool badAddress = false;
    // The page grew beyond kPageLimit: its bytes were dropped as they came.
    bool tooLarge = false;
    bool Succeeded() const { return result == TransferResult::Received; }
};

struct TransferTimeouts {
    std::chrono::milliseconds connect{30000};
    std::chrono::milliseconds whole{120000};  // the whole request, redirects included
};

class InternetTransfer : public QObject {
    Q_OBJECT
public:
    // No quote or company page comes near it; a page that grows beyond it
    // (a site that sends without end) is a transport error, so that its
    // bytes can never exhaust the program's memory.
    static constexpr std::size_t kPageLimit = 32u * 1024 * 1024;

    explicit InternetTransfer(QObject* parent = nullptr);
    ~InternetTransfer() override;
    InternetTransfer(const InternetTransfer&) = delete;
    InternetTransfer& operator=(const InternetTransfer&) = delete;

    // Requests the address and returns the bytes of the answer as they came
    // (also for a failing status; empty for a transport error).  Every state
    // event has been delivered when it returns; LastOutcome() tells how the
    // request ended.  An address without "://" takes DefaultScheme().
    std::string OpenURL(const std::string& address);
    const TransferOutcome& LastOutcome() const { return outcome_; }

    // Ends a running request of this transfer; it returns Cancelled.  A
    // request whose loop is ended from outside (the application quits) is
    // cancelled too.
    void Cancel();
    bool Running() const { return running_; }

    void SetTimeouts(TransferTimeouts timeouts) { timeouts_ = timeouts; }
    const TransferTimeouts& Timeouts() const { return timeouts_; }
    void SetDefaultScheme(std::string scheme) { scheme_ = std::move(scheme); }
    const std::string& DefaultScheme() const { return scheme_; }

    // The time-outs new transfers start with (tests shorten them).
    static void SetDefaultTimeouts(TransferTimeouts timeouts);
    static TransferTimeouts DefaultTimeouts();
    // Whether any transfer of the program has a request running, and a
    // cancel of them all (the program is closing).
    static bool AnyRunning();
    static void CancelAll();

signals:
    void StateChanged(int state);

private:
    struct Job;
    void Deliver(int state);
    // Hands the states the transfer reached to the handlers, in order.
    void DeliverPending();

    TransferTimeouts timeouts_;
    std::string scheme_ = "http";
    TransferOutcome outcome_;
    std::unique_ptr<Job> job_;
    bool running_ = false;
};

// The address as it is requested: with `scheme` & "://" in front when it
// names none.
std::string WithScheme(const std::string& address, const std::string& scheme);

}  // namespace ranvik
