#include "model/hsl/parallel.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace hsl {

namespace {

// Below this much work per thread, handing it over costs more than it saves.
constexpr std::uint64_t kWorkPerThread = 1u << 14;
// The smallest band of rows worth handing out on its own.
constexpr std::uint64_t kMinBandPixels = 1u << 12;

// One call's share-out: indices are taken in increasing order by whichever
// thread is free.
struct Job {
    const std::function<void(std::size_t)>* task = nullptr;
    std::size_t count = 0;
    std::size_t helpers = 0; // pool threads that may join
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr error;
    std::mutex error_lock;

    void Work() {
        for (std::size_t i = next++; i < count && !failed; i = next++) {
            try {
                (*task)(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(error_lock);
                if (!error) error = std::current_exception();
                failed = true;
            }
        }
    }
};

// The cores the process may use, asked once: under Wine the question is a
// round trip to the server, which costs as much as handing out a pass.
std::size_t Cores() {
    static const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
    return cores;
}

// Set on a thread while it works on a pool job.
thread_local bool t_in_pool = false;

// Busy-wait rounds before a waiting thread starts giving its core away.
constexpr int kSpinRounds = 256;

void Pause() {
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

// Where the pool's threads sleep between jobs: a lock and a condition to wait
// on. Under Windows the system's own slim lock and condition variable: the
// C++ library's there are built on semaphores, whose broadcast wakes the
// sleepers one at a time through the system (under Wine about half a
// millisecond until seven threads are awake at best, several milliseconds
// on average, against a tenth of a millisecond).
class SleepingPlace {
public:
    SleepingPlace() = default;
    SleepingPlace(const SleepingPlace&) = delete;
    SleepingPlace& operator=(const SleepingPlace&) = delete;

#ifdef _WIN32
    void lock() { ::AcquireSRWLockExclusive(&lock_); }
    void unlock() { ::ReleaseSRWLockExclusive(&lock_); }
    // Sleeps until woken, the lock released meanwhile and held again after.
    void Wait() { ::SleepConditionVariableSRW(&wake_, &lock_, INFINITE, 0); }
    void WakeAll() { ::WakeAllConditionVariable(&wake_); }

private:
    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE wake_ = CONDITION_VARIABLE_INIT;
#else
    void lock() { lock_.lock(); }
    void unlock() { lock_.unlock(); }
    void Wait() {
        std::unique_lock<std::mutex> held(lock_, std::adopt_lock);
        wake_.wait(held);
        held.release();
    }
    void WakeAll() { wake_.notify_all(); }

private:
    std::mutex lock_;
    std::condition_variable wake_;
#endif
};

// Threads started once and kept waiting for work, so that a call costs a
// wake-up rather than a thread start (which under some systems costs as much
// as adjusting a small skin). One call uses the pool at a time; a call made
// meanwhile, or from inside a task, runs on its own thread. The threads end
// and are joined when the process's static objects are destroyed, so that
// none is still waiting while the runtime shuts down.
class Pool {
public:
    static Pool& Get() {
        static Pool pool;
        return pool;
    }

    ~Pool() {
        {
            // A new generation too, so that threads still watching awake see
            // the stop at once rather than when they would have gone to sleep.
            const std::lock_guard<SleepingPlace> lock(sleep_);
            stop_.store(true, std::memory_order_seq_cst);
            generation_.fetch_add(1, std::memory_order_seq_cst);
        }
        sleep_.WakeAll();
        for (std::thread& thread : threads_) thread.join();
    }

    // Runs the job on the calling thread and up to `helpers` pool threads.
    // False, with nothing run, when the pool is taken.
    bool Run(Job& job) {
        if (t_in_pool) return false;
        std::unique_lock<std::mutex> caller(busy_, std::try_to_lock);
        if (!caller.owns_lock()) return false;
        Start(job.helpers);
        bool sleepers = false;
        {
            // Under the lock, so that a thread going to sleep either sees the
            // new generation or is counted and woken.
            const std::lock_guard<SleepingPlace> lock(sleep_);
            joined_.store(0, std::memory_order_relaxed);
            job_.store(&job, std::memory_order_seq_cst);
            generation_.fetch_add(1, std::memory_order_seq_cst);
            sleepers = sleeping_ > 0;
        }
        // Threads still awake see the new generation by themselves.
        if (sleepers) sleep_.WakeAll();
        t_in_pool = true;
        job.Work();
        t_in_pool = false;
        // No thread joins from here on: one that counted itself active before
        // this sees the job and is waited for, one after it sees none.
        job_.store(nullptr, std::memory_order_seq_cst);
        // The threads that joined are finishing their last pieces, which the
        // share-out keeps short: wait for them awake.
        for (int round = 0; active_.load(std::memory_order_seq_cst) != 0; ++round) {
            if (round < kSpinRounds) {
                Pause();
            } else {
                std::this_thread::yield();
            }
        }
        return true;
    }

    // Starts every thread a job may use, unless a call is using the pool.
    void StartAll() {
        const std::unique_lock<std::mutex> caller(busy_, std::try_to_lock);
        if (caller.owns_lock()) Start(Cores() - 1);
    }

private:
    Pool() = default;

    // Starts threads until `wanted` exist (fewer when the system refuses).
    void Start(std::size_t wanted) {
        while (threads_.size() < wanted && !refused_) {
            try {
                threads_.emplace_back(&Pool::Serve, this);
            } catch (const std::system_error&) {
                refused_ = true;
            }
        }
    }

    // Watches for a generation other than `seen` for a while without taking
    // any lock (a contended lock costs a system call); true when one came.
    bool WatchAwake(std::uint64_t seen) const {
        const auto until = std::chrono::steady_clock::now() + kThreadsStayAwake;
        for (int round = 0;; ++round) {
            if (generation_.load(std::memory_order_acquire) != seen) return true;
            if (round < kSpinRounds) {
                Pause();
                continue;
            }
            if (round % 16 == 0 && std::chrono::steady_clock::now() >= until) return false;
            std::this_thread::yield();
        }
    }

    void Serve() {
        t_in_pool = true;
        std::uint64_t seen = 0;
        for (;;) {
            if (!WatchAwake(seen)) {
                const std::lock_guard<SleepingPlace> lock(sleep_);
                ++sleeping_;
                while (!stop_.load(std::memory_order_relaxed) && generation_.load(std::memory_order_relaxed) == seen)
                    sleep_.Wait();
                --sleeping_;
            }
            if (stop_.load(std::memory_order_acquire)) return;
            seen = generation_.load(std::memory_order_acquire);
            // Counted active before looking at the job, so that the caller
            // cannot end the job in between.
            active_.fetch_add(1, std::memory_order_seq_cst);
            Job* job = job_.load(std::memory_order_seq_cst);
            if (job != nullptr && joined_.fetch_add(1, std::memory_order_relaxed) < job->helpers) job->Work();
            active_.fetch_sub(1, std::memory_order_release);
        }
    }

    std::mutex busy_; // held by the call using the pool
    std::vector<std::thread> threads_;
    bool refused_ = false;

    SleepingPlace sleep_; // its lock guards the sleepers' count
    std::size_t sleeping_ = 0;
    std::atomic<bool> stop_{false}; // set under the lock, with a new generation
    // Read without the lock by threads awake.
    std::atomic<Job*> job_{nullptr};
    std::atomic<std::uint64_t> generation_{0}; // raised under the lock
    std::atomic<std::size_t> joined_{0};
    std::atomic<std::size_t> active_{0};
};

} // namespace

std::vector<RowBand> CutIntoBands(std::span<const RowShape> images, std::uint64_t band_pixels) {
    std::vector<RowBand> bands;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const RowShape& shape = images[i];
        if (shape.width <= 0 || shape.rows <= 0) continue;
        const std::uint64_t rows_per_band =
            std::clamp<std::uint64_t>(band_pixels / std::uint64_t(shape.width), 1, std::uint64_t(shape.rows));
        // Equal bands: the rows spread over as many bands as the size asks.
        const std::uint64_t count = (std::uint64_t(shape.rows) + rows_per_band - 1) / rows_per_band;
        for (std::uint64_t k = 0; k < count; ++k) {
            const auto first = static_cast<int>(std::uint64_t(shape.rows) * k / count);
            const auto next = static_cast<int>(std::uint64_t(shape.rows) * (k + 1) / count);
            bands.push_back({i, first, next - first});
        }
    }
    std::stable_sort(bands.begin(), bands.end(), [&](const RowBand& a, const RowBand& b) {
        return std::uint64_t(a.count) * std::uint64_t(images[a.image].width) >
               std::uint64_t(b.count) * std::uint64_t(images[b.image].width);
    });
    return bands;
}

std::uint64_t BandPixels(std::uint64_t pixels) {
    // Some 16 bands a core keep the cores evenly busy to the end; below about
    // 4,000 pixels (some tens of microseconds) a band is not worth handing out.
    const std::uint64_t threads = Cores();
    return std::max<std::uint64_t>(kMinBandPixels, pixels / (threads * 16));
}

void StartThreads() {
    if (Cores() > 1) Pool::Get().StartAll();
}

void RunInParallel(std::size_t count, std::uint64_t work, const std::function<void(std::size_t)>& task) {
    if (count == 0) return;
    std::size_t threads = Cores();
    threads = std::min<std::uint64_t>({threads, count, std::max<std::uint64_t>(1, work / kWorkPerThread)});
    Job job;
    job.task = &task;
    job.count = count;
    job.helpers = threads - 1;
    if (threads <= 1 || !Pool::Get().Run(job)) job.Work();
    if (job.error) std::rethrow_exception(job.error);
}

} // namespace hsl
