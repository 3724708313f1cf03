#include "model/elements/wnd_frame.h"

#include <utility>

// --- side frame ----------------------------------------------------------------

CTwfSideFrame::CTwfSideFrame(CTwfWndFrame* parent) : CTwfObj(kElemWndFrame), m_parent(parent) {}

BOOL CTwfSideFrame::SetImageBitmap(WORD id, HBITMAP bitmap) {
  const bool isNew = !HasImage(id);
  CTwfObj::SetImageBitmap(id, bitmap);
  if (isNew) m_imageOptions[id] = OptionsImage{};
  return TRUE;
}

BOOL CTwfSideFrame::RemoveImage(WORD id, BOOL keep) {
  if (!CTwfObj::RemoveImage(id, keep)) return FALSE;
  m_imageOptions.erase(id);
  return TRUE;
}

BOOL CTwfSideFrame::Clear(DWORD enabled) {
  m_regionOptions.clear();
  m_imageOptions.clear();
  m_legacyThickness = 0;
  return CTwfObj::Clear(enabled);
}

BOOL CTwfSideFrame::CopyTo(CTwfObj* dest) const {
  if (auto* side = dynamic_cast<CTwfSideFrame*>(dest); side && side != this) {
    for (const auto& [id, options] : m_imageOptions) side->m_imageOptions[id] = options;
    for (const auto& [id, options] : m_regionOptions) {
      OptionsHrgn copy{nullptr, options.DrawMode};
      if (options.region) copy.region = options.region->Duplicate();
      side->m_regionOptions[id] = std::move(copy);
    }
  }
  return CTwfObj::CopyTo(dest);
}

OptionsImage* CTwfSideFrame::GetImageOptions(WORD id) {
  auto it = m_imageOptions.find(id);
  return it == m_imageOptions.end() ? nullptr : &it->second;
}

const OptionsImage* CTwfSideFrame::GetImageOptions(WORD id) const {
  auto it = m_imageOptions.find(id);
  return it == m_imageOptions.end() ? nullptr : &it->second;
}

BOOL CTwfSideFrame::SetImageOptions(WORD id, LONG xOffset, LONG yOffset, DWORD drawMode) {
  m_imageOptions[id] = OptionsImage{xOffset, yOffset, drawMode};
  return TRUE;
}

BOOL CTwfSideFrame::PutImageOptions(WORD id, const OptionsImage& options) {
  m_imageOptions[id] = options;
  return TRUE;
}

BOOL CTwfSideFrame::RemoveImageOptions(WORD id) { return m_imageOptions.erase(id) ? TRUE : FALSE; }

OptionsHrgn* CTwfSideFrame::GetRegionOptions(WORD id) {
  auto it = m_regionOptions.find(id);
  return it == m_regionOptions.end() ? nullptr : &it->second;
}

const OptionsHrgn* CTwfSideFrame::GetRegionOptions(WORD id) const {
  auto it = m_regionOptions.find(id);
  return it == m_regionOptions.end() ? nullptr : &it->second;
}

BOOL CTwfSideFrame::HasRegionOptions(WORD id) const { return m_regionOptions.count(id) ? TRUE : FALSE; }

BOOL CTwfSideFrame::SetRegionOptions(WORD id, ImageRgnPtr region, DWORD mode) {
  OptionsHrgn& options = m_regionOptions[id];  // new records are {none, 1}
  options.DrawMode = mode;
  if (region) options.region = std::move(region);
  return TRUE;
}

BOOL CTwfSideFrame::PutRegionOptions(WORD id, OptionsHrgn options) {
  m_regionOptions[id] = std::move(options);
  return TRUE;
}

BOOL CTwfSideFrame::RemoveRegionOptions(WORD id, BOOL /*keep*/) {
  return m_regionOptions.erase(id) ? TRUE : FALSE;
}

// --- menu bar ---------------------------------------------------------------------

CTwfMenuBar::CTwfMenuBar(CTwfWndFrame* parent) : CTwfObj(kElemWndFrame), m_parent(parent) {}

void CTwfMenuBar::ZeroLegacyFields() {
  L657 = {};
  legacyRect = RECT{0, 0, 0, 0};
  L652 = 0;
  L649 = L650 = L651 = L646 = L647 = L648 = {};
}

BOOL CTwfMenuBar::Clear(DWORD enabled) {
  // Every legacy field goes: a value left from an older file must not be
  // carried into the next load.
  ZeroLegacyFields();
  return CTwfObj::Clear(enabled);
}

void CTwfMenuBar::ClearLegacyBar() {
  L657 = {};
  legacyRect = RECT{0, 0, 0, 0};
  L652 = 0;
}

void CTwfMenuBar::ClearLegacyClose() { L649 = L646 = {}; }
void CTwfMenuBar::ClearLegacyRestore() { L650 = L647 = {}; }
void CTwfMenuBar::ClearLegacyMinimize() { L651 = L648 = {}; }

// --- window frame --------------------------------------------------------------------

CTwfWndFrame::CTwfWndFrame() : CTwfObj(kElemWndFrame) { CreateSides(); }

CTwfWndFrame::~CTwfWndFrame() = default;

void CTwfWndFrame::CreateSides() {
  for (auto* side : {&m_top, &m_right, &m_bottom, &m_left}) {
    if (!*side) {
      *side = std::make_unique<CTwfSideFrame>(this);
      (*side)->SetOwnerSkin(GetOwnerSkin());
    }
  }
  if (!m_menuBar) {
    m_menuBar = std::make_unique<CTwfMenuBar>(this);
    m_menuBar->SetOwnerSkin(GetOwnerSkin());
  }
}

CTwfSideFrame* CTwfWndFrame::GetSide(int index) const {
  switch (index) {
    case 0: return m_top.get();
    case 1: return m_right.get();
    case 2: return m_bottom.get();
    case 3: return m_left.get();
    default: return nullptr;
  }
}

BOOL CTwfWndFrame::Clear(DWORD enabled) {
  for (int i = 0; i < 4; ++i) GetSide(i)->Clear(enabled);
  m_menuBar->Clear(enabled);
  return CTwfObj::Clear(enabled);
}

void CTwfWndFrame::SetEnabled(DWORD enabled) {
  CTwfObj::SetEnabled(enabled);
  for (int i = 0; i < 4; ++i) GetSide(i)->SetEnabled(enabled);
  m_menuBar->SetEnabled(enabled);
}

BOOL CTwfWndFrame::CopyTo(CTwfObj* dest) const {
  auto* frame = dynamic_cast<CTwfWndFrame*>(dest);
  if (!frame) return CTwfObj::CopyTo(dest);
  if (frame == this) return TRUE;
  for (int i = 0; i < 4; ++i) GetSide(i)->CopyTo(frame->GetSide(i));
  m_menuBar->CopyTo(frame->m_menuBar.get());
  return CTwfObj::CopyTo(dest);
}

void CTwfWndFrame::SetOwnerSkin(CTwfSkin* skin) {
  CTwfObj::SetOwnerSkin(skin);
  for (int i = 0; i < 4; ++i) GetSide(i)->SetOwnerSkin(skin);
  m_menuBar->SetOwnerSkin(skin);
}
