// SPDX-License-Identifier: GPL-3.0-or-later
#include "dib/dib_refusal.h"

#include <string_view>

namespace voka {

namespace {

std::string_view Explanation(DibRefusal reason) {
  switch (reason) {
    case DibRefusal::kNone:
      return "";
    case DibRefusal::kCannotOpen:
      return "を開けません。ファイルがあること、読み取りが許可されていること、"
             "他のプログラムが書き込み中でないことを確かめてから、もう一度選んでください。";
    case DibRefusal::kTooShort:
      return "は短すぎて（14 バイト未満）ビットマップではありません。"
             "瞳の画像を BMP 形式で保存し直して選んでください。";
    case DibRefusal::kNotBitmap:
      return "は BMP 形式ではありません（先頭が \"BM\" ではありません）。"
             "瞳の画像を BMP 形式で保存して選び直してください。";
    case DibRefusal::kTruncated:
      return "は途中で切れています。画像ソフトで保存し直すか、コピーし直してから開いてください。";
    case DibRefusal::kDamagedRle:
      return "の圧縮された画素データ（RLE）が壊れています（画像の外へはみ出す指定があります）。"
             "画像ソフトで圧縮なしの BMP 形式に保存し直してください。";
    case DibRefusal::kDamagedHeader:
      return "のビットマップ情報が壊れています（大きさや色数がファイルの中身と合いません）。"
             "画像ソフトで BMP 形式に保存し直してください。";
    case DibRefusal::kTooLarge:
      return "は大きすぎて読み込めません。画像を 512×512 "
             "ピクセル程度に縮めて保存し直してください。";
    case DibRefusal::kUnsupportedForm:
      return "は表示できない BMP 形式です（JPEG や PNG の埋め込み、特殊な色数など）。"
             "24 ビットまたは 8 ビットの BMP 形式で保存し直してください。";
  }
  return "";
}

}  // namespace

std::string DibRefusalMessage(DibRefusal reason, const std::filesystem::path& file) {
  if (reason == DibRefusal::kNone) return {};
  const std::u8string name = file.u8string();
  std::string message = "ファイル「";
  message.append(reinterpret_cast<const char*>(name.data()), name.size());
  message += "」";
  message += Explanation(reason);
  return message;
}

}  // namespace voka
