// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/option_table.h"

#include <QtGlobal>
#include <iterator>

namespace voka {

namespace {

using limits::LimitId;
using enum OptionGroup;

// The help lines are marked for translation here and translated where the
// help is printed.
constexpr OptionSpec kOptions[] = {
    {"--design",
     QT_TRANSLATE_NOOP("voka-batch", "設計"),
     kPupilSource,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "瞳の設計ファイル（JSON）、または preset:名前 で組み込みの設計")},
    {"--size", "N", kPupilSource, LimitId::kPupilSide, true, DefaultShown::kNone, {}},
    {"--pad", "Q", kOptics, LimitId::kPadFactor, true, DefaultShown::kPlain, {}},
    {"--wavelength-nm", "L", kOptics, LimitId::kWavelengthNm, false, DefaultShown::kPlain, {}},
    {"--aperture-mm",
     "D",
     kOptics,
     LimitId::kApertureMm,
     false,
     DefaultShown::kDesignsOrTables,
     {}},
    {"--focal-mm",
     "F",
     kOptics,
     LimitId::kFocalLengthMm,
     false,
     DefaultShown::kDesignsOrTables,
     {}},
    {"--fov", "R", kOptics, LimitId::kExportFieldLambdaOverD, false, DefaultShown::kPlain, {}},
    {"--zernike",
     "J=NM[,J=NM...]",
     kWavefront,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP(
         "voka-batch",
         "Zernike 項を Noll の番号 J と RMS の nm で（設計の同じ項を置き換え、0 で消します）。"
         "J=2 が正なら像は +x へ、J=3 が正なら +y へ動きます")},
    {"--defocus-mm",
     "X",
     kWavefront,
     LimitId::kDefocusMm,
     false,
     DefaultShown::kDesignsOrTables,
     {}},
    {"--png",
     "F",
     kOutputs,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "画像を PNG で保存します（--fft と --raytrace ではウィンドウに表示される "
                       "410x165 の領域）。PNG でない既存のファイルは上書きしません")},
    {"--fits",
     "F",
     kOutputs,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "星像を FITS で保存します")},
    {"--csv",
     "F",
     kOutputs,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "星像の曲線を CSV で保存します")},
    {"--json",
     "F",
     kOutputs,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "星像の数値と条件を JSON で保存します")},
    {"--lang",
     "ja|en",
     kGeneral,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "メッセージと表示の言語（既定は環境変数 VOKA_LANG、なければ日本語）")},
    {"--help",
     "",
     kGeneral,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "この説明を表示します")},
    {"--version",
     "",
     kGeneral,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "版を表示します")},
};

}  // namespace

std::span<const OptionSpec> Options() {
  return kOptions;
}

const OptionSpec* FindOption(std::string_view name) {
  for (const OptionSpec& option : kOptions) {
    if (option.name == name) return &option;
  }
  return nullptr;
}

}  // namespace voka
