#include "platform/net/internet_transfer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <curl/curl.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

namespace ranvik {

namespace {

constexpr int kResolving = 1;
constexpr int kConnecting = 3;
constexpr int kRequesting = 5;
constexpr int kReceiving = 7;
constexpr int kReceived = 8;
constexpr int kDisconnected = 10;
constexpr int kFailed = 11;

void InitCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

TransferTimeouts& DefaultTimeoutsRef() {
    static TransferTimeouts timeouts;
    return timeouts;
}

// The transfers with a request running.
std::set<InternetTransfer*>& RunningTransfers() {
    static std::set<InternetTransfer*> running;
    return running;
}

// Drops keyboard and mouse input for the whole program while a request
// runs, as a disabled window would.  Leaving the input to the window system
// instead (a loop that excludes user input) would also hold back the close
// of a window, which the window system counts as input: a close during a
// download would wait for every page still to come.
class InputBarrier : public QObject {
public:
    InputBarrier() {
        if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    }
    ~InputBarrier() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    }
    InputBarrier(const InputBarrier&) = delete;
    InputBarrier& operator=(const InputBarrier&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::NonClientAreaMouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }
};

}  // namespace

// The libcurl handles and what one request gathers.  The easy and multi
// handles live as long as the transfer, so that a run of requests to one
// site keeps its connection.  libcurl is driven by the event loop: it names
// the sockets to watch and the time-out to keep, and is called back when a
// socket is ready or the time is up.
struct InternetTransfer::Job {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    QEventLoop* loop = nullptr;
    QTimer timer;
    struct Watch {
        std::unique_ptr<QSocketNotifier> read, write;
    };
    std::map<curl_socket_t, Watch> watches;

    bool done = false;
    bool cancelled = false;
    bool tooLarge = false;
    CURLcode code = CURLE_OK;
    std::string body;
    char errorText[CURL_ERROR_SIZE] = {};
    // States reached and not yet delivered; each state once a request.
    std::vector<int> pending;
    unsigned sent = 0;

    ~Job() {
        watches.clear();
        if (multi) curl_multi_cleanup(multi);
        if (easy) curl_easy_cleanup(easy);
    }

    void Reach(int state) {
        const unsigned bit = 1u << state;
        if (sent & bit) return;
        sent |= bit;
        pending.push_back(state);
    }

    // Called back by libcurl while it works: they only record, so that no
    // handler runs inside libcurl.
    static size_t Write(char* data, size_t size, size_t count, void* user) {
        auto* job = static_cast<Job*>(user);
        const size_t n = size * count;
        if (n > kPageLimit - job->body.size()) {
            // A short count makes libcurl end the request at once.
            job->tooLarge = true;
            return 0;
        }
        job->body.append(data, n);
        return n;
    }
    static size_t Header(char*, size_t size, size_t count, void* user) {
        static_cast<Job*>(user)->Reach(kReceiving);
        return size * count;
    }
    static int SocketOption(void* user, curl_socket_t, curlsocktype) {
        static_cast<Job*>(user)->Reach(kConnecting);
        return CURL_SOCKOPT_OK;
    }
    static int Prerequest(void* user, char*, char*, int, int) {
        auto* job = static_cast<Job*>(user);
        job->Reach(kConnecting);  // a kept connection opens no socket
        job->Reach(kRequesting);
        return CURL_PREREQFUNC_OK;
    }
    static int Socket(CURL*, curl_socket_t socket, int what, void* user, void*) {
        static_cast<Job*>(user)->WatchSocket(socket, what);
        return 0;
    }
    static int Timer(CURLM*, long ms, void* user) {
        auto* job = static_cast<Job*>(user);
        if (ms < 0) {
            job->timer.stop();
        } else {
            job->timer.start(static_cast<int>(ms));
        }
        return 0;
    }

    void WatchSocket(curl_socket_t socket, int what) {
        Watch& watch = watches[socket];
        const bool read = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
        const bool write = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
        if (read && !watch.read) {
            watch.read = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
            QObject::connect(watch.read.get(), &QSocketNotifier::activated,
                             [this, socket] { Drive(socket, CURL_CSELECT_IN); });
        }
        if (write && !watch.write) {
            watch.write = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
            QObject::connect(watch.write.get(), &QSocketNotifier::activated,
                             [this, socket] { Drive(socket, CURL_CSELECT_OUT); });
        }
        if (watch.read) watch.read->setEnabled(read);
        if (watch.write) watch.write->setEnabled(write);
    }

    void Drive(curl_socket_t socket, int events) {
        if (done) return;
        int running = 0;
        curl_multi_socket_action(multi, socket, events, &running);
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE) {
                code = msg->data.result;
                done = true;
            }
        }
        if (done && loop) loop->quit();
        if (owner) owner->DeliverPending();
    }

    InternetTransfer* owner = nullptr;
};

InternetTransfer::InternetTransfer(QObject* parent) : QObject(parent), timeouts_(DefaultTimeoutsRef()) {}

InternetTransfer::~InternetTransfer() { RunningTransfers().erase(this); }

