#include "model/twf_obj.h"

#include <utility>

#include "model/element_types.h"

CTwfObj::CTwfObj(WORD type) : type_(type) {}

CTwfObj::~CTwfObj() = default;

int CTwfObj::GetIndexEntryNumber() const { return GetElementIndexEntry(type_); }

BYTE* CTwfObj::GetIndexEntry(BYTE* indexBlock) const {
    const int entry = GetIndexEntryNumber();
    if (!indexBlock || entry < 0) return nullptr;
    return indexBlock + kIndexEntrySize * entry;
}

BOOL CTwfObj::Clear(DWORD enabled) {
    images_.clear();
    colors_.clear();
    numbers_.clear();
    enabled_ = enabled;
    font_.reset();
    return TRUE;
}

BOOL CTwfObj::RemoveImage(WORD id, BOOL /*keep*/) { return images_.erase(id) ? TRUE : FALSE; }

BOOL CTwfObj::SetImageFromSource(WORD id, HBITMAP source, DWORD left, DWORD top, DWORD right, DWORD bottom,
                                 DWORD drawMode, DWORD mrgDrawMode) {
    images_[id] = std::make_shared<CMrgBitmap>(source, static_cast<int>(left), static_cast<int>(top),
                                               static_cast<int>(right), static_cast<int>(bottom),
                                               static_cast<int>(drawMode), static_cast<int>(mrgDrawMode));
    return TRUE;
}

BOOL CTwfObj::SetValue(WORD id, DWORD value) {
    images_[id] = std::make_shared<CMrgBitmap>(value);
    return TRUE;
}

BOOL CTwfObj::PutImage(WORD id, MrgBitmapPtr image) {
    if (!image) return FALSE;
    auto it = images_.find(id);
    if (it != images_.end()) {
        if (it->second == image) return TRUE;
        // Only an image passes its margins and modes to the image replacing
        // it: a plain value's DrawMode 2 would turn the new image into a value
        // (unreachable, saved as 0), and an image's modes would turn a new
        // value into an empty image.
        if (it->second && !it->second->IsPlainValue() && !image->IsPlainValue()) {
            image->SetParams(it->second->GetParams());
        }
        it->second = std::move(image);
    } else {
        images_.emplace(id, std::move(image));
    }
    return TRUE;
}

BOOL CTwfObj::SetImageBitmap(WORD id, HBITMAP bitmap) {
    // A bitmap entry: DrawMode 0 unless an earlier entry lends its parameters.
    return PutImage(id, std::make_shared<CMrgBitmap>(bitmap, 0, 0, 0, 0, 0, 0));
}

BOOL CTwfObj::SetGdiplusImage(WORD id, Gdiplus::Bitmap* image) {
    return SetGdiplusImage(id, hexmoor::platform::GdiplusBitmapHandle(image));
}

BOOL CTwfObj::SetGdiplusImage(WORD id, hexmoor::platform::GdiplusBitmapHandle image) {
    return PutImage(id, std::make_shared<CMrgBitmap>(std::move(image), MrgBitmapParams{}));
}

void CTwfObj::SetEnabled(DWORD enabled) { enabled_ = enabled; }

BOOL CTwfObj::IsNumberSaved(WORD /*id*/) const { return TRUE; }

void CTwfObj::SetFont(FontPtr font) { font_ = std::move(font); }

BOOL CTwfObj::CopyTo(CTwfObj* dest) const {
    if (!dest || dest == this) return dest != nullptr;
    for (const auto& [id, image] : images_) {
        if (image) dest->images_[id] = std::make_shared<CMrgBitmap>(*image);
    }
    for (const auto& [id, color] : colors_) dest->colors_[id] = color;
    for (const auto& [id, number] : numbers_) dest->numbers_[id] = number;
    // An element without a font leaves the destination's font alone.
    if (font_ && font_->GetSafeHandle()) {
        auto font = std::make_shared<CFont>();
        if (font->CreateFontIndirect(&font_->GetLogFontRef())) dest->SetFont(std::move(font));
    }
    return TRUE;
}

void CTwfObj::SwapContents(CTwfObj& other) {
    using std::swap;
    swap(enabled_, other.enabled_);
    swap(order_, other.order_);
    swap(folderId_, other.folderId_);
    swap(storedEnabled_, other.storedEnabled_);
    swap(font_, other.font_);
    swap(images_, other.images_);
    swap(colors_, other.colors_);
    swap(savedColors_, other.savedColors_);
    swap(numbers_, other.numbers_);
}

BOOL CTwfObj::HasImage(WORD id) const { return images_.count(id) ? TRUE : FALSE; }

CMrgBitmap* CTwfObj::GetImage(WORD id) const {
    auto it = images_.find(id);
    return it == images_.end() ? nullptr : it->second.get();
}

MrgBitmapPtr CTwfObj::GetImageShared(WORD id) const {
    auto it = images_.find(id);
    return it == images_.end() ? nullptr : it->second;
}

HBITMAP CTwfObj::GetImageBitmap(WORD id) const {
    const CMrgBitmap* image = GetImage(id);
    return image ? image->GetHBitmap() : nullptr;
}

BOOL CTwfObj::CopyImage(WORD src, WORD dst) {
    // dst goes first, so copying an id onto itself leaves it removed.
    RemoveImage(dst, FALSE);
    if (const CMrgBitmap* source = GetImage(src)) PutImage(dst, std::make_shared<CMrgBitmap>(*source));
    return TRUE;
}

BOOL CTwfObj::SetColor(WORD id, COLORREF color) {
    colors_[id] = color;
    return TRUE;
}

COLORREF CTwfObj::GetColor(WORD id) const {
    auto it = colors_.find(id);
    return it == colors_.end() ? 0 : it->second;
}

BOOL CTwfObj::HasColor(WORD id) const { return colors_.count(id) ? TRUE : FALSE; }

BOOL CTwfObj::RemoveColor(WORD id) { return colors_.erase(id) ? TRUE : FALSE; }

BOOL CTwfObj::SetNumber(WORD id, DWORD value) {
    numbers_[id] = value;
    return TRUE;
}

void CTwfObj::StoreNumber(WORD id, DWORD value) { numbers_[id] = value; }

DWORD CTwfObj::GetNumber(WORD id) const {
    auto it = numbers_.find(id);
    return it == numbers_.end() ? 0 : it->second;
}

BOOL CTwfObj::HasNumber(WORD id) const { return numbers_.count(id) ? TRUE : FALSE; }

BOOL CTwfObj::RemoveNumber(WORD id) { return numbers_.erase(id) ? TRUE : FALSE; }

void CTwfObj::SetNumberPair(WORD id, WORD low, WORD high) { numbers_[id] = (static_cast<DWORD>(high) << 16) | low; }

void CTwfObj::SetNumberLow(WORD id, WORD low) {
    DWORD& number = numbers_[id];
    number = (number & 0xFFFF0000u) | low;
}

void CTwfObj::SetNumberHigh(WORD id, WORD high) {
    DWORD& number = numbers_[id];
    number = (number & 0x0000FFFFu) | (static_cast<DWORD>(high) << 16);
}

SIZE* CTwfObj::GetNumberAsSize(SIZE* out, WORD id) const {
    if (!out) return out;
    const DWORD number = GetNumber(id);
    out->cx = static_cast<LONG>(number & 0xFFFF);
    out->cy = static_cast<LONG>(number >> 16);
    return out;
}

void CTwfObj::SaveColors() {
    for (const auto& [id, color] : colors_) savedColors_[id] = color;
}

void CTwfObj::ClearSavedColors() { savedColors_.clear(); }
