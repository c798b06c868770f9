#include "app/studio_command.hpp"

#include <atomic>
#include <csignal>
#include <pthread.h>
#include <thread>

#include "app/app_error.hpp"
#include "app/document_files.hpp"
#include "studio/bundled_example.hpp"
#include "studio/studio_server.hpp"
#include "studio/studio_session.hpp"
#include "host/io/svg_import.hpp"
#include "host/workbench/workbench.hpp"

namespace tovrins::app {

namespace {

// Ctrl-C and SIGTERM are taken by a thread of their own with sigwait, so
// that stopping is ordinary code: it stops the queue, the host thread's
// loop ends (cancelling an open dialog), and everything is torn down in
// order. The signals are blocked in every thread started after this.
class StopSignals {
public:
    explicit StopSignals(studio::HostQueue& queue)
    {
        sigemptyset(&signals_);
        sigaddset(&signals_, SIGINT);
        sigaddset(&signals_, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &signals_, &previous_);
        waiter_ = std::thread([this, &queue] {
            int signal = 0;
            sigwait(&signals_, &signal);
            received_ = true;
            queue.stop();
        });
    }
    ~StopSignals()
    {
        if (!received_)
            pthread_kill(waiter_.native_handle(), SIGTERM); // wakes the waiter; it takes the signal
        waiter_.join();
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    sigset_t signals_{};
    sigset_t previous_{};
    std::atomic<bool> received_ = false;
    std::thread waiter_;
};

} // namespace

int runStudio(const StudioRequest& request, const std::filesystem::path& plugin, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> warnings;
    const studio::BundledExample example = studio::bundledExample();
    const host::DocumentData data = request.document ? loadDocument(*request.document, warnings)
                                                     : host::readSvg(example.svg, std::string(example.name), warnings);
    const std::string name = request.document ? request.document->filename().string() : std::string(example.name);
    for (const std::string& warning : warnings)
        err << "tovrins: warning: " << warning << '\n';
    const uint64_t seed = request.seed ? *request.seed : host::RandomGenerator::fromClock().seed();

    host::Workbench workbench(plugin, seed);
    workbench.open(data);
    std::optional<studio::StudioSession> session;
    studio::HostQueue queue([&] { return studio::Reply::json(session->state().dump()); });
    session.emplace(workbench, queue, seed, name);
    const StopSignals stopSignals(queue);
    std::optional<studio::StudioServer> server;
    try {
        server.emplace(*session, queue, request.host, request.port);
    } catch (const studio::StudioError& e) {
        throw RunError(e.what());
    }
    server->start();
    out << "Tovrins studio: " << server->url() << "  (seed " << seed << "; Ctrl-C stops it)" << std::endl;
    while (queue.runNext()) { }
    server->stop();
    out << "Tovrins studio stopped." << std::endl;
    return 0;
}

} // namespace tovrins::app
