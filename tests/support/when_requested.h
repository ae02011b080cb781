#pragma once
// Runs an action once the local server has received a given number of
// requests. A transfer's "requesting" state comes before its bytes leave, so
// a test that closes or cancels on that state alone races the server: under
// load the request may never arrive. The wait polls from the event loop,
// which also drives the transfer, so the request keeps going meanwhile.
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>

#include "tests/support/http_server.h"

namespace ranvik::test {

inline void WhenServerHolds(const HttpServer& server, std::size_t requests, QObject* context,
                            std::function<void()> action) {
    auto* poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [&server, requests, poll, action = std::move(action)] {
        if (server.Requests().size() < requests) return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start(5);
}

}  // namespace ranvik::test
