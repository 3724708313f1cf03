// Element records of the skin file: the common record every element class
// shares (images, colours, numbers, font, tree place, enabled flag) and what
// each class adds around it (window frame with sides and menu bar, combo
// box, user data), with the repairs applied to records of older versions.
#pragma once

#include "model/file/archive_reader.h"
#include "model/file/archive_writer.h"
#include "model/platform/types.h"

class CTwfObj;

// Reads the record of one element at the given file version.
void ReadElementRecord(ArchiveReader& reader, CTwfObj& element, WORD version);

// Writes the record of one element at the current version (768). Images
// stored as bitmaps are compressed when `compress` is set and that makes
// them smaller. Marks the writer failed when an image cannot be encoded.
void WriteElementRecord(ArchiveWriter& writer, const CTwfObj& element, bool compress);

// The common part alone (exposed for tests of single records).
void ReadCommonRecord(ArchiveReader& reader, CTwfObj& element, WORD version);
void WriteCommonRecord(ArchiveWriter& writer, const CTwfObj& element, bool compress);
