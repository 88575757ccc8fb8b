// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/stale_temporaries.h"

#include <system_error>

namespace voka {

namespace {

using NativeText = std::filesystem::path::string_type;

constexpr std::size_t kTagDigits = 8;

bool IsLowerHex(NativeText::value_type c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

}  // namespace

bool IsTemporaryNameFor(const std::filesystem::path& name,
                        const std::filesystem::path& targetName) {
  const NativeText& candidate = name.native();
  const NativeText& target = targetName.native();
  const NativeText suffix = std::filesystem::path(".partial").native();
  const std::size_t expected = target.size() + 1 + kTagDigits + suffix.size();
  if (candidate.size() != expected || !candidate.starts_with(target) ||
      !candidate.ends_with(suffix) || candidate[target.size()] != '.') {
    return false;
  }
  for (std::size_t i = 0; i < kTagDigits; ++i) {
    if (!IsLowerHex(candidate[target.size() + 1 + i])) return false;
  }
  return true;
}

void RemoveStaleTemporaries(const std::filesystem::path& target) {
  namespace fs = std::filesystem;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const fs::path targetName = target.filename();
  const auto oldest = fs::file_time_type::clock::now() - kStaleTemporaryAge;
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!IsTemporaryNameFor(entry->path().filename(), targetName)) continue;
    std::error_code ignored;
    if (!entry->is_symlink(ignored) && entry->is_regular_file(ignored) &&
        entry->last_write_time(ignored) < oldest) {
      fs::remove(entry->path(), ignored);
    }
  }
}

}  // namespace voka
