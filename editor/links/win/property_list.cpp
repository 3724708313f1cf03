#include "editor/links/win/property_list.h"

#include <windowsx.h>

#include <cstring>
#include <cwctype>
#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/link_strings.h"
#include "editor/links/margin_block.h"
#include "editor/links/page_dump.h"
#include "editor/links/small_links.h"
#include "editor/links/value_text.h"
#include "framework/application.h"
#include "model/image_rgn.h"
#include "model/platform/file.h"
#include "model/platform/image.h"
#include "model/platform/win/dib.h"

namespace hexmoor::links {
namespace {

constexpr UINT kGridContextMenu = 145;

CItemLinkObj* Current() { return Links().current; }

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::wstring Extension(const std::wstring& path) {
    const size_t dot = path.find_last_of(L'.');
    const size_t slash = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return {};
    return Lower(path.substr(dot + 1));
}

// The folder of a full path (up to and including its last '\').
std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

void ShowMessage(HWND owner, const std::wstring& text) {
    if (fw::Application* app = fw::Application::Current())
        app->Messages().Show(owner, text, app->AppName(), MB_OK);
    else
        MessageBoxW(owner, text.c_str(), L"", MB_OK);
}

// A GDI+ image flattened onto opaque white as a 32-bit DIB section.
hexmoor::platform::BitmapHandle FlattenOnWhite(const CMrgBitmap& image) {
    hexmoor::platform::ImagePixels pixels;
    if (!image.ReadPixels(&pixels)) return {};
    for (std::uint32_t& p : pixels.argb) {
        const std::uint32_t a = p >> 24;
        auto mix = [a](std::uint32_t c) { return (c * a + 255u * (255u - a) + 127u) / 255u; };
        p = 0xFF000000u | (mix((p >> 16) & 0xFF) << 16) | (mix((p >> 8) & 0xFF) << 8) | mix(p & 0xFF);
    }
    return hexmoor::platform::CreateBitmapFromPixels(pixels);
}

UINT MarginBitmapFormat() { return RegisterClipboardFormatW(L"MARGIN_BITMAP"); }

} // namespace

// --- clipboard ------------------------------------------------------------------

bool SystemImageClipboard::CopyImage(const CMrgBitmap& image, bool withMargins) {
    hexmoor::platform::BitmapHandle flattened;
    HBITMAP bitmap = image.GetHBitmap();
    if (image.IsGdiplus()) {
        flattened = FlattenOnWhite(image);
        bitmap = flattened.Get();
    }
    if (!bitmap) return false;
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return false;
    if (withMargins) {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof(header);
        header.biWidth = info.bmWidth;
        header.biHeight = info.bmHeight;
        header.biPlanes = 1;
        header.biBitCount = 32;
        header.biCompression = BI_RGB;
        header.biSizeImage = static_cast<DWORD>(info.bmWidth) * 4 * static_cast<DWORD>(info.bmHeight);
        std::vector<BYTE> pixels(header.biSizeImage);
        BITMAPINFO bmi{};
        bmi.bmiHeader = header;
        HDC screen = GetDC(nullptr);
        const int lines =
            GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &bmi, DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        if (lines != info.bmHeight) return false;
        const std::vector<BYTE> block = EncodeMarginBlock(image.GetParams(), header, nullptr, 0, pixels.data());
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
        if (!memory) return false;
        if (void* p = GlobalLock(memory)) {
            std::memcpy(p, block.data(), block.size());
            GlobalUnlock(memory);
        }
        if (!OpenClipboard(owner_)) {
            GlobalFree(memory);
            return false;
        }
        // Not emptied: whatever else the clipboard holds stays.
        const bool placed = SetClipboardData(MarginBitmapFormat(), memory) != nullptr;
        if (!placed) GlobalFree(memory);
        CloseClipboard();
        return placed;
    }
    HANDLE copy = ::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0);
    if (!copy) return false;
    if (!OpenClipboard(owner_)) {
        DeleteObject(copy);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_BITMAP, copy) != nullptr;
    if (!placed) DeleteObject(copy);
    CloseClipboard();
    return placed;
}

