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
//
// The calling thread is one of the jobs: while the item due next is still
// being made elsewhere it makes a later one itself, so no processor sits
// idle waiting, and a thread is woken only when what it waits for is there.
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
        bool Done() const { return result || error; }
    };
    // Items are begun at most this far ahead of the reporting, so results
    // waiting for an earlier item do not pile up in memory.
    const std::size_t window = std::size_t(jobs) * 8;
    std::mutex lock;
    std::condition_variable resultReady;
    std::condition_variable roomFree;
    std::vector<Slot> slots(count);
    std::size_t next = 0;
    std::size_t reported = 0;
    std::size_t awaited = count;
    std::size_t waitingForRoom = 0;
    bool stopping = false;

    const auto mayBegin = [&] { return next < count && next < reported + window; };
    // Makes one item with the lock released, and stores it under the lock.
    const auto make = [&](std::unique_lock<std::mutex>& guard)
    {
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
        if (item == awaited)
            resultReady.notify_one();
    };

    const auto work = [&]
    {
        std::unique_lock<std::mutex> guard(lock);
        for (;;)
        {
            if (stopping || next == count)
                return;
            if (mayBegin())
            {
                make(guard);
                continue;
            }
            ++waitingForRoom;
            roomFree.wait(guard, [&] { return stopping || next == count || mayBegin(); });
            --waitingForRoom;
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
                  roomFree.notify_all();
              }};
    const std::size_t threadCount = (jobs < count ? jobs : count) - 1;
    for (std::size_t t = 0; t < threadCount; ++t)
        workers.threads.emplace_back(work);

    for (std::size_t item = 0; item < count; ++item)
    {
        Slot slot;
        {
            std::unique_lock<std::mutex> guard(lock);
            while (!slots[item].Done())
            {
                if (mayBegin())
                {
                    make(guard);
                    continue;
                }
                awaited = item;
                resultReady.wait(guard, [&] { return slots[item].Done(); });
                awaited = count;
            }
            slot = std::move(slots[item]);
            reported = item + 1;
            if (waitingForRoom > 0)
                roomFree.notify_all();
        }
        if (slot.error)
            std::rethrow_exception(slot.error);
        if (!consume(item, *slot.result))
            return;
    }
}
