// Colour-adjustment throughput: every image of a large synthetic skin is
// adjusted through a whole-skin modifier, and the same pixels are copied
// pixel by pixel in the same run as the baseline. Prints megapixels per
// second for both and ends with "ratio hsl-to-copy X.XX" (the adjustment's
// throughput divided by the copy's).
//
//   hsl_bench [schemes] [rounds]     defaults 40 and 10; "hsl_bench 2 1" is a smoke run

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "model/element_types.h"
#include "model/gdiplus_init.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_modifier.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace {

namespace platform = hexmoor::platform;
using Clock = std::chrono::steady_clock;

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int step, int steps) {
    auto channel = [&](int shift) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        return std::uint32_t(ca + (cb - ca) * step / std::max(steps, 1)) << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// A skin-like image: a vertical gradient in a darker one-pixel border, with
// rounded, partly transparent corners when it carries alpha.
platform::ImagePixels SkinImage(int width, int height, std::uint32_t seed, bool alpha) {
    platform::ImagePixels image;
    image.width = width;
    image.height = height;
    image.argb.resize(std::size_t(width) * height);
    const std::uint32_t top = (seed * 2654435761u) & 0x00FFFFFFu;
    const std::uint32_t bottom = (seed * 40503u + 0x406080u) & 0x00FFFFFFu;
    const std::uint32_t border = (top >> 1) & 0x007F7F7Fu;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t fill = Mix(top, bottom, y, height - 1);
        for (int x = 0; x < width; ++x) {
            const bool edge = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            std::uint32_t a = 0xFF;
            if (alpha) {
                const int dx = std::min(x, width - 1 - x), dy = std::min(y, height - 1 - y);
                if (dx + dy < 2)
                    a = 0;
                else if (dx + dy < 4)
                    a = 0x80;
            }
            image.argb[std::size_t(y) * width + x] = a << 24 | (edge ? border : fill);
        }
    }
    return image;
}

struct ImageCounter {
    std::uint64_t pixels = 0;
    std::uint64_t gdiplus_pixels = 0;
    int images = 0;
};

void PutImage(CTwfObj* object, WORD id, int width, int height, std::uint32_t seed, ImageCounter& counter) {
    // Half the images are GDI bitmaps (BMP data), half GDI+ images (PNG data).
    const bool gdiplus = seed % 2 == 0;
    const platform::ImagePixels pixels = SkinImage(width, height, seed, gdiplus);
    if (gdiplus) {
        object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateGdiplusBitmapFromPixels(pixels),
                                                          MrgBitmapParams{4, 4, 4, 4, 0, 0}));
    } else {
        object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels),
                                                          MrgBitmapParams{4, 4, 4, 4, 0, 0}));
    }
    counter.pixels += std::uint64_t(width) * height;
    if (gdiplus) counter.gdiplus_pixels += std::uint64_t(width) * height;
    ++counter.images;
}

void FillElement(CTwfObj* object, int width, int height, int states, std::uint32_t& seed, ImageCounter& counter) {
    for (int state = 0; state < states; ++state) PutImage(object, WORD(100 + state), width, height, seed++, counter);
    for (WORD id = 200; id < 210; ++id) object->SetColor(id, (seed++ * 2654435761u) & 0x00FFFFFFu);
}

// One scheme's worth of elements: a frame with its sides and menu bar, and
// the common controls in their states.
void FillScheme(CTwfSkin& skin, const std::wstring& scheme, std::uint32_t& seed, ImageCounter& counter) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, scheme));
    FillElement(frame, 160, 30, 2, seed, counter);
    FillElement(frame->GetTopSide(), 800, 32, 2, seed, counter);
    FillElement(frame->GetBottomSide(), 800, 8, 2, seed, counter);
    FillElement(frame->GetLeftSide(), 8, 600, 2, seed, counter);
    FillElement(frame->GetRightSide(), 8, 600, 2, seed, counter);
    FillElement(frame->GetMenuBar(), 400, 24, 3, seed, counter);
    const struct {
        WORD type;
        int width, height, states;
    } controls[] = {{kElemButton, 120, 32, 5},      {kElemCheckBox, 16, 16, 8},    {kElemRadioBox, 16, 16, 8},
                    {kElemScrollbars, 17, 120, 4},  {kElemTabCtrl, 100, 28, 4},    {kElemComboBox, 140, 24, 4},
                    {kElemProgressBar, 200, 20, 2}, {kElemHeaderCtrl, 120, 24, 3}, {kElemToolBar, 300, 40, 3},
                    {kElemEdit, 160, 24, 4}};
    for (const auto& c : controls) {
        FillElement(skin.GetOrCreateObject(c.type, scheme), c.width, c.height, c.states, seed, counter);
    }
}

// Every image's pixels, read once, for the copy baseline.
std::vector<platform::ImagePixels> AllPixels(const CTwfSkin& skin) {
    std::vector<platform::ImagePixels> all;
    auto add = [&](const CTwfObj* object) {
        for (const auto& [id, image] : object->GetImageMap()) {
            platform::ImagePixels pixels;
            if (image->ReadPixels(&pixels)) all.push_back(std::move(pixels));
        }
    };
    for (const auto& [name, elements] : skin.GetSchemes()) {
        for (const auto& [type, object] : elements) {
            add(object.get());
            if (auto* frame = dynamic_cast<const CTwfWndFrame*>(object.get())) {
                for (int side = 0; side < 4; ++side) add(frame->GetSide(side));
                add(frame->GetMenuBar());
            }
        }
    }
    return all;
}

