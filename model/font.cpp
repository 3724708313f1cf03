#include "model/font.h"

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
  if (!logFont) return FALSE;
  hexmoor::platform::FontHandle font = hexmoor::platform::CreateFontFromLogFont(*logFont);
  if (!font) return FALSE;
  m_logFont = *logFont;
  m_font = std::move(font);
  return TRUE;
}

BOOL CFont::GetLogFont(LOGFONT* out) const {
  if (!out || !m_font) return FALSE;
  *out = m_logFont;
  return TRUE;
}

void CFont::DeleteObject() { m_font.reset(); }
