#include "framework/docking/dock_manager.h"

#include <algorithm>

#include "base/win/rect.h"
#include "framework/docking/dock_windows.h"
#include "base/win/gdi.h"

namespace hexmoor::fw {

DockManager::DockManager(HWND frame) : frame_(frame) {}

DockManager::~DockManager() = default;

DockManager::PaneEntry* DockManager::Entry(int id) {
    for (auto& p : panes_)
        if (p.id == id) return &p;
    return nullptr;
}

const DockManager::PaneEntry* DockManager::Entry(int id) const {
    for (const auto& p : panes_)
        if (p.id == id) return &p;
    return nullptr;
}

void DockManager::AddPane(int id, const std::wstring& caption, HWND content) {
    if (Entry(id)) return;
    panes_.push_back({id, caption, content, nullptr, nullptr});
}

void DockManager::AddPane(int id, const std::wstring& caption, std::function<HWND()> make) {
    if (Entry(id)) return;
    panes_.push_back({id, caption, nullptr, nullptr, std::move(make)});
}

HWND DockManager::MakeContent(int id) {
    PaneEntry* e = Entry(id);
    if (!e) return nullptr;
    if (e->content || !e->make) return e->content;
    // The maker may lay the frame out again, which finds the entry by id.
    HWND made = e->make();
    e = Entry(id);
    if (!e || !made) return e ? e->content : nullptr;
    e->content = made;
    e->make = nullptr;
    if (!applying_) {
        // Made outside a layout: hidden until a layout places it, at once
        // when its pane is on the screen already.
        ShowWindow(made, SW_HIDE);
        const std::vector<int> shown = VisiblePanes();
        if (std::find(shown.begin(), shown.end(), id) != shown.end()) Reapply();
    }
    return made;
}

void DockManager::SetCaption(int id, const std::wstring& caption) {
    PaneEntry* e = Entry(id);
    if (!e || e->caption == caption) return;
    e->caption = caption;
    if (e->floating && e->floating->Handle()) SetWindowTextW(e->floating->Handle(), caption.c_str());
    for (auto& g : groups_)
        if (g->Handle()) InvalidateRect(g->Handle(), nullptr, FALSE);
}

std::wstring DockManager::Caption(int id) const {
    const PaneEntry* e = Entry(id);
    return e ? e->caption : std::wstring{};
}

HWND DockManager::Content(int id) const {
    const PaneEntry* e = Entry(id);
    return e ? e->content : nullptr;
}

int DockManager::TabLength(int pane) const {
    std::wstring text = Caption(pane);
    const win::WindowDC dc(frame_);
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx + 16;
}

void DockManager::PlaceContent(HWND content, HWND container, const Rect& rect) {
    if (!content) return;
    if (GetParent(content) != container) SetParent(content, container);
    SetWindowPos(content, nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void DockManager::Apply(Rect area) {
    area_ = area;
    geo_ = layout_.Compute(area, [this](int pane) { return TabLength(pane); });
    applying_ = true;

    // Which content shows where.
    std::vector<int> shown;
    while (groups_.size() < geo_.groups.size()) {
        auto g = std::make_unique<DockGroupWindow>(*this);
        g->CreateIn(frame_);
        groups_.push_back(std::move(g));
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        DockGroupWindow& w = *groups_[i];
        if (i >= geo_.groups.size()) {
            ShowWindow(w.Handle(), SW_HIDE);
            continue;
        }
        const GroupGeometry& g = geo_.groups[i];
        w.SetGeometry(g);
        SetWindowPos(w.Handle(), nullptr, g.rect.left, g.rect.top, g.rect.Width(), g.rect.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        shown.push_back(g.activePane);
        PlaceContent(MakeContent(g.activePane), w.Handle(), g.content.Deflate(0));
    }

    if (geo_.slidOutPane) {
        if (!slide_) {
            slide_ = std::make_unique<DockGroupWindow>(*this);
            slide_->CreateIn(frame_);
        }
        GroupGeometry g;
        Rect r = geo_.slideOut;
        g.side = layout_.SideOf(geo_.slidOutPane).value_or(DockSide::Left);
        g.rect = r;
        g.activePane = geo_.slidOutPane;
        const DockMetrics& m = layout_.Metrics();
        g.caption = {0, 0, r.Width(), m.caption};
        int by = (m.caption - m.button) / 2;
        g.closeButton = Rect::XYWH(r.Width() - m.button - 2, by, m.button, m.button);
        g.pinButton = Rect::XYWH(r.Width() - 2 * m.button - 4, by, m.button, m.button);
        g.content = {0, m.caption, r.Width(), r.Height()};
        slide_->SetGeometry(g);
        SetWindowPos(slide_->Handle(), HWND_TOP, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
        shown.push_back(g.activePane);
        PlaceContent(MakeContent(g.activePane), slide_->Handle(), g.content);
        SetTimer(frame_, kTimerId, 250, nullptr);
    } else if (slide_ && slide_->Handle()) {
        ShowWindow(slide_->Handle(), SW_HIDE);
    }

    for (auto& e : panes_) {
        bool floating = layout_.Mode(e.id) == PaneMode::Floating && layout_.IsVisible(e.id);
        if (floating) {
            if (!e.floating) {
                e.floating = std::make_unique<DockFloatWindow>(*this, e.id);
                e.floating->CreateFor(frame_, e.caption);
            }
            Rect r = layout_.FloatRect(e.id);
            HWND fw = e.floating->Handle();
            SetWindowPos(fw, nullptr, r.left, r.top, r.Width(), r.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            RECT client;
            GetClientRect(fw, &client);
            shown.push_back(e.id);
            PlaceContent(MakeContent(e.id), fw, FromRECT(client));
        } else if (e.floating && e.floating->Handle()) {
            ShowWindow(e.floating->Handle(), SW_HIDE);
        }
    }
    applying_ = false;
    for (auto& e : panes_)
        if (e.content && std::find(shown.begin(), shown.end(), e.id) == shown.end()) ShowWindow(e.content, SW_HIDE);
    InvalidateRect(frame_, nullptr, TRUE);
}

void DockManager::Reapply() {
    if (onChanged)
        onChanged();
    else
        Apply(area_);
}

void DockManager::ShowPane(int id, bool show) {
    if (!layout_.Has(id)) return;
    HWND content = Content(id);
    if (!show && content) {
        // Keep the keyboard focus out of a window about to vanish.
        HWND focus = GetFocus();
        if (focus && (focus == content || IsChild(content, focus))) SetFocus(frame_);
    }
    layout_.Show(id, show);
    Reapply();
}

void DockManager::FloatPane(int id, Rect screenRect) {
    if (!layout_.Has(id)) return;
    layout_.Float(id, screenRect);
    Reapply();
}

void DockManager::DockPaneHome(int id) {
    if (!layout_.Has(id)) return;
    layout_.DockHome(id);
    Reapply();
}

void DockManager::SetAutoHide(int id, bool hide) {
    layout_.SetAutoHide(id, hide);
    Reapply();
}

HWND DockManager::Container(int id) const {
    HWND content = Content(id);
    return content ? GetParent(content) : nullptr;
}

std::vector<int> DockManager::VisiblePanes() const {
    std::vector<int> panes;
    for (const auto& g : geo_.groups) panes.push_back(g.activePane);
    if (geo_.slidOutPane) panes.push_back(geo_.slidOutPane);
    for (const auto& e : panes_)
        if (layout_.Mode(e.id) == PaneMode::Floating && layout_.IsVisible(e.id)) panes.push_back(e.id);
    return panes;
}

int DockManager::FocusedPane() const {
    HWND focus = GetFocus();
    if (!focus) return 0;
    for (const auto& e : panes_)
        if (e.content && (focus == e.content || IsChild(e.content, focus))) return e.id;
    return 0;
}

int NextPaneInCycle(const std::vector<int>& panes, int current, bool forward) {
    if (panes.empty()) return 0;
    auto at = std::find(panes.begin(), panes.end(), current);
    if (at == panes.end()) return forward ? panes.front() : panes.back();
    std::size_t i = static_cast<std::size_t>(at - panes.begin());
    std::size_t n = panes.size();
    return panes[forward ? (i + 1) % n : (i + n - 1) % n];
}

void DockManager::FocusNextPane(bool forward) {
    int next = NextPaneInCycle(VisiblePanes(), FocusedPane(), forward);
    if (HWND content = Content(next); content && IsWindowVisible(content)) SetFocus(content);
}

void DockManager::SetLook(const LookColors& colors) {
    colors_ = colors;
    for (auto& g : groups_)
        if (g->Handle()) InvalidateRect(g->Handle(), nullptr, FALSE);
    if (slide_ && slide_->Handle()) InvalidateRect(slide_->Handle(), nullptr, FALSE);
    InvalidateRect(frame_, nullptr, TRUE);
}

void DockManager::RequestClose(int pane) { ShowPane(pane, false); }

void DockManager::RequestPin(int pane) {
    if (!layout_.CanAutoHide(pane)) return;
    SetAutoHide(pane, layout_.Mode(pane) != PaneMode::AutoHidden);
}

void DockManager::RequestActivate(int pane) {
    layout_.Activate(pane);
    Reapply();
}

void DockManager::BeginFloatDrag(int pane, Point screen, Size size) {
    Rect r = Rect::XYWH(screen.x - size.cx / 2, screen.y - 10, size.cx, size.cy);
    FloatPane(pane, r);
    const PaneEntry* e = Entry(pane);
    if (!e || !e->floating || !e->floating->Handle()) return;
    // Hand the drag over to the system's move loop while the button is down.
    if (GetKeyState(VK_LBUTTON) < 0)
        SendMessageW(e->floating->Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

DockTarget DockManager::TargetAt(POINT screen) const {
    POINT client = screen;
    ScreenToClient(frame_, &client);
    return layout_.HitTest(area_, {client.x, client.y});
}

void DockManager::OnFloatMoving(int id) {
    POINT cursor;
    GetCursorPos(&cursor);
    DockTarget t = TargetAt(cursor);
    Rect r = layout_.TargetRect(area_, t);
    if (r.IsEmpty()) {
        HideHint();
        return;
    }
    POINT origin{0, 0};
    ClientToScreen(frame_, &origin);
    if (!hint_) hint_ = std::make_unique<DockHintWindow>();
    hint_->ShowAt(frame_, r.Offset(origin.x, origin.y), colors_.captionActive);
    (void)id;
}

void DockManager::HideHint() {
    if (hint_) hint_->Hide();
}

void DockManager::OnFloatMoveEnded(int id) {
    const PaneEntry* e = Entry(id);
    if (!e || !e->floating || layout_.Mode(id) != PaneMode::Floating) return;
    RECT wr;
    GetWindowRect(e->floating->Handle(), &wr);
    layout_.SetFloatRect(id, FromRECT(wr));
    POINT cursor;
    GetCursorPos(&cursor);
    DockTarget t = TargetAt(cursor);
    if (t.kind == DockTarget::Kind::None) return;
    layout_.DockAt(id, t);
    Reapply();
}

bool DockManager::OnSetCursor(Point client) {
    for (const auto& s : geo_.splitters)
        if (s.rect.Contains(client)) {
            SetCursor(LoadCursorW(nullptr, s.vertical ? IDC_SIZEWE : IDC_SIZENS));
            return true;
        }
    return false;
}

bool DockManager::OnLButtonDown(Point client) {
    for (const auto& t : geo_.autoHideTabs)
        if (t.rect.Contains(client)) {
            layout_.SlideOut(layout_.SlidOut() == t.pane ? 0 : t.pane);
            Reapply();
            return true;
        }
    for (const auto& s : geo_.splitters)
        if (s.rect.Contains(client)) {
            dragging_ = true;
            dragSplitter_ = s;
            dragStart_ = client;
            dragApplied_ = 0;
            SetCapture(frame_);
            return true;
        }
    return false;
}

void DockManager::OnMouseMove(Point client) {
    if (dragging_) {
        int total = dragSplitter_.vertical ? client.x - dragStart_.x : client.y - dragStart_.y;
        int delta = total - dragApplied_;
        if (delta == 0) return;
        layout_.MoveSplitter(dragSplitter_, delta, area_);
        dragApplied_ = total;
        Reapply();
        return;
    }
    for (const auto& t : geo_.autoHideTabs)
        if (t.rect.Contains(client) && layout_.SlidOut() != t.pane) {
            layout_.SlideOut(t.pane);
            Reapply();
            return;
        }
}

void DockManager::OnLButtonUp(Point) {
    if (!dragging_) return;
    dragging_ = false;
    ReleaseCapture();
}

void DockManager::OnTimer() {
    int pane = layout_.SlidOut();
    if (!pane || !slide_ || !slide_->Handle()) {
        KillTimer(frame_, kTimerId);
        return;
    }
    // The slid-out pane goes back once neither the mouse nor the focus is
    // on it or on its tab.
    POINT cursor;
    GetCursorPos(&cursor);
    RECT sr;
    GetWindowRect(slide_->Handle(), &sr);
    bool over = PtInRect(&sr, cursor);
    POINT client = cursor;
    ScreenToClient(frame_, &client);
    for (const auto& t : geo_.autoHideTabs)
        if (t.pane == pane && t.rect.Contains({client.x, client.y})) over = true;
    HWND focus = GetFocus();
    bool focused = focus && IsChild(slide_->Handle(), focus);
    if (over || focused) return;
    layout_.SlideOut(0);
    KillTimer(frame_, kTimerId);
    Reapply();
}

void DockManager::OnIdle() {
    HWND focus = GetFocus();
    HWND holder = nullptr;
    auto holds = [&](const std::unique_ptr<DockGroupWindow>& g) {
        return g && g->Handle() && focus && (focus == g->Handle() || IsChild(g->Handle(), focus));
    };
    for (const auto& g : groups_)
        if (holds(g)) holder = g->Handle();
    if (holds(slide_)) holder = slide_->Handle();
    if (holder == focusGroup_) return;
    if (focusGroup_ && IsWindow(focusGroup_)) InvalidateRect(focusGroup_, nullptr, FALSE);
    if (holder) InvalidateRect(holder, nullptr, FALSE);
    focusGroup_ = holder;
}

void DockManager::Paint(HDC dc) {
    RECT rc;
    GetClientRect(frame_, &rc);
    Rect area = area_;
    auto fill = [dc](const Rect& r, COLORREF c) {
        RECT x = ToRECT(r);
        SetBkColor(dc, c);
        ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &x, nullptr, 0, nullptr);
    };
    fill(area, colors_.barFace);
    for (const auto& s : geo_.splitters) fill(s.rect, colors_.splitter);
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colors_.tabText);
    for (const auto& t : geo_.autoHideTabs) {
        bool vertical = t.side == DockSide::Left || t.side == DockSide::Right;
        fill(t.rect, layout_.SlidOut() == t.pane ? colors_.tabActive : colors_.tabInactive);
        RECT r = ToRECT(t.rect);
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        LOGFONTW lf = ncm.lfMenuFont;
        if (vertical) lf.lfEscapement = lf.lfOrientation = 2700;
        hexmoor::win::Font font(CreateFontIndirectW(&lf));
        hexmoor::win::SelectGuard sel(dc, font.Get());
        std::wstring text = Caption(t.pane);
        if (vertical)
            TextOutW(dc, t.rect.right - 4, t.rect.top + 8, text.c_str(), static_cast<int>(text.size()));
        else
            TextOutW(dc, t.rect.left + 8, t.rect.top + 4, text.c_str(), static_cast<int>(text.size()));
    }
}

bool DockManager::LoadState(const std::wstring& text) {
    if (!layout_.Load(text)) return false;
    return true;
}

} // namespace hexmoor::fw
