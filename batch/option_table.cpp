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
    {"--pixel-um", "P", kCamera, LimitId::kPixelPitchUm, false, DefaultShown::kPlain, {}},
    {"--spectrum",
     "blackbody:T|flat:L1-L2|FILE.csv",
     kCamera,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "星の光のスペクトル: 温度 T (K) の黒体、L1〜L2 nm の平らな帯、または「波長 "
                       "(nm),重み」の CSV。重みはエネルギー（nm あたりの W）で、camera と mono "
                       "では λ/hc を掛けて光子の数にします。既定は 5800 K の黒体、400〜700 nm")},
    {"--wavelengths", "K", kCamera, LimitId::kWavelengthCount, true, DefaultShown::kPlain, {}},
    {"--colour",
     "visual|camera|mono",
     kCamera,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "色: visual は CIE 1931 の等色関数から sRGB（既定）、camera は R・G・B "
                       "の感度（既定は 400〜500・500〜600・600〜700 nm の平らな帯）、mono は一つの"
                       "チャンネル")},
    {"--response",
     "FILE.csv",
     kCamera,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "--colour camera の感度の表（波長 (nm),R,G,B の CSV）")},
    {"--exposure", "X", kCamera, LimitId::kExposure, false, DefaultShown::kPlain, {}},
    {"--stretch",
     "linear|log|asinh",
     kCamera,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch", "表示の階調（既定 asinh。asinh は色を保ちます）")},
    {"--field-px", "M", kCamera, LimitId::kCameraFieldPixels, true, DefaultShown::kPlain, {}},
    {"--offset-px",
     "DX,DY",
     kCamera,
     {},
     false,
     DefaultShown::kNone,
     QT_TRANSLATE_NOOP("voka-batch",
                       "星の中心を画素 (M/2, M/2) の中心から右へ DX、上へ DY 画素ずらします"
                       "（それぞれ -0.5〜0.5）")},
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
