#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Produces the results of count items on up to jobs threads and hands each
// to consume on the calling thread, in item order, so whatever consume
// reports reads as if one thread had done everything. consume returns false
// to stop: items not yet begun are then never produced. With one job (or
// one item) everything runs on the calling thread, one item after another.
// An exception thrown by produce is thrown again here, in its item's turn.
template <typename Result>
void RunOrderedJobs(std::size_t count, unsigned jobs, const std::function<Result(std::size_t)>& produce,
                    const std::function<bool(std::size_t, Result&)>& consume)
{
    if (jobs <= 1 || count <= 1)
    {
        for (std::size_t item = 0; item < count; ++item)
        {
            Result result = produce(item);
            if (!consume(item, result))
                return;
        }
        return;
    }

    struct Slot
    {
        std::optional<Result> result;
        std::exception_ptr error;
    };
    // Workers run at most this far ahead of the reporting, so results
    // waiting for an earlier item do not pile up in memory.
    const std::size_t window = std::size_t(jobs) * 4;
    std::mutex lock;
    std::condition_variable ready;
    std::vector<Slot> slots(count);
    std::size_t next = 0;
    std::size_t reported = 0;
    bool stopping = false;

    const auto work = [&]
    {
        std::unique_lock<std::mutex> guard(lock);
        for (;;)
        {
            ready.wait(guard, [&] { return stopping || next == count || next < reported + window; });
            if (stopping || next == count)
                return;
            const std::size_t item = next++;
            guard.unlock();
            Slot done;
            try
            {
                done.result.emplace(produce(item));
            }
            catch (...)
            {
                done.error = std::current_exception();
            }
            guard.lock();
            slots[item] = std::move(done);
            ready.notify_all();
        }
    };

    // Stops and joins the workers however the reporting ends.
    struct Workers
    {
        std::vector<std::thread> threads;
        std::function<void()> stop;
        ~Workers()
        {
            stop();
            for (std::thread& thread : threads)
                thread.join();
        }
    } workers{{},
              [&]
              {
                  const std::lock_guard<std::mutex> guard(lock);
                  stopping = true;
                  ready.notify_all();
              }};
    const std::size_t threadCount = jobs < count ? jobs : count;
    for (std::size_t t = 0; t < threadCount; ++t)
        workers.threads.emplace_back(work);

    for (std::size_t item = 0; item < count; ++item)
    {
        Slot slot;
        {
            std::unique_lock<std::mutex> guard(lock);
            ready.wait(guard, [&] { return slots[item].result || slots[item].error; });
            slot = std::move(slots[item]);
            reported = item + 1;
            ready.notify_all();
        }
        if (slot.error)
            std::rethrow_exception(slot.error);
        if (!consume(item, *slot.result))
            return;
    }
}
