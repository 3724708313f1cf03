// One element of a skin: the look of one kind of window or control within
// one scheme. A bag of properties keyed by 16-bit property ids (unique within
// one element object): images and plain values in the image map, colours,
// numbers (pairs packed low word / high word), one font, an enabled flag and
// the element's place in the editor's element tree (folder id, sibling
// order), plus a saved copy of its colours for colour adjustment.
//
// Ownership: the element shares its image entries and its font through
// std::shared_ptr. Replacing or removing an entry drops the element's
// reference only; the entry is freed when its last holder (a preview, a
// grid row, an undo snapshot) lets go. GetImage and GetFont lend a raw
// pointer that stays valid while the entry stays in the element; holders
// that outlive a change take GetImageShared / GetFontShared.
#pragma once

#include <map>
#include <memory>

#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/platform/types.h"

class CTwfSkin;

using MrgBitmapPtr = std::shared_ptr<CMrgBitmap>;
using ImageMap = std::map<WORD, MrgBitmapPtr>;
using ColorMap = std::map<WORD, COLORREF>;
using NumberMap = std::map<WORD, DWORD>;

class CTwfObj {
public:
    explicit CTwfObj(WORD type);
    CTwfObj(const CTwfObj&) = delete;
    CTwfObj& operator=(const CTwfObj&) = delete;
    virtual ~CTwfObj();

    // The element type id of this object (the kind it was made for; side
    // frames and the menu bar carry their frame's kind, 2).
    WORD GetType() const { return type_; }

    // --- virtual operations --------------------------------------------------
    // The index-block entry (0..34) this class owns in the skin file, -1 for
    // none (side frames, menu bar).
    virtual int GetIndexEntryNumber() const;
    // The address of this class's entry in a 210-byte index block, or null
    // when the class owns none.
    BYTE* GetIndexEntry(BYTE* indexBlock) const;
    // Drops every image, colour and number (not the saved colours) and the
    // font, and stores the argument as the enabled flag. TRUE.
    virtual BOOL Clear(DWORD enabled);
    // Removes the image-map entry; FALSE when there was none. The element's
    // reference is dropped in any case; `keep` is accepted for callers that go
    // on using an entry they hold through GetImageShared.
    virtual BOOL RemoveImage(WORD id, BOOL keep = FALSE);
    // Stores a new entry holding its own 32-bit copy of the source with these
    // parameters (left, top, right, bottom, DrawMode, MrgDrawMode). TRUE.
    virtual BOOL SetImageFromSource(WORD id, HBITMAP source, DWORD left, DWORD top, DWORD right, DWORD bottom,
                                    DWORD drawMode, DWORD mrgDrawMode);
    // Stores a plain-value entry (DrawMode 2, margins 0, MrgDrawMode 0). TRUE.
    virtual BOOL SetValue(WORD id, DWORD value);
    // When an image entry exists under the id and the new entry is an image
    // too, the old entry's six parameters are copied into the new one first
    // (a plain value neither lends nor takes them); then the new entry is
    // stored under the id (the previous entry is released by the map). TRUE;
    // FALSE for a null image.
    virtual BOOL PutImage(WORD id, MrgBitmapPtr image);
    BOOL PutImage(WORD id, std::unique_ptr<CMrgBitmap> image) { return PutImage(id, MrgBitmapPtr(std::move(image))); }
    // A new entry holding a 32-bit copy of the bitmap, stored by PutImage
    // (an earlier image entry's parameters carry over). TRUE.
    virtual BOOL SetImageBitmap(WORD id, HBITMAP bitmap);
    // A new entry taking the GDI+ bitmap over, stored by PutImage. TRUE.
    virtual BOOL SetGdiplusImage(WORD id, Gdiplus::Bitmap* image);
    BOOL SetGdiplusImage(WORD id, hexmoor::platform::GdiplusBitmapHandle image);
    // Stores the enabled flag (a window frame passes it to its parts).
    virtual void SetEnabled(DWORD enabled);
    // Filter applied to every number when the element record is written and
    // read: TRUE for every id in every class.
    virtual BOOL IsNumberSaved(WORD id) const;
    // Takes the font over (null allowed); the previous font is released.
    virtual void SetFont(FontPtr font);
    void SetFont(std::unique_ptr<CFont> font) { SetFont(FontPtr(std::move(font))); }
    // Copies every image (new copies), colour and number into dest under the
    // same ids, and gives dest a new font made from this font's LOGFONT when
    // this element has one (otherwise dest keeps its own font). Saved colours,
    // enabled flag, folder id and sibling order are not copied. TRUE.
    virtual BOOL CopyTo(CTwfObj* dest) const;
    // Exchanges everything the element holds (maps, font, enabled flags,
    // folder and order) with another element of the same class; the type
    // and the owner skin stay. A loaded element's contents move so into an
    // element that windows and links may still point at.
    virtual void SwapContents(CTwfObj& other);

