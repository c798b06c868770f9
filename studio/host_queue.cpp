#include "studio/host_queue.hpp"

#include <nlohmann/json.hpp>

namespace tovrins::studio {

Reply Reply::error(int status, const std::string& message)
{
    return json(nlohmann::json{{"error", message}}.dump(), status);
}

namespace {

const Reply& stoppedReply()
{
    static const Reply reply = Reply::error(503, "the studio is shutting down");
    return reply;
}

} // namespace

Reply HostQueue::call(Task task)
{
    std::future<Reply> answer;
    {
        std::lock_guard lock(mutex_);
        if (stopped_)
            return stoppedReply();
        Pending pending{std::move(task), {}};
        answer = pending.promise.get_future();
        tasks_.push_back(std::move(pending));
    }
    ready_.notify_one();
    try {
        return answer.get();
    } catch (const std::future_error&) {
        return stoppedReply(); // the host thread went away without answering
    }
}

HostQueue::~HostQueue()
{
    stop();
    if (deferred_)
        deferred_->set_value(stoppedReply());
}

void HostQueue::settleDeferred()
{
    if (!deferred_)
        return;
    Reply reply;
    try {
        reply = settle_();
    } catch (const std::exception& e) {
        reply = Reply::error(500, e.what());
    }
    deferred_->set_value(std::move(reply));
    deferred_.reset();
}

bool HostQueue::runNext()
{
    settleDeferred();
    Pending next;
    {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return stopped_ || !tasks_.empty(); });
        if (stopped_)
            return false;
        next = std::move(tasks_.front());
        tasks_.pop_front();
    }
    const uint64_t id = ++taskCount_;
    deferred_ = std::move(next.promise);
    deferredTask_ = id;
    std::optional<Reply> reply;
    try {
        reply = next.task();
    } catch (const StudioError& e) {
        reply = Reply::error(e.status(), e.what());
    } catch (const std::exception& e) {
        reply = Reply::error(400, e.what());
    }
    // A task that waited for the user inside has been answered already;
    // what it says on return is then for nobody.
    if (reply && deferred_ && deferredTask_ == id) {
        deferred_->set_value(std::move(*reply));
        deferred_.reset();
    }
    return true;
}

void HostQueue::stop()
{
    std::deque<Pending> refused;
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        refused.swap(tasks_);
    }
    ready_.notify_all();
    for (Pending& pending : refused)
        pending.promise.set_value(stoppedReply());
}

bool HostQueue::stopped() const
{
    std::lock_guard lock(mutex_);
    return stopped_;
}

} // namespace tovrins::studio
