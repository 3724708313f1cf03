// Whole-file reads and safe writes for the model's own files. A write goes
// to a temporary file beside the target, which replaces the target only
// once every byte is on disk: a failed write leaves the old file intact.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace hexmoor::platform {

enum class FileReadResult { kOk, kCannotOpen, kReadError };

FileReadResult ReadFileBytes(const std::wstring& path, std::vector<std::uint8_t>* out);
bool WriteFileReplacing(const std::wstring& path, std::span<const std::uint8_t> bytes);

// A message box without owner (nothing in the native tree). Flags are the
// MB_* values of the Windows tree.
void ShowMessageBox(const std::wstring& text, const std::wstring& caption, unsigned flags);

} // namespace hexmoor::platform