std::unique_ptr<CMrgBitmap> SystemImageClipboard::PasteImage(bool withMargins) {
    if (!OpenClipboard(owner_)) return nullptr;
    std::unique_ptr<CMrgBitmap> record;
    if (!withMargins) {
        if (auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)))
            record = std::make_unique<CMrgBitmap>(bitmap, 0, 0, 0, 0, 0, 0);
    } else if (HANDLE memory = GetClipboardData(MarginBitmapFormat())) {
        const SIZE_T size = GlobalSize(memory);
        if (const auto* data = static_cast<const BYTE*>(GlobalLock(memory))) {
            if (const auto block = DecodeMarginBlock(data, size)) {
                std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + block->colorTableBytes);
                std::memcpy(info.data(), &block->header, sizeof(BITMAPINFOHEADER));
                std::memcpy(info.data() + sizeof(BITMAPINFOHEADER), data + kMarginBlockTableOffset,
                            block->colorTableBytes);
                void* bits = nullptr;
                HDC screen = GetDC(nullptr);
                HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS,
                                               &bits, nullptr, 0);
                ReleaseDC(nullptr, screen);
                if (dib && bits) {
                    std::memcpy(bits, data + block->pixelsOffset, block->header.biSizeImage);
                    record = std::make_unique<CMrgBitmap>(dib, 0, 0, 0, 0, 0, 0);
                    record->SetParams(block->params);
                    if (!record->HasImage()) record.reset();
                }
                if (dib) DeleteObject(dib);
            }
            GlobalUnlock(memory);
        }
    }
    CloseClipboard();
    if (record && !record->HasImage()) record.reset();
    return record;
}

std::unique_ptr<CMrgBitmap> LoadImageRecord(const std::wstring& path) {
    const std::wstring ext = Extension(path);
    if (ext == L"bmp") {
        // Read and checked by the model's packed-bitmap decoder: a file cut
        // short or lying about its sizes is refused, and top-down rows come
        // out upright. (The system loader accepts cut files under Wine.)
        std::vector<std::uint8_t> bytes;
        if (hexmoor::platform::ReadFileBytes(path, &bytes) != hexmoor::platform::FileReadResult::kOk) return nullptr;
        if (bytes.size() < 14 || bytes[0] != 'B' || bytes[1] != 'M') return nullptr;
        hexmoor::platform::BitmapHandle bitmap =
            hexmoor::platform::DecodePackedDib(std::span<const std::uint8_t>(bytes).subspan(14));
        if (bitmap) {
            auto record = std::make_unique<CMrgBitmap>(std::move(bitmap), MrgBitmapParams{});
            return record->HasImage() ? std::move(record) : nullptr;
        }
        // Run-length-encoded rows are left to the system loader once the
        // file is known to hold every byte its header announces.
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        if (bytes.size() < sizeof(file) + sizeof(info)) return nullptr;
        std::memcpy(&file, bytes.data(), sizeof(file));
        std::memcpy(&info, bytes.data() + sizeof(file), sizeof(info));
        const bool rle = (info.biCompression == BI_RLE8 && info.biBitCount == 8) ||
                         (info.biCompression == BI_RLE4 && info.biBitCount == 4);
        if (!rle || info.biSizeImage == 0 ||
            static_cast<std::uint64_t>(file.bfOffBits) + info.biSizeImage > bytes.size())
            return nullptr;
        HBITMAP loaded = nullptr;
        if (!LoadBitmapFile(path.c_str(), &loaded, nullptr) || !loaded) return nullptr;
        auto record = std::make_unique<CMrgBitmap>(loaded, 0, 0, 0, 0, 0, 0);
        DeleteObject(loaded);
        return record->HasImage() ? std::move(record) : nullptr;
    }
    if (ext == L"png") {
        std::vector<std::uint8_t> bytes;
        if (hexmoor::platform::ReadFileBytes(path, &bytes) != hexmoor::platform::FileReadResult::kOk) return nullptr;
        hexmoor::platform::DecodedImage decoded = hexmoor::platform::DecodeImageStream(bytes);
        std::unique_ptr<CMrgBitmap> record;
        if (decoded.png)
            record = std::make_unique<CMrgBitmap>(std::move(decoded.png), MrgBitmapParams{});
        else if (decoded.bitmap)
            record = std::make_unique<CMrgBitmap>(std::move(decoded.bitmap), MrgBitmapParams{});
        return record && record->HasImage() ? std::move(record) : nullptr;
    }
    return nullptr;
}

// --- the grid window ----------------------------------------------------------

CPropertyList::CPropertyList() : images_(nullptr), clipboard_(model_, &images_) {}

CPropertyList::~CPropertyList() {
    if (Links().grid == &model_) Links().grid = nullptr;
    model_.SetView(nullptr);
}

