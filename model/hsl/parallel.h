#pragma once

// Independent pieces of work (the images of a skin under one adjustment)
// spread over the machine's cores.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace hsl {

// Runs task(i) once for every i in [0, count), on the calling thread and up
// to hardware_concurrency - 1 more, fewer when `work` (the pixels, say) is
// too small to repay a thread. Indices are handed out in increasing order,
// so put the largest pieces first. The tasks must not depend on each other;
// the results are then the same as running them in order. Returns after every
// task has ended; the first exception a task throws is rethrown then.
void RunInParallel(std::size_t count, std::uint64_t work, const std::function<void(std::size_t)>& task);

// Starts the threads RunInParallel hands work to, unless they are running
// already: starting a thread costs as much as a whole pass over a skin's
// images (under Wine some hundreds of microseconds each), so a caller that
// knows passes are coming (an adjustment being made) starts them ahead.
void StartThreads();

// How long a thread keeps watching for the next piece of work after a call
// ends, before it goes to sleep. Waking sleeping threads goes through the
// system and costs some tens of microseconds until all of them run, a tenth
// of a pass over a skin's images; a slider being dragged asks for a pass at
// every mouse move, some 8 to 16 ms apart, and those passes find the threads
// awake. While they watch, the threads give their cores away to any other
// thread that wants them; after the last pass of a drag they sleep.
inline constexpr std::chrono::milliseconds kThreadsStayAwake{20};

// Rows [first, first + count) of image number `image`.
struct RowBand {
    std::size_t image = 0;
    int first = 0;
    int count = 0;

    bool operator==(const RowBand&) const = default;
};

// The size of an image's pixel work: `rows` rows of `width` pixels.
struct RowShape {
    int width = 0;
    int rows = 0;
};

// Cuts the images into bands of whole rows of about `band_pixels` pixels (at
// least one row each; an image smaller than a band is one band), so that the
// bands can be handed out to threads in even pieces. Every row of every
// image with pixels is in exactly one band; the largest bands come first, as
// RunInParallel wants them.
std::vector<RowBand> CutIntoBands(std::span<const RowShape> images, std::uint64_t band_pixels);

// The band size for a pass over `pixels` pixels on this machine: small
// enough that every core gets several, not so small that handing one out
// costs more than it holds.
std::uint64_t BandPixels(std::uint64_t pixels);

} // namespace hsl
