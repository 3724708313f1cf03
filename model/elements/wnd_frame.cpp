#include "model/elements/wnd_frame.h"

#include <utility>

// --- side frame ----------------------------------------------------------------

CTwfSideFrame::CTwfSideFrame(CTwfWndFrame* parent) : CTwfObj(kElemWndFrame), parent_(parent) {}

BOOL CTwfSideFrame::SetImageBitmap(WORD id, HBITMAP bitmap) {
    const bool isNew = !HasImage(id);
    CTwfObj::SetImageBitmap(id, bitmap);
    if (isNew) imageOptions_[id] = OptionsImage{};
    return TRUE;
}

BOOL CTwfSideFrame::RemoveImage(WORD id, BOOL keep) {
    if (!CTwfObj::RemoveImage(id, keep)) return FALSE;
    imageOptions_.erase(id);
    return TRUE;
}

BOOL CTwfSideFrame::Clear(DWORD enabled) {
    regionOptions_.clear();
    imageOptions_.clear();
    legacyThickness_ = 0;
    return CTwfObj::Clear(enabled);
}

BOOL CTwfSideFrame::CopyTo(CTwfObj* dest) const {
    if (auto* side = dynamic_cast<CTwfSideFrame*>(dest); side && side != this) {
        for (const auto& [id, options] : imageOptions_) side->imageOptions_[id] = options;
        for (const auto& [id, options] : regionOptions_) {
            OptionsHrgn copy{nullptr, options.DrawMode};
            if (options.region) copy.region = options.region->Duplicate();
            side->regionOptions_[id] = std::move(copy);
        }
    }
    return CTwfObj::CopyTo(dest);
}

OptionsImage* CTwfSideFrame::GetImageOptions(WORD id) {
    auto it = imageOptions_.find(id);
    return it == imageOptions_.end() ? nullptr : &it->second;
}

const OptionsImage* CTwfSideFrame::GetImageOptions(WORD id) const {
    auto it = imageOptions_.find(id);
    return it == imageOptions_.end() ? nullptr : &it->second;
}

BOOL CTwfSideFrame::SetImageOptions(WORD id, LONG xOffset, LONG yOffset, DWORD drawMode) {
    imageOptions_[id] = OptionsImage{xOffset, yOffset, drawMode};
    return TRUE;
}

BOOL CTwfSideFrame::PutImageOptions(WORD id, const OptionsImage& options) {
    imageOptions_[id] = options;
    return TRUE;
}

BOOL CTwfSideFrame::RemoveImageOptions(WORD id) { return imageOptions_.erase(id) ? TRUE : FALSE; }

OptionsHrgn* CTwfSideFrame::GetRegionOptions(WORD id) {
    auto it = regionOptions_.find(id);
    return it == regionOptions_.end() ? nullptr : &it->second;
}

const OptionsHrgn* CTwfSideFrame::GetRegionOptions(WORD id) const {
    auto it = regionOptions_.find(id);
    return it == regionOptions_.end() ? nullptr : &it->second;
}

BOOL CTwfSideFrame::HasRegionOptions(WORD id) const { return regionOptions_.count(id) ? TRUE : FALSE; }

BOOL CTwfSideFrame::SetRegionOptions(WORD id, ImageRgnPtr region, DWORD mode) {
    OptionsHrgn& options = regionOptions_[id]; // new records are {none, 1}
    options.DrawMode = mode;
    if (region) options.region = std::move(region);
    return TRUE;
}

BOOL CTwfSideFrame::PutRegionOptions(WORD id, OptionsHrgn options) {
    regionOptions_[id] = std::move(options);
    return TRUE;
}

BOOL CTwfSideFrame::RemoveRegionOptions(WORD id, BOOL /*keep*/) { return regionOptions_.erase(id) ? TRUE : FALSE; }

// --- menu bar ---------------------------------------------------------------------

CTwfMenuBar::CTwfMenuBar(CTwfWndFrame* parent) : CTwfObj(kElemWndFrame), parent_(parent) {}

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
    for (auto* side : {&top_, &right_, &bottom_, &left_}) {
        if (!*side) {
            *side = std::make_unique<CTwfSideFrame>(this);
            (*side)->SetOwnerSkin(GetOwnerSkin());
        }
    }
    if (!menuBar_) {
        menuBar_ = std::make_unique<CTwfMenuBar>(this);
        menuBar_->SetOwnerSkin(GetOwnerSkin());
    }
}

CTwfSideFrame* CTwfWndFrame::GetSide(int index) const {
    switch (index) {
    case 0: return top_.get();
    case 1: return right_.get();
    case 2: return bottom_.get();
    case 3: return left_.get();
    default: return nullptr;
    }
}

BOOL CTwfWndFrame::Clear(DWORD enabled) {
    for (int i = 0; i < 4; ++i) GetSide(i)->Clear(enabled);
    menuBar_->Clear(enabled);
    return CTwfObj::Clear(enabled);
}

void CTwfWndFrame::SetEnabled(DWORD enabled) {
    CTwfObj::SetEnabled(enabled);
    for (int i = 0; i < 4; ++i) GetSide(i)->SetEnabled(enabled);
    menuBar_->SetEnabled(enabled);
}

BOOL CTwfWndFrame::CopyTo(CTwfObj* dest) const {
    auto* frame = dynamic_cast<CTwfWndFrame*>(dest);
    if (!frame) return CTwfObj::CopyTo(dest);
    if (frame == this) return TRUE;
    for (int i = 0; i < 4; ++i) GetSide(i)->CopyTo(frame->GetSide(i));
    menuBar_->CopyTo(frame->menuBar_.get());
    return CTwfObj::CopyTo(dest);
}

void CTwfWndFrame::SetOwnerSkin(CTwfSkin* skin) {
    CTwfObj::SetOwnerSkin(skin);
    for (int i = 0; i < 4; ++i) GetSide(i)->SetOwnerSkin(skin);
    menuBar_->SetOwnerSkin(skin);
}

void CTwfSideFrame::SwapContents(CTwfObj& other) {
    CTwfObj::SwapContents(other);
    auto* side = dynamic_cast<CTwfSideFrame*>(&other);
    if (!side) return;
    imageOptions_.swap(side->imageOptions_);
    regionOptions_.swap(side->regionOptions_);
    std::swap(legacyThickness_, side->legacyThickness_);
}

void CTwfMenuBar::SwapContents(CTwfObj& other) {
    CTwfObj::SwapContents(other);
    auto* bar = dynamic_cast<CTwfMenuBar*>(&other);
    if (!bar) return;
    std::swap(L657, bar->L657);
    std::swap(legacyRect, bar->legacyRect);
    std::swap(L652, bar->L652);
    std::swap(L649, bar->L649);
    std::swap(L650, bar->L650);
    std::swap(L651, bar->L651);
    std::swap(L646, bar->L646);
    std::swap(L647, bar->L647);
    std::swap(L648, bar->L648);
}

void CTwfWndFrame::SwapContents(CTwfObj& other) {
    CTwfObj::SwapContents(other);
    auto* frame = dynamic_cast<CTwfWndFrame*>(&other);
    if (!frame) return;
    for (int i = 0; i < 4; ++i) GetSide(i)->SwapContents(*frame->GetSide(i));
    GetMenuBar()->SwapContents(*frame->GetMenuBar());
}
