// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>

namespace voka {

// A temporary younger than this may still be being written by another run
// (the dialog and the headless program can share a folder); an older one was
// left by a run that was killed.
inline constexpr std::chrono::minutes kStaleTemporaryAge{5};

// True when `name` is a temporary that TemporaryPathFor makes for a file
// called `targetName`: the name, a dot, eight lowercase hex digits, ".partial".
bool IsTemporaryNameFor(const std::filesystem::path& name, const std::filesystem::path& targetName);

// Removes, from the target's folder, the plain files that are temporaries of
// the target and older than kStaleTemporaryAge. Anything it cannot list or
// remove is left alone: cleaning never stands in the way of writing.
void RemoveStaleTemporaries(const std::filesystem::path& target);

}  // namespace voka
