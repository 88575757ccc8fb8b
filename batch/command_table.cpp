// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_table.h"

#include <QtGlobal>

namespace voka {

namespace {

// A command's reader, with its options turned into the request.
template <auto kRead>
std::optional<BatchRequest> ReadAs(const ParsedArguments& parsed, std::string& error) {
  auto options = kRead(parsed, error);
  if (!options) return std::nullopt;
  return BatchRequest(std::move(*options));
}

}  // namespace

bool CommandMode::Takes(std::string_view option) const {
  for (std::string_view taken : options) {
    if (taken == option) return true;
  }
  return false;
}

bool CommandSpec::Takes(std::string_view option) const {
  for (std::string_view taken : options) {
    if (taken == option) return true;
  }
  return false;
}

const CommandMode* CommandSpec::ModeNamed(std::string_view flag) const {
  for (const CommandMode& mode : modes) {
    if (mode.flag == flag) return &mode;
  }
  return nullptr;
}

const std::vector<CommandSpec>& Commands() {
  // The help lines are marked for translation here and translated where the
  // help is printed.
  static const std::vector<CommandSpec> kCommands{
      {"--fft",
       {},
       true,
       false,
       QT_TRANSLATE_NOOP(
           "voka-batch",
           "512x512 に標本化して２次元ＦＦＴ（正弦変換）を計算し、開口率・中心強度などの"
           "表示文字列を標準出力に、表を VOKA.TXT に書きます"),
       {"--design", "--size", "--png"},
       ReadAs<ReadFftCommand>},
      {"--raytrace",
       {},
       true,
       false,
       QT_TRANSLATE_NOOP("voka-batch",
                         "128x128 の瞳から 64x64 の像点へ回折の総和（レイトレース）を計算し、"
                         "最大振幅を標準出力に、表を VOKA.TXT に書きます"),
       {"--design", "--size", "--png"},
       ReadAs<ReadRayTraceCommand>},
      {"--psf",
       {},
       true,
       true,
       QT_TRANSLATE_NOOP("voka-batch",
                         "瞳から星像（点像分布関数）を計算し、数値を単位つきで標準出力に書きます"),
       {"--design", "--size", "--pad", "--wavelength-nm", "--aperture-mm", "--focal-mm", "--fov",
        "--zernike", "--defocus-mm", "--fits", "--csv", "--json", "--png"},
       ReadAs<ReadPsfCommand>},
      {"--save-pupil",
       {QT_TRANSLATE_NOOP("voka-batch", "瞳.bmp")},
       false,
       false,
       QT_TRANSLATE_NOOP("voka-batch", "設計から描いた瞳を BMP で保存します（解析はしません）"),
       {"--design", "--size"},
       ReadAs<ReadSavePupilCommand>},
      {"--camera",
       {},
       true,
       true,
       QT_TRANSLATE_NOOP(
           "voka-batch",
           "星をカメラが写すとおりに計算します: 白色光で、センサーの画素に積分し、露出と"
           "階調をつけて。数値を標準出力に書きます"),
       {"--design", "--size", "--aperture-mm", "--focal-mm", "--zernike", "--defocus-mm",
        "--pixel-um", "--spectrum", "--wavelengths", "--colour", "--response", "--exposure",
        "--stretch", "--field-px", "--offset-px", "--png", "--fits", "--json"},
       ReadAs<ReadCameraCommand>},
      {"--star-test",
       {"K"},
       true,
       true,
       QT_TRANSLATE_NOOP(
           "voka-batch",
           "スターテスト: 瞳の波面に −K、0、+K 波長 (PV) の焦点はずしを加えた三つの星像を"
           "計算します（K は 4 が古典的）。--fits で三面の FITS、--png で同じ色の目盛りの"
           "三つの像"),
       {"--design", "--size", "--pad", "--wavelength-nm", "--aperture-mm", "--focal-mm", "--fov",
        "--zernike", "--defocus-mm", "--fits", "--png"},
       ReadAs<ReadStarTestCommand>},
      {"--compare",
       {"A", "B"},
       false,
       false,
       QT_TRANSLATE_NOOP(
           "voka-batch",
           "二つの瞳 A と B（設計ファイル、preset:名前、または BMP）を同じ格子と正規化で"
           "比べ、各数値の A、B と変化 B − A を標準出力に書きます。--fits は B − A、"
           "--png は A、B と変化、--json は {\"a\", \"b\", \"delta\"}"),
       {"--size", "--pad", "--wavelength-nm", "--aperture-mm", "--focal-mm", "--fov", "--zernike",
        "--defocus-mm", "--fits", "--png", "--json"},
       ReadAs<ReadCompareCommand>,
       {{"--camera",
         QT_TRANSLATE_NOOP(
             "voka-batch",
             "--camera を添えると、A と B のカメラ像を同じカメラの設定で作り、一つの階調で"
             "比べます。各数値（最も明るい画素の光の割合はチャンネルごと）の A、B と変化 B − A "
             "を標準出力に書きます。--fits は B − A のカメラ像（チャンネルごとの面）、--png は "
             "A、B と変化、--json は {\"a\", \"b\", \"delta\"}"),
         {"--size", "--aperture-mm", "--focal-mm", "--zernike", "--defocus-mm", "--pixel-um",
          "--spectrum", "--wavelengths", "--colour", "--response", "--exposure", "--stretch",
          "--field-px", "--offset-px", "--png", "--fits", "--json"},
         ReadAs<ReadCameraCompareCommand>}}},
      {"--sweep",
       {"PATH=FROM:TO:STEPS"},
       false,
       false,
       QT_TRANSLATE_NOOP(
           "voka-batch",
           "設計の一つの数（vanes[1].angle_deg、vanes[*].width_mm、"
           "obstruction.offset_x_mm など。vanes[i] はファイルの順に 0 から）を FROM から"
           " TO まで STEPS 点（両端を含む）変え、各点の星像の数値を --csv に書きます"),
       {"--design", "--size", "--pad", "--wavelength-nm", "--aperture-mm", "--focal-mm",
        "--zernike", "--defocus-mm", "--csv"},
       ReadAs<ReadSweepCommand>},
  };
  return kCommands;
}

const CommandSpec* FindCommand(std::string_view flag) {
  for (const CommandSpec& command : Commands()) {
    if (command.flag == flag) return &command;
  }
  return nullptr;
}

std::optional<BatchRequest> ReadRequest(const ParsedArguments& parsed, std::string& error) {
  return parsed.mode ? parsed.mode->read(parsed, error) : parsed.command->read(parsed, error);
}

}  // namespace voka