void InternetTransfer::SetDefaultTimeouts(TransferTimeouts timeouts) { DefaultTimeoutsRef() = timeouts; }
TransferTimeouts InternetTransfer::DefaultTimeouts() { return DefaultTimeoutsRef(); }

bool InternetTransfer::AnyRunning() { return !RunningTransfers().empty(); }

void InternetTransfer::CancelAll() {
    for (InternetTransfer* transfer : std::set<InternetTransfer*>(RunningTransfers())) transfer->Cancel();
}

void InternetTransfer::Cancel() {
    if (!running_ || !job_ || job_->done) return;
    job_->cancelled = true;
    job_->done = true;
    if (job_->loop) job_->loop->quit();
}

void InternetTransfer::Deliver(int state) {
    outcome_.lastState = state;
    emit StateChanged(state);
}

void InternetTransfer::DeliverPending() {
    if (!job_) return;
    std::vector<int> states;
    states.swap(job_->pending);
    for (int state : states) Deliver(state);
}

std::string WithScheme(const std::string& address, const std::string& scheme) {
    if (address.find("://") != std::string::npos) return address;
    return scheme + "://" + address;
}

std::string InternetTransfer::OpenURL(const std::string& address) {
    outcome_ = {};
    if (running_) {
        outcome_.error = "a request of this transfer is still running";
        return {};
    }
    InitCurlOnce();
    if (!job_) {
        job_ = std::make_unique<Job>();
        job_->easy = curl_easy_init();
        job_->multi = curl_multi_init();
        job_->owner = this;
        job_->timer.setSingleShot(true);
        Job* job = job_.get();
        QObject::connect(&job_->timer, &QTimer::timeout, [job] { job->Drive(CURL_SOCKET_TIMEOUT, 0); });
        if (job_->multi) {
            curl_multi_setopt(job_->multi, CURLMOPT_SOCKETFUNCTION, &Job::Socket);
            curl_multi_setopt(job_->multi, CURLMOPT_SOCKETDATA, job);
            curl_multi_setopt(job_->multi, CURLMOPT_TIMERFUNCTION, &Job::Timer);
            curl_multi_setopt(job_->multi, CURLMOPT_TIMERDATA, job);
        }
    }
    Job& job = *job_;
    if (job.easy == nullptr || job.multi == nullptr) {
        outcome_.error = "the transfer library could not start";
        return {};
    }
    job.done = false;
    job.cancelled = false;
    job.tooLarge = false;
    job.code = CURLE_OK;
    job.body.clear();
    job.pending.clear();
    job.sent = 0;
    job.errorText[0] = '\0';

    const std::string url = WithScheme(address, scheme_);
    CURL* easy = job.easy;
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "127.0.0.1,localhost");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts_.connect.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(timeouts_.whole.count()));
    // A page that announces more is refused before its first byte.
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kPageLimit));
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, job.errorText);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Job::Write);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Job::Header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &job);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, &Job::SocketOption);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, &job);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Job::Prerequest);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, &job);

    running_ = true;
    RunningTransfers().insert(this);
    Deliver(kResolving);
    QEventLoop loop;
    job.loop = &loop;
    // Adding the request asks, through the timer, for the first step.
    if (curl_multi_add_handle(job.multi, easy) != CURLM_OK) {
        job.done = true;
        job.code = CURLE_FAILED_INIT;
    }
    if (!job.done) {
        InputBarrier barrier;
        loop.exec();
        // Ended from outside (the application quits every loop): nothing
        // more will drive this request.
        if (!job.done) job.cancelled = job.done = true;
    }
    job.loop = nullptr;
    curl_multi_remove_handle(job.multi, easy);
    job.timer.stop();
    for (auto& [socket, watch] : job.watches) {
        if (watch.read) watch.read->setEnabled(false);
        if (watch.write) watch.write->setEnabled(false);
    }
    running_ = false;
    RunningTransfers().erase(this);
    DeliverPending();

    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &outcome_.status);
    if (job.cancelled) {
        outcome_.result = TransferResult::Cancelled;
        outcome_.error = "cancelled";
    } else if (job.code != CURLE_OK) {
        outcome_.result = TransferResult::TransportError;
        outcome_.error = job.errorText[0] != '\0' ? job.errorText : curl_easy_strerror(job.code);
        outcome_.timedOut = job.code == CURLE_OPERATION_TIMEDOUT;
        outcome_.badAddress = job.code == CURLE_URL_MALFORMAT || job.code == CURLE_UNSUPPORTED_PROTOCOL;
        outcome_.tooLarge = job.tooLarge || job.code == CURLE_FILESIZE_EXCEEDED;
    } else if (outcome_.status >= 200 && outcome_.status < 300) {
        outcome_.result = TransferResult::Received;
    } else {
        outcome_.result = TransferResult::FailingStatus;
        outcome_.error = "status " + std::to_string(outcome_.status);
    }
    if (outcome_.Succeeded()) {
        Deliver(kReceived);
        Deliver(kDisconnected);
    } else {
        Deliver(kFailed);
    }
    std::string body;
    body.swap(job.body);  // the transfer keeps no page between requests
    if (outcome_.result == TransferResult::TransportError || outcome_.result == TransferResult::Cancelled) return {};
    return body;
}

}  // namespace ranvik
