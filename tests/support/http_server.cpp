#include "tests/support/http_server.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <map>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace ranvik::test {

namespace {

struct Route {
    enum class Kind { Page, Status, Slow, Cut, Redirect, Endless } kind = Kind::Page;
    std::string bytes;
    int status = 200;
    std::chrono::milliseconds delay{0};
    std::size_t announced = 0;
    std::string to;
};

}  // namespace

struct HttpServer::Impl {
    httplib::Server server;
    std::thread thread;
    int port = 0;
    mutable std::mutex mutex;
    std::condition_variable stopping;
    bool stopped = false;
    std::map<std::string, Route> routes;
    bool hasFallback = false;
    std::string fallback;
    std::vector<std::string> requests;

    void Set(const std::string& path, Route route) {
        std::lock_guard lock(mutex);
        routes[path] = std::move(route);
    }

    void Handle(const httplib::Request& request, httplib::Response& response) {
        Route route;
        bool found = false;
        {
            std::lock_guard lock(mutex);
            std::string target = request.path;
            std::string query;
            // The target as sent, query included.
            if (const auto q = request.target.find('?'); q != std::string::npos) query = request.target.substr(q);
            requests.push_back(target + query);
            if (const auto exact = routes.find(target + query); !query.empty() && exact != routes.end()) {
                route = exact->second;
                found = true;
            } else if (const auto it = routes.find(request.path); it != routes.end()) {
                route = it->second;
                found = true;
            } else if (hasFallback) {
                route.bytes = fallback;
                found = true;
            }
        }
        if (!found) {
            response.status = 404;
            response.set_content("not found", "text/plain");
            return;
        }
        switch (route.kind) {
        case Route::Kind::Page:
            response.status = 200;
            response.set_content(route.bytes, "text/html");
            break;
        case Route::Kind::Status:
            response.status = route.status;
            response.set_content("status " + std::to_string(route.status), "text/plain");
            break;
        case Route::Kind::Slow: {
            std::unique_lock lock(mutex);
            stopping.wait_for(lock, route.delay, [this] { return stopped; });
            response.status = 200;
            response.set_content(route.bytes, "text/html");
            break;
        }
        case Route::Kind::Cut: {
            const std::string bytes = route.bytes;
            response.status = 200;
            response.set_content_provider(route.announced, "text/html",
                                          [bytes](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                              if (offset < bytes.size()) {
                                                  sink.write(bytes.data() + offset, bytes.size() - offset);
                                                  return true;
                                              }
                                              return false;  // closes the connection short of the length
                                          });
            break;
        }
        case Route::Kind::Redirect:
            response.set_redirect(route.to);
            break;
        case Route::Kind::Endless: {
            const std::string chunk = route.bytes;
            response.status = 200;
            response.set_chunked_content_provider("text/html", [this, chunk](std::size_t, httplib::DataSink& sink) {
                {
                    std::lock_guard lock(mutex);
                    if (stopped) return false;
                }
                // A client that hung up makes the write fail, which ends the answer.
                return sink.write(chunk.data(), chunk.size());
            });
            break;
        }
        }
    }
};

HttpServer::HttpServer() : impl_(std::make_unique<Impl>()) {
    Impl& impl = *impl_;
    auto handler = [&impl](const httplib::Request& request, httplib::Response& response) {
        impl.Handle(request, response);
    };
    impl.server.Get(".*", handler);
    // Headers and body leave at once: without it a kept connection waits
    // for the client's delayed acknowledgement on every answer.
    impl.server.set_tcp_nodelay(true);
    impl.port = impl.server.bind_to_any_port("127.0.0.1");
    if (impl.port <= 0) throw std::runtime_error("the test server found no free port");
    // The socket listens from here on: a request made before the thread
    // accepts waits in the backlog.
    impl.thread = std::thread([&impl] { impl.server.listen_after_bind(); });
}

HttpServer::~HttpServer() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopped = true;
    }
    impl_->stopping.notify_all();
    impl_->server.stop();
    if (impl_->thread.joinable()) impl_->thread.join();
}

int HttpServer::Port() const { return impl_->port; }
std::string HttpServer::Host() const { return "127.0.0.1:" + std::to_string(impl_->port); }
std::string HttpServer::Base() const { return "http://" + Host(); }

void HttpServer::Page(const std::string& path, std::string bytes) {
    Route route;
    route.bytes = std::move(bytes);
    impl_->Set(path, std::move(route));
}

void HttpServer::Status(const std::string& path, int status) {
    Route route;
    route.kind = Route::Kind::Status;
    route.status = status;
    impl_->Set(path, std::move(route));
}

void HttpServer::Slow(const std::string& path, std::chrono::milliseconds delay, std::string bytes) {
    Route route;
    route.kind = Route::Kind::Slow;
    route.delay = delay;
    route.bytes = std::move(bytes);
    impl_->Set(path, std::move(route));
}

void HttpServer::Cut(const std::string& path, std::string bytes, std::size_t announced) {
    Route route;
    route.kind = Route::Kind::Cut;
    route.bytes = std::move(bytes);
    route.announced = announced;
    impl_->Set(path, std::move(route));
}

void HttpServer::Redirect(const std::string& path, const std::string& to) {
    Route route;
    route.kind = Route::Kind::Redirect;
    route.to = to;
    impl_->Set(path, std::move(route));
}

void HttpServer::Endless(const std::string& path, std::string chunk) {
    Route route;
    route.kind = Route::Kind::Endless;
    route.bytes = std::move(chunk);
    impl_->Set(path, std::move(route));
}

void HttpServer::Fallback(std::string bytes) {
    std::lock_guard lock(impl_->mutex);
    impl_->hasFallback = true;
    impl_->fallback = std::move(bytes);
}

std::vector<std::string> HttpServer::Requests() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->requests;
}

void HttpServer::ClearRequests() {
    std::lock_guard lock(impl_->mutex);
    impl_->requests.clear();
}

int ClosedPort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

}  // namespace ranvik::test
