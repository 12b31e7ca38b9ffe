#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvo {

enum class FileLoadResult { Loaded, CannotOpen, NoMemory, ReadFailed };
enum class FileSaveResult { Saved, CannotCreate, WriteFailed };

// Reads a whole regular file into `bytes`.
FileLoadResult LoadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`, so that a failed save never leaves a half-written file behind and the previous file
// stays as it was. A symbolic link at `path` is followed: its target is replaced, not the link.
FileSaveResult SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace korvo
