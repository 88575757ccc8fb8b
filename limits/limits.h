// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every limit and default of a number the user sets, in one table: the
// command line's checks and help, the window's spin boxes and the engine's
// checks all read it, so none of them can disagree with another.

#include <iterator>
#include <string_view>

namespace voka::limits {

struct Limit {
  std::string_view name;  // as a message names it: "波長"
  std::string_view unit;  // as a message writes it after a number: "nm"
  double minimum;
  double maximum;
  double defaultValue;
  std::string_view help;  // one line for the help text
};

enum class LimitId {
  kPupilSide,
  kPaddedSide,
  kPadFactor,
  kWavelengthNm,
  kApertureMm,
  kFocalLengthMm,
  kExportFieldLambdaOverD,
  kViewFieldLambdaOverD,
  kDecades,
  kZoomSide,
  kVaneCount,
  kSavedPupilSide,
  kAnalysedPupilSide,
  kDesignLengthMm,
  kCurvedVaneRadiusMm,
  kNollIndex,
  kZernikeRmsNm,
  kDefocusMm,
  kDesignerAberrationNm,
  kStarTestWaves,
  kSweepSteps,
  kPixelPitchUm,
  kWavelengthCount,
  kTemperatureK,
  kCameraFieldPixels,
  kSubsampledSide,
  kSubsamples,
  kExposure,
  kTableRows,
  kTableWavelengthNm,
  kBandFromNm,
  kBandToNm,
  kStarOffsetPixels,
  kCount,
};

// The largest pupil side: 8192² doubles are 512 MiB before the padding
// multiplies them. A pupil drawn from a design may be as large.
inline constexpr double kLargestPupilSide = 8192;

// In the order of LimitId.
inline constexpr Limit kTable[] = {
    // Below 16 pixels a pupil carries no vanes.
    {"瞳の一辺", "ピクセル", 16, kLargestPupilSide, 1024, "描く瞳の一辺"},
    // 16384² doubles are 2 GiB for the image alone.
    {"計算する格子の一辺", "ピクセル", 32, 16384, 4096, "瞳の一辺と拡大率の積"},
    // Below 2 the image is undersampled (the image's spectrum reaches D/λ,
    // so Nyquist needs 2 samples per λ/D); above 8 the grid grows faster
    // than it gains.
    {"拡大率", "倍", 2, 8, 4, "瞳の一辺の何倍の格子で計算するか"},
    // From the near ultraviolet to the thermal infrared that telescopes observe.
    {"波長", "nm", 100, 20000, 550, "波長"},
    // Up to the largest telescopes built or planned.
    {"口径", "mm", 1, 50000, 200, "口径"},
    {"焦点距離", "mm", 1, 1000000, 1000, "焦点距離"},
    {"書き出す星像の半幅", "λ/D", 1, 1024, 32, "書き出す星像の半幅"},
    // The window's view; half the largest pupil is the whole padded grid at Q = 2.
    {"表示の半幅", "λ/D", 0.5, 4096, 20, "表示する星像の半幅"},
    // A log view shows this many factors of ten below the peak.
    {"表示の桁数", "桁", 3, 7, 5, "対数表示の桁数"},
    // The largest zoomed view: its cost grows with the pupil side times its pixel count.
    {"拡大表示の一辺", "ピクセル", 1, 2001, 2001, "拡大表示の一辺"},
    // No spider has so many, and each vane costs rendering time on every edge pixel.
    {"支持板の数", "本", 0, 64, 4, "支持板の数"},
    // A saved pupil: any side the engine takes.
    {"保存する瞳の一辺", "ピクセル", 1, kLargestPupilSide, 512, "保存する瞳の一辺"},
    // The FFT command samples 512x512, and the ray trace takes its 128x128
    // from the same image.
    {"解析する瞳の一辺", "ピクセル", 512, 512, 512, "解析する瞳の一辺"},
    // A designer's lengths (aperture, obstruction, vane widths and offsets):
    // far beyond any amateur telescope, but finite, so that every value
    // typed can be drawn.
    {"設計の長さ", "mm", 0, 10000, 0, "設計の長さ"},
    // A curved vane's radius: nearly straight at the largest.
    {"曲がった支持板の半径", "mm", -1000000, 1000000, 0, "曲がった支持板の半径"},
    // Zernike terms up to the sixth radial order, in Noll's numbering.
    {"Zernike 項の番号", "", 1, 37, 4, "Zernike 項の番号 (Noll)"},
    // Beyond 0.1 mm no star image can be sampled on any grid the engine takes.
    {"Zernike 係数", "nm RMS", -100000, 100000, 0, "Zernike 係数"},
    {"焦点のずれ", "mm", -100, 100, 0, "焦点のずれ"},
    // The designer's aberration sliders: ±1000 nm RMS covers the star
    // test's default defocus (4 waves PV at 550 nm is 635 nm RMS) and
    // Strehl ratios down to nothing, in steps of 1 nm.
    {"設計画面の収差", "nm RMS", -1000, 1000, 0, "設計画面の収差スライダーの範囲"},
    // Each side of focus, in waves peak to valley; 4 is the classic test.
    {"スターテストの焦点はずし", "波長", 0.5, 50, 4, "スターテストの焦点はずし (PV)"},
    // Both ends included.
    {"スイープの点数", "点", 2, 1000, 9, "スイープの点数"},
    // From the smallest camera pixels made to large-format CCDs.
    {"画素の大きさ", "µm", 0.5, 100, 3.76, "画素の大きさ"},
    {"波長の数", "個", 8, 128, 31, "計算する波長の数"},
    {"色温度", "K", 1000, 50000, 5800, "黒体の温度"},
    {"視野の画素数", "画素", 1, 512, 64, "カメラ像の一辺の画素数"},
    // The sub-sampled grid: its planes and each wavelength's kernels grow
    // with its side.
    {"細分した格子の一辺", "点", 1, 4096, 512, "画素を細分した格子の一辺"},
    // A pixel of 50 λ/D (a short focal ratio) needs no finer sampling.
    {"画素の細分", "", 2, 64, 2, "画素一辺あたりの細分数"},
    // How many times the brightest pixel exceeds full well.
    {"露出", "倍", 1, 10000000, 1, "最も明るい画素が飽和の何倍か"},
    // A 0.01 nm table of the whole band is far below the largest.
    {"表の行数", "行", 2, 100000, 2, "スペクトルと感度の表の行数"},
    // Light outside this range is none that a telescope camera sees.
    {"表の波長", "nm", 100, 5000, 550, "スペクトルと感度の表の波長"},
    // A flat band's ends: the same light as a table's, 400-700 nm by default.
    {"帯域の短波長端", "nm", 100, 5000, 400, "平坦なスペクトルの短波長端"},
    {"帯域の長波長端", "nm", 100, 5000, 700, "平坦なスペクトルの長波長端"},
    // Half a pixel either way reaches every position within a pixel.
    {"星の位置のずれ", "画素", -0.5, 0.5, 0, "画素の中心からの星の位置のずれ"},
};

static_assert(std::size(kTable) == static_cast<std::size_t>(LimitId::kCount),
              "one row per limit, in the order of LimitId");

constexpr const Limit& Of(LimitId id) {
  return kTable[static_cast<int>(id)];
}

// Named accessors for the values code needs as constants.
constexpr const Limit& PupilSide() {
  return Of(LimitId::kPupilSide);
}
constexpr const Limit& PaddedSide() {
  return Of(LimitId::kPaddedSide);
}
constexpr const Limit& PadFactor() {
  return Of(LimitId::kPadFactor);
}
constexpr const Limit& WavelengthNm() {
  return Of(LimitId::kWavelengthNm);
}
constexpr const Limit& ApertureMm() {
  return Of(LimitId::kApertureMm);
}
constexpr const Limit& FocalLengthMm() {
  return Of(LimitId::kFocalLengthMm);
}
constexpr const Limit& ExportFieldLambdaOverD() {
  return Of(LimitId::kExportFieldLambdaOverD);
}
constexpr const Limit& ViewFieldLambdaOverD() {
  return Of(LimitId::kViewFieldLambdaOverD);
}
constexpr const Limit& Decades() {
  return Of(LimitId::kDecades);
}
constexpr const Limit& ZoomSide() {
  return Of(LimitId::kZoomSide);
}
constexpr const Limit& VaneCount() {
  return Of(LimitId::kVaneCount);
}
constexpr const Limit& SavedPupilSide() {
  return Of(LimitId::kSavedPupilSide);
}
constexpr const Limit& AnalysedPupilSide() {
  return Of(LimitId::kAnalysedPupilSide);
}
constexpr const Limit& DesignLengthMm() {
  return Of(LimitId::kDesignLengthMm);
}
constexpr const Limit& CurvedVaneRadiusMm() {
  return Of(LimitId::kCurvedVaneRadiusMm);
}
constexpr const Limit& NollIndex() {
  return Of(LimitId::kNollIndex);
}
constexpr const Limit& ZernikeRmsNm() {
  return Of(LimitId::kZernikeRmsNm);
}
constexpr const Limit& DefocusMm() {
  return Of(LimitId::kDefocusMm);
}
constexpr const Limit& DesignerAberrationNm() {
  return Of(LimitId::kDesignerAberrationNm);
}
constexpr const Limit& StarTestWaves() {
  return Of(LimitId::kStarTestWaves);
}
constexpr const Limit& SweepSteps() {
  return Of(LimitId::kSweepSteps);
}
constexpr const Limit& PixelPitchUm() {
  return Of(LimitId::kPixelPitchUm);
}
constexpr const Limit& WavelengthCount() {
  return Of(LimitId::kWavelengthCount);
}
constexpr const Limit& TemperatureK() {
  return Of(LimitId::kTemperatureK);
}
constexpr const Limit& CameraFieldPixels() {
  return Of(LimitId::kCameraFieldPixels);
}
constexpr const Limit& SubsampledSide() {
  return Of(LimitId::kSubsampledSide);
}
constexpr const Limit& Subsamples() {
  return Of(LimitId::kSubsamples);
}
constexpr const Limit& Exposure() {
  return Of(LimitId::kExposure);
}
constexpr const Limit& TableRows() {
  return Of(LimitId::kTableRows);
}
constexpr const Limit& TableWavelengthNm() {
  return Of(LimitId::kTableWavelengthNm);
}
constexpr const Limit& BandFromNm() {
  return Of(LimitId::kBandFromNm);
}
constexpr const Limit& BandToNm() {
  return Of(LimitId::kBandToNm);
}
constexpr const Limit& StarOffsetPixels() {
  return Of(LimitId::kStarOffsetPixels);
}

}  // namespace voka::limits
