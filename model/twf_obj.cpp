#include "model/twf_obj.h"

#include <utility>

#include "model/element_types.h"

CTwfObj::CTwfObj(WORD type) : m_type(type) {}

CTwfObj::~CTwfObj() = default;

int CTwfObj::GetIndexEntryNumber() const { return GetElementIndexEntry(m_type); }

BYTE* CTwfObj::GetIndexEntry(BYTE* indexBlock) const {
  const int entry = GetIndexEntryNumber();
  if (!indexBlock || entry < 0) return nullptr;
  return indexBlock + kIndexEntrySize * entry;
}

BOOL CTwfObj::Clear(DWORD enabled) {
  m_images.clear();
  m_colors.clear();
  m_numbers.clear();
  m_enabled = enabled;
  m_font.reset();
  return TRUE;
}

BOOL CTwfObj::RemoveImage(WORD id, BOOL /*keep*/) { return m_images.erase(id) ? TRUE : FALSE; }

BOOL CTwfObj::SetImageFromSource(WORD id, HBITMAP source, DWORD left, DWORD top, DWORD right,
                                 DWORD bottom, DWORD drawMode, DWORD mrgDrawMode) {
  m_images[id] = std::make_shared<CMrgBitmap>(
      source, static_cast<int>(left), static_cast<int>(top), static_cast<int>(right),
      static_cast<int>(bottom), static_cast<int>(drawMode), static_cast<int>(mrgDrawMode));
  return TRUE;
}

BOOL CTwfObj::SetValue(WORD id, DWORD value) {
  m_images[id] = std::make_shared<CMrgBitmap>(value);
  return TRUE;
}

BOOL CTwfObj::PutImage(WORD id, MrgBitmapPtr image) {
  if (!image) return FALSE;
  auto it = m_images.find(id);
  if (it != m_images.end()) {
    if (it->second == image) return TRUE;
    if (it->second) image->SetParams(it->second->GetParams());
    it->second = std::move(image);
  } else {
    m_images.emplace(id, std::move(image));
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

void CTwfObj::SetEnabled(DWORD enabled) { m_enabled = enabled; }

BOOL CTwfObj::IsNumberSaved(WORD /*id*/) const { return TRUE; }

void CTwfObj::SetFont(FontPtr font) { m_font = std::move(font); }

BOOL CTwfObj::CopyTo(CTwfObj* dest) const {
  if (!dest || dest == this) return dest != nullptr;
  for (const auto& [id, image] : m_images) {
    if (image) dest->m_images[id] = std::make_shared<CMrgBitmap>(*image);
  }
  for (const auto& [id, color] : m_colors) dest->m_colors[id] = color;
  for (const auto& [id, number] : m_numbers) dest->m_numbers[id] = number;
  // An element without a font leaves the destination's font alone.
  if (m_font && m_font->GetSafeHandle()) {
    auto font = std::make_shared<CFont>();
    if (font->CreateFontIndirect(&m_font->GetLogFontRef())) dest->SetFont(std::move(font));
  }
  return TRUE;
}

BOOL CTwfObj::HasImage(WORD id) const { return m_images.count(id) ? TRUE : FALSE; }

CMrgBitmap* CTwfObj::GetImage(WORD id) const {
  auto it = m_images.find(id);
  return it == m_images.end() ? nullptr : it->second.get();
}

MrgBitmapPtr CTwfObj::GetImageShared(WORD id) const {
  auto it = m_images.find(id);
  return it == m_images.end() ? nullptr : it->second;
}

HBITMAP CTwfObj::GetImageBitmap(WORD id) const {
  const CMrgBitmap* image = GetImage(id);
  return image ? image->GetHBitmap() : nullptr;
}

BOOL CTwfObj::CopyImage(WORD src, WORD dst) {
  if (src == dst) return TRUE;
  RemoveImage(dst, FALSE);
  if (const CMrgBitmap* source = GetImage(src)) PutImage(dst, std::make_shared<CMrgBitmap>(*source));
  return TRUE;
}

BOOL CTwfObj::SetColor(WORD id, COLORREF color) {
  m_colors[id] = color;
  return TRUE;
}

COLORREF CTwfObj::GetColor(WORD id) const {
  auto it = m_colors.find(id);
  return it == m_colors.end() ? 0 : it->second;
}

BOOL CTwfObj::HasColor(WORD id) const { return m_colors.count(id) ? TRUE : FALSE; }

BOOL CTwfObj::RemoveColor(WORD id) { return m_colors.erase(id) ? TRUE : FALSE; }

BOOL CTwfObj::SetNumber(WORD id, DWORD value) {
  m_numbers[id] = value;
  return TRUE;
}

void CTwfObj::StoreNumber(WORD id, DWORD value) { m_numbers[id] = value; }

DWORD CTwfObj::GetNumber(WORD id) const {
  auto it = m_numbers.find(id);
  return it == m_numbers.end() ? 0 : it->second;
}

BOOL CTwfObj::HasNumber(WORD id) const { return m_numbers.count(id) ? TRUE : FALSE; }

BOOL CTwfObj::RemoveNumber(WORD id) { return m_numbers.erase(id) ? TRUE : FALSE; }

void CTwfObj::SetNumberPair(WORD id, WORD low, WORD high) {
  m_numbers[id] = (static_cast<DWORD>(high) << 16) | low;
}

void CTwfObj::SetNumberLow(WORD id, WORD low) {
  DWORD& number = m_numbers[id];
  number = (number & 0xFFFF0000u) | low;
}

void CTwfObj::SetNumberHigh(WORD id, WORD high) {
  DWORD& number = m_numbers[id];
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
  for (const auto& [id, color] : m_colors) m_savedColors[id] = color;
}

void CTwfObj::ClearSavedColors() { m_savedColors.clear(); }
