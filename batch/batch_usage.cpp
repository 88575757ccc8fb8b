// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <string_view>

#include "batch/batch_options.h"
#include "limits/refusal.h"
#include "psf/psf_numbers.h"
#include "pupils/design_presets.h"

namespace voka {

namespace {

constexpr std::string_view kForms =
    "使い方: voka-batch (--fft | --raytrace) [--png 画像.png] [瞳.bmp | --design 設計]\n"
    "        voka-batch --design 設計 --save-pupil 瞳.bmp [--size N]\n"
    "        voka-batch --psf (瞳.bmp | --design 設計) [--size N] [--pad Q]\n"
    "                   [--wavelength-nm L] [--aperture-mm D] [--focal-mm F] [--fov R]\n"
    "                   [--fits F] [--csv F] [--png F] [--json F]\n"
    "\n"
    "瞳の画像を画面なしで解析します。--fft と --raytrace は VOKA.TXT "
    "を現在のフォルダーに書きます。\n"
    "\n";

constexpr std::string_view kAnalyses =
    "解析:\n"
    "  --fft               512x512 に標本化して２次元ＦＦＴ（正弦変換）を計算し、\n"
    "                      開口率・中心強度などの表示文字列を標準出力に書きます\n"
    "  --raytrace          128x128 の瞳から 64x64 の像点へ回折の総和（レイトレース）を計算します\n"
    "  --psf               瞳から星像（点像分布関数）を計算します\n"
    "\n";

constexpr std::string_view kPupil =
    "瞳:\n"
    "  瞳.bmp              瞳の画像（Windows ビットマップ）。--fft と --raytrace で省略すると、\n"
    "                      組み込みの見本（25% の中央遮蔽と 4 本のスパイダー）を解析します\n"
    "  --design 設計       瞳の設計ファイル（JSON）、または preset:名前 で組み込みの設計\n";

constexpr std::string_view kSavePupil =
    "  --save-pupil 瞳.bmp 設計から描いた瞳を BMP で保存します（解析はしません）\n";

constexpr std::string_view kStarImageTitle = "星像（--psf のとき）:\n";

constexpr std::string_view kStarImageFiles =
    "  --fits F            星像を FITS で保存します\n"
    "  --csv F             星像を CSV で保存します\n"
    "  --json F            星像の数値と条件を JSON で保存します\n"
    "\n";

constexpr std::string_view kRest =
    "そのほか:\n"
    "  --png 画像.png      ウィンドウに表示される 410x165 の領域（--psf では星像）を PNG で\n"
    "                      保存します。PNG でない既存のファイルは上書きしません\n"
    "  --help              この説明を表示します\n"
    "  --version           版を表示します\n"
    "\n"
    "「-」で始まるファイル名は ./-名前 のように書くか、瞳の画像なら -- のあとに置いてください。\n"
    "書き出すファイルは、すべて書き終えたときだけ置き換わります。\n"
    "\n"
    "終了コード: 0 成功（光を通さない瞳では、その旨を表示し nan の表を書いて 0）、\n"
    "           1 画像を読めない・VOKA.TXT や PNG などを書けない・標準出力に書けない、\n"
    "           2 使い方の誤り（PNG でないファイルを --png で上書きしようとしたときも）\n";

// How a number's default is told in its help line.
enum class DefaultShown {
  kNone,             // it depends on the use
  kPlain,            // 既定 550 nm
  kDesignsOrTables,  // the design's, else the table's
};

// One numeric option's help line, from its row of the table of limits.
struct NumberHelp {
  std::string_view usage;  // "--pad Q"
  limits::LimitId limit;
  DefaultShown shown;
};

constexpr NumberHelp kPupilNumbers[] = {
    {"--size N", limits::LimitId::kPupilSide, DefaultShown::kNone},
};

constexpr NumberHelp kStarImageNumbers[] = {
    {"--pad Q", limits::LimitId::kPadFactor, DefaultShown::kPlain},
    {"--wavelength-nm L", limits::LimitId::kWavelengthNm, DefaultShown::kPlain},
    {"--aperture-mm D", limits::LimitId::kApertureMm, DefaultShown::kDesignsOrTables},
    {"--focal-mm F", limits::LimitId::kFocalLengthMm, DefaultShown::kPlain},
    {"--fov R", limits::LimitId::kExportFieldLambdaOverD, DefaultShown::kPlain},
};

// Options and their help start in these columns.
constexpr std::size_t kHelpColumn = 20;

std::string HelpLine(const NumberHelp& help) {
  const limits::Limit& limit = limits::Of(help.limit);
  std::string line = "  " + std::string(help.usage);
  line.append(kHelpColumn > help.usage.size() ? kHelpColumn - help.usage.size() : 1, ' ');
  line += std::string(limit.help) + "（" + limits::RangeText(limit);
  const std::string defaultValue =
      limits::NumberText(limit.defaultValue) + " " + std::string(limit.unit);
  switch (help.shown) {
    case DefaultShown::kNone:
      break;
    case DefaultShown::kPlain:
      line += "、既定 " + defaultValue;
      break;
    case DefaultShown::kDesignsOrTables:
      line += "、既定は設計の" + std::string(limit.name) + "、なければ " + defaultValue;
      break;
  }
  return line + "）\n";
}

template <std::size_t kCount>
std::string HelpLines(const NumberHelp (&helps)[kCount]) {
  std::string lines;
  for (const NumberHelp& help : helps) lines += HelpLine(help);
  return lines;
}

}  // namespace

std::string BatchUsage() {
  const std::string presets =
      "                      組み込みの設計: " + pupils::PresetNameList() + "\n";
  // The definition the window shows too, so that the number can be checked.
  const std::string spikeFraction = std::string(psf::SpikeFractionDefinitionText()) + "\n\n";
  std::string usage;
  const std::string pupilNumbers = HelpLines(kPupilNumbers) + "\n";
  const std::string starImageNumbers = HelpLines(kStarImageNumbers);
  for (const std::string_view part :
       {kForms, kAnalyses, kPupil, std::string_view(presets), kSavePupil,
        std::string_view(pupilNumbers), kStarImageTitle, std::string_view(starImageNumbers),
        kStarImageFiles, std::string_view(spikeFraction), kRest}) {
    usage += part;
  }
  return usage;
}

}  // namespace voka
