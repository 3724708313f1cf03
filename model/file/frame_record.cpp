#include "model/file/frame_record.h"

#include <memory>
#include <utility>
#include <vector>

#include "model/elements/wnd_frame.h"
#include "model/file/element_records.h"
#include "model/image_rgn.h"
#include "model/platform/region.h"

namespace plat = hexmoor::platform;

namespace {

constexpr std::uint64_t kImageOptionRecord = 2 + 12;
constexpr std::uint64_t kRegionOptionRecord = 2 + 16;

using namespace frame_props;

constexpr WORD kSideThicknessNumbers[4] = {kTopThickness, kRightThickness, kBottomThickness, kLeftThickness};
constexpr WORD kMenuBarNumbers[6] = {kMdiCloseSize,   kMdiMinimizeSize,   kMdiRestoreSize,
                                     kMdiCloseOffset, kMdiMinimizeOffset, kMdiRestoreOffset};

LegacyPair ReadPair(ArchiveReader& reader) {
    LegacyPair p;
    p.first = reader.ReadI32();
    p.second = reader.ReadI32();
    return p;
}

DWORD PackPair(const LegacyPair& p) {
    return (static_cast<DWORD>(static_cast<WORD>(p.second)) << 16) | static_cast<WORD>(p.first);
}

void ReadSide(ArchiveReader& reader, CTwfSideFrame& side, WORD version) {
    ReadCommonRecord(reader, side, version);
    const std::uint32_t images = reader.ReadU32();
    reader.RequireRecords(images, kImageOptionRecord);
    for (std::uint32_t i = 0; i < images; ++i) {
        const WORD id = reader.ReadU16();
        const LONG x = reader.ReadI32();
        const LONG y = reader.ReadI32();
        const DWORD mode = reader.ReadU32();
        side.SetImageOptions(id, x, y, mode);
    }
    const std::uint32_t regions = reader.ReadU32();
    reader.RequireRecords(regions, kRegionOptionRecord);
    for (std::uint32_t i = 0; i < regions; ++i) {
        const WORD id = reader.ReadU16();
        const DWORD stored = reader.ReadU32();
        // Files below 515 store a flag with the opposite sense.
        const DWORD mode = version >= 515 ? stored : (stored == 0 ? 1 : 0);
        const std::uint32_t width = reader.ReadU32();
        const std::uint32_t height = reader.ReadU32();
        const std::uint32_t size = reader.ReadU32();
        auto data = reader.ReadBytes(size);
        // An option without valid region data is dropped.
        if (size == 0 || !plat::IsValidRegionData(data)) continue;
        plat::RegionHandle region = plat::RegionFromData(data);
        if (!region) continue;
        side.SetRegionOptions(
            id, std::make_shared<CImageRgn>(std::move(region), static_cast<int>(width), static_cast<int>(height)),
            mode);
    }
    if (version < 521) side.SetLegacyThickness(reader.ReadU32());
}

void WriteSide(ArchiveWriter& writer, const CTwfSideFrame& side, bool compress) {
    WriteCommonRecord(writer, side, compress);
    const ImageOptionsMap& images = side.GetImageOptionsMap();
    writer.WriteU32(static_cast<std::uint32_t>(images.size()));
    for (const auto& [id, o] : images) {
        writer.WriteU16(id);
        writer.WriteI32(o.XOffset);
        writer.WriteI32(o.YOffset);
        writer.WriteU32(o.DrawMode);
    }
    const RegionOptionsMap& regions = side.GetRegionOptionsMap();
    writer.WriteU32(static_cast<std::uint32_t>(regions.size()));
    for (const auto& [id, o] : regions) {
        writer.WriteU16(id);
        writer.WriteU32(o.DrawMode);
        const CImageRgn* rgn = o.region.get();
        writer.WriteU32(rgn ? static_cast<std::uint32_t>(rgn->GetWidth()) : 0);
        writer.WriteU32(rgn ? static_cast<std::uint32_t>(rgn->GetHeight()) : 0);
        std::vector<std::uint8_t> data;
        if (rgn) data = rgn->GetRegionData();
        writer.WriteU32(static_cast<std::uint32_t>(data.size()));
        writer.WriteBytes(data);
    }
}

void ReadMenuBar(ArchiveReader& reader, CTwfMenuBar& bar, WORD version) {
    ReadCommonRecord(reader, bar, version);
    if (version >= 521) return;
    bar.L657 = ReadPair(reader);
    bar.legacyRect.left = reader.ReadI32();
    bar.legacyRect.top = reader.ReadI32();
    bar.legacyRect.right = reader.ReadI32();
    bar.legacyRect.bottom = reader.ReadI32();
    bar.L652 = reader.ReadU32();
    if (version == 512) return;
    bar.L646 = ReadPair(reader);
    bar.L647 = ReadPair(reader);
    bar.L648 = ReadPair(reader);
    bar.L649 = ReadPair(reader);
    bar.L650 = ReadPair(reader);
    bar.L651 = ReadPair(reader);
}

// The frame's legacy block of files below 517: u32 or pair per number.
void ReadFrameLegacyBlock(ArchiveReader& reader, CTwfWndFrame& frame, WORD version) {
    struct Field {
        WORD id;
        bool pair;
        WORD minVersion;
        WORD onlyVersion;
    };
    static constexpr Field kFields[] = {
        {kRegionShape, false, 0, 0},
        {kRoundRectSize, true, 0, 0},
        {kCloseButtonSize, true, 0, 0},
        {kMinimizeButtonSize, true, 0, 0},
        {kMaximizeButtonSize, true, 0, 0},
        {kHelpButtonSize, true, 515, 0},
        {kCloseButtonOffset, true, 0, 0},
        {kMaximizeButtonOffset, true, 0, 0},
        {kMinimizeButtonOffset, true, 0, 0},
        {kHelpButtonOffset, true, 515, 0},
        {kTextLocation, false, 0, 0},
        {kTextOffset, true, 0, 0},
        {kMinimizedCloseOffset, true, 0, 516},
        {kMinimizedMaximizeOffset, true, 0, 516},
        {kMinimizedMinimizeOffset, true, 0, 516},
    };
    for (const Field& f : kFields) {
        if (version < f.minVersion || (f.onlyVersion && version != f.onlyVersion)) continue;
        if (f.pair) {
            const LegacyPair p = ReadPair(reader);
            frame.SetNumberPair(f.id, static_cast<WORD>(p.first), static_cast<WORD>(p.second));
        } else {
            frame.StoreNumber(f.id, reader.ReadU32());
        }
    }
}

} // namespace

