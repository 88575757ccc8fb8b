// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/write_failure_message.h"

#include <array>
#include <utility>

#include "output/shown_text.h"

namespace voka {

namespace {

// Causes a user can meet and fix; anything else falls back to the system's text.
constexpr std::array<std::pair<std::errc, const char*>, 12> kReasons{{
    {std::errc::permission_denied, "書き込みが許可されていないか、ほかのプログラムが使用中です"},
    {std::errc::operation_not_permitted, "書き込みが許可されていません"},
    {std::errc::read_only_file_system, "読み取り専用のドライブです"},
    {std::errc::no_such_file_or_directory, "フォルダーが見つかりません"},
    {std::errc::not_a_directory, "フォルダーが見つかりません"},
    {std::errc::is_a_directory, "同じ名前のフォルダーがあります"},
    {std::errc::no_space_on_device, "ディスクに空きがありません"},
    {std::errc::file_too_large, "ファイルが大きすぎます"},
    {std::errc::device_or_resource_busy, "ほかのプログラムが使用中です"},
    {std::errc::too_many_symbolic_link_levels, "シンボリックリンクが循環しています"},
    {std::errc::no_such_device_or_address, "読み出す側のいないパイプです"},
    {std::errc::filename_too_long, "名前が長すぎます"},
}};

}  // namespace

std::string WriteFailureReason(const std::error_code& error) {
  const std::error_condition condition = error.default_error_condition();
  for (const auto& [code, reason] : kReasons) {
    if (condition == code) return reason;
  }
  return error.message();
}

std::string WriteFailureMessage(const std::filesystem::path& file, const std::error_code& error) {
  return ShownPath(file) + " を書き込めませんでした（" + WriteFailureReason(error) +
         "）。書き込みのできるフォルダーで実行してください。";
}

}  // namespace voka
