#include "model/font.h"

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (!logFont) return FALSE;
    hexmoor::platform::FontHandle font = hexmoor::platform::CreateFontFromLogFont(*logFont);
    if (!font) return FALSE;
    logFont_ = *logFont;
    font_ = std::move(font);
    return TRUE;
}

BOOL CFont::GetLogFont(LOGFONT* out) const {
    if (!out || !font_) return FALSE;
    *out = logFont_;
    return TRUE;
}

void CFont::DeleteObject() { font_.Reset(); }
