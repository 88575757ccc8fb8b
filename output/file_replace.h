// SPDX-License-Identifier: GPL-3.0-or-later
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
// target as it was. Every output file of the program is written through here.
//
// - The bytes go to a temporary file of its own beside the file (a random
//   tag, created only if no such file exists), which is flushed to the disk
//   and then renamed over it; the folder is flushed after the rename, so a
//   power cut cannot lose the new name. On any failure the temporary goes.
// - A symbolic link is followed: the file it points to is replaced and the
//   link stays.
// - An existing file keeps its permissions; a read-only one is refused with
//   permission_denied, as opening it for writing would be.
// - A folder that takes no new files while the file itself is writable gets
//   the bytes written into the file in place, the only way left there.
// - A folder in the way is is_a_directory; a device or a pipe is written to
//   as it stands (a full device fails with its own error).
// - Temporaries of this naming for the same target that a killed run left
//   behind are removed once they are older than a few minutes.
//
// Returns the first error met, or an empty error code when the file holds
// the new bytes.
std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes);

}  // namespace voka
