// skinio: how much the skin-file reader and writer add to the work they
// cannot avoid. Builds a large synthetic skin (hundreds of images, tens of
// MB of pixels, half kept as bitmaps and half as GDI+ images), saves it as a
// compressed skin and loads it back, and times the bare work on the same
// images in the same run: BMP and PNG encoding plus zlib compression for the
// save, zlib inflation plus image decoding for the load. The four take turns
// in every round and each figure is the best of the rounds. Last, the
// editor's Open of the saved file (the file roads without windows) against
// one load of it: "ratio open-to-load".
//
//   skinio [IMAGES [WIDTH HEIGHT [ROUNDS]]]     defaults: 320 images of 200 x 150, 5 rounds
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "editor/shell/file_roads.h"
#include "model/twf_manager.h"
#include "model/elements.h"
#include "model/file/image_record.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

namespace plat = hexmoor::platform;
using Clock = std::chrono::steady_clock;

namespace {

// Smooth gradients with a little noise: images that compress like skin art.
plat::ImagePixels MakePixels(int width, int height, unsigned seed) {
    plat::ImagePixels p;
    p.width = width;
    p.height = height;
    p.argb.resize(static_cast<std::size_t>(width) * height);
    unsigned state = seed * 2654435761u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            const unsigned noise = (state >> 16) & 7;
            const unsigned r = (x * 255 / width + seed) & 0xFF;
            const unsigned g = (y * 255 / height + noise) & 0xFF;
            const unsigned b = ((x + y) / 2 + seed * 7) & 0xFF;
            p.argb[static_cast<std::size_t>(y) * width + x] = 0xFF000000u | (r << 16) | (g << 8) | b;
        }
    }
    return p;
}

double TimeMs(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Blob {
    bool png;
    bool compressed;
    std::size_t original;
    std::vector<std::uint8_t> stored;
};

// The file roads' host for a skin manager of the bench's own: no windows, no
// questions (any question counts as a failure).
struct WindowlessRoads : hexmoor::shell::FileRoadHost {
    WindowlessRoads() { manager.CreateMainSkin(L"Default"); }
    CTwfSkin* Skin() override { return manager.GetMainSkin(); }
    int TakeOverSkin(CTwfSkin& loaded) override { return manager.TakeOverMainSkin(loaded); }
    int Ask(const std::wstring&, UINT) override {
        failed = true;
        return IDCANCEL;
    }
    std::optional<hexmoor::fw::FileDialogResult> ChooseFile(const hexmoor::fw::FileDialogRequest&) override {
        failed = true;
        return std::nullopt;
    }
    hexmoor::fw::RecentFileList& Recent() override { return recent; }

    CTwfManager manager;
    hexmoor::fw::RecentFileList recent{4};
    bool failed = false;
};

} // namespace

