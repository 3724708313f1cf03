// The window frame's record: its own common record, the records of its four
// sides (with their image and region options) and of its menu bar, and the
// legacy fields of files older than 521 moved into numbers on reading.
#pragma once

#include "model/file/archive_reader.h"
#include "model/file/archive_writer.h"
#include "model/platform/types.h"

class CTwfWndFrame;

void ReadFrameRecord(ArchiveReader& reader, CTwfWndFrame& frame, WORD version);
void WriteFrameRecord(ArchiveWriter& writer, const CTwfWndFrame& frame, bool compress);
