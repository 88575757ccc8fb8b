#include "app/batch/batch_options.h"

namespace voka {

const char* BatchUsage() {
  return "使い方: voka-batch (--fft | --raytrace) [--png 画像.png] [瞳.bmp]\n"
         "\n"
         "瞳の画像を画面なしで解析し、VOKA.TXT を現在のフォルダーに書きます。\n"
         "\n"
         "  --fft        512x512 に標本化して２次元ＦＦＴ（正弦変換）を計算し、\n"
         "               開口率・中心強度などの表示文字列を標準出力に書きます\n"
         "  --raytrace   128x128 の瞳から 64x64 の像点へ回折の総和（レイトレース）を計算します\n"
         "  --png FILE   ウィンドウに表示される 410x165 の領域を PNG で保存します\n"
         "  --help       この説明を表示します\n"
         "  preset:NAME  --design に使える設計: clear, 3-vanes, 4-vanes, 4-vanes-tangent, 2-double-vanes, 1-curved-vane, 3-curved-vanes\n"
         "  瞳.bmp       瞳の画像（Windows ビットマップ）。省略すると、組み込みの見本\n"
         "               （25% の中央遮蔽と 4 本のスパイダー）を解析します\n"
         "\n"
         "終了コード: 0 成功（光を通さない瞳では、その旨を表示し nan の表を書いて 0）、\n"
         "           1 画像を読めない・VOKA.TXT や PNG を書けない、2 使い方の誤り\n";
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& arguments,
                                              std::string& error) {
  BatchOptions options;
  int analyses = 0;
  bool pngGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      return options;
    }
    if (argument == "--fft" || argument == "--raytrace") {
      options.analysis = argument == "--fft" ? BatchAnalysis::kFft : BatchAnalysis::kRayTrace;
      ++analyses;
    } else if (argument == "--png") {
      if (pngGiven || i + 1 >= arguments.size() || arguments[i + 1].empty()) {
        error = "--png には保存先の PNG ファイル名を一つだけ指定してください。";
        return std::nullopt;
      }
      pngGiven = true;
      options.pngPath = arguments[++i];
    } else if (argument.size() > 1 && argument.front() == '-') {
      error = "知らないオプションです: " + argument;
      return std::nullopt;
    } else if (!options.pupilPath.empty() || argument.empty()) {
      error = "瞳の画像は一つだけ指定してください。";
      return std::nullopt;
    } else {
      options.pupilPath = argument;
    }
  }
  if (analyses != 1) {
    error = "--fft か --raytrace のどちらか一つを指定してください。";
    return std::nullopt;
  }
  return options;
}

}  // namespace voka
