// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/sweep_command.h"

#include <QCoreApplication>

#include "app/common/library_texts.h"
#include "app/common/limit_texts.h"
#include "batch/design_pupil.h"
#include "batch/pending_files.h"
#include "batch/star_pupil_source.h"
#include "output/shown_text.h"
#include "studies/sweep_csv.h"
#include "studies/sweep_request.h"
#include "studies/sweep_run.h"

namespace voka {

namespace {

void Tell(std::ostream& err, const QString& message) {
  err << message.toStdString() << '\n';
}

QString ParameterProblemText(pupils::ParameterProblem problem) {
  switch (problem) {
    case pupils::ParameterProblem::kNone:
      break;
    case pupils::ParameterProblem::kMalformed:
    case pupils::ParameterProblem::kUnknownField:
      return QCoreApplication::translate(
          "voka-batch",
          "設計にその数はありません（例: vanes[0].angle_deg、vanes[*].width_mm、"
          "obstruction.offset_x_mm）。");
    case pupils::ParameterProblem::kNoSuchVane:
      return QCoreApplication::translate(
          "voka-batch",
          "その番号の支持板は設計にありません（vanes[i] はファイルの順に 0 から数えます）。");
    case pupils::ParameterProblem::kWrongShape:
      return QCoreApplication::translate(
          "voka-batch",
          "その支持板の形にない数です（offset_mm は直線、radius_mm は曲線の支持板）。");
    case pupils::ParameterProblem::kNoVanes:
      return QCoreApplication::translate("voka-batch",
                                         "支持板のない設計に vanes[*] は使えません。");
  }
  return {};
}

QString SweepProblemText(const pupils::SweepParse& parse, const std::string& typed) {
  const QString shown = QString::fromStdString(EscapedForDisplay(typed));
  switch (parse.problem) {
    case pupils::SweepProblem::kNone:
      break;
    case pupils::SweepProblem::kParameter:
      return QCoreApplication::translate("voka-batch", "--sweep「%1」: %2")
          .arg(shown, ParameterProblemText(parse.parameterProblem));
    case pupils::SweepProblem::kSteps:
      return QCoreApplication::translate(
                 "voka-batch", "--sweep「%1」: 点数 STEPS には %2 の整数を指定してください。")
          .arg(shown, LimitRangeText(limits::SweepSteps()));
    case pupils::SweepProblem::kMalformed:
    case pupils::SweepProblem::kNumber:
      break;
  }
  return QCoreApplication::translate(
             "voka-batch",
             "--sweep には 'PATH=FROM:TO:STEPS' を指定してください（FROM と TO はその数の値、"
             "STEPS は両端を含む点数）。「%1」は使えません。")
      .arg(shown);
}

QString SweepRefusalText(const studies::SweepRefusal& refusal) {
  switch (refusal.kind) {
    case studies::SweepRefusalKind::kParameter:
      return ParameterProblemText(refusal.parameterProblem);
    case studies::SweepRefusalKind::kStepDesign:
      return QCoreApplication::translate("voka-batch",
                                         "値 %1 の設計は描けません: %2 範囲を変えてください。")
          .arg(refusal.stepValue)
          .arg(DesignProblemText(refusal.designProblem));
    case studies::SweepRefusalKind::kSettings:
      return QCoreApplication::translate("voka-batch", "値 %1 では %2")
          .arg(refusal.stepValue)
          .arg(refusal.settingsRefusal ? LimitRefusalText(*refusal.settingsRefusal) : QString());
    case studies::SweepRefusalKind::kPupilSide:
    case studies::SweepRefusalKind::kGridTooLarge:
      return QCoreApplication::translate(
                 "voka-batch",
                 "格子 (N × Q) が一辺 %1 を超えます。--size か --pad を小さくしてください。")
          .arg(psf::kMaximumPaddedSide);
  }
  return {};
}

int RunWithinMemory(const SweepCommandOptions& options, const RunContext& context) {
  // The design as --psf would take it: the command line's wavefront and
  // focal length over its own.
  std::optional<pupils::PupilDesign> design = LoadBatchDesign(options.designPath, context.err);
  if (!design) return kBatchFailure;
  ApplyWavefront(options, design->wavefront);
  if (options.focalLengthMm) design->focalLengthMm = *options.focalLengthMm;

  studies::SweepRequest request;
  request.design = *design;
  request.range = options.range;
  request.pupilSide = options.sidePixels.value_or(kDefaultDesignSidePixels);
  request.settings.padFactor = options.padFactor;
  request.settings.wavelengthNm = options.wavelengthNm;
  request.settings.focalLengthMm =
      design->focalLengthMm.value_or(limits::FocalLengthMm().defaultValue);
  request.apertureFromDesign = !options.apertureMm;
  request.settings.apertureDiameterMm = options.apertureMm.value_or(design->apertureDiameterMm);
  if (const std::optional<studies::SweepRefusal> refusal = studies::CheckSweep(request)) {
    Tell(context.err,
         QCoreApplication::translate("voka-batch", "--sweep: %1").arg(SweepRefusalText(*refusal)));
    return kBatchUsageError;
  }
  psf::PsfProgress progress;
  const std::string what = QCoreApplication::translate("voka-batch", "掃引を計算中").toStdString();
  if (context.showProgress) {
    progress.progress = [&context, &what](int position) {
      ShowProgress(context.err, true, position, what);
    };
  }
  const studies::SweepResult result = studies::RunSweep(request, progress);
  if (context.showProgress) context.err << '\n';
  if (result.end != studies::SweepEnd::kDone) {
    Tell(context.err, QCoreApplication::translate(
                          "voka-batch", "値 %1 の瞳はどこも光を通しません。範囲を変えてください。")
                          .arg(result.failedValue));
    return kBatchFailure;
  }
  context.out << QCoreApplication::translate("voka-batch", "%1 点を計算しました。")
                     .arg(result.steps.size())
                     .toStdString()
              << '\n';
  return WritePendingFiles({{options.csvPath, studies::SweepCsv(options.range.path, result.steps)}},
                           context.err)
             ? kBatchSuccess
             : kBatchFailure;
}

}  // namespace

std::optional<SweepCommandOptions> ReadSweepCommand(const ParsedArguments& parsed,
                                                    std::string& error) {
  SweepCommandOptions options;
  static_cast<PupilSourceOptions&>(options) = ReadPupilSource(parsed);
  if (!ReadOpticsAndWavefront(parsed, options, options, error)) return std::nullopt;
  const std::string& typed = parsed.commandValues.at(0);
  const pupils::SweepParse parse = pupils::ParseSweepRange(typed);
  if (!parse.sweep) {
    error = SweepProblemText(parse, typed).toStdString();
    return std::nullopt;
  }
  options.range = *parse.sweep;
  options.csvPath = parsed.Text("--csv");
  if (options.designPath.empty() || options.csvPath.empty()) {
    error = QCoreApplication::translate(
                "voka-batch",
                "--sweep には --design で設計を、--csv で書き出すファイルを指定してください。")
                .toStdString();
    return std::nullopt;
  }
  return options;
}

int RunCommand(const SweepCommandOptions& options, const RunContext& context) {
  return RunWithinResources(
      [&] { return RunWithinMemory(options, context); }, context,
      QCoreApplication::translate(
          "voka-batch",
          "掃引を計算するメモリが足りません。--size か --pad を小さくしてください。"));
}

std::vector<RunOutput> OutputsOf(const SweepCommandOptions& options, const RunContext&) {
  return {{"--csv", PathFromArgument(options.csvPath), OutputKind::kSweepCsv}};
}

}  // namespace voka
