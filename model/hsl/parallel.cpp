#include "model/hsl/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace hsl {

namespace {

// Below this much work per thread, starting one costs more than it saves.
constexpr std::uint64_t kWorkPerThread = 1u << 16;

} // namespace

void RunInParallel(std::size_t count, std::uint64_t work, const std::function<void(std::size_t)>& task) {
    if (count == 0) return;
    std::size_t threads = std::max<std::size_t>(1, std::thread::hardware_concurrency());
    threads = std::min<std::uint64_t>({threads, count, std::max<std::uint64_t>(1, work / kWorkPerThread)});
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i) task(i);
        return;
    }

    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::exception_ptr error;
    std::mutex error_lock;
    auto worker = [&] {
        for (std::size_t i = next++; i < count && !failed; i = next++) {
            try {
                task(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(error_lock);
                if (!error) error = std::current_exception();
                failed = true;
            }
        }
    };
    std::vector<std::thread> helpers;
    helpers.reserve(threads - 1);
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(worker);
        } catch (const std::system_error&) {
            break; // fewer threads: the others take the remaining work
        }
    }
    worker();
    for (std::thread& helper : helpers) helper.join();
    if (error) std::rethrow_exception(error);
}

} // namespace hsl