bool CPropertyList::CreateGrid(HWND parent, UINT id) {
    fw::WindowArgs args;
    args.className = L"LISTBOX";
    args.style = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY |
                 LBS_NOINTEGRALHEIGHT;
    args.parent = parent;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    images_ = SystemImageClipboard(Handle());
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    listFont_.Reset(
        CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif"));
    glyphFont_.Reset(CreateFontW(-MulDiv(MulDiv(110, 96, dpiX), dpi, 720), 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET,
                                 0, 0, 0, 0, L"Marlett"));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
    {
        // Line height: the text height of the list's device context as it
        // comes (the list font is not selected), the same for every line;
        // the indent unit: the width of the glyph font's "t".
        win::WindowDC dc(Handle());
        SIZE size{};
        if (GetTextExtentPoint32W(dc.Get(), L"Ag", 2, &size) && size.cy > 0) textHeight_ = size.cy;
        win::SelectGuard font(dc.Get(), glyphFont_.Get());
        if (GetTextExtentPoint32W(dc.Get(), L"t", 1, &size)) glyphWidth_ = size.cx;
    }
    SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, textHeight_ + 4);
    gridPen_.Reset(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~(WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    model_.SetView(this);
    Links().grid = &model_;
    return true;
}

void CPropertyList::OnDestroy() {
    if (Links().grid == &model_) Links().grid = nullptr;
}

RECT CPropertyList::ItemRect(int index) const {
    RECT r{};
    SendMessageW(Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
}

RECT CPropertyList::ValueCellOf(int index) const {
    const RECT r = ItemRect(index);
    return ValueCell(r, DividerOrDefault(divider_, r));
}

int CPropertyList::GlyphWidth() const { return glyphWidth_; }

void CPropertyList::LinesInserted(int index, int count) {
    // The list keeps strings of its own (empty ones): the row travels as the
    // line's item data, which drawing reads back.
    for (int i = 0; i < count; ++i) {
        const LRESULT line = SendMessageW(Handle(), LB_INSERTSTRING, index + i, reinterpret_cast<LPARAM>(L""));
        if (line >= 0)
            SendMessageW(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(line),
                         reinterpret_cast<LPARAM>(model_.Item(index + i)));
    }
}

void CPropertyList::LinesDeleted(int index, int count) {
    for (int i = 0; i < count; ++i) SendMessageW(Handle(), LB_DELETESTRING, index, 0);
}

void CPropertyList::LinesReset() {
    // A page is being filled: the list stops redrawing and updating its
    // scroll bar line by line until it is next painted.
    if (!batching_) {
        SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
        batching_ = true;
    }
    SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
    HideEditors();
}

void CPropertyList::EndBatch() {
    if (!batching_) return;
    batching_ = false;
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
}

void CPropertyList::CommitOpenEditor() {
    if (openEditor_ && openEditor_ == edit_) OnEditKillFocus();
    HideEditors();
}

void CPropertyList::InvalidateLine(int index) {
    const RECT r = ItemRect(index);
    InvalidateRect(Handle(), &r, TRUE);
}

void CPropertyList::InvalidateAll() { InvalidateRect(Handle(), nullptr, TRUE); }

void CPropertyList::LineSelected(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

void CPropertyList::EditTextRewritten(const std::wstring& text) {
    if (!edit_) return;
    const int length = GetWindowTextLengthW(edit_);
    committing_ = true;
    SetWindowTextW(edit_, text.c_str());
    committing_ = false;
    SendMessageW(edit_, EM_SETSEL, length, length);
}

std::wstring CPropertyList::EditText() const {
    if (!edit_) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND CPropertyList::OpenEditorWindow() const { return openEditor_; }

void CPropertyList::HideEditors() {
    for (HWND h : {choice_, color_.Handle(), edit_, button_})
        if (h && IsWindowVisible(h)) ShowWindow(h, SW_HIDE);
    openEditor_ = nullptr;
    model_.CloseEditor();
}

void CPropertyList::CloseEditor() {
    if (openEditor_ == edit_ && edit_ && IsWindowVisible(edit_)) {
        OnEditKillFocus();
        return;
    }
    HideEditors();
}

bool CPropertyList::IsFocusInside() const {
    HWND focus = GetFocus();
    if (!focus) return false;
    if (focus == Handle()) return true;
    for (HWND h : {choice_, color_.Handle(), edit_, button_})
        if (h && (focus == h || IsChild(h, focus))) return true;
    return false;
}

bool CPropertyList::OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) {
    mis->itemHeight = static_cast<UINT>(textHeight_ + 4);
    return true;
}

bool CPropertyList::OnReflectedDrawItem(DRAWITEMSTRUCT* dis) {
    if (dis->itemID == static_cast<UINT>(-1)) return true;
    const auto* row = reinterpret_cast<const CPropertyItem*>(dis->itemData);
    if (!row) return true;
    HDC dc = dis->hDC;
    const RECT r = dis->rcItem;
    if (divider_ == 0) divider_ = DividerOrDefault(0, r);
    const RECT label = LabelCell(r, divider_);
    RECT value = ValueCell(r, divider_);
    const int g = GlyphWidth();
    bool swatch = false;
    COLORREF swatchColor = 0;
    if (row->Kind() == kKindColor && !row->Value().empty() && Current() && Current()->GetTwfObj()) {
        swatchColor = Current()->GetTwfObj()->GetColor(row->Id());
        if (swatchColor != 0xFFFFFFFFu) {
            win::Brush brush(CreateSolidBrush(swatchColor));
            FillRect(dc, &value, brush.Get());
            swatch = true;
        }
    }
    if (!swatch) FillRect(dc, &value, GetSysColorBrush(COLOR_WINDOW));
    FillRect(dc, &label, GetSysColorBrush(COLOR_WINDOW));
    {
        win::SelectGuard selectPen(dc, gridPen_.Get());
        win::SelectGuard selectBrush(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, label.left, label.top, label.right, label.bottom + 1);
        MoveToEx(dc, label.right, value.top, nullptr);
        LineTo(dc, value.right, value.top);
        MoveToEx(dc, label.right, value.bottom, nullptr);
        LineTo(dc, value.right, value.bottom);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (dis->itemState & ODS_SELECTED) {
        FillRect(dc, &label, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const RECT text = LabelTextRect(label);
    RECT indented = text;
    indented.left += LabelIndent(*row, g);
    // The list box has its font selected into the device context already.
    DrawTextW(dc, row->Label().c_str(), -1, &indented, DT_SINGLELINE | DT_END_ELLIPSIS);
    if (row->IsExpandable()) {
        win::SelectGuard glyph(dc, glyphFont_.Get());
        TextOutW(dc, text.left, text.top, row->IsExpanded() ? L"u" : L"4", 1);
    }
    SetTextColor(dc, swatch ? ((~swatchColor & 0xFFFFFFu) - 0x7D7D7Du) & 0xFFFFFFu : GetSysColor(COLOR_WINDOWTEXT));
    RECT valueText{value.left + 3, value.top + 3, value.right + 3, value.bottom + 3};
    DrawTextW(dc, row->Value().c_str(), -1, &valueText, DT_SINGLELINE);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &label);
    return true;
}

void CPropertyList::ToggleIfGlyphHit(int index, POINT point) {
    CPropertyItem* row = model_.Item(index);
    if (!row || !row->IsExpandable()) return;
    const RECT r = ItemRect(index);
    const RECT text = LabelTextRect(LabelCell(r, DividerOrDefault(divider_, r)));
    if (PointInRect(ExpandGlyphRect(*row, text, GlyphWidth()), point.x, point.y))
        model_.ExpandItem(index, !row->IsExpanded());
}

void CPropertyList::ShowSelectedItemOptions() {
    CPropertyItem* row = model_.Item(model_.GetSelectedIndex());
    OptionsPages* pages = Links().options;
    if (row && Current() && (row->Kind() == kKindImage || row->Kind() == kKindRegion)) {
        const bool modified = IsDocumentModified();
        Current()->ShowItemImage(row);
        RestoreDocumentModified(modified);
    } else if (pages) {
        pages->EnableAllControls(OptionsPages::kImagePage, false);
        pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
        pages->EnableAllControls(OptionsPages::kRegionPage, false);
    }
    if (row && Links().colorAdjust) Links().colorAdjust->TrackSelectedProperty(row->Id(), row->Kind(), 0);
}

void CPropertyList::OnSelchange() {
    const int s = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    CPropertyItem* row = model_.Item(s);
    if (!row) return;
    if (s == model_.GetSelectedIndex() && row->Kind() == kKindNumber && openEditor_) return;
    if (OptionsPages* pages = Links().options) {
        if (row->Kind() == kKindImage || row->Kind() == kKindRegion)
            pages->SelectView(row->Kind() == kKindImage ? 0 : 1);
        if (row->Kind() == kKindRegion) {
            pages->EnableAllControls(OptionsPages::kImagePage, false);
            pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
        } else if (row->Kind() == kKindImage) {
            pages->EnableAllControls(OptionsPages::kRegionPage, false);
        } else {
            pages->EnableAllControls(OptionsPages::kImagePage, false);
            pages->EnableAllControls(OptionsPages::kFrameImagePage, false);
            pages->EnableAllControls(OptionsPages::kRegionPage, false);
        }
    }
    CloseEditor();
    model_.Select(s);
    ShowInPlaceEditor(false);
    ShowSelectedItemOptions();
}

void CPropertyList::ShowInPlaceEditor(bool force) {
    CPropertyItem* row = model_.OpenItem();
    if (!row) return;
    if (openEditor_ && !force) return;
    if (button_) ShowWindow(button_, SW_HIDE);
    const int index = model_.GetSelectedIndex();
    const RECT cell = ValueCellOf(index);
    const EditorKind kind = EditorForKind(row->Kind());
    if (kind == EditorKind::kNone) return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    switch (kind) {
    case EditorKind::kChoice: {
        const RECT r = DropDownRect(cell);
        if (!choice_) {
            choice_ =
                CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST, r.left,
                                r.top, r.right - r.left, r.bottom - r.top, Handle(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdChoiceCombo)), instance, nullptr);
            SendMessageW(choice_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            MoveWindow(choice_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        SendMessageW(choice_, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& entry : SplitChoices(row->Choices()))
            SendMessageW(choice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        LRESULT found = SendMessageW(choice_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(row->Value().c_str()));
        SendMessageW(choice_, CB_SETCURSEL, found == CB_ERR ? 0 : found, 0);
        openEditor_ = choice_;
        ShowWindow(choice_, SW_SHOW);
        SetFocus(choice_);
        break;
    }
    case EditorKind::kColor: {
        const RECT r = DropDownRect(cell);
        if (!color_.Handle())
            color_.CreatePicker(Handle(), kIdColorCombo, r, listFont_.Get());
        else
            MoveWindow(color_.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        const bool invert =
            Current() && Current()->GetTwfObj() && Current()->GetTwfObj()->GetColor(row->Id()) == 0xFFFFFFFFu;
        openEditor_ = color_.Handle();
        SendMessageW(color_.Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), textHeight_);
        ShowWindow(color_.Handle(), SW_SHOW);
        SetFocus(color_.Handle());
        color_.SelectColor(ParseColorText(row->Value(), invert));
        break;
    }
    case EditorKind::kEdit: {
        const RECT r = EditRect(cell);
        if (!edit_) {
            edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdEdit)),
                                    instance, nullptr);
            SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
            MoveWindow(edit_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
        style = row->Kind() == kKindSigned ? (style & ~ES_NUMBER) : (style | ES_NUMBER);
        SetWindowLongPtrW(edit_, GWL_STYLE, style);
        openEditor_ = edit_;
        SetFocus(edit_);
        const bool modified = IsDocumentModified();
        committing_ = true;
        SetWindowTextW(edit_, row->Value().c_str());
        committing_ = false;
        RestoreDocumentModified(modified);
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        if (!IsWindowVisible(edit_)) ShowWindow(edit_, SW_SHOW);
        InvalidateRect(edit_, nullptr, TRUE);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        break;
    }
    case EditorKind::kButton: {
        const RECT r = ButtonRect(cell);
        if (!button_) {
            button_ = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | BS_NOTIFY | BS_DEFPUSHBUTTON, r.left, r.top,
                                      r.right - r.left, r.bottom - r.top, Handle(),
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdButton)), instance, nullptr);
            SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            MoveWindow(button_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        openEditor_ = button_;
        ShowWindow(button_, SW_SHOW);
        SetFocus(button_);
        break;
    }
    default: break;
    }
}

void CPropertyList::OnEditKillFocus() {
    if (!edit_) return;
    if (model_.OpenItem()) model_.EditLeft(EditText());
    ShowWindow(edit_, SW_HIDE);
    if (openEditor_ == edit_) openEditor_ = nullptr;
    InvalidateAll();
}

bool CPropertyList::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case kIdChoiceCombo:
    case kIdColorCombo:
        if (code == CBN_KILLFOCUS) {
            HWND combo = id == kIdChoiceCombo ? choice_ : color_.Handle();
            // A drop-down keeps its list open while the focus is in it.
            if (combo && IsWindowVisible(combo)) ShowWindow(combo, SW_HIDE);
            if (openEditor_ == combo) openEditor_ = nullptr;
            InvalidateAll();
            return true;
        }
        if (code == CBN_SELENDOK) {
            if (id == kIdChoiceCombo) {
                const LRESULT sel = SendMessageW(choice_, CB_GETCURSEL, 0, 0);
                if (sel != CB_ERR) {
                    std::wstring text(static_cast<size_t>(SendMessageW(choice_, CB_GETLBTEXTLEN, sel, 0)) + 1, L'\0');
                    SendMessageW(choice_, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text.data()));
                    text.resize(wcslen(text.c_str()));
                    model_.ChoiceChosen(text);
                }
            } else {
                model_.SetSelectedColor(color_.GetSelectedColor());
            }
            InvalidateAll();
            return true;
        }
        return false;
    case kIdEdit:
        if (code == EN_CHANGE) {
            if (!committing_) model_.EditChanged(EditText());
            return true;
        }
        if (code == EN_KILLFOCUS) {
            OnEditKillFocus();
            return true;
        }
        return false;
    case kIdButton:
        if (code == BN_CLICKED) {
            OnPropertyButton();
            return true;
        }
        if (code == BN_KILLFOCUS) {
            if (button_) ShowWindow(button_, SW_HIDE);
            if (openEditor_ == button_) openEditor_ = nullptr;
            InvalidateAll();
            return true;
        }
        return false;
    case kCmdCopy:
    case kCmdPaste:
    case kCmdCut:
    case kCmdDelete:
    case kCmdFillAllStates:
    case kCmdCopyWithMargins:
    case kCmdPasteWithMargins: OnContextCommand(id); return true;
    default: return false;
    }
}

bool CPropertyList::OnReflectedCommand(UINT code, LRESULT& result) {
    if (code != LBN_SELCHANGE) return false;
    OnSelchange();
    result = 0;
    return true;
}

void CPropertyList::OnContextCommand(UINT id) {
    CPropertyItem* row = model_.Item(model_.GetSelectedIndex());
    switch (id) {
    case kCmdCut: clipboard_.CutItem(row); break;
    case kCmdCopy: clipboard_.CopyItem(row, false); break;
    case kCmdPaste: clipboard_.PasteItem(row, false); break;
    case kCmdDelete: clipboard_.DeleteItemValue(row); break;
    case kCmdCopyWithMargins: clipboard_.CopyItem(row, true); break;
    case kCmdPasteWithMargins: clipboard_.PasteItem(row, true); break;
    case kCmdFillAllStates: RunFillAllStates(Current(), &model_); break;
    default: break;
    }
    InvalidateAll();
}

void CPropertyList::OnPropertyButton() {
    CPropertyItem* row = model_.OpenItem();
    if (!row) return;
    switch (row->Kind()) {
    case kKindColor:
        model_.Select(model_.GetSelectedIndex());
        ShowInPlaceEditor(true);
        return;
    case kKindImage: FileRoadImage(row); break;
    case kKindRegion: FileRoadRegion(row); break;
    case kKindFont: FileRoadFont(row); break;
    case kKindUserData: FileRoadUserData(row); break;
    default: return;
    }
    SetFocus(Handle());
}

void CPropertyList::FileRoadImage(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !Current()) return;
    fw::FileDialogRequest request;
    request.title = L"Select file";
    request.filter = L"Image Files (*.bmp)(*.png)|*.bmp;*.png||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (row->Value().find(L":\\") != std::wstring::npos) request.initialPath = FolderOf(row->Value());
    HWND owner = app->MainWindow() ? app->MainWindow()->Handle() : Handle();
    const auto chosen = app->FileDialogs().Show(owner, request);
    if (!chosen) return;
    const std::wstring ext = Extension(chosen->path);
    if (ext == L"bmp" || ext == L"png") {
        std::unique_ptr<CMrgBitmap> record = LoadImageRecord(chosen->path);
        if (!record) {
            ShowMessage(Handle(), L"Could not load bitmap: " + chosen->path);
            return;
        }
        Current()->SetImage(row->Id(), std::move(record));
        row->SetValue(chosen->path);
        if (OptionsPages* pages = Links().options) {
            pages->EnableImageOptions(true);
            pages->SetImagePreview(Current()->GetImage(row->Id()));
        }
    }
    InvalidateAll();
    SetDocumentModified();
    Current()->ShowItemImage(row);
    RefreshPreview();
    Current()->RenewSnapshot();
    if (Links().colorAdjust) Links().colorAdjust->TrackSelectedProperty(row->Id(), row->Kind(), 1);
}

void CPropertyList::FileRoadRegion(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !Current()) return;
    fw::FileDialogRequest request;
    request.title = L"Select file";
    request.filter = L"Region Files (*.rgn)|*.rgn||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!row->Value().empty()) request.initialPath = FolderOf(row->Value());
    HWND owner = app->MainWindow() ? app->MainWindow()->Handle() : Handle();
    const auto chosen = app->FileDialogs().Show(owner, request);
    if (!chosen) return;
    std::unique_ptr<CImageRgn> region = LoadRegionFile(chosen->path);
    if (!region || !region->GetHRgn()) {
        ShowMessage(Handle(), L"Could not load bitmap: " + chosen->path);
        return;
    }
    ImageRgnPtr shared(std::move(region));
    Current()->SetRegion(row->Id(), shared);
    row->SetValue(chosen->path);
    if (OptionsPages* pages = Links().options) pages->SetRegionPreview(shared.get(), 0);
    InvalidateAll();
    SetDocumentModified();
    Current()->ShowItemImage(row);
    RefreshPreview();
}

void CPropertyList::FileRoadFont(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !Current()) return;
    LOGFONTW initial{};
    if (CTwfObj* object = Current()->GetTwfObj())
        if (CFont* font = object->GetFont()) font->GetLogFont(&initial);
    const auto chosen = app->FontDialogs().Choose(Handle(), initial);
    if (!chosen) return;
    SetFocus(Handle());
    Current()->SetFont(std::make_shared<CFont>(*chosen));
    row->SetValue(chosen->lfFaceName);
    InvalidateAll();
    RefreshPreview();
    SetDocumentModified();
}