    // --- images --------------------------------------------------------------
    BOOL HasImage(WORD id) const;
    CMrgBitmap* GetImage(WORD id) const;
    MrgBitmapPtr GetImageShared(WORD id) const;
    // The entry's DIB section when it holds one; null when absent, a GDI+
    // image or a plain value.
    HBITMAP GetImageBitmap(WORD id) const;
    // Removes dst, then stores a copy of src under it when src exists (so
    // dst stays absent when src is absent, and CopyImage(x, x) removes x). TRUE.
    BOOL CopyImage(WORD src, WORD dst);
    const ImageMap& GetImageMap() const { return images_; }

    // --- colours -------------------------------------------------------------
    BOOL SetColor(WORD id, COLORREF color);
    COLORREF GetColor(WORD id) const; // 0 when absent
    BOOL HasColor(WORD id) const;
    BOOL RemoveColor(WORD id);
    const ColorMap& GetColorMap() const { return colors_; }

    // --- numbers -------------------------------------------------------------
    BOOL SetNumber(WORD id, DWORD value);
    void StoreNumber(WORD id, DWORD value);
    DWORD GetNumber(WORD id) const; // 0 when absent
    DWORD ReadNumber(WORD id) const { return GetNumber(id); }
    BOOL HasNumber(WORD id) const;
    BOOL RemoveNumber(WORD id);
    void SetNumberPair(WORD id, WORD low, WORD high);
    void SetNumberLow(WORD id, WORD low);
    void SetNumberHigh(WORD id, WORD high);
    // out = {low word, high word}, {0, 0} when absent; returns out.
    SIZE* GetNumberAsSize(SIZE* out, WORD id) const;
    const NumberMap& GetNumberMap() const { return numbers_; }

    // --- colour adjustment ---------------------------------------------------
    void SaveColors();
    // For every saved colour, stores the adjusted colour (the arithmetic lives
    // with the colour adjustment code).
    void ApplyHSLToColors(double hue, double saturation, double lightness, double opacity, int a, int b);
    void ClearSavedColors();
    const ColorMap& GetSavedColorMap() const { return savedColors_; }

    // --- font, flags, tree place ---------------------------------------------
    CFont* GetFont() const { return font_.get(); }
    FontPtr GetFontShared() const { return font_; }
    DWORD GetEnabled() const { return enabled_; }
    int IsEnabled() const { return enabled_ != 0 ? 1 : 0; }
    DWORD GetStoredEnabled() const { return storedEnabled_; }
    void SetStoredEnabled(DWORD enabled) { storedEnabled_ = enabled; }
    WORD GetOrder() const { return order_; }
    void SetOrder(WORD order) { order_ = order; }
    WORD GetFolderId() const { return folderId_; }
    void SetFolderId(WORD folderId) { folderId_ = folderId; }
    CTwfSkin* GetOwnerSkin() const { return ownerSkin_; }
    virtual void SetOwnerSkin(CTwfSkin* skin) { ownerSkin_ = skin; }

protected:
    // Direct write of the enabled field, without passing it on.
    void StoreEnabled(DWORD enabled) { enabled_ = enabled; }

private:
    WORD type_;
    CTwfSkin* ownerSkin_ = nullptr;
    DWORD enabled_ = 0;
    WORD order_ = 0;
    WORD folderId_ = 0;
    DWORD storedEnabled_ = 0;
    FontPtr font_;
    ImageMap images_;
    ColorMap colors_;
    ColorMap savedColors_;
    NumberMap numbers_;
};
