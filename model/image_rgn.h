// A window region together with the size of the image it was made from (the
// shape of a region-defined window or of a frame side). Coordinates are
// pixels of that image. The object owns its region; frame sides and previews
// share objects through std::shared_ptr (ImageRgnPtr).
//
// Nothing deletes a region object by hand: every factory below returns it in
// a std::unique_ptr, shared holders use ImageRgnPtr, and a raw CImageRgn* or
// the HRGN from GetHRgn is only ever borrowed. Dropping or resetting the
// owner deletes the object and its region, once.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/platform/file.h"
#include "model/platform/region.h"
#include "model/platform/types.h"

class CImageRgn {
public:
    CImageRgn() = default;
    CImageRgn(hexmoor::platform::RegionHandle region, int width, int height)
        : region_(std::move(region)), width_(width), height_(height) {}
    CImageRgn(const CImageRgn&) = delete;
    CImageRgn& operator=(const CImageRgn&) = delete;

    HRGN GetHRgn() const { return region_.Get(); }
    int GetWidth() const { return width_; }
    int GetHeight() const { return height_; }
    SIZE GetSize() const { return SIZE{width_, height_}; }
    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    // Takes the region over (freeing the previous one).
    void SetRegion(hexmoor::platform::RegionHandle region) { region_ = std::move(region); }

    // An independent copy (new region handle, same size).
    std::unique_ptr<CImageRgn> Duplicate() const;
    // The region's RGNDATA bytes; empty without region.
    std::vector<std::uint8_t> GetRegionData() const;
    // Builds the region from RGNDATA bytes after checking them; false (and no
    // region) when the block is not valid.
    bool SetRegionData(std::span<const std::uint8_t> data);

private:
    hexmoor::platform::RegionHandle region_;
    int width_ = 0;
    int height_ = 0;
};

using ImageRgnPtr = std::shared_ptr<CImageRgn>;

// A new object whose region is the empty rectangle (0, 0, 0, 0), size 0 by 0.
std::unique_ptr<CImageRgn> CreateEmptyImageRgn();

// The largest width and height of a region's canvas. A bitmap is made for
// the canvas, so sizes outside 0..kMaxRegionCanvas (negative, or a
// gigabyte-sized canvas from a damaged file) are refused before one is made.
inline constexpr int kMaxRegionCanvas = 16384;
constexpr bool IsRegionCanvasSize(std::int64_t width, std::int64_t height) {
    return width >= 0 && height >= 0 && width <= kMaxRegionCanvas && height <= kMaxRegionCanvas;
}

// The most rectangles a region may have. Every region the model builds or
// reads is refused above it: a region of more is no useful window shape (a
// window with it repaints slowly), and without a cap a picture of alternating
// pixels or a hostile file sets the time and memory a region takes.
inline constexpr std::size_t kMaxRegionRects = 262144;

// --- Region files (.rgn) ---------------------------------------------------
// Layout, little-endian: i32 width, i32 height, u32 N, N bytes of RGNDATA.

// The most bytes of region data a region file may hold: the header and
// kMaxRegionRects rectangles.
inline constexpr std::uint64_t kMaxRegionDataBytes = 32 + 16ull * kMaxRegionRects;

// The bytes of a region file for the object; empty when it has no region.
std::vector<std::uint8_t> EncodeRegionFile(const CImageRgn& region);
// Parses region-file bytes. Always returns an object: its region is null
// when the bytes are short, the region data is not valid or holds more than
// kMaxRegionRects rectangles; width and height keep what could be read. A width or height outside the canvas
// limit is refused: the object stays empty (null region, 0 by 0) and, when
// refusedSize is given, it receives the size read (else it is left alone).
std::unique_ptr<CImageRgn> DecodeRegionFile(std::span<const std::uint8_t> bytes, SIZE* refusedSize = nullptr);

// Writes a region file: 0 for a null object or a failed write, with a
// message box that says which step failed ("Failed to create region file"
// when the file cannot be created, a write or replace message otherwise),
// 1 when written; a path of three characters or fewer writes nothing and
// returns 1. The file is complete or left as it was: it is written beside
// the target and then moved over it.
int SaveRegionFile(const CImageRgn* region, const std::wstring& path);
// The bytes of a region file, read header first: no more than its data
// count says, and nothing past the header when the count is over the cap.
hexmoor::platform::FileReadResult ReadRegionFileBytes(const std::wstring& path, std::vector<std::uint8_t>* bytes);
// Reads a region file (ReadRegionFileBytes, then DecodeRegionFile). Always a new object; its region is null
// when the file cannot be read ("Failed to Open File!" when it cannot be
// opened, an "Invalid region file" message when its size is refused).
std::unique_ptr<CImageRgn> LoadRegionFile(const std::wstring& path);

#ifdef _WIN32
// Pictures of regions are made no larger than this many pixels.
inline constexpr std::int64_t kMaxRenderedRegionPixels = 2048 * 2048;
// The size a region's picture is made at: the canvas, or, for a canvas of
// more than kMaxRenderedRegionPixels, the canvas scaled down to fit them
// (keeping its proportions).
SIZE RenderedRegionSize(int width, int height);
// A screen-compatible bitmap of the region's canvas (button-face colour)
// with the region filled in the inverse colour, at RenderedRegionSize;
// owned by the caller. Null for a null object and for a canvas size outside
// 0..kMaxRegionCanvas.
HBITMAP RenderRegionBitmap(const CImageRgn* region);
#endif
