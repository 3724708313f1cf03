// Colour-adjustment throughput on skin art: every image of a skin is
// adjusted through a whole-skin modifier (a hue, saturation and lightness
// change, as a user moving the sliders makes), and the same pixels are copied
// pixel by pixel in the same run as the baseline. Prints what it adjusted
// ("images N", "pixels P"), the rates of both, a check of every adjusted
// pixel against the scalar path, the cost of handing empty tasks to the
// cores (threads still awake, and after a pause), and last "ratio hsl-to-copy X.XX" (the
// adjustment's throughput divided by the copy's).
//
//   hsl_bench [SKIN] [--rounds N] [--path avx2|sse2|scalar]
//
// --path keeps the whole-skin adjustment to that path or narrower, as on a
// processor without the wider ones.
//
// With SKIN, the images of that skin file; without, a skin of synthetic art:
// anti-aliased rounded edges and shapes, colour changing along every row, and
// mild noise, in the sizes of a skin's frames and controls.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/hsl_modifier.h"
#include "model/hsl/parallel.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace {

namespace platform = hexmoor::platform;
using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The processor time of every thread of the process so far, in seconds.
double ProcessSeconds() {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0.0;
    auto seconds = [](const FILETIME& t) {
        return double(std::uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) * 1e-7;
    };
    return seconds(kernel) + seconds(user);
}

std::uint32_t Channel(std::uint32_t c, int shift) { return (c >> shift) & 0xFF; }

// a + (b - a) * t per channel, t in 0..1.
std::uint32_t Mix(std::uint32_t a, std::uint32_t b, double t) {
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const double v = Channel(a, shift) + (double(Channel(b, shift)) - Channel(a, shift)) * t;
        out |= std::uint32_t(std::clamp(v, 0.0, 255.0)) << shift;
    }
    return out;
}

// Synthetic skin art: a gradient along the rows (with a little vertical
// shading) in a rounded frame with an anti-aliased edge, a soft diagonal
// highlight, mild noise; images with alpha get anti-aliased transparent
// corners.
platform::ImagePixels ArtImage(int width, int height, std::uint32_t seed, bool alpha) {
    platform::ImagePixels image;
    image.width = width;
    image.height = height;
    image.argb.resize(std::size_t(width) * height);
    const std::uint32_t left = (seed * 2654435761u) & 0x00FFFFFFu;
    const std::uint32_t right = (seed * 40503u + 0x406080u) & 0x00FFFFFFu;
    const std::uint32_t border = (left >> 1) & 0x007F7F7Fu;
    const double radius = std::min({4.0, width / 2.0, height / 2.0});
    std::uint32_t noise = seed * 747796405u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double tx = width > 1 ? double(x) / (width - 1) : 0.0;
            const double ty = height > 1 ? double(y) / (height - 1) : 0.0;
            std::uint32_t c = Mix(Mix(left, right, tx), 0x00FFFFFFu, 0.15 * (1.0 - ty));
            // Distance inside the rounded rectangle's edge.
            const double cx = std::clamp(x + 0.5, radius, width - radius);
            const double cy = std::clamp(y + 0.5, radius, height - radius);
            const double inside = radius - std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const double edge = std::min({inside, x + 0.5, y + 0.5, width - x - 0.5, height - y - 0.5});
            if (edge < 1.5) c = Mix(c, border, std::clamp(1.5 - edge, 0.0, 1.0));
            // A soft diagonal highlight band.
            const double band = std::fabs(std::fmod(x + 2.0 * y, 48.0) - 24.0);
            if (band < 3.0) c = Mix(c, 0x00FFFFFFu, 0.25 * (1.0 - band / 3.0));
            noise = noise * 1664525u + 1013904223u;
            const int n = int(noise >> 29) - 4; // -4 .. 3
            std::uint32_t noisy = 0;
            for (int shift : {0, 8, 16})
                noisy |= std::uint32_t(std::clamp(int(Channel(c, shift)) + n, 0, 255)) << shift;
            std::uint32_t a = 0xFF;
            if (alpha) a = std::uint32_t(std::clamp(inside + 0.5, 0.0, 1.0) * 255.0);
            image.argb[std::size_t(y) * width + x] = a << 24 | noisy;
        }
    }
    return image;
}

