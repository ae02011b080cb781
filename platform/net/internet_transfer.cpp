#include "platform/net/internet_transfer.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QPointer>

#include <curl/curl.h>

#include <atomic>
#include <mutex>
#include <set>
#include <thread>

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

// The transfers with a request running; only the user-interface thread
// touches it.
std::set<InternetTransfer*>& RunningTransfers() {
    static std::set<InternetTransfer*> running;
    return running;
}

}  // namespace

// What the worker thread and the caller share.  The easy and multi handles
// live as long as the transfer, so that a run of requests to one site keeps
// its connection.
struct InternetTransfer::Job {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    std::atomic<bool> cancel{false};
    // Set by the worker, read by the caller after the worker has ended.
    std::string body;
    CURLcode code = CURLE_OK;
    long status = 0;
    char errorText[CURL_ERROR_SIZE] = {};
    // States posted so far in this request, each once.
    unsigned sent = 0;
    QPointer<InternetTransfer> owner;

    void Post(int state) {
        const unsigned bit = 1u << state;
        if (sent & bit) return;
        sent |= bit;
        QMetaObject::invokeMethod(owner.data(), [o = owner, state] { if (o) o->Deliver(state); },
                                  Qt::QueuedConnection);
    }

    static size_t Write(char* data, size_t size, size_t count, void* user) {
        auto* job = static_cast<Job*>(user);
        if (job->cancel) return 0;
        job->body.append(data, size * count);
        return size * count;
    }
    static size_t Header(char*, size_t size, size_t count, void* user) {
        auto* job = static_cast<Job*>(user);
        job->Post(kReceiving);
        return size * count;
    }
    static int SocketOption(void* user, curl_socket_t, curlsocktype) {
        static_cast<Job*>(user)->Post(kConnecting);
        return CURL_SOCKOPT_OK;
    }
    static int Prerequest(void* user, char*, char*, int, int) {
        auto* job = static_cast<Job*>(user);
        job->Post(kConnecting);  // a kept connection opens no socket
        job->Post(kRequesting);
        return CURL_PREREQFUNC_OK;
    }
    static int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<Job*>(user)->cancel ? 1 : 0;
    }

    void Run() {
        curl_multi_add_handle(multi, easy);
        int active = 1;
        code = CURLE_OK;
        while (active > 0) {
            if (curl_multi_perform(multi, &active) != CURLM_OK) {
                code = CURLE_FAILED_INIT;
                break;
            }
            if (cancel) break;
            if (active > 0) curl_multi_poll(multi, nullptr, 0, 1000, nullptr);
            if (cancel) break;
        }
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE) code = msg->data.result;
        }
        if (cancel) code = CURLE_ABORTED_BY_CALLBACK;
        curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &status);
        curl_multi_remove_handle(multi, easy);
    }
};

InternetTransfer::InternetTransfer(QObject* parent) : QObject(parent), timeouts_(DefaultTimeoutsRef()) {}

InternetTransfer::~InternetTransfer() {
    RunningTransfers().erase(this);
    if (job_) {
        if (job_->multi) curl_multi_cleanup(job_->multi);
        if (job_->easy) curl_easy_cleanup(job_->easy);
    }
}

void InternetTransfer::SetDefaultTimeouts(TransferTimeouts timeouts) { DefaultTimeoutsRef() = timeouts; }
TransferTimeouts InternetTransfer::DefaultTimeouts() { return DefaultTimeoutsRef(); }

bool InternetTransfer::AnyRunning() { return !RunningTransfers().empty(); }

void InternetTransfer::CancelAll() {
    for (InternetTransfer* transfer : std::set<InternetTransfer*>(RunningTransfers())) transfer->Cancel();
}

void InternetTransfer::Cancel() {
    if (!running_ || !job_) return;
    job_->cancel = true;
    curl_multi_wakeup(job_->multi);
}

void InternetTransfer::Deliver(int state) {
    outcome_.lastState = state;
    emit StateChanged(state);
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
        job_ = std::make_shared<Job>();
        job_->easy = curl_easy_init();
        job_->multi = curl_multi_init();
    }
    Job& job = *job_;
    if (job.easy == nullptr || job.multi == nullptr) {
        outcome_.error = "the transfer library could not start";
        return {};
    }
    job.owner = this;
    job.cancel = false;
    job.body.clear();
    job.status = 0;
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
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, job.errorText);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Job::Write);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &job);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Job::Header);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &job);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTFUNCTION, &Job::SocketOption);
    curl_easy_setopt(easy, CURLOPT_SOCKOPTDATA, &job);
    curl_easy_setopt(easy, CURLOPT_PREREQFUNCTION, &Job::Prerequest);
    curl_easy_setopt(easy, CURLOPT_PREREQDATA, &job);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &Job::Progress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &job);

    running_ = true;
    RunningTransfers().insert(this);
    QEventLoop loop;
    Deliver(kResolving);
    std::shared_ptr<Job> keep = job_;
    std::thread worker([keep, &loop] {
        keep->Run();
        // Queued after every state the request posted, so the caller has
        // delivered them all when its loop ends.
        QMetaObject::invokeMethod(&loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    running_ = false;
    RunningTransfers().erase(this);

    outcome_.status = job.status;
    if (job.cancel) {
        outcome_.result = TransferResult::Cancelled;
        outcome_.error = "cancelled";
    } else if (job.code != CURLE_OK) {
        outcome_.result = TransferResult::TransportError;
        outcome_.error = job.errorText[0] != '\0' ? job.errorText : curl_easy_strerror(job.code);
    } else if (job.status >= 200 && job.status < 300) {
        outcome_.result = TransferResult::Received;
    } else {
        outcome_.result = TransferResult::FailingStatus;
        outcome_.error = "status " + std::to_string(job.status);
    }
    if (outcome_.Succeeded()) {
        Deliver(kReceived);
        Deliver(kDisconnected);
    } else {
        Deliver(kFailed);
    }
    if (outcome_.result == TransferResult::TransportError || outcome_.result == TransferResult::Cancelled) return {};
    return std::move(job.body);
}

}  // namespace ranvik
