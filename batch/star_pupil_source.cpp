// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/star_pupil_source.h"

#include <QCoreApplication>
#include <new>
#include <string>
#include <system_error>

#include "app/common/library_texts.h"
#include "app/common/limit_texts.h"
#include "batch/design_pupil.h"
#include "batch/run_context.h"
#include "dib/dib_draw.h"
#include "dib/dib_read.h"
#include "dib/dib_red_channel.h"
#include "dib/dib_refusal.h"
#include "limits/refusal.h"
#include "output/shown_text.h"
#include "psf/star_image.h"
#include "pupils/open_fraction_render.h"
#include "pupils/star_pupil.h"
#include "wavefront/opd_map.h"
#include "wavefront/wavefront_terms.h"

namespace voka {

namespace {

QString Shown(const std::string& name) {
  return QString::fromStdString(EscapedForDisplay(name));
}

void Tell(std::ostream& err, const QString& message) {
  err << message.toStdString() << '\n';
}

std::optional<psf::PupilField> LoadBitmapPupil(const std::string& pathText, std::ostream& err) {
  const std::filesystem::path path = PathFromArgument(pathText);
  DibRefusal reason = DibRefusal::kNone;
  DibHandle dib = DibReadPath(path, &reason);
  if (dib && !DibCanPaint(dib)) {
    dib = DibHandle();
    reason = DibRefusal::kUnsupportedForm;
  }
  if (!dib) {
    err << DibRefusalText(reason, path).toStdString() << '\n';
    return std::nullopt;
  }
  const RedChannel channel = DibRedChannel(dib, psf::kMaximumPupilSide);
  if (channel.red.empty()) {
    Tell(err,
         QCoreApplication::translate(
             "voka-batch",
             "ファイル「%1」は大きすぎます (一辺 %2 ピクセルまで)。縮小して保存し直してください。")
             .arg(Shown(pathText))
             .arg(psf::kMaximumPupilSide));
    return std::nullopt;
  }
  psf::PupilField pupil = psf::PupilFromRedChannel(channel.red, channel.width, channel.height);
  if (!psf::PupilLetsLightThrough(pupil)) {
    Tell(err,
         QCoreApplication::translate("voka-batch",
                                     "ファイル「%1」の瞳はどこも光を通しません (赤の成分がすべて "
                                     "0)。開口を赤または白で描いた画像を指定してください。")
             .arg(Shown(pathText)));
    return std::nullopt;
  }
  return pupil;
}

// A bitmap carries no wavefront: the command line's terms are its only one.
std::optional<StarPupilSource> LoadBitmapSource(const PupilSourceOptions& source,
                                                const OpticsOptions& optics,
                                                const WavefrontOptions& given, std::ostream& err) {
  std::optional<psf::PupilField> pupil = LoadBitmapPupil(source.pupilPath, err);
  if (!pupil) return std::nullopt;
  StarPupilSource loaded{std::move(*pupil), {}};
  loaded.settings.apertureDiameterMm =
      optics.apertureMm.value_or(limits::ApertureMm().defaultValue);
  loaded.settings.focalLengthMm =
      optics.focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
  wavefront::WavefrontTerms terms;
  ApplyWavefront(given, terms);
  if (!terms.Empty()) {
    const std::map<int, double> combined = wavefront::CombinedZernikeRmsNm(
        terms, loaded.settings.focalLengthMm, loaded.settings.apertureDiameterMm);
    loaded.defocusRmsNm = combined.contains(4) ? combined.at(4) : 0.0;
    loaded.pupil.opdNm = wavefront::OpdMapNm(combined, loaded.pupil.side);
  }
  return loaded;
}

std::optional<StarPupilSource> LoadDesignSource(const PupilSourceOptions& source,
                                                const OpticsOptions& optics,
                                                const WavefrontOptions& given, std::ostream& err) {
  std::optional<pupils::PupilDesign> design = LoadBatchDesign(source.designPath, err);
  if (!design) return std::nullopt;
  ApplyWavefront(given, design->wavefront);
  // The focal length converts a defocus shift into a wavefront, so it is
  // set before the pupil is drawn.
  if (optics.focalLengthMm) design->focalLengthMm = *optics.focalLengthMm;
  const int side = source.sidePixels.value_or(kDefaultDesignSidePixels);
  StarPupilSource loaded{pupils::StarPupilOfDesign(*design, side), {}};
  if (loaded.pupil.side == 0) {
    Tell(err, QCoreApplication::translate("voka-batch",
                                          "設計ファイル「%1」を一辺 %2 ピクセルで描けませんでした "
                                          "(一辺 %3 ピクセルまで)。--size を小さくしてください。")
                  .arg(Shown(source.designPath))
                  .arg(side)
                  .arg(pupils::kMaxRenderSidePixels));
    return std::nullopt;
  }
  if (!psf::PupilLetsLightThrough(loaded.pupil)) {
    Tell(err, QCoreApplication::translate(
                  "voka-batch",
                  "設計ファイル「%1」の瞳はどこも光を通しません。開口を設計し直してください。")
                  .arg(Shown(source.designPath)));
    return std::nullopt;
  }
  loaded.settings.apertureDiameterMm = optics.apertureMm.value_or(design->apertureDiameterMm);
  loaded.settings.focalLengthMm =
      design->focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
  const std::map<int, double> combined = wavefront::CombinedZernikeRmsNm(
      design->wavefront, loaded.settings.focalLengthMm, design->apertureDiameterMm);
  loaded.defocusRmsNm = combined.contains(4) ? combined.at(4) : 0.0;
  return loaded;
}

// Whether the padded grid is within the table's limit; says why not on `err`.
bool PaddedGridFits(int pupilSide, int padFactor, std::ostream& err) {
  if (static_cast<long long>(pupilSide) * padFactor <= psf::kMaximumPaddedSide) return true;
  Tell(err, QCoreApplication::translate(
                "voka-batch",
                "瞳 %1 ピクセルを %2 倍に広げた格子は大きすぎます (一辺 %3 まで)。--pad "
                "を小さくするか、小さな瞳を使ってください。")
                .arg(pupilSide)
                .arg(padFactor)
                .arg(psf::kMaximumPaddedSide));
  return false;
}

}  // namespace

std::optional<StarPupilSource> LoadStarPupil(const PupilSourceOptions& source,
                                             const OpticsOptions& optics,
                                             const WavefrontOptions& wavefront, std::ostream& err,
                                             int& status) {
  status = kBatchUsageError;
  // A design's side is known before it is drawn: a grid too large is
  // refused before the drawing's memory and time are spent.
  if (!source.designPath.empty() &&
      !PaddedGridFits(source.sidePixels.value_or(kDefaultDesignSidePixels), optics.padFactor,
                      err)) {
    return std::nullopt;
  }
  status = kBatchFailure;
  std::optional<StarPupilSource> loaded = source.designPath.empty()
                                              ? LoadBitmapSource(source, optics, wavefront, err)
                                              : LoadDesignSource(source, optics, wavefront, err);
  if (!loaded) return std::nullopt;
  loaded->settings.padFactor = optics.padFactor;
  loaded->settings.wavelengthNm = optics.wavelengthNm;
  // A design's own aperture and focal length were not checked with the arguments.
  if (const auto refusal = psf::CheckPsfSettings(loaded->settings)) {
    Tell(err, QCoreApplication::translate("voka-batch",
                                          "設計ファイル「%1」: %2--aperture-mm "
                                          "で口径を指定してください。")
                  .arg(Shown(source.designPath), LimitRefusalText(*refusal)));
    return std::nullopt;
  }
  if (!PaddedGridFits(loaded->pupil.side, optics.padFactor, err)) {
    status = kBatchUsageError;
    return std::nullopt;
  }
  return loaded;
}

bool ReadStarPupilGroups(const ParsedArguments& parsed, std::string_view command,
                         PupilSourceOptions& source, OpticsOptions& optics,
                         WavefrontOptions& wavefront, std::string& error) {
  source = ReadPupilSource(parsed);
  if (!ReadOpticsAndWavefront(parsed, optics, wavefront, error)) return false;
  if (source.pupilPath.empty() && source.designPath.empty()) {
    error = QCoreApplication::translate("voka-batch",
                                        "%1 には瞳の画像か --design で瞳の設計を指定してください。")
                .arg(QString::fromUtf8(command.data(), static_cast<qsizetype>(command.size())))
                .toStdString();
    return false;
  }
  if (source.sidePixels && source.designPath.empty()) {
    error = QCoreApplication::translate(
                "voka-batch",
                "--size は設計ファイル (--design) にだけ使えます。BMP は自身の大きさで計算します。")
                .toStdString();
    return false;
  }
  return true;
}

int RunWithinResources(const std::function<int()>& run, const RunContext& context,
                       const QString& outOfMemory) {
  try {
    return run();
  } catch (const std::bad_alloc&) {
    if (context.showProgress) context.err << '\n';
    Tell(context.err, outOfMemory);
  } catch (const std::system_error&) {
    if (context.showProgress) context.err << '\n';
    Tell(context.err, QCoreApplication::translate(
                          "voka-batch",
                          "計算するスレッドを起動できませんでした。ほかのプログラムを閉じてから、"
                          "もう一度実行してください。"));
  }
  return kBatchFailure;
}

void ApplyWavefront(const WavefrontOptions& given, wavefront::WavefrontTerms& terms) {
  for (const auto& [noll, nm] : given.zernikeNmRms) {
    if (nm == 0.0) {
      terms.zernikeRmsNm.erase(noll);
    } else {
      terms.zernikeRmsNm[noll] = nm;
    }
  }
  if (given.defocusMm) terms.defocusMm = *given.defocusMm;
  if (terms.defocusMm == 0.0) terms.defocusMm.reset();
}

}  // namespace voka
