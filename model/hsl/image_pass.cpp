#include "model/hsl/image_pass.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <memory>
#include <thread>
#include <vector>

#include "model/hsl/image_adjust.h"
#include "model/hsl/parallel.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"

namespace hsl {
namespace platform = hexmoor::platform;

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t Nanoseconds(Clock::duration d) { return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count(); }

// The size of the saved copy the entry's adjustment reads: the rows it cuts
// into bands. Empty for a plain value and an entry without a saved copy.
RowShape SavedShape(const CMrgBitmap& image) {
    LONG width = 0;
    LONG height = 0;
    bool known = false;
    if (!image.IsPlainValue() && image.HasSavedCopy()) {
        known = image.IsSavedGdiplus() ? platform::GetGdiplusBitmapSize(image.GetSavedGdiplusBitmap(), &width, &height)
                                       : platform::GetBitmapSize(image.GetSavedHBitmap(), &width, &height);
    }
    if (!known || width <= 0 || height <= 0) return {};
    return {static_cast<int>(width), static_cast<int>(height)};
}

// One image in the pass. Its set-up is claimed by whichever thread needs it
// first; the others wait for it (a set-up is short next to a band).
struct Entry {
    enum State : int { kWaiting, kStarting, kStarted, kAbandoned };

    CMrgBitmap* image = nullptr;
    RowShape shape;
    std::unique_ptr<ImageAdjustment> adjustment;
    std::atomic<int> state{kWaiting};
    std::atomic<std::size_t> bands_left{0};
    // The set-up found other rows than planned and adjusted them all itself.
    bool rows_done = false;
    bool finished = false; // written by the thread that finished it
};

class Pass {
public:
    Pass(std::span<CMrgBitmap* const> images, const HSLValues& values) : values_(values), entries_(images.size()) {
        std::vector<RowShape> shapes(images.size());
        std::uint64_t pixels = 0;
        for (std::size_t i = 0; i < images.size(); ++i) {
            entries_[i].image = images[i];
            entries_[i].shape = shapes[i] = SavedShape(*images[i]);
            pixels += std::uint64_t(shapes[i].width) * std::uint64_t(shapes[i].rows);
        }
        pixels_ = pixels;
        bands_ = CutIntoBands(shapes, BandPixels(pixels));
        for (const RowBand& band : bands_) entries_[band.image].bands_left.fetch_add(1, std::memory_order_relaxed);
        // The order the bands first need the images in.
        std::vector<bool> listed(images.size());
        for (const RowBand& band : bands_) {
            if (!listed[band.image]) order_.push_back(band.image);
            listed[band.image] = true;
        }
    }

    void Run(PassTimes* times) {
        timing_ = times != nullptr;
        const auto start = Clock::now();
        // Task 0, which the calling thread takes first while the others are
        // still waking, sets the images up ahead of the bands and adjusts the
        // images without rows; tasks 1.. are the bands.
        std::exception_ptr error;
        try {
            RunInParallel(bands_.size() + 1, pixels_, [this](std::size_t k) {
                if (k == 0) {
                    Lead();
                } else {
                    Band(bands_[k - 1]);
                }
            });
        } catch (...) {
            error = std::current_exception();
        }
        // After a failure the images set up but not finished still get their
        // result back, so that no entry is left without its image.
        for (Entry& entry : entries_) {
            if (entry.adjustment && !entry.finished) entry.image->FinishHSL(*entry.adjustment);
        }
        if (times) {
            times->pass = std::chrono::duration<double>(Clock::now() - start).count();
            times->setup = double(setup_ns_.load()) * 1e-9;
            times->rows = double(rows_ns_.load()) * 1e-9;
            times->finish = double(finish_ns_.load()) * 1e-9;
        }
        if (error) std::rethrow_exception(error);
    }

private:
    // Sets the entry up unless another thread has claimed it; true when this
    // thread did.
    bool TryStart(Entry& entry) {
        int expected = Entry::kWaiting;
        if (!entry.state.compare_exchange_strong(expected, Entry::kStarting, std::memory_order_acquire)) return false;
        const auto t0 = timing_ ? Clock::now() : Clock::time_point();
        try {
            entry.adjustment = entry.image->StartHSL(values_);
            // Not the rows planned (an undo copies without pixel work): all
            // its rows now, none in the bands.
            if (entry.adjustment->Width() != entry.shape.width || entry.adjustment->Rows() != entry.shape.rows) {
                entry.adjustment->AdjustRows(0, entry.adjustment->Rows());
                entry.rows_done = true;
            }
        } catch (...) {
            entry.state.store(Entry::kAbandoned, std::memory_order_release);
            throw;
        }
        if (timing_) setup_ns_ += Nanoseconds(Clock::now() - t0);
        entry.state.store(Entry::kStarted, std::memory_order_release);
        return true;
    }

    // True once the entry is set up (by this thread or another).
    bool Ready(Entry& entry) {
        TryStart(entry);
        for (int round = 0;; ++round) {
            const int state = entry.state.load(std::memory_order_acquire);
            if (state != Entry::kStarting) return state == Entry::kStarted;
            if (round >= 64) std::this_thread::yield();
        }
    }

    void Finish(Entry& entry) {
        const auto t0 = timing_ ? Clock::now() : Clock::time_point();
        entry.image->FinishHSL(*entry.adjustment);
        entry.finished = true;
        if (timing_) finish_ns_ += Nanoseconds(Clock::now() - t0);
    }

    void Lead() {
        for (std::size_t i : order_) TryStart(entries_[i]);
        for (Entry& entry : entries_) {
            if (entry.shape.width > 0 && entry.shape.rows > 0) continue; // the bands' work
            if (entry.image->IsPlainValue() || !entry.image->HasSavedCopy()) {
                entry.image->ApplyHSL(values_.hue, values_.saturation, values_.lightness, values_.opacity);
            } else if (TryStart(entry)) {
                Finish(entry);
            }
        }
    }

    void Band(const RowBand& band) {
        Entry& entry = entries_[band.image];
        if (!Ready(entry)) return;
        if (!entry.rows_done) {
            const auto t0 = timing_ ? Clock::now() : Clock::time_point();
            entry.adjustment->AdjustRows(band.first, band.count);
            if (timing_) rows_ns_ += Nanoseconds(Clock::now() - t0);
        }
        if (entry.bands_left.fetch_sub(1, std::memory_order_acq_rel) == 1) Finish(entry);
    }

    HSLValues values_;
    std::vector<Entry> entries_;
    std::vector<RowBand> bands_;
    std::vector<std::size_t> order_;
    std::uint64_t pixels_ = 0;
    bool timing_ = false;
    std::atomic<std::int64_t> setup_ns_{0};
    std::atomic<std::int64_t> rows_ns_{0};
    std::atomic<std::int64_t> finish_ns_{0};
};

} // namespace

void AdjustImagesTogether(std::span<CMrgBitmap* const> images, const HSLValues& values, PassTimes* times) {
    Pass pass(images, values);
    pass.Run(times);
}

} // namespace hsl
