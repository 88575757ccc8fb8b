#pragma once

// The string table and the texts the program shows, in UTF-8.
namespace voka {

// IDS_ABOUTBOX: the About item of the system menu; A is its access key.
inline constexpr const char* kAboutItemText = "ﾊﾞｰｼﾞｮﾝ情報(voka) (&A)...";

inline constexpr const char* kMainCaption = "スパイダー遮光解析　VOKA Ver1.0";
inline constexpr const char* kAllocationFailure = "Allocation Failure!";

}  // namespace voka
