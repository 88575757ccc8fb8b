// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/camera_view/camera_view_job.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <new>
#include <system_error>

#include "app/common/language.h"
#include "camera/light_tables_csv.h"

namespace voka {

namespace {

// A spectrum or response table of the largest row count is far below this.
constexpr qint64 kLargestCsvBytes = 16 * 1024 * 1024;

QString CsvProblemText(const camera::CsvProblem& problem) {
  if (CurrentLanguage() == Language::kJapanese)
    return QString::fromStdString(camera::CsvProblemMessage(problem));
  const QString where =
      problem.line > 0
          ? QCoreApplication::translate("voka::CameraJob", "%1 行目: ").arg(problem.line)
          : QString();
  switch (problem.reason) {
    case camera::CsvRefusal::kNone:
      return {};
    case camera::CsvRefusal::kNotText:
      return QCoreApplication::translate(
          "voka::CameraJob",
          "テキストの CSV ではありません。波長 (nm) と値をカンマで区切って書いてください。");
    case camera::CsvRefusal::kFieldCount:
      return where + QCoreApplication::translate("voka::CameraJob",
                                                 "項目の数が合いません。スペクトルは「波長,重み」、"
                                                 "感度は「波長,R,G,B」です。");
    case camera::CsvRefusal::kNotANumber:
      return where +
             QCoreApplication::translate("voka::CameraJob", "数値として読めない項目があります。");
    case camera::CsvRefusal::kWavelengthRange:
      return where +
             QCoreApplication::translate("voka::CameraJob", "波長は %1 から %2 nm にしてください。")
                 .arg(camera::kShortestCsvWavelengthNm)
                 .arg(camera::kLongestCsvWavelengthNm);
    case camera::CsvRefusal::kNotAscending:
      return where + QCoreApplication::translate("voka::CameraJob",
                                                 "波長は上から順に増えるように並べてください。");
    case camera::CsvRefusal::kNegativeWeight:
      return where +
             QCoreApplication::translate("voka::CameraJob", "重みと感度は 0 以上にしてください。");
    case camera::CsvRefusal::kTooFewRows:
      return QCoreApplication::translate("voka::CameraJob", "数値の行が 2 行以上必要です。");
    case camera::CsvRefusal::kTooManyRows:
      return where + QCoreApplication::translate("voka::CameraJob", "行が多すぎます (%1 行まで)。")
                         .arg(camera::kMaximumCsvRows);
  }
  return {};
}

// The file's text, or why there is none.
std::optional<std::string> ReadCsv(const QString& path, QString& refusal) {
  QFile file(path);
  const QString name = QFileInfo(path).fileName();
  if (!file.open(QIODevice::ReadOnly)) {
    refusal = QCoreApplication::translate("voka::CameraJob",
                                          "「%1」を開けません。ファイルを選び直してください。")
                  .arg(name);
    return std::nullopt;
  }
  if (file.size() > kLargestCsvBytes) {
    refusal = QCoreApplication::translate("voka::CameraJob",
                                          "「%1」は大きすぎます。波長と値の表を選んでください。")
                  .arg(name);
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The request's files read into its settings; empty when all went well.
QString ReadFiles(const CameraRequest& request, camera::CameraSettings& settings) {
  QString refusal;
  if (settings.spectrum.kind == camera::SpectrumKind::kTable) {
    const std::optional<std::string> text = ReadCsv(request.files.spectrumPath, refusal);
    if (!text) return refusal;
    const camera::SpectrumCsv csv = camera::ParseSpectrumCsv(*text);
    if (!csv.spectrum)
      return QCoreApplication::translate("voka::CameraJob", "スペクトル「%1」: %2")
          .arg(QFileInfo(request.files.spectrumPath).fileName(), CsvProblemText(csv.problem));
    settings.spectrum = *csv.spectrum;
  }
  if (settings.colour == camera::ColourMode::kCamera && !request.files.responsePath.isEmpty()) {
    const std::optional<std::string> text = ReadCsv(request.files.responsePath, refusal);
    if (!text) return refusal;
    const camera::ResponseCsv csv = camera::ParseResponseCsv(*text);
    if (!csv.response)
      return QCoreApplication::translate("voka::CameraJob", "感度「%1」: %2")
          .arg(QFileInfo(request.files.responsePath).fileName(), CsvProblemText(csv.problem));
    settings.response = *csv.response;
  }
  return {};
}

QString CameraRefusalText(camera::CameraRefusal refusal) {
  switch (refusal) {
    case camera::CameraRefusal::kNone:
      return {};
    case camera::CameraRefusal::kNoLight:
      return QCoreApplication::translate(
          "voka::CameraJob", "瞳が光を通しません。遮蔽やスパイダーを小さくしてください。");
    case camera::CameraRefusal::kSettings:
      return QCoreApplication::translate("voka::CameraJob",
                                         "画素の大きさ、焦点距離、口径と視野を見直してください。");
    case camera::CameraRefusal::kSpectrum:
      return QCoreApplication::translate("voka::CameraJob",
                                         "帯域に光がありません。スペクトルを見直してください。");
    case camera::CameraRefusal::kSubsampling:
      return QCoreApplication::translate(
          "voka::CameraJob",
          "画素が粗すぎて細分できません。画素を小さくするか焦点距離を"
          "長くしてください。");
    case camera::CameraRefusal::kFineGridTooLarge:
      return QCoreApplication::translate(
          "voka::CameraJob",
          "細分した格子が大きすぎます。視野の画素数を減らすか、画素を小さく"
          "するか焦点距離を短くしてください。");
  }
  return {};
}

CameraOutcomeForWindow Refused(QString why) {
  return {CameraEnd::kRefused, nullptr, std::move(why)};
}

CameraOutcomeForWindow ComputeWithinMemory(const CameraRequest& request, const CancelFlag& cancel,
                                           const ProgressSink& progress) {
  const auto start = std::chrono::steady_clock::now();
  progress(0);
  auto computation = std::make_shared<CameraComputation>();
  computation->pupilVersion = request.pupilVersion;
  computation->settings = request.settings;
  if (const QString refusal = ReadFiles(request, computation->settings); !refusal.isEmpty())
    return Refused(refusal);
  computation->pupil = request.pupil;
  if (!computation->pupil && request.renderPupil) {
    auto drawn = std::make_shared<psf::PupilField>(request.renderPupil(kCameraDesignSide));
    if (drawn->side > 0) computation->pupil = std::move(drawn);
  }
  if (!computation->pupil)
    return Refused(QCoreApplication::translate("voka::CameraJob",
                                               "瞳を描けませんでした。設計を見直してください。"));
  if (computation->pupil->side > kCameraLargestPupilSide)
    return Refused(
        QCoreApplication::translate("voka::CameraJob",
                                    "瞳の画像が大きすぎます (一辺 %1 画素まで)。小さい画像を"
                                    "開いてください。")
            .arg(kCameraLargestPupilSide));
  if (cancel.IsRaised()) return {};
  const psf::PsfProgress engineProgress{[&progress](int percent) { progress(percent); },
                                        [&cancel] { return cancel.IsRaised(); }};
  camera::CameraOutcome outcome =
      request.renderer->Render(*computation->pupil, computation->settings, engineProgress);
  if (!outcome.image) {
    if (cancel.IsRaised()) return {};
    return Refused(CameraRefusalText(outcome.refusal));
  }
  computation->image = std::move(*outcome.image);
  computation->numbers =
      camera::ComputeCameraNumbers(computation->image, computation->settings, *computation->pupil);
  if (cancel.IsRaised()) return {};
  progress(100);
  computation->seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return {CameraEnd::kDone, std::move(computation), {}};
}

}  // namespace

CameraOutcomeForWindow ComputeCameraForWindow(const CameraRequest& request,
                                              const CancelFlag& cancel,
                                              const ProgressSink& progress) {
  try {
    return ComputeWithinMemory(request, cancel, progress);
  } catch (const std::bad_alloc&) {
    return Refused(
        QCoreApplication::translate("voka::CameraJob",
                                    "カメラ像を計算するメモリが足りません。視野の画素数か"
                                    "波長の数を減らしてください。"));
  } catch (const std::system_error&) {
    return Refused(
        QCoreApplication::translate("voka::CameraJob",
                                    "カメラ像を計算するスレッドを起動できませんでした。ほかの"
                                    "プログラムを閉じてから、もう一度計算してください。"));
  }
}

}  // namespace voka
