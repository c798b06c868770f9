// The hand-over between the web server's threads and the host's thread.
// The plug-in runs only on the host's thread: a request becomes a task that
// the host thread runs when it next waits for the user (at the top level or
// inside a modal dialog), and the request's thread waits for its reply.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>

namespace tovrins::studio {

// Content types carry a charset: cpp-httplib then leaves the body
// uncompressed, and brotli on a large document would cost seconds on a
// connection that never leaves the machine.
inline constexpr const char* kJsonType = "application/json; charset=utf-8";

struct Reply {
    int status = 200;
    std::string contentType = kJsonType;
    std::string body;
    std::string downloadName; // set: sent as an attachment of this name

    static Reply json(std::string body, int status = 200) { return {status, kJsonType, std::move(body), {}}; }
    // {"error": message}
    static Reply error(int status, const std::string& message);
};

// A refusal the user should read: the reply's status and one sentence.
class StudioError : public std::runtime_error {
public:
    StudioError(int status, const std::string& message) : std::runtime_error(message), status_(status) { }
    int status() const { return status_; }

private:
    int status_;
};

class HostQueue {
public:
    // A task answers at once with a reply, or with none to be answered when
    // the host next waits for the user (so that a menu command is answered
    // once its dialog is open, and OK once the command is done).
    using Task = std::function<std::optional<Reply>()>;
    using Settle = std::function<Reply()>;

    explicit HostQueue(Settle settle) : settle_(std::move(settle)) { }
    // A task still waiting for its answer is told the studio has stopped.
    ~HostQueue();
    HostQueue(const HostQueue&) = delete;
    HostQueue& operator=(const HostQueue&) = delete;

    // Any thread but the host's: runs the task on the host thread and
    // returns its reply; 503 once the queue has stopped.
    Reply call(Task task);

    // Host thread: answers the task waiting to be settled, then waits for
    // the next task and runs it. False once stopped.
    bool runNext();
    // Any thread: wakes the host thread and refuses every task from now on.
    void stop();
    bool stopped() const;

private:
    struct Pending {
        Task task;
        std::promise<Reply> promise;
    };
    void settleDeferred();

    Settle settle_;
    mutable std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Pending> tasks_;
    bool stopped_ = false;
    // Host thread only: the task answered when the host next waits.
    std::optional<std::promise<Reply>> deferred_;
    uint64_t deferredTask_ = 0;
    uint64_t taskCount_ = 0;
};

} // namespace tovrins::studio