void CPropertyList::FileRoadUserData(CPropertyItem* row) {
    fw::Application* app = fw::Application::Current();
    if (!app || !Current()) return;
    fw::FileDialogRequest request;
    request.filter = L"All Files (*.*)|*.*||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const auto chosen = app->FileDialogs().Show(Handle(), request);
    if (!chosen) return;
    std::vector<std::uint8_t> bytes;
    auto* link = dynamic_cast<CUserDataLink*>(Current());
    if (link && hexmoor::platform::ReadFileBytes(chosen->path, &bytes) == hexmoor::platform::FileReadResult::kOk) {
        link->SetUserData(bytes.data(), static_cast<UINT>(bytes.size()));
        row->SetValue(DataSizeText(static_cast<UINT>(bytes.size())));
        SetDocumentModified();
    }
    InvalidateAll();
}

void CPropertyList::DrawDividerLine(int x) {
    HDC dc = GetDC(Handle());
    const int old = SetROP2(dc, R2_NOT);
    MoveToEx(dc, x, dragTop_, nullptr);
    LineTo(dc, x, dragBottom_);
    SetROP2(dc, old);
    ReleaseDC(Handle(), dc);
}

void CPropertyList::OnSize(UINT, int, int) {
    CPropertyItem* row = model_.OpenItem();
    if (IsFocusInside() && GetFocus() != Handle() && row && row->Kind() != kKindCategory) ShowInPlaceEditor(true);
}

