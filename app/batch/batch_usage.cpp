#include <string>
#include <string_view>

#include "app/batch/batch_options.h"
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

constexpr std::string_view kPupilRest =
    "  --save-pupil 瞳.bmp 設計から描いた瞳を BMP で保存します（解析はしません）\n"
    "  --size N            描く瞳の一辺（16〜8192 ピクセル）\n"
    "\n";

constexpr std::string_view kStarImage =
    "星像（--psf のとき）:\n"
    "  --pad Q             瞳の一辺の何倍の格子で計算するか（2〜8 倍、既定 4 倍）\n"
    "  --wavelength-nm L   波長（100〜20000 nm、既定 550 nm）\n"
    "  --aperture-mm D     口径（1〜50000 mm、既定は設計の口径、なければ 200 mm）\n"
    "  --focal-mm F        焦点距離（1〜1000000 mm、既定 1000 mm）\n"
    "  --fov R             書き出す星像の半幅（1〜1024 λ/D、既定 32 λ/D）\n"
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

}  // namespace

std::string BatchUsage() {
  const std::string presets =
      "                      組み込みの設計: " + pupils::PresetNameList() + "\n";
  // The definition the window shows too, so that the number can be checked.
  const std::string spikeFraction = std::string(psf::SpikeFractionDefinitionText()) + "\n\n";
  std::string usage;
  for (const std::string_view part :
       {kForms, kAnalyses, kPupil, std::string_view(presets), kPupilRest, kStarImage,
        std::string_view(spikeFraction), kRest}) {
    usage += part;
  }
  return usage;
}

}  // namespace voka
