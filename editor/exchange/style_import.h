// The import of one colour scheme of a visual style into the default scheme
// of a skin. The 27 element kinds the import covers are filled as new
// objects first (staged); only when all are complete does the skin change,
// its own objects emptied and refilled with the staged contents, so an
// import that is refused or fails part way changes nothing, and every
// pointer to an element object stays valid.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/exchange/style_file.h"
#include "editor/exchange/style_reader.h"
#include "model/skin_info.h"

class CTwfSkin;

namespace hexmoor::exchange {

// The element kinds the import fills, in the order it fills them.
const std::vector<WORD>& ImportedElementTypes();

enum class SchemeText { kOk, kMissing, kUnreadable };
// The scheme text of a resource: kMissing when the style holds no such
// "TEXTFILE" resource, kUnreadable when the text holds none of the sections
// the import reads.
SchemeText ReadSchemeText(const StyleFile& style, std::u16string_view resource, IniText* out);

// What an import filled, not yet in the skin: one new object per kind, in
// the order of ImportedElementTypes, and the skin information strings.
struct StagedImport {
    std::vector<std::unique_ptr<CTwfObj>> objects;
    SkinInfo info;
};

// Fills new objects of the 27 kinds from the scheme text and reads the
// style's information strings, within one pixel budget (kImportPixelBudget);
// the skin is not changed. Bitmaps named but missing, refused or over the
// budget, and caption shapes over the region cap, are listed in skipped.
StagedImport StageScheme(CTwfSkin& skin, const StyleFile& style, const IniText& scheme,
                         std::vector<SkippedImage>* skipped);
// Gives the skin's own objects of the 27 kinds in the default scheme the
// staged contents in place of theirs (CTwfObj::SwapContents; each keeps its
// place in the tree, and a kind the skin lacks takes the staged object
// itself), and replaces the skin information.
void ApplyStagedImport(CTwfSkin& skin, StagedImport staged);
// StageScheme, then ApplyStagedImport.
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
