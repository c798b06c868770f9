// The studio's web server: the page and the JSON API (docs/studio.md). It
// answers only requests addressed to itself (Host and Origin headers), and
// hands every request that touches the workbench to the host thread.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "studio/host_queue.hpp"
#include "studio/studio_session.hpp"

namespace httplib {
class Server;
}

namespace tovrins::studio {

class StudioServer {
public:
    // Binds at once; port 0 picks a free one. Throws StudioError naming the
    // address when it cannot listen there.
    StudioServer(StudioSession& session, HostQueue& queue, const std::string& host, int port);
    ~StudioServer();
    StudioServer(const StudioServer&) = delete;
    StudioServer& operator=(const StudioServer&) = delete;

    int port() const { return port_; }
    std::string url() const;
    // Serves on a thread of its own until stop().
    void start();
    void stop();

    // Whether a request's Host (and Origin, when sent) name this server.
    bool addressedToUs(const std::string& hostHeader, const std::string& originHeader) const;

private:
    void addRoutes();

    StudioSession& session_;
    HostQueue& queue_;
    std::string host_;
    int port_ = 0;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    std::atomic<bool> listenEnded_ = false;
};

} // namespace tovrins::studio
