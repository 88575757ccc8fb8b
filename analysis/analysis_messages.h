// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace voka {

// What the analyses tell the user, in the program's language (UTF-8).

inline constexpr const char* kNoPupilMessage =
    "瞳の画像が開かれていません。\n"
    "「ファイル」で瞳の画像（.bmp）を開いてから、もう一度押してください。";

// The pupil as sampled lets no light through: every sample's red component
// is 0, so there is nothing to normalise the results to.
inline constexpr const char* kNoLightMessage =
    "標本化した瞳に光を通す部分がありません（赤の成分がすべて 0 です）。\n"
    "開口を白（または赤を含む明るい色）で、細すぎないように描いた画像を開いてください。";

// Added to the above when the table was written all the same.
inline constexpr const char* kNanTableNote = "\nVOKA.TXT の値はすべて nan になりました。";

}  // namespace voka
