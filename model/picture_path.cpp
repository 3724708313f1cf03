#include "model/picture_path.h"

#include <cwctype>

namespace hexmoor {

namespace {

bool EndsWithNoCase(const std::wstring& text, const wchar_t* suffix) {
    const std::wstring tail(suffix);
    if (text.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (static_cast<wchar_t>(std::towlower(text[text.size() - tail.size() + i])) != tail[i]) return false;
    }
    return true;
}

} // namespace

std::wstring TrimSpaces(const std::wstring& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && std::iswspace(text[begin])) ++begin;
    while (end > begin && std::iswspace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

PictureKind ClassifyPicturePath(const std::wstring& rawPath, bool allowJpeg) {
    const std::wstring path = TrimSpaces(rawPath);
    if (path.size() < 2) return PictureKind::Refused;
    if (EndsWithNoCase(path, L".bmp")) return PictureKind::Bitmap;
    if (EndsWithNoCase(path, L".png")) return PictureKind::Png;
    if (allowJpeg && EndsWithNoCase(path, L".jpg")) return PictureKind::Jpeg;
    return PictureKind::Ignored;
}

std::optional<PictureFormat> FormatOf(PictureKind kind) {
    switch (kind) {
    case PictureKind::Bitmap: return PictureFormat::kBitmap;
    case PictureKind::Png: return PictureFormat::kPng;
    case PictureKind::Jpeg: return PictureFormat::kJpeg;
    default: return std::nullopt;
    }
}

std::unique_ptr<CMrgBitmap> LoadPictureAtPath(const std::wstring& path, bool allowJpeg) {
    const std::optional<PictureFormat> format = FormatOf(ClassifyPicturePath(path, allowJpeg));
    return format ? LoadPictureFile(TrimSpaces(path), *format) : nullptr;
}

} // namespace hexmoor
