#include "model/file/skin_file.h"

#include <algorithm>
#include <exception>

#include "model/element_types.h"
#include "model/file/archive_reader.h"
#include "model/file/archive_text.h"
#include "model/file/element_records.h"
#include "model/platform/file.h"
#include "model/file/skin_header.h"
#include "model/platform/imaging.h"
#include "model/platform/text.h"
#include "model/skin_version.h"
#include "model/twf_error.h"
#include "model/twf_skin.h"

namespace plat = hexmoor::platform;

namespace {

// The operating system's file layer failed (code 3).
struct FileLayerError {};

constexpr char kNewVersionMessage[] = "New version of Tarnwick should be used to open this skin file.";

std::string HeaderText(const ArchiveString& s) {
    if (!s.wide) return s.narrow;
    std::string text;
    for (char16_t u : s.units) text += u < 0x80 ? static_cast<char>(u) : '?';
    return text;
}

int Fail(CTwfSkin& skin, int code, const std::wstring& source) {
    skin.SetLoadedFlag(0);
    const std::string name = plat::WideToAnsi(source);
    switch (code) {
    case kTwfBadVersion: plat::DebugOutput(kNewVersionMessage); break;
    case kTwfFileError: plat::DebugOutput(name + "\n Cannot open file"); break;
    default: plat::DebugOutput(name + " is invalid or corrupted"); break;
    }
    return code;
}

void ReadSchemes(ArchiveReader& reader, CTwfSkin& skin, WORD version) {
    const std::uint32_t schemes = reader.ReadU32();
    for (std::uint32_t s = 0; s < schemes; ++s) {
        const std::wstring name = ArchiveText(reader.ReadArchiveString());
        skin.GetOrCreateScheme(name);
        const std::uint32_t elements = reader.ReadU32();
        reader.RequireRecords(elements, 2);
        for (std::uint32_t e = 0; e < elements; ++e) {
            const WORD type = reader.ReadU16();
            // A record has no length: an element the factory cannot make cannot
            // be skipped, so the file cannot be read further.
            if (!HasElementClass(type)) throw TwfError{kTwfCorrupt};
            CTwfObj* element = skin.FindObject(type, name);
            if (!element) element = skin.GetOrCreateObject(type, name);
            if (!element) throw TwfError{kTwfCorrupt};
            ReadElementRecord(reader, *element, version);
        }
    }
}

} // namespace

int LoadSkinArchive(CTwfSkin& skin, std::span<const std::uint8_t> file, BOOL infoOnly, const std::wstring& source) {
    skin.ClearIndexBlock();
    skin.SetLoadedFlag(0);
    skin.Reset();
    try {
        if (file.size() < static_cast<std::size_t>(kIndexBlockSize)) throw FileLayerError{};
        const std::size_t body = file.size() - kIndexBlockSize;
        std::copy(file.begin() + static_cast<std::ptrdiff_t>(body), file.end(), skin.GetIndexBlock().begin());
        // The records end where the index block begins.
        ArchiveReader reader(file.first(body));

        const WORD version = ParseSkinHeader(HeaderText(reader.ReadArchiveString()));
        skin.SetVersion(version);
        if (!skin_version::IsAccepted(version)) throw TwfError{kTwfBadVersion};

        SkinInfo& info = skin.GetInfo();
        info.Clear();
        if (version >= 531) {
            for (int field = 0; field < SkinInfo::kFieldCount; ++field) {
                info.Field(field) = plat::AnsiToWide(reader.ReadCountedText());
            }
            skin.SetCompressedFlag(reader.ReadU32());
        } else {
            for (int field : {SkinInfo::kAuthor, SkinInfo::kLastUpdated, SkinInfo::kEmail, SkinInfo::kSkinName}) {
                info.Field(field) = plat::AnsiToWide(reader.ReadCountedText());
            }
        }
        if (!infoOnly) ReadSchemes(reader, skin, version);
    } catch (const TwfError& e) {
        return Fail(skin, e.code == kTwfBadVersion ? kTwfBadVersion : kTwfCorrupt, source);
    } catch (const FileLayerError&) {
        return Fail(skin, kTwfFileError, source);
    } catch (const std::exception&) {
        // Memory running out or a container refusing a size: still a file this
        // program cannot read, never a crash.
        return Fail(skin, kTwfCorrupt, source);
    }
    skin.SetLoadedFlag(1);
    return kTwfLoaded;
}

