// Archive strings as the program's wide text: the 8-bit form through the
// ANSI code page, the wide form unit by unit.
#pragma once

#include <string>

#include "model/file/archive_reader.h"

std::wstring ArchiveText(const ArchiveString& text);
