// The conversion tool's work once its command line is read: load the base
// skin (or make a new one), import the style's scheme, write the result.
// Kept apart from the tool's entry point so that its whole contract (exit
// codes, printed lines, messages, a result written only on success) is
// tested without starting a process.
#pragma once

#include <optional>
#include <string>

#include "editor/exchange/style_conversion.h"

namespace hexmoor::exchange {

// The tool's exit codes besides the conversion codes (kConversionOk,
// kConversionDamaged, kConversionNoThemes, kConversionNoScheme).
enum ToolCode {
    kToolUsage = 1,      // wrong command line, or BASE unreadable
    kToolNotWritten = 5, // OUT not written
    kToolNoImaging = 6,  // GDI+ did not start: no image could be read or written
};

inline constexpr char16_t kNoImagingMessage[] = u"GDI+ did not start: no image of the style could be read.";

struct ConversionJob {
    std::wstring input;
    std::wstring output;
    std::optional<std::u16string> scheme;
    std::optional<std::wstring> base;
};

struct ConversionOutput {
    int exitCode = 0;
    std::string out; // standard output (UTF-8, lines ending in \n)
    std::string err; // standard error
};

// Runs the job. imagingStarted says whether the image library started; when
// it did not, the job is refused before anything is read (kToolNoImaging,
// "result 6"). On every refusal OUT is not written.
ConversionOutput RunConversionJob(const ConversionJob& job, bool imagingStarted);

} // namespace hexmoor::exchange
