#pragma once
// The string-table texts the links show (ids from the resource headers:
// IDS_LINK_* and IDS_PROPERTIES). The links read them through a
// provider so that they build without windows: the editor installs one that
// reads its string table; the built-in table (the same texts) serves tools
// and native tests.

#include <functional>
#include <string>

#include "model/platform/types.h"
#include "resources/property_grid_ids.h"
#include "resources/string_ids.h"

namespace hexmoor::links {

// The text of a string id: the installed provider's, else the built-in one
// ("" for an id the table does not hold).
std::wstring LinkString(UINT id);
// The built-in text.
std::wstring BuiltInLinkString(UINT id);
// Every id of the built-in table (tests compare it with the string table).
const UINT* BuiltInLinkStringIds(size_t* count);

using LinkStringProvider = std::function<std::wstring(UINT)>;
// Installs a provider (an empty function restores the built-in table). A
// provider answering "" falls back to the built-in text.
void SetLinkStringProvider(LinkStringProvider provider);
// Counts the providers installed: texts kept from an earlier count may no
// longer be the texts shown.
unsigned LinkStringGeneration();

} // namespace hexmoor::links
