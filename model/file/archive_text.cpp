#include "model/file/archive_text.h"

#include "model/platform/text.h"

std::wstring ArchiveText(const ArchiveString& text) {
    if (!text.wide) return hexmoor::platform::AnsiToWide(text.narrow);
    return std::wstring(text.units.begin(), text.units.end());
}
