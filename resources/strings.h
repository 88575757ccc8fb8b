// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "resources/resource_ids.h"

// The string table, in UTF-8.
namespace voka {

// The text of a string resource; empty for an id the table does not hold.
constexpr std::string_view LoadResourceString(int id) {
  switch (id) {
    case IDS_ABOUTBOX:
      // The About item of the system menu; A is its access key.
      return "ﾊﾞｰｼﾞｮﾝ情報(voka) (&A)...";
    default:
      return {};
  }
}

}  // namespace voka