bool WriteSkinArchive(CTwfSkin& skin, ByteSink& sink) {
    skin.ClearIndexBlock();
    skin.SetVersion(skin_version::kCurrent);
    ArchiveWriter writer(sink);
    writer.WriteArchiveString(FormatSkinHeader(skin_version::kCurrent));
    const SkinInfo& info = skin.GetInfo();
    for (int field = 0; field < SkinInfo::kFieldCount; ++field) {
        writer.WriteCountedText(plat::WideToAnsi(info.Field(field)));
    }
    const bool compress = skin.GetCompressedFlag() != 0;
    writer.WriteU32(skin.GetCompressedFlag());
    const SchemeMap& schemes = skin.GetSchemes();
    writer.WriteU32(static_cast<std::uint32_t>(schemes.size()));
    IndexBlock& index = skin.GetIndexBlock();
    for (const auto& [name, scheme] : schemes) {
        writer.WriteArchiveString(plat::WideToAnsi(name));
        writer.WriteU32(static_cast<std::uint32_t>(scheme.size()));
        for (const auto& [type, element] : scheme) {
            writer.WriteU16(type);
            // The entry holds where the record starts, just after its type id.
            const int entry = GetElementIndexEntry(type);
            if (entry >= 0) {
                const std::uint64_t offset = writer.Position();
                BYTE* slot = index.data() + entry * kIndexEntrySize;
                slot[0] = static_cast<BYTE>(type);
                slot[1] = static_cast<BYTE>(type >> 8);
                for (int b = 0; b < 4; ++b) slot[2 + b] = static_cast<BYTE>(offset >> (8 * b));
            }
            WriteElementRecord(writer, *element, compress);
            if (writer.Failed()) return false;
        }
    }
    writer.WriteBytes(index);
    return writer.Flush();
}

// --- CTwfSkin's loaders and writer -----------------------------------------

int CTwfSkin::LoadSkinFromPath(BOOL infoOnly) {
    if (GetPath().empty()) {
        SetLoadedFlag(0);
        return kTwfNothingToRead;
    }
    if (!plat::ImagingAvailable()) {
        SetLoadedFlag(0);
        return kTwfNothingToRead;
    }
    std::vector<std::uint8_t> bytes;
    plat::FileReadResult status = plat::FileReadResult::kCannotOpen;
    for (int attempt = 1; attempt <= 10; ++attempt) {
        status = plat::ReadFileBytes(GetPath(), &bytes);
        if (status != plat::FileReadResult::kSharingViolation) break;
        if (attempt < 10) plat::SleepMilliseconds(1000);
    }
    switch (status) {
    case plat::FileReadResult::kOk: return LoadSkinArchive(*this, bytes, infoOnly, GetPath());
    case plat::FileReadResult::kReadError: return Fail(*this, kTwfFileError, GetPath());
    default: return Fail(*this, kTwfCorrupt, GetPath());
    }
}

int CTwfSkin::LoadSkinFromMemory(const void* data, UINT size, BOOL infoOnly) {
    if (!data || size == 0) return Fail(*this, kTwfCorrupt, GetPath());
    if (!plat::ImagingAvailable()) {
        SetLoadedFlag(0);
        return kTwfNothingToRead;
    }
    return LoadSkinArchive(*this, {static_cast<const std::uint8_t*>(data), size}, infoOnly, GetPath());
}

#ifdef _WIN32
int CTwfSkin::LoadSkinFromResource(HMODULE module, HRSRC resource, BOOL infoOnly) {
    if (!resource) return Fail(*this, kTwfCorrupt, GetPath());
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    // Resources need no unlocking or freeing in Win32.
    return LoadSkinFromMemory(data, size, infoOnly);
}
#endif

BOOL CTwfSkin::WriteSkinFile() {
    if (GetPath().empty()) return FALSE;
    const bool written =
        plat::WriteFileReplacing(GetPath(), [this](ByteSink& sink) { return WriteSkinArchive(*this, sink); });
    return written ? TRUE : FALSE;
}
