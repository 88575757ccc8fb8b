// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/existing_content.h"

#include <fstream>
#include <string>
#include <system_error>

namespace voka {

ExistingContent ExistingContentOf(const std::filesystem::path& target, std::string_view signature) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(target, error)) return ExistingContent::kNothingToLose;
  std::ifstream in(target, std::ios::binary);
  if (!in) return ExistingContent::kUnreadable;
  std::string start(signature.size(), '\0');
  in.read(start.data(), static_cast<std::streamsize>(start.size()));
  const auto read = static_cast<std::size_t>(in.gcount());
  if (in.bad()) return ExistingContent::kUnreadable;
  if (read == 0) return ExistingContent::kNothingToLose;
  return read == signature.size() && start == signature ? ExistingContent::kSameKind
                                                        : ExistingContent::kOtherKind;
}

}  // namespace voka
