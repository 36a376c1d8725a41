#pragma once

#include <filesystem>
#include <string_view>

namespace tvx {

// Writes the bytes to a temporary file beside the target and renames it over
// the target only once everything reached the disk, so a failed write leaves
// the old file intact. Throws FileError with a readable message on failure.
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

} // namespace tvx
