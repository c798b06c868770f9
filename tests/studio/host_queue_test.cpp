// The hand-over between the server's threads and the host's thread.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include "studio/host_queue.hpp"

namespace tovrins::studio {
namespace {

Reply settledState() { return Reply::json("\"settled\""); }

TEST(HostQueue, TasksRunOnTheHostThreadAndAnswerTheirCaller)
{
    HostQueue queue(settledState);
    const auto hostThread = std::this_thread::get_id();
    std::thread::id ranOn;
    auto reply = std::async(std::launch::async, [&] {
        return queue.call([&]() -> std::optional<Reply> {
            ranOn = std::this_thread::get_id();
            return Reply::json("42");
        });
    });
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(reply.get().body, "42");
    EXPECT_EQ(ranOn, hostThread);
}

TEST(HostQueue, ADeferredTaskIsAnsweredWhenTheHostNextWaits)
{
    HostQueue queue(settledState);
    int settledAt = 0, step = 0;
    auto deferred = std::async(std::launch::async, [&] {
        return queue.call([&]() -> std::optional<Reply> {
            step = 1;
            return std::nullopt;
        });
    });
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(deferred.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
    // A second task makes the host wait again: the first is settled then.
    auto second = std::async(std::launch::async, [&] {
        return queue.call([&]() -> std::optional<Reply> {
            settledAt = step;
            return Reply::json("2");
        });
    });
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(deferred.get().body, "\"settled\"");
    EXPECT_EQ(second.get().body, "2");
    EXPECT_EQ(settledAt, 1);
}

TEST(HostQueue, ANestedWaitSettlesTheOuterTaskAndItsLaterReplyIsDropped)
{
    HostQueue queue(settledState);
    std::future<Reply> inner;
    auto outer = std::async(std::launch::async, [&] {
        return queue.call([&]() -> std::optional<Reply> {
            // As a modal dialog does: wait for the user inside the task.
            inner = std::async(std::launch::async, [&] {
                return queue.call([]() -> std::optional<Reply> { return Reply::json("inner"); });
            });
            queue.runNext();
            return Reply::json("too late");
        });
    });
    ASSERT_TRUE(queue.runNext());
    EXPECT_EQ(outer.get().body, "\"settled\"");
    EXPECT_EQ(inner.get().body, "inner");
}

TEST(HostQueue, FailuresBecomeErrorRepliesWithTheirSentence)
{
    HostQueue queue(settledState);
    auto refused = std::async(std::launch::async, [&] {
        return queue.call([]() -> std::optional<Reply> { throw StudioError(409, "no dialog is open"); });
    });
    auto failed = std::async(std::launch::async, [&] {
        return queue.call([]() -> std::optional<Reply> { throw std::runtime_error("broken"); });
    });
    ASSERT_TRUE(queue.runNext());
    ASSERT_TRUE(queue.runNext());
    const Reply a = refused.get(), b = failed.get();
    EXPECT_EQ(a.status, 409);
    EXPECT_EQ(a.body, R"({"error":"no dialog is open"})");
    EXPECT_EQ(b.status, 400);
}

TEST(HostQueue, StoppingRefusesWaitingAndLaterTasksAndEndsTheHostLoop)
{
    HostQueue queue(settledState);
    bool ran = false;
    auto waiting = std::async(std::launch::async, [&] {
        return queue.call([&]() -> std::optional<Reply> {
            ran = true;
            return Reply::json("1");
        });
    });
    queue.stop(); // the task may or may not be queued yet; either way it is refused
    EXPECT_EQ(waiting.get().status, 503);
    EXPECT_FALSE(queue.runNext());
    EXPECT_FALSE(ran);
    EXPECT_EQ(queue.call([]() -> std::optional<Reply> { return Reply::json("late"); }).status, 503);
}

TEST(HostQueue, ATaskDeferredWhenTheQueueIsDestroyedIsToldItStopped)
{
    std::future<Reply> deferred;
    {
        HostQueue queue(settledState);
        deferred = std::async(std::launch::async,
                              [&] { return queue.call([]() -> std::optional<Reply> { return std::nullopt; }); });
        ASSERT_TRUE(queue.runNext());
        queue.stop();
        // Wait until the caller is blocked on its answer before destroying.
        EXPECT_EQ(deferred.wait_for(std::chrono::milliseconds(20)), std::future_status::timeout);
    }
    EXPECT_EQ(deferred.get().status, 503);
}

} // namespace
} // namespace tovrins::studio