LRESULT CPropertyList::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
    case WM_NCPAINT: EndBatch(); break;
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlID == kIdColorCombo) {
            mis->itemHeight = static_cast<UINT>(textHeight_ + 2);
            return TRUE;
        }
        break;
    }
    case WM_SETFOCUS: {
        const LRESULT result = DefaultProc(msg, wp, lp);
        if (SendMessageW(Handle(), LB_GETCURSEL, 0, 0) == LB_ERR && model_.Count() > 0) {
            SendMessageW(Handle(), LB_SETCURSEL, 0, 0);
            OnSelchange();
        }
        return result;
    }
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (model_.Count() > 0 && NearDivider(p.x, divider_)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            RECT window;
            GetWindowRect(Handle(), &window);
            window.left += 10;
            window.right -= 10;
            ClipCursor(&window);
            RECT client;
            GetClientRect(Handle(), &client);
            dragTop_ = client.top;
            dragBottom_ = client.bottom;
            dragX_ = p.x;
            dragging_ = true;
            DrawDividerLine(dragX_);
            SetCapture(Handle());
            return 0;
        }
        const bool modified = IsDocumentModified();
        const LRESULT result = DefaultProc(msg, wp, lp);
        RestoreDocumentModified(modified);
        ToggleIfGlyphHit(model_.GetSelectedIndex(), p);
        return result;
    }
    case WM_MOUSEMOVE: {
        const int x = GET_X_LPARAM(lp);
        if (dragging_) {
            DrawDividerLine(dragX_);
            dragX_ = x;
            DrawDividerLine(dragX_);
            return 0;
        }
        if (model_.Count() > 0 && NearDivider(x, divider_)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
            return 0;
        }
        break;
    }
    case WM_LBUTTONUP: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (dragging_) {
            dragging_ = false;
            if (GetCapture() == Handle()) ReleaseCapture();
            ClipCursor(nullptr);
            DrawDividerLine(p.x);
            RECT client;
            GetClientRect(Handle(), &client);
            divider_ = ClampDivider(p.x, client.left, client.right);
            InvalidateAll();
            return 0;
        }
        break;
    }
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = DefaultProc(msg, wp, lp);
        ToggleIfGlyphHit(model_.GetSelectedIndex(), POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return result;
    }
    case WM_RBUTTONDOWN: {
        const LRESULT hit = SendMessageW(Handle(), LB_ITEMFROMPOINT, 0, lp);
        const int index = LOWORD(hit);
        if (HIWORD(hit) || !model_.Item(index)) return 0;
        SendMessageW(Handle(), LB_SETCURSEL, index, 0);
        model_.SetSelectedIndex(index);
        const int kind = model_.Item(index)->Kind();
        if (kind == kKindColor || kind == kKindImage || kind == kKindRegion) {
            if (HMENU menu = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(kGridContextMenu))) {
                POINT screen{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                ClientToScreen(Handle(), &screen);
                HMENU popup = GetSubMenu(menu, 0);
                if (!CanFillAllStates(Current(), &model_))
                    EnableMenuItem(popup, kCmdFillAllStates, MF_BYCOMMAND | MF_GRAYED);
                const UINT id = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x,
                                               screen.y, 0, Handle(), nullptr);
                DestroyMenu(menu);
                if (id) OnContextCommand(id);
            }
        }
        return 0;
    }
    default: break;
    }
    return fw::Window::WindowProc(msg, wp, lp);
}

