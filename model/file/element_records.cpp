#include "model/file/element_records.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "model/elements.h"
#include "model/file/archive_text.h"
#include "model/file/element_upgrades.h"
#include "model/file/frame_record.h"
#include "model/file/image_record.h"
#include "model/font.h"
#include "model/platform/text.h"
#include "model/twf_error.h"

namespace plat = hexmoor::platform;

namespace {

// Smallest sizes of repeated records, for refusing counts that cannot fit.
constexpr std::uint64_t kMinImageRecord = 4 + 2 + 20;
constexpr std::uint64_t kIdValuePair = 2 + 4;

// --- common record ---------------------------------------------------------

void ReadFont(ArchiveReader& reader, CTwfObj& element) {
    LOGFONT lf{};
    lf.lfHeight = reader.ReadI32();
    lf.lfWidth = reader.ReadI32();
    lf.lfWeight = reader.ReadI32();
    lf.lfItalic = reader.ReadU8();
    lf.lfUnderline = reader.ReadU8();
    lf.lfStrikeOut = reader.ReadU8();
    lf.lfEscapement = reader.ReadI32();
    lf.lfOrientation = reader.ReadI32();
    lf.lfCharSet = reader.ReadU8();
    lf.lfClipPrecision = reader.ReadU8();
    lf.lfOutPrecision = reader.ReadU8();
    lf.lfQuality = reader.ReadU8();
    const std::wstring face = ArchiveText(reader.ReadArchiveString());
    const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    for (std::size_t i = 0; i < n; ++i) lf.lfFaceName[i] = static_cast<WCHAR>(face[i]);
    element.SetFont(std::make_unique<CFont>(lf));
}

void WriteFont(ArchiveWriter& writer, const CFont* font) {
    if (!font || !font->GetSafeHandle()) {
        writer.WriteU32(0);
        return;
    }
    const LOGFONT& lf = font->GetLogFontRef();
    writer.WriteU32(1);
    writer.WriteI32(lf.lfHeight);
    writer.WriteI32(lf.lfWidth);
    writer.WriteI32(lf.lfWeight);
    writer.WriteU8(lf.lfItalic);
    writer.WriteU8(lf.lfUnderline);
    writer.WriteU8(lf.lfStrikeOut);
    writer.WriteI32(lf.lfEscapement);
    writer.WriteI32(lf.lfOrientation);
    writer.WriteU8(lf.lfCharSet);
    writer.WriteU8(lf.lfClipPrecision);
    writer.WriteU8(lf.lfOutPrecision);
    writer.WriteU8(lf.lfQuality);
    std::wstring face;
    for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) face += static_cast<wchar_t>(lf.lfFaceName[i]);
    writer.WriteArchiveString(plat::WideToAnsi(face));
}

} // namespace

void ReadCommonRecord(ArchiveReader& reader, CTwfObj& element, WORD version) {
    const std::uint32_t images = reader.ReadU32();
    reader.RequireRecords(images, kMinImageRecord);
    for (std::uint32_t i = 0; i < images; ++i) ReadImageRecord(reader, element, version);

    const std::uint32_t colours = reader.ReadU32();
    reader.RequireRecords(colours, kIdValuePair);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const WORD id = reader.ReadU16();
        element.SetColor(id, reader.ReadU32());
    }
    if (version >= 517) {
        const std::uint32_t numbers = reader.ReadU32();
        reader.RequireRecords(numbers, kIdValuePair);
        for (std::uint32_t i = 0; i < numbers; ++i) {
            const WORD id = reader.ReadU16();
            const DWORD value = reader.ReadU32();
            if (element.IsNumberSaved(id)) element.SetNumber(id, value);
        }
    }
    if (version >= 519 && reader.ReadU32() != 0) ReadFont(reader, element);
    if (version >= 530) {
        element.SetFolderId(reader.ReadU16());
        element.SetOrder(reader.ReadU16());
    }
    const DWORD enabled = reader.ReadU32();
    element.SetEnabled(enabled);
    element.SetStoredEnabled(enabled);
}

void WriteCommonRecord(ArchiveWriter& writer, const CTwfObj& element, bool compress) {
    // Encode first: the count must equal the records that follow, and an
    // entry that cannot be encoded fails the whole write.
    std::vector<std::pair<WORD, EncodedImage>> encoded;
    for (const auto& [id, entry] : element.GetImageMap()) {
        if (!entry || (!entry->IsPlainValue() && !entry->HasImage())) continue; // nothing to store
        std::optional<EncodedImage> image = EncodeImageEntry(*entry, compress);
        if (!image) {
            writer.Fail();
            return;
        }
        encoded.emplace_back(id, std::move(*image));
    }
    writer.WriteU32(static_cast<std::uint32_t>(encoded.size()));
    for (const auto& [id, image] : encoded) {
        WriteImageRecord(writer, id, image, element.GetImage(id)->GetParams());
    }

    const ColorMap& colours = element.GetColorMap();
    writer.WriteU32(static_cast<std::uint32_t>(colours.size()));
    for (const auto& [id, colour] : colours) {
        writer.WriteU16(id);
        writer.WriteU32(colour);
    }
    std::uint32_t saved = 0;
    for (const auto& [id, value] : element.GetNumberMap()) saved += element.IsNumberSaved(id) ? 1 : 0;
    writer.WriteU32(saved);
    for (const auto& [id, value] : element.GetNumberMap()) {
        if (!element.IsNumberSaved(id)) continue;
        writer.WriteU16(id);
        writer.WriteU32(value);
    }
    WriteFont(writer, element.GetFont());
    writer.WriteU16(element.GetFolderId());
    writer.WriteU16(element.GetOrder());
    writer.WriteU32(element.GetEnabled());
}

void ReadElementRecord(ArchiveReader& reader, CTwfObj& element, WORD version) {
    ApplyUpgradesBeforeRecord(element, version);
    if (auto* frame = dynamic_cast<CTwfWndFrame*>(&element)) {
        ReadFrameRecord(reader, *frame, version);
    } else {
        ReadCommonRecord(reader, element, version);
        if (auto* combo = dynamic_cast<CTwfComboBox*>(&element)) {
            combo->SetArrowWidth(reader.ReadU32());
        } else if (auto* data = dynamic_cast<CTwfUserData*>(&element); data && version >= 527) {
            const std::uint32_t size = reader.ReadU32();
            auto bytes = reader.ReadBytes(size);
            // Size 0 leaves the element without a block, whatever it held.
            data->SetData(size != 0 ? bytes.data() : nullptr, size);
        }
    }
    ApplyUpgradesAfterRecord(element, version);
}

void WriteElementRecord(ArchiveWriter& writer, const CTwfObj& element, bool compress) {
    if (const auto* frame = dynamic_cast<const CTwfWndFrame*>(&element)) {
        WriteFrameRecord(writer, *frame, compress);
        return;
    }
    WriteCommonRecord(writer, element, compress);
    if (const auto* combo = dynamic_cast<const CTwfComboBox*>(&element)) {
        writer.WriteU32(combo->GetArrowWidth());
    } else if (const auto* data = dynamic_cast<const CTwfUserData*>(&element)) {
        writer.WriteU32(data->GetDataSize());
        if (data->GetDataSize()) writer.WriteBytes({data->GetData(), data->GetDataSize()});
    }
}
