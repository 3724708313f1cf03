#include "model/hsl/parallel.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace hsl {

namespace {

// Below this much work per thread, handing it over costs more than it saves.
constexpr std::uint64_t kWorkPerThread = 1u << 14;

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

// Set on a thread while it works on a pool job.
thread_local bool t_in_pool = false;

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
            const std::lock_guard<std::mutex> lock(lock_);
            stop_ = true;
        }
        wake_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }

    // Runs the job on the calling thread and up to `helpers` pool threads.
    // False, with nothing run, when the pool is taken.
    bool Run(Job& job) {
        if (t_in_pool) return false;
        std::unique_lock<std::mutex> caller(busy_, std::try_to_lock);
        if (!caller.owns_lock()) return false;
        Start(job.helpers);
        {
            const std::lock_guard<std::mutex> lock(lock_);
            job_ = &job;
            joined_ = 0;
            ++generation_;
        }
        wake_.notify_all();
        t_in_pool = true;
        job.Work();
        t_in_pool = false;
        std::unique_lock<std::mutex> lock(lock_);
        job_ = nullptr; // no thread joins from here on
        done_.wait(lock, [&] { return active_ == 0; });
        return true;
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

    void Serve() {
        t_in_pool = true;
        std::uint64_t seen = 0;
        std::unique_lock<std::mutex> lock(lock_);
        for (;;) {
            wake_.wait(lock, [&] { return stop_ || (job_ != nullptr && generation_ != seen); });
            if (stop_) return;
            seen = generation_;
            if (joined_ >= job_->helpers) continue;
            ++joined_;
            ++active_;
            Job* job = job_;
            lock.unlock();
            job->Work();
            lock.lock();
            if (--active_ == 0) done_.notify_all();
        }
    }

    std::mutex busy_; // held by the call using the pool
    std::vector<std::thread> threads_;
    bool refused_ = false;

    std::mutex lock_; // guards the members below
    std::condition_variable wake_;
    std::condition_variable done_;
    Job* job_ = nullptr;
    std::uint64_t generation_ = 0;
    std::size_t joined_ = 0;
    std::size_t active_ = 0;
    bool stop_ = false;
};

} // namespace

void RunInParallel(std::size_t count, std::uint64_t work, const std::function<void(std::size_t)>& task) {
    if (count == 0) return;
    std::size_t threads = std::max<std::size_t>(1, std::thread::hardware_concurrency());
    threads = std::min<std::uint64_t>({threads, count, std::max<std::uint64_t>(1, work / kWorkPerThread)});
    Job job;
    job.task = &task;
    job.count = count;
    job.helpers = threads - 1;
    if (threads <= 1 || !Pool::Get().Run(job)) job.Work();
    if (job.error) std::rethrow_exception(job.error);
}

} // namespace hsl