void PutArt(CTwfObj* object, WORD id, int width, int height, std::uint32_t seed) {
    // Half the images are GDI bitmaps (BMP data), half GDI+ images with alpha
    // (PNG data).
    const bool gdiplus = seed % 2 == 0;
    const platform::ImagePixels pixels = ArtImage(width, height, seed, gdiplus);
    const MrgBitmapParams params{4, 4, 4, 4, 0, 0};
    if (gdiplus) {
        object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateGdiplusBitmapFromPixels(pixels), params));
    } else {
        object->PutImage(id, std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels), params));
    }
}

void FillElement(CTwfObj* object, int width, int height, int states, std::uint32_t& seed) {
    for (int state = 0; state < states; ++state) PutArt(object, WORD(100 + state), width, height, seed++);
    for (WORD id = 200; id < 210; ++id) object->SetColor(id, (seed++ * 2654435761u) & 0x00FFFFFFu);
}

// One scheme's worth of elements: a frame with its sides and menu bar, and
// the common controls in their states.
void FillScheme(CTwfSkin& skin, const std::wstring& scheme, std::uint32_t& seed) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, scheme));
    FillElement(frame, 160, 30, 2, seed);
    FillElement(frame->GetTopSide(), 800, 32, 2, seed);
    FillElement(frame->GetBottomSide(), 800, 8, 2, seed);
    FillElement(frame->GetLeftSide(), 8, 600, 2, seed);
    FillElement(frame->GetRightSide(), 8, 600, 2, seed);
    FillElement(frame->GetMenuBar(), 400, 24, 3, seed);
    const struct {
        WORD type;
        int width, height, states;
    } controls[] = {{kElemButton, 120, 32, 5},      {kElemCheckBox, 16, 16, 8},    {kElemRadioBox, 16, 16, 8},
                    {kElemScrollbars, 17, 120, 4},  {kElemTabCtrl, 100, 28, 4},    {kElemComboBox, 140, 24, 4},
                    {kElemProgressBar, 200, 20, 2}, {kElemHeaderCtrl, 120, 24, 3}, {kElemToolBar, 300, 40, 3},
                    {kElemEdit, 160, 24, 4}};
    for (const auto& c : controls)
        FillElement(skin.GetOrCreateObject(c.type, scheme), c.width, c.height, c.states, seed);
}