// A plain copy, one pixel at a time, of every image into its own buffer.
void CopyPixels(const std::vector<platform::ImagePixels>& sources, std::vector<std::vector<std::uint32_t>>& targets) {
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const std::uint32_t* src = sources[i].argb.data();
        std::uint32_t* dst = targets[i].data();
        const std::size_t count = sources[i].argb.size();
        for (std::size_t p = 0; p < count; ++p) dst[p] = src[p];
    }
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

int main(int argc, char** argv) {
    const int schemes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

    CGdiPlusInit gdiplus;
    if (!gdiplus.IsStarted()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }

    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    ImageCounter counter;
    std::uint32_t seed = 1;
    FillScheme(skin, L"", seed, counter);
    for (int i = 1; i < schemes; ++i) FillScheme(skin, L"<CC>\\Panel" + std::to_wstring(i), seed, counter);
    const double megapixels = double(counter.pixels) / 1e6;
    std::printf("skin: %d schemes, %d images, %.2f megapixels (%.2f in GDI+ images)\n", schemes, counter.images,
                megapixels, double(counter.gdiplus_pixels) / 1e6);

    const std::vector<platform::ImagePixels> sources = AllPixels(skin);
    std::vector<std::vector<std::uint32_t>> targets;
    for (const auto& s : sources) targets.emplace_back(s.argb.size());

    if (!skin.AddHSLModifier(0, 1)) {
        std::fprintf(stderr, "no modifier\n");
        return 1;
    }

    // Values that change every pixel, as a user moving the sliders makes them:
    // a series at full opacity, then a series below it (GDI bitmaps change to
    // the GDI+ form once, at the first pass of the second series).
    const HSLValues series[] = {HSLValues(35, 20, -10, 100), HSLValues(-120, -40, 15, 80)};
    Clock::duration copy_time{}, hsl_time{};
    Clock::duration series_time[2]{};
    for (int s = 0; s < 2; ++s) {
        for (int round = 0; round < rounds; ++round) {
            const HSLValues& v = series[s];
            const auto c0 = Clock::now();
            CopyPixels(sources, targets);
            const auto c1 = Clock::now();
            skin.ApplyHSL(1, v.hue + round, v.saturation, v.lightness, v.opacity);
            const auto c2 = Clock::now();
            copy_time += c1 - c0;
            hsl_time += c2 - c1;
            series_time[s] += c2 - c1;
        }
    }
    const double passes = 2.0 * rounds;
    const double copy_rate = megapixels * passes / Seconds(copy_time);
    const double hsl_rate = megapixels * passes / Seconds(hsl_time);

    // The pixel loop alone over the same pixels, without making images.
    Clock::duration kernel_time{};
    for (int round = 0; round < rounds; ++round) {
        for (const HSLValues& v : series) {
            const auto k0 = Clock::now();
            hsl::PixelAdjuster& adjuster =
                hsl::ReusableAdjuster(HSLValues(v.hue + round, v.saturation, v.lightness, v.opacity));
            for (std::size_t i = 0; i < sources.size(); ++i) {
                adjuster.AdjustRow(sources[i].argb.data(), targets[i].data(), sources[i].argb.size());
            }
            kernel_time += Clock::now() - k0;
        }
    }
    const double kernel_rate = megapixels * passes / Seconds(kernel_time);

    // Worst case for the pixel loop: every pixel a colour not met before.
    std::vector<std::uint32_t> noise(std::size_t(1) << 20), noise_out(noise.size());
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = 0xFF000000u | std::uint32_t(i * 2654435761u >> 8);
    const auto n0 = Clock::now();
    hsl::PixelAdjuster(HSLValues(35, 20, -10, 100)).AdjustRow(noise.data(), noise_out.data(), noise.size());
    const double noise_rate = double(noise.size()) / 1e6 / Seconds(Clock::now() - n0);

    // The copies are read once so that no compiler can drop them, and the undo
    // must give every image back.
    std::uint64_t copied = 0;
    for (const auto& t : targets) copied += t.empty() ? 0 : t.front();
    skin.ApplyHSL(1, 0, 0, 0, 100);
    skin.RemoveHSLModifier(1);
    const std::vector<platform::ImagePixels> undone = AllPixels(skin);
    bool exact = undone.size() == sources.size();
    for (std::size_t i = 0; exact && i < sources.size(); ++i) exact = undone[i].argb == sources[i].argb;

    std::printf("plain per-pixel copy:   %9.1f Mpx/s\n", copy_rate);
    std::printf("whole-skin adjustment:  %9.1f Mpx/s (%.1f ms per pass)\n", hsl_rate,
                Seconds(hsl_time) * 1000.0 / passes);
    std::printf("  at full opacity:      %9.1f Mpx/s\n", megapixels * rounds / Seconds(series_time[0]));
    std::printf("  below full opacity:   %9.1f Mpx/s\n", megapixels * rounds / Seconds(series_time[1]));
    std::printf("pixel loop alone:       %9.1f Mpx/s\n", kernel_rate);
    std::printf("pixel loop, all colours new: %9.1f Mpx/s\n", noise_rate);
    std::printf("undo gives every image back: %s (check %llu)\n", exact ? "yes" : "NO",
                static_cast<unsigned long long>(copied % 1000));
    std::printf("ratio hsl-to-copy %.2f\n", hsl_rate / copy_rate);
    return exact ? 0 : 1;
}
