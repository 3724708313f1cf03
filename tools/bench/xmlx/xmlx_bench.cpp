// xmlx [FRAMES]: the controls XML export and import of a large synthetic
// skin against the bare image work of the same run. The skin has a default
// frame and FRAMES custom frames (200 by default), each side with an active
// and an inactive image (PNG- and bitmap-held by turns) and region options,
// and static texts. The export is measured against encoding each of its
// images and writing it to a file; the import against reading and decoding
// each image file. Every round exports into a fresh folder and the bare
// encoding writes into a fresh folder of its own, so both sides make new
// files (what a designer's export into an empty folder does). Prints the
// figures, then "ratio export-to-encode X.XX" and "ratio import-to-decode
// X.XX" (best of five rounds each).
#include <objbase.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/exchange/xml/controls_export.h"
#include "editor/exchange/xml/link_source.h"
#include "editor/exchange/xml/win/controls_import_export.h"
#include "editor/exchange/xml/xml_format.h"
#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/platform/file.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange::xml;
namespace plat = hexmoor::platform;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 5;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

plat::ImagePixels Pixels(int width, int height, int seed) {
    plat::ImagePixels p;
    p.width = width;
    p.height = height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p.argb.push_back(0xFF000000u | static_cast<std::uint32_t>(((x * 7 + seed) & 0xFF) << 16) |
                             static_cast<std::uint32_t>(((y * 5 + seed) & 0xFF) << 8) |
                             static_cast<std::uint32_t>((x ^ y) & 0xFF));
    return p;
}

ImageRgnPtr SideRegion(int width, int height) {
    std::vector<std::uint8_t> file;
    auto put = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(static_cast<std::uint32_t>(width));
    put(static_cast<std::uint32_t>(height));
    put(48);
    for (std::uint32_t v :
         {32u, 1u, 1u, 16u, 0u, 0u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)})
        put(v);
    for (std::uint32_t v : {0u, 0u, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)}) put(v);
    return ImageRgnPtr(DecodeRegionFile(file));
}

void FillFrame(CTwfWndFrame& frame, int seed) {
    for (int side = 0; side < 4; ++side) {
        CTwfSideFrame* s = frame.GetSide(side);
        const int width = side % 2 == 0 ? 96 : 8, height = side % 2 == 0 ? 28 : 64;
        for (WORD number : {WORD(0), WORD(1001)}) {
            const plat::ImagePixels pixels = Pixels(width, height, seed + side + number);
            if ((seed + side + number) % 2)
                s->PutImage(number, std::make_unique<CMrgBitmap>(plat::CreateGdiplusBitmapFromPixels(pixels),
                                                                 MrgBitmapParams{2, 2, 2, 2, 1, 0}));
            else
                s->PutImage(number, std::make_unique<CMrgBitmap>(plat::CreateBitmapFromPixels(pixels),
                                                                 MrgBitmapParams{2, 2, 2, 2, 0, 1}));
            s->SetImageOptions(number, side, -side, 1);
        }
        if (side == 0) s->SetRegionOptions(1, SideRegion(width, height), 1);
        frame.SetNumber(SideSizeId(side), static_cast<DWORD>(side % 2 == 0 ? height : width));
    }
}

bool Encode(const CMrgBitmap& image, std::vector<std::uint8_t>* bytes) {
    return image.IsGdiplus() ? plat::EncodePng(image.GetGdiplusBitmap(), bytes)
                             : plat::EncodeBmp(image.GetHBitmap(), bytes);
}

