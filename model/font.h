// An element's font: the LOGFONT it was made from and the system font made
// from it. Not copyable; elements share fonts through std::shared_ptr so that
// a replaced font lives on while a preview or a grid row still uses it.
#pragma once

#include <memory>

#include "model/platform/font.h"
#include "model/platform/types.h"

class CFont {
public:
    CFont() = default;
    explicit CFont(const LOGFONT& logFont) { CreateFontIndirect(&logFont); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    virtual ~CFont() = default;

    // Makes the font from the record (replacing a previous one); FALSE when
    // the record is null or the system refuses it.
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // Copies the record the font was made from; FALSE without a font.
    BOOL GetLogFont(LOGFONT* out) const;
    const LOGFONT& GetLogFontRef() const { return logFont_; }
    HFONT GetSafeHandle() const { return font_.Get(); }
    operator HFONT() const { return font_.Get(); }
    // Frees the system font.
    void DeleteObject();

private:
    LOGFONT logFont_{};
    hexmoor::platform::FontHandle font_;
};

using FontPtr = std::shared_ptr<CFont>;
