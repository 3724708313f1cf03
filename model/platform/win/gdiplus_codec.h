// GDI+ image encoders by MIME type (Windows tree only).
#pragma once

#include <cstdint>
#include <span>

#include "model/platform/image.h"
#include "model/platform/types.h"

// Index of the first encoder whose MIME type equals the text exactly (case-
// sensitive), its CLSID in out; -1 when there is none.
int GetImageEncoderClsid(const wchar_t* mimeType, CLSID* out);