void ReadFrameRecord(ArchiveReader& reader, CTwfWndFrame& frame, WORD version) {
    ReadCommonRecord(reader, frame, version);
    for (int i = 0; i < 4; ++i) {
        CTwfSideFrame& side = *frame.GetSide(i);
        ReadSide(reader, side, version);
        if (version < 521) frame.StoreNumber(kSideThicknessNumbers[i], side.GetLegacyThickness());
    }
    CTwfMenuBar& bar = *frame.GetMenuBar();
    ReadMenuBar(reader, bar, version);
    if (version < 521) {
        const LegacyPair* pairs[6] = {&bar.L649, &bar.L651, &bar.L650, &bar.L646, &bar.L648, &bar.L647};
        for (int i = 0; i < 6; ++i) bar.StoreNumber(kMenuBarNumbers[i], PackPair(*pairs[i]));
        frame.StoreNumber(kMenuBarItemOffset, PackPair(bar.L657));
        frame.StoreNumber(kMenuBarTopBorder, static_cast<DWORD>(bar.legacyRect.top));
        frame.StoreNumber(kMenuBarBottomBorder, static_cast<DWORD>(bar.legacyRect.bottom));
        frame.StoreNumber(kMenuBarHeight, bar.L652);
    } else if (version <= 530) {
        // These files kept the menu bar's button sizes and offsets in the frame.
        for (WORD id : kMenuBarNumbers) {
            if (!frame.HasNumber(id)) continue;
            bar.StoreNumber(id, frame.GetNumber(id));
            frame.RemoveNumber(id);
        }
    }
    if (version < 517) ReadFrameLegacyBlock(reader, frame, version);
}

void WriteFrameRecord(ArchiveWriter& writer, const CTwfWndFrame& frame, bool compress) {
    WriteCommonRecord(writer, frame, compress);
    for (int i = 0; i < 4; ++i) WriteSide(writer, *frame.GetSide(i), compress);
    WriteCommonRecord(writer, *frame.GetMenuBar(), compress);
}