// Every image entry of the skin, frames' sides and menu bars included, in a
// fixed order.
std::vector<const CMrgBitmap*> AllImages(const CTwfSkin& skin) {
    std::vector<const CMrgBitmap*> all;
    auto add = [&](const CTwfObj* object) {
        if (!object) return;
        for (const auto& [id, image] : object->GetImageMap()) {
            if (!image->IsPlainValue()) all.push_back(image.get());
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

struct Source {
    platform::ImagePixels pixels;
    bool gdiplus = false; // a GDI+ image: its alpha counts; else a GDI bitmap
};

// A plain copy, one pixel at a time, of every image into its own buffer.
void CopyPixels(const std::vector<Source>& sources, std::vector<std::vector<std::uint32_t>>& targets) {
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const std::uint32_t* src = sources[i].pixels.argb.data();
        std::uint32_t* dst = targets[i].data();
        const std::size_t count = sources[i].pixels.argb.size();
        for (std::size_t p = 0; p < count; ++p) dst[p] = src[p];
    }
}

// What the scalar path gives for an image under these values: GDI+ images
// with their alpha; GDI bitmaps keep their fourth byte at full opacity and
// count as opaque below it.
std::vector<std::uint32_t> ScalarResult(const Source& source, const HSLValues& v) {
    const bool opaque = !source.gdiplus && !v.KeepsAlpha();
    hsl::PixelAdjuster scalar(source.gdiplus || opaque ? v : HSLValues(v.hue, v.saturation, v.lightness, 100),
                              hsl::BatchPath::kScalar);
    std::vector<std::uint32_t> out;
    out.reserve(source.pixels.argb.size());
    for (std::uint32_t p : source.pixels.argb) out.push_back(scalar.AdjustPixel(opaque ? p | 0xFF000000u : p));
    return out;
}

int Usage() {
    std::fprintf(stderr, "usage: hsl_bench [SKIN] [--rounds N] [--path avx2|sse2|scalar]\n");
    return 64;
}

} // namespace

int main(int argc, char** argv) {
    const char* skin_path = nullptr;
    int rounds = 10;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
            rounds = std::atoi(argv[++i]);
            if (rounds < 1) return Usage();
        } else if (std::strcmp(argv[i], "--path") == 0 && i + 1 < argc) {
            const std::string name = argv[++i];
            if (name == "avx2") {
                hsl::LimitBatchPath(hsl::BatchPath::kAvx2);
            } else if (name == "sse2") {
                hsl::LimitBatchPath(hsl::BatchPath::kSse2);
            } else if (name == "scalar") {
                hsl::LimitBatchPath(hsl::BatchPath::kScalar);
            } else {
                return Usage();
            }
        } else if (argv[i][0] == '-' || skin_path) {
            return Usage();
        } else {
            skin_path = argv[i];
        }
    }

    CGdiPlusInit gdiplus;
    if (!gdiplus.IsStarted()) {
        std::fprintf(stderr, "GDI+ did not start\n");
        return 1;
    }

    CTwfSkin skin;
    if (skin_path) {
        std::wstring path;
        for (const char* c = skin_path; *c; ++c) path += wchar_t(static_cast<unsigned char>(*c));
        skin.SetPath(path);
        const int result = skin.LoadSkinFromPath(FALSE);
        if (result != 0) {
            std::fprintf(stderr, "%s: cannot load the skin (result %d)\n", skin_path, result);
            return 2;
        }
        std::printf("skin: %s\n", skin_path);
    } else {
        skin.InitNewSkin(L"Default");
        std::uint32_t seed = 1;
        const int schemes = 12;
        FillScheme(skin, L"", seed);
        for (int i = 1; i < schemes; ++i) FillScheme(skin, L"<CC>\\Panel" + std::to_wstring(i), seed);
        std::printf("skin: synthetic art, %d schemes\n", schemes);
    }

    const std::vector<const CMrgBitmap*> images = AllImages(skin);
    std::vector<Source> sources(images.size());
    std::uint64_t pixels = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        if (!images[i]->ReadPixels(&sources[i].pixels)) {
            std::fprintf(stderr, "an image cannot be read\n");
            return 1;
        }
        sources[i].gdiplus = images[i]->IsGdiplus();
        pixels += sources[i].pixels.argb.size();
    }
    std::printf("images %zu\n", images.size());
    std::printf("pixels %llu\n", static_cast<unsigned long long>(pixels));
    // How evenly the pass can be shared out among the cores: no core can end
    // before the largest piece it took, a whole image or a band of rows.
    if (pixels > 0) {
        std::vector<hsl::RowShape> shapes;
        std::uint64_t largest = 0;
        for (const Source& s : sources) {
            shapes.push_back({s.pixels.width, s.pixels.height});
            largest = std::max<std::uint64_t>(largest, s.pixels.argb.size());
        }
        const std::vector<hsl::RowBand> bands = hsl::CutIntoBands(shapes, hsl::BandPixels(pixels));
        const std::uint64_t band =
            bands.empty() ? 0 : std::uint64_t(bands.front().count) * shapes[bands.front().image].width;
        std::printf("largest image %llu px (%.1f%% of the pass)\n", static_cast<unsigned long long>(largest),
                    100.0 * double(largest) / double(pixels));
        std::printf("bands %zu, largest %llu px (%.1f%% of the pass)\n", bands.size(),
                    static_cast<unsigned long long>(band), 100.0 * double(band) / double(pixels));
    }
    if (pixels == 0) {
        std::fprintf(stderr, "the skin holds no image pixels\n");
        return 1;
    }
    std::vector<std::vector<std::uint32_t>> targets;
    for (const Source& s : sources) targets.emplace_back(s.pixels.argb.size());

    if (!skin.AddHSLModifier(0, 1)) {
        std::fprintf(stderr, "no modifier\n");
        return 1;
    }

    // A hue, saturation and lightness change, the hue moving from pass to
    // pass as a slider does; every pass against a copy of the same pixels.
    const HSLValues base(35, 20, -10, 100);
    Clock::duration copy_time{}, hsl_time{}, first_time{};
    double hsl_cpu = 0.0;
    // Where the passes spent their time, step by step.
    const CHSLModifier& modifier = *skin.GetHSLModifiers().at(1);
    CHSLModifier::StepTimes steps;
    // The copies first, each after the same pause as a pass, while the
    // adjustment's threads sleep: none of them is awake beside the copy.
    std::this_thread::sleep_for(hsl::kThreadsStayAwake + std::chrono::milliseconds(10));
    for (int round = 0; round < rounds; ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const auto c0 = Clock::now();
        CopyPixels(sources, targets);
        copy_time += Clock::now() - c0;
    }
    for (int round = 0; round < rounds; ++round) {
        // A pause as between two moves of a slider being dragged: the first
        // pass finds the adjustment's threads asleep, the later ones find
        // them awake, as in the editor.
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const double cpu = ProcessSeconds();
        const auto c1 = Clock::now();
        skin.ApplyHSL(1, base.hue + round, base.saturation, base.lightness, base.opacity);
        const auto c2 = Clock::now();
        hsl_cpu += ProcessSeconds() - cpu;
        hsl_time += c2 - c1;
        if (round == 0) first_time = c2 - c1;
        const CHSLModifier::StepTimes& last = modifier.GetLastStepTimes();
        steps.elements += last.elements;
        steps.images.pass += last.images.pass;
        steps.images.setup += last.images.setup;
        steps.images.rows += last.images.rows;
        steps.images.finish += last.images.finish;
    }
    const double megapixels = double(pixels) / 1e6;
    const double copy_rate = megapixels * rounds / Seconds(copy_time);
    const double hsl_rate = megapixels * rounds / Seconds(hsl_time);

    // The last pass, pixel for pixel, against the scalar path.
    const HSLValues last(base.hue + rounds - 1, base.saturation, base.lightness, base.opacity);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        platform::ImagePixels adjusted;
        if (!images[i]->ReadPixels(&adjusted) || adjusted.argb != ScalarResult(sources[i], last)) ++differing;
    }

    // The same below full opacity (GDI bitmaps take the GDI+ form once).
    const HSLValues faded(-120, -40, 15, 80);
    Clock::duration faded_time{};
    for (int round = 0; round < rounds; ++round) {
        const auto f0 = Clock::now();
        skin.ApplyHSL(1, faded.hue + round, faded.saturation, faded.lightness, faded.opacity);
        faded_time += Clock::now() - f0;
    }

    // The pixel loop alone on one thread, each path, once the adjustment's
    // threads have gone to sleep.
    std::this_thread::sleep_for(hsl::kThreadsStayAwake + std::chrono::milliseconds(10));
    const auto path_name = [](hsl::BatchPath path) {
        switch (path) {
        case hsl::BatchPath::kAvx512: return "AVX-512";
        case hsl::BatchPath::kAvx2: return "AVX2";
        case hsl::BatchPath::kAvx512Double: return "AVX-512 double";
        case hsl::BatchPath::kAvx2Double: return "AVX2 double";
        case hsl::BatchPath::kSse2: return "SSE2";
        case hsl::BatchPath::kScalar: break;
        }
        return "scalar";
    };
    // AVX2 and AVX-512 with their float kernel (where the values allow it),
    // then with the double kernel alone.
    for (hsl::BatchPath path : {hsl::BatchPath::kScalar, hsl::BatchPath::kSse2, hsl::BatchPath::kAvx2,
                                hsl::BatchPath::kAvx512, hsl::BatchPath::kAvx2Double, hsl::BatchPath::kAvx512Double}) {
        if (!hsl::BatchPathSupported(path)) continue;
        const auto k0 = Clock::now();
        for (int round = 0; round < rounds; ++round) {
            hsl::PixelAdjuster adjuster(HSLValues(base.hue + round, base.saturation, base.lightness, 100), path);
            for (std::size_t i = 0; i < sources.size(); ++i) {
                adjuster.AdjustRow(sources[i].pixels.argb.data(), targets[i].data(), sources[i].pixels.argb.size());
            }
        }
        std::printf("pixel loop alone, one thread, %-7s %9.1f Mpx/s\n", path_name(path),
                    megapixels * rounds / Seconds(Clock::now() - k0));
    }

    // The same on every core at once, each thread adjusting every image into
    // its own buffers: what the cores can give together when nothing else is
    // in the way, the ceiling of the whole-skin adjustment. The widest path,
    // then its double kernel alone.
    const hsl::BatchPath widest = hsl::BestBatchPath();
    const hsl::BatchPath widest_double = widest == hsl::BatchPath::kAvx512 ? hsl::BatchPath::kAvx512Double
                                         : widest == hsl::BatchPath::kAvx2 ? hsl::BatchPath::kAvx2Double
                                                                           : widest;
    for (hsl::BatchPath path : {widest, widest_double}) {
        if (path == widest_double && widest_double == widest) break;
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::vector<std::vector<std::uint32_t>>> outputs(threads, targets);
        std::vector<double> seconds(threads);
        std::vector<std::thread> workers;
        for (unsigned t = 0; t < threads; ++t) {
            workers.emplace_back([&, t] {
                const auto a0 = Clock::now();
                for (int round = 0; round < rounds; ++round) {
                    hsl::PixelAdjuster adjuster(HSLValues(base.hue + round, base.saturation, base.lightness, 100),
                                                path);
                    for (std::size_t i = 0; i < sources.size(); ++i) {
                        adjuster.AdjustRow(sources[i].pixels.argb.data(), outputs[t][i].data(),
                                           sources[i].pixels.argb.size());
                    }
                }
                seconds[t] = Seconds(Clock::now() - a0);
            });
        }
        for (std::thread& worker : workers) worker.join();
        const double slowest = *std::max_element(seconds.begin(), seconds.end());
        std::printf("pixel loop alone, %u threads at once%s: %9.1f Mpx/s each (slowest), %.1f together\n", threads,
                    path == widest ? "" : ", double kernel", megapixels * rounds / slowest,
                    threads * megapixels * rounds / slowest);
    }

    // What the float kernel does with the pixels under the pass's first
    // values: how many it looks at again in double precision and how many
    // it then hands to the double kernel; and how many pixels are grey.
    {
        const HSLValues first(base.hue, base.saturation, base.lightness, 100);
        std::uint64_t second_look = 0, double_kernel = 0, greys = 0;
        bool used = false;
        for (const Source& s : sources) {
            const hsl::GuardedColourCounts counts =
                hsl::CountGuardedColours(s.pixels.argb.data(), s.pixels.argb.size(), first, widest);
            used = used || counts.float_kernel;
            second_look += counts.second_look;
            double_kernel += counts.double_kernel;
            for (std::uint32_t p : s.pixels.argb) {
                if (Channel(p, 16) == Channel(p, 8) && Channel(p, 8) == Channel(p, 0)) ++greys;
            }
        }
        if (used) {
            std::printf("float kernel (%s): second look at %.2f%% of the pixels, double kernel for %.4f%%\n",
                        path_name(widest), 100.0 * double(second_look) / double(pixels),
                        100.0 * double(double_kernel) / double(pixels));
        } else {
            std::printf("float kernel: not used here\n");
        }
        std::printf("grey pixels: %.2f%%\n", 100.0 * double(greys) / double(pixels));
    }

    // The cost of handing work to the cores: one empty task per core, calls
    // one after another (the threads still awake) and calls after a pause
    // longer than the threads stay awake.
    const auto handover = [](int calls, std::chrono::microseconds pause) {
        const std::size_t tasks = std::max(1u, std::thread::hardware_concurrency());
        double best = 1e9, total = 0.0;
        for (int call = 0; call < calls; ++call) {
            if (pause.count() > 0) std::this_thread::sleep_for(pause);
            const auto t0 = Clock::now();
            hsl::RunInParallel(tasks, std::uint64_t(1) << 40, [](std::size_t) {});
            const double us = Seconds(Clock::now() - t0) * 1e6;
            best = std::min(best, us);
            total += us;
        }
        return std::pair<double, double>(best, total / calls);
    };
    const auto awake = handover(200, std::chrono::microseconds(0));
    const auto asleep = handover(20, hsl::kThreadsStayAwake + std::chrono::milliseconds(10));
    std::printf("empty task per core, awake:  %9.1f us best %9.1f us average\n", awake.first, awake.second);
    std::printf("empty task per core, asleep: %9.1f us best %9.1f us average\n", asleep.first, asleep.second);

    // The undo must give every image back.
    std::uint64_t copied = 0;
    for (const auto& t : targets) copied += t.empty() ? 0 : t.front();
    skin.ApplyHSL(1, 0, 0, 0, 100);
    skin.RemoveHSLModifier(1);
    bool exact = true;
    for (std::size_t i = 0; exact && i < images.size(); ++i) {
        platform::ImagePixels undone;
        exact = images[i]->ReadPixels(&undone) && undone.argb == sources[i].pixels.argb;
    }

    std::printf("plain per-pixel copy:      %9.1f Mpx/s\n", copy_rate);
    std::printf("whole-skin adjustment:     %9.1f Mpx/s (%.2f ms per pass)\n", hsl_rate,
                Seconds(hsl_time) * 1000.0 / rounds);
    // On a loaded machine the threads get fewer cores than exist: the
    // processor time shows how many the adjustment had.
    std::printf("  cores busy on average:   %9.1f of %u\n", hsl_cpu / Seconds(hsl_time),
                std::thread::hardware_concurrency());
    // A pass: the elements walked (colours adjusted, images collected), then
    // the images' pass, whose threads' time goes to setting the images up,
    // adjusting rows and putting the results in place; the time the threads
    // had beyond that went to waking, waiting and handing out work.
    const double pass_ms = 1000.0 / rounds;
    const double busy = steps.images.setup + steps.images.rows + steps.images.finish;
    std::printf("  elements:                %9.3f ms per pass\n", steps.elements * pass_ms);
    std::printf("  images:                  %9.3f ms per pass\n", steps.images.pass * pass_ms);
    std::printf("    set-up:                %9.3f ms per pass (threads' time, summed)\n", steps.images.setup * pass_ms);
    std::printf("    rows:                  %9.3f ms per pass (threads' time, summed)\n", steps.images.rows * pass_ms);
    std::printf("    finish:                %9.3f ms per pass (threads' time, summed)\n",
                steps.images.finish * pass_ms);
    std::printf("    rows alone, per thread: %8.1f Mpx/s\n",
                steps.images.rows > 0 ? megapixels * rounds / steps.images.rows : 0.0);
    std::printf("    threads' time in work:  %8.1f%% of %u threads through the images' pass\n",
                100.0 * busy / (steps.images.pass * std::thread::hardware_concurrency()),
                std::thread::hardware_concurrency());
    std::printf("  rest of the pass:        %9.3f ms per pass\n",
                (Seconds(hsl_time) - steps.elements - steps.images.pass) * pass_ms);
    // The first pass finds the threads asleep and the entries' own images not
    // yet replaced (their targets were made with the saved copies).
    std::printf("  first pass:              %9.3f ms\n", Seconds(first_time) * 1000.0);
    std::printf("  below full opacity:      %9.1f Mpx/s\n", megapixels * rounds / Seconds(faded_time));
    std::printf("vector path: %s\n", path_name(hsl::BestBatchPath()));
    std::printf("images differing from the scalar path: %zu\n", differing);
    std::printf("undo gives every image back: %s (check %llu)\n", exact ? "yes" : "NO",
                static_cast<unsigned long long>(copied % 1000));
    std::printf("ratio hsl-to-copy %.2f\n", hsl_rate / copy_rate);
    return exact && differing == 0 ? 0 : 1;
}
