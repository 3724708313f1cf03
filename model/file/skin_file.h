// The skin file's reader and writer over bytes: the operations behind
// CTwfSkin's loaders (from a path, memory or a module resource) and its
// writer.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/file/archive_writer.h"
#include "model/platform/types.h"

class CTwfSkin;

// Reads a whole skin file held in memory into the skin (reset first).
// Returns the loader's result code (TwfResult); the skin's loaded flag
// becomes 1 on code 0 and 0 otherwise. `source` names the file in the
// debugger-output line of a failure.
int LoadSkinArchive(CTwfSkin& skin, std::span<const std::uint8_t> file, BOOL infoOnly,
                    const std::wstring& source = std::wstring());

// Writes the skin in the current format to the sink: header TWF3.0, nine
// information strings, compressed flag, schemes, then the index block. Sets
// the skin's version to 768 and refills its index block. False when any
// image cannot be encoded or the sink fails.
bool WriteSkinArchive(CTwfSkin& skin, ByteSink& sink);
