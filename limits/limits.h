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

}  // namespace voka::limits
