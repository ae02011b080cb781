#pragma once
// A real HTTP server for the network tests: it listens on 127.0.0.1 at a
// free port, on a thread of its own inside the test program, so no request
// of a test ever leaves the machine.
//
// Routes are paths, which answer whatever the query, or a path with its
// query, which answers only that exact request and comes first:
//   server.Page("/quote/1301.t/history", bytes);       // 200 and the bytes
//   server.Status("/gone", 404);                       // that status, a short body
//   server.Slow("/late", std::chrono::milliseconds(800), bytes);  // answers late
//   server.Cut("/cut", bytes, 1000);                   // announces 1000 bytes, sends these, closes
//   server.Redirect("/old", "/new");                   // 302 to another path
//   server.Endless("/huge", bytes);                    // 200, these bytes over and over, never ending
// A path without a route answers 404.  Every request is logged in order as
// its path and query ("/quote/1301.t/history?page=1"), for tests that compare
// the whole list.
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace ranvik::test {

class HttpServer {
public:
    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    int Port() const;
    // "127.0.0.1:port", and the same with "http://" in front.
    std::string Host() const;
    std::string Base() const;

    void Page(const std::string& path, std::string bytes);
    void Status(const std::string& path, int status);
    void Slow(const std::string& path, std::chrono::milliseconds delay, std::string bytes);
    void Cut(const std::string& path, std::string bytes, std::size_t announced);
    void Redirect(const std::string& path, const std::string& to);
    // Sends `chunk` again and again at full speed until the client hangs up
    // or the server stops: a page without an end.
    void Endless(const std::string& path, std::string chunk);
    // Without a route of its own, every path answers with these bytes.
    void Fallback(std::string bytes);

    std::vector<std::string> Requests() const;
    void ClearRequests();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A port on 127.0.0.1 where nothing listens (taken and let go at once).
int ClosedPort();

}  // namespace ranvik::test
