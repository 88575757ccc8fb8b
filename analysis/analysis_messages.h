#pragma once

namespace voka {

// What the analyses tell the user, in the program's language (UTF-8).

inline constexpr const char* kNoPupilMessage =
    "瞳の画像が開かれていません。\n"
    "「ファイル」で瞳の画像（.bmp）を開いてから、もう一度押してください。";

inline constexpr const char* kNoLightMessage =
    "瞳の画像に光を通す部分がありません（赤の成分がすべて 0 です）。\n"
    "結果は描けず、VOKA.TXT の値は nan になりました。\n"
    "開口を白（または赤を含む明るい色）で描いた画像を開いてください。";

}  // namespace voka
