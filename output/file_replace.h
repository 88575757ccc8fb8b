#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace voka {

// A name for the file that ReplaceFileContents writes before it takes the
// target's place: beside the target, so that the final rename stays within
// one folder, and told apart by the tag ("VOKA.TXT.0000002a.partial").
std::filesystem::path TemporaryPathFor(const std::filesystem::path& target, unsigned tag);

// Replaces the target's contents with exactly these bytes, or leaves the
// target as it was. The bytes go to a temporary file of its own first (a
// random tag, created only if no such file exists), which is
// flushed to the disk, closed and checked, and only then renamed over the
// target; on any failure the temporary is removed. Returns the first error
// met, or an empty error code when the target holds the new bytes.
std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace voka