int main(int argc, char** argv) {
    const int images = argc > 1 ? std::atoi(argv[1]) : 320;
    const int width = argc > 3 ? std::atoi(argv[2]) : 200;
    const int height = argc > 3 ? std::atoi(argv[3]) : 150;
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 5;

    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) {
        std::fputs("skinio: GDI+ did not start\n", stderr);
        return 1;
    }

    // The skin: images spread over the 30 default elements.
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    skin.SetCompressedFlag(1);
    std::vector<CTwfObj*> elements;
    for (const auto& [type, element] : skin.GetSchemes().begin()->second) elements.push_back(element.get());
    std::size_t pixelBytes = 0;
    for (int i = 0; i < images; ++i) {
        CTwfObj* element = elements[static_cast<std::size_t>(i) % elements.size()];
        const WORD id = static_cast<WORD>(1 + i);
        const plat::ImagePixels pixels = MakePixels(width, height, static_cast<unsigned>(i));
        pixelBytes += pixels.argb.size() * 4;
        if (i % 2 == 0) {
            auto bitmap = plat::CreateBitmapFromPixels(pixels);
            element->SetImageFromSource(id, bitmap.Get(), 2, 2, 2, 2, 0, 0);
        } else {
            element->SetGdiplusImage(id, plat::CreateGdiplusBitmapFromPixels(pixels));
        }
    }
    const auto dir = std::filesystem::temp_directory_path() / "hexmoor-skinio";
    std::filesystem::create_directories(dir);
    const auto path = (dir / "bench.twfx").wstring();
    skin.SetPath(path);

    // Bare save work: encode every image, compress the bitmaps.
    std::vector<Blob> blobs;
    double encodeMs = 0, compressMs = 0;
    const std::function<void()> bareSave = [&] {
        blobs.clear();
        double enc = 0, comp = 0;
        for (CTwfObj* element : elements) {
            for (const auto& [id, entry] : element->GetImageMap()) {
                Blob blob{entry->IsGdiplus(), false, 0, {}};
                auto t0 = Clock::now();
                if (blob.png) {
                    plat::EncodePng(entry->GetGdiplusBitmap(), &blob.stored);
                } else {
                    plat::EncodeBmp(entry->GetHBitmap(), &blob.stored);
                }
                auto t1 = Clock::now();
                blob.original = blob.stored.size();
                if (!blob.png) {
                    if (auto packed = CompressIfSmaller(blob.stored)) {
                        blob.stored = std::move(*packed);
                        blob.compressed = true;
                    }
                }
                auto t2 = Clock::now();
                enc += std::chrono::duration<double, std::milli>(t1 - t0).count();
                comp += std::chrono::duration<double, std::milli>(t2 - t1).count();
                blobs.push_back(std::move(blob));
            }
        }
        encodeMs = enc;
        compressMs = comp;
    };

    bool saved = true;
    const std::function<void()> save = [&] { saved = skin.WriteSkinFile() && saved; };

    // Bare load work: inflate what was compressed, decode every image, and
    // hold the images until the end (as a loaded skin holds them).
    double inflateMs = 0, decodeMs = 0;
    const std::function<void()> bareLoad = [&] {
        double inf = 0, dec = 0;
        std::vector<plat::DecodedImage> decoded;
        decoded.reserve(blobs.size());
        for (const Blob& blob : blobs) {
            auto t0 = Clock::now();
            std::vector<std::uint8_t> inflated;
            std::span<const std::uint8_t> data = blob.stored;
            if (blob.compressed) {
                inflated.resize(blob.original);
                uLongf length = static_cast<uLongf>(inflated.size());
                uncompress(inflated.data(), &length, blob.stored.data(), static_cast<uLong>(blob.stored.size()));
                data = inflated;
            }
            auto t1 = Clock::now();
            plat::DecodedImage image = plat::DecodeImageStream(data);
            auto t2 = Clock::now();
            if (!image) std::fputs("skinio: an image did not decode\n", stderr);
            decoded.push_back(std::move(image));
            inf += std::chrono::duration<double, std::milli>(t1 - t0).count();
            dec += std::chrono::duration<double, std::milli>(t2 - t1).count();
        }
        inflateMs = inf;
        decodeMs = dec;
    };

    int loadCode = 0;
    const std::function<void()> load = [&] {
        CTwfSkin loaded;
        loaded.InitNewSkin(L"Default");
        loaded.SetPath(path);
        loadCode = loaded.LoadSkinFromPath(FALSE);
    };

    // The editor's Open of the same file, through the file roads' host
    // interface without windows.
    WindowlessRoads host;
    hexmoor::shell::FileRoads roads(host);
    bool opened = false;
    const std::function<void()> open = [&] {
        opened = roads.OpenSkinFile(path) && host.Skin()->IsLoaded() && !host.failed;
    };

    // The four measurements take turns in every round, so that a busy machine
    // slows the skin's work and the bare work alike; each keeps its best.
    double bareSaveMs = 1e300, saveMs = 1e300, bareLoadMs = 1e300, loadMs = 1e300, openMs = 1e300;
    for (int round = 0; round < rounds; ++round) {
        bareSaveMs = std::min(bareSaveMs, TimeMs(bareSave));
        saveMs = std::min(saveMs, TimeMs(save));
        if (!saved) {
            std::fputs("skinio: the skin could not be saved\n", stderr);
            return 1;
        }
        bareLoadMs = std::min(bareLoadMs, TimeMs(bareLoad));
        loadMs = std::min(loadMs, TimeMs(load));
        openMs = std::min(openMs, TimeMs(open));
    }
    const auto fileBytes = std::filesystem::file_size(dir / "bench.twfx");
    std::filesystem::remove_all(dir);
    if (loadCode != 0) {
        std::fprintf(stderr, "skinio: the saved skin did not load (code %d)\n", loadCode);
        return 1;
    }
    if (!opened) {
        std::fputs("skinio: the file roads did not open the saved skin\n", stderr);
        return 1;
    }

    std::printf("skin: %d images of %dx%d, %.1f MB of pixels, file %.1f MB, best of %d rounds\n", images, width, height,
                pixelBytes / 1048576.0, fileBytes / 1048576.0, rounds);
    std::printf("save: %.1f ms; bare %.1f ms (last round: encode %.1f ms, compress %.1f ms)\n", saveMs, bareSaveMs,
                encodeMs, compressMs);
    std::printf("load: %.1f ms; bare %.1f ms (last round: inflate %.1f ms, decode %.1f ms)\n", loadMs, bareLoadMs,
                inflateMs, decodeMs);
    std::printf("ratio save %.2f\n", saveMs / bareSaveMs);
    std::printf("open: %.1f ms\n", openMs);
    std::printf("ratio load %.2f\n", loadMs / bareLoadMs);
    std::printf("ratio open-to-load %.2f\n", openMs / loadMs);
    return 0;
}
