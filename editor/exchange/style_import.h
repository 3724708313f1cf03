// The import of one colour scheme of a visual style into the default scheme
// of a skin. The 27 element kinds the import covers are filled as new
// objects and swapped in only when all are complete, so an import that is
// refused changes nothing.
#pragma once

#include <string>
#include <vector>

#include "editor/exchange/style_file.h"
#include "editor/exchange/style_reader.h"

class CTwfSkin;

namespace hexmoor::exchange {

// The element kinds the import fills, in the order it fills them.
const std::vector<WORD>& ImportedElementTypes();

enum class SchemeText { kOk, kMissing, kUnreadable };
// The scheme text of a resource: kMissing when the style holds no such
// "TEXTFILE" resource, kUnreadable when the text holds none of the sections
// the import reads.
SchemeText ReadSchemeText(const StyleFile& style, std::u16string_view resource, IniText* out);

// Fills the 27 kinds of the skin's default scheme from the scheme text and
// the style's information strings; bitmaps named but missing or refused are
// listed in skipped.
void ImportScheme(CTwfSkin& skin, const StyleFile& style, const IniText& scheme, std::vector<SkippedImage>* skipped);

// Entries of the 27 kinds (with the frame's sides and menu bar).
struct ImportCounts {
    int elements = 0;
    int images = 0;
    int colors = 0;
    int numbers = 0;
    int regions = 0; // region options holding a region
};
ImportCounts CountImported(const CTwfSkin& skin);

} // namespace hexmoor::exchange