bool WritePlain(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
    FILE* f = _wfopen(path.c_str(), L"wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int frames = argc > 1 ? std::max(1, _wtoi(argv[1])) : 200;
    const bool com = SUCCEEDED(CoInitialize(nullptr));
    CGdiPlusInit imaging;
    if (!imaging.IsStarted()) {
        std::fprintf(stderr, "xmlx: GDI+ did not start\n");
        return 1;
    }
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    FillFrame(*dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, L"")), 0);
    skin.GetOrCreateObject(kElemStaticText, L"")->SetColor(494, RGB(1, 2, 3));
    for (int i = 0; i < frames; ++i) {
        const std::wstring name = L"Frame" + std::to_wstring(i);
        FillFrame(*dynamic_cast<CTwfWndFrame*>(skin.GetOrCreateObject(kElemWndFrame, name)), i + 1);
        skin.GetOrCreateObject(kElemStaticText, L"Text" + std::to_wstring(i))->SetColor(494, RGB(i & 0xFF, 0, 0));
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("hexmoor_xmlx_bench_" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(folder);

    double exportMs = 1e300, encodeMs = 1e300, importMs = 1e300, decodeMs = 1e300;
    ControlsExport walked;
    {
        SkinFamilyLinks links(skin);
        walked = BuildControlsExport(skin, links);
    }
    std::uint64_t pixels = 0;
    int images = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::filesystem::path exportFolder = folder / ("round" + std::to_string(round));
        const std::filesystem::path bareFolder = folder / ("bare" + std::to_string(round));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(exportFolder);
        std::filesystem::create_directories(bareFolder);
        const std::wstring xml = (exportFolder / L"skin.xml").wstring();
        SkinFamilyLinks links(skin);
        auto start = Clock::now();
        const ExchangeOutcome exported = CControlsImportExport(skin).ExportControls(xml, links);
        exportMs = std::min(exportMs, Ms(start));
        if (!exported.ok || exported.counts.images != walked.counts.images) {
            std::fprintf(stderr, "xmlx: the export did not write its images\n");
            return 1;
        }

        // Bare work: encode each image the export wrote and write it to a file.
        start = Clock::now();
        std::vector<std::uint8_t> bytes;
        int written = 0;
        for (const ExportFile& file : walked.files) {
            if (!file.image) continue;
            if (!Encode(*file.image, &bytes) ||
                !WritePlain(
                    (bareFolder / (std::to_wstring(written) + (file.image->IsGdiplus() ? L".png" : L".bmp"))).wstring(),
                    bytes))
                return 1;
            ++written;
        }
        encodeMs = std::min(encodeMs, Ms(start));

        CTwfSkin target;
        target.InitNewSkin(L"Default");
        start = Clock::now();
        const ExchangeOutcome imported = CControlsImportExport(target).ImportControls(xml);
        importMs = std::min(importMs, Ms(start));
        if (!imported.ok || imported.counts.images != written) {
            std::fprintf(stderr, "xmlx: the import did not read every image\n");
            return 1;
        }

        // Bare work: read and decode each image file the export wrote.
        start = Clock::now();
        pixels = 0;
        images = 0;
        for (const ExportFile& file : walked.files) {
            if (!file.image) continue;
            std::wstring path = exportFolder.wstring() + L"\\" + file.relative;
            if (plat::ReadFileBytes(path, &bytes) != plat::FileReadResult::kOk) return 1;
            plat::DecodedImage decoded = plat::DecodeImageStream(bytes);
            if (!decoded) return 1;
            CMrgBitmap entry = decoded.png ? CMrgBitmap(std::move(decoded.png), MrgBitmapParams{})
                                           : CMrgBitmap(std::move(decoded.bitmap), MrgBitmapParams{});
            pixels += static_cast<std::uint64_t>(entry.GetWidth()) * entry.GetHeight();
            ++images;
        }
        decodeMs = std::min(decodeMs, Ms(start));
    }
    std::filesystem::remove_all(folder);
    if (com) CoUninitialize();
    std::printf("custom frames %d\n", frames);
    std::printf("records %d\n", walked.counts.records);
    std::printf("images %d\n", images);
    std::printf("pixels %llu\n", static_cast<unsigned long long>(pixels));
    std::printf("export ms %.2f\n", exportMs);
    std::printf("encode ms %.2f\n", encodeMs);
    std::printf("import ms %.2f\n", importMs);
    std::printf("decode ms %.2f\n", decodeMs);
    std::printf("ratio export-to-encode %.2f\n", exportMs / encodeMs);
    std::printf("ratio import-to-decode %.2f\n", importMs / decodeMs);
    return 0;
}
