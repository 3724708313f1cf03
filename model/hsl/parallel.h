#pragma once

// Independent pieces of work (the images of a skin under one adjustment)
// spread over the machine's cores.

#include <cstddef>
#include <cstdint>
#include <functional>

namespace hsl {

// Runs task(i) once for every i in [0, count), on the calling thread and up
// to hardware_concurrency - 1 more, fewer when `work` (the pixels, say) is
// too small to repay a thread. Indices are handed out in increasing order,
// so put the largest pieces first. The tasks must not depend on each other;
// the results are then the same as running them in order. Returns after every
// task has ended; the first exception a task throws is rethrown then.
void RunInParallel(std::size_t count, std::uint64_t work, const std::function<void(std::size_t)>& task);

} // namespace hsl