bool CPropertyList::PreTranslateMessage(MSG& msg) {
    if (msg.message != WM_KEYDOWN || !IsAlive()) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    const int s = static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0));
    CPropertyItem* row = model_.Item(s);
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    auto visible = [](HWND h) { return h && IsWindowVisible(h); };
    if (edit_) {
        LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
        const bool signedRow = row && row->Kind() == kKindSigned;
        SetWindowLongPtrW(edit_, GWL_STYLE, signedRow ? (style & ~ES_NUMBER) : (style | ES_NUMBER));
    }
    switch (msg.wParam) {
    case VK_ESCAPE:
        if (openEditor_ && visible(openEditor_)) SetFocus(Handle());
        return false;
    case VK_LEFT:
    case VK_RIGHT:
        if (!row) return false;
        if (row->IsExpandable()) {
            model_.ExpandItem(s, !row->IsExpanded());
            return true;
        }
        if (row->Kind() != kKindNumber && GetFocus() != Handle()) SetFocus(Handle());
        return false;
    case VK_UP:
    case VK_DOWN:
        if (GetFocus() && (GetFocus() == color_.Handle() || IsChild(color_.Handle(), GetFocus())) &&
            SendMessageW(color_.Handle(), CB_GETDROPPEDSTATE, 0, 0))
            return false;
        if (openEditor_) {
            CloseEditor();
            SetFocus(Handle());
            msg.hwnd = Handle();
        }
        return false;
    case VK_RETURN:
        if (visible(button_)) {
            OnPropertyButton();
            return true;
        }
        if (visible(choice_)) {
            if (SendMessageW(choice_, CB_GETDROPPEDSTATE, 0, 0)) return false;
            SendMessageW(choice_, CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        if (visible(color_.Handle())) {
            if (SendMessageW(color_.Handle(), CB_GETDROPPEDSTATE, 0, 0)) {
                SendMessageW(color_.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
                model_.SetSelectedColor(color_.GetSelectedColor());
                return false;
            }
            SendMessageW(color_.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
            return true;
        }
        if (visible(edit_)) {
            SetFocus(Handle());
            return false;
        }
        if (!row) return false;
        model_.Select(s);
        if (row->IsExpandable()) {
            model_.ExpandItem(s, !row->IsExpanded());
            return false;
        }
        if (openEditor_) return false;
        ShowInPlaceEditor(false);
        return true;
    case VK_TAB:
        if (!ctrl) {
            CloseEditor();
            const int target = model_.TabTarget(shift);
            if (target >= 0) {
                SendMessageW(Handle(), LB_SETCURSEL, target, 0);
                OnSelchange();
            }
            return true;
        }
        if (Links().host) Links().host->FocusTree(!shift && row && row->Kind() == kKindImage);
        return true;
    case 'X':
        if (ctrl && row) clipboard_.CutItem(row);
        return false;
    case 'W':
        if (ctrl && row) RunFillAllStates(Current(), &model_);
        return false;
    case 'C':
    case 'V':
        if (ctrl && row && !visible(edit_)) {
            if (msg.wParam == 'C')
                clipboard_.CopyItem(row, shift);
            else
                clipboard_.PasteItem(row, shift);
            InvalidateAll();
            return true;
        }
        return false;
    case VK_OEM_COMMA:
    case VK_OEM_PERIOD:
        if (Links().host) Links().host->SelectNextState(msg.wParam == VK_OEM_PERIOD);
        return false;
    default: return false;
    }
}

} // namespace hexmoor::links
