// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/output_check.h"

#include <QCoreApplication>
#include <QString>
#include <fstream>
#include <string_view>
#include <system_error>

#include "batch/numbers_json.h"
#include "output/existing_content.h"
#include "output/shown_text.h"
#include "psf/curves_csv.h"
#include "psf/fits_export.h"
#include "studies/sweep_csv.h"

namespace voka {

namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("voka-batch", text);
}

namespace fs = std::filesystem;

// Every PNG file begins with these eight bytes.
constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";
// Every Windows bitmap file begins with these two bytes.
constexpr std::string_view kBitmapSignature = "BM";
// The numbers file is a few kilobytes; anything far larger is not one.
constexpr std::uintmax_t kLargestNumbersJsonBytes = 16u << 20;

// Links resolved and "." or ".." gone, whether or not the files exist yet;
// a link to a file not yet made is the file it will make.
fs::path Resolved(const fs::path& path, std::error_code& error) {
  constexpr int kMostLinks = 40;  // as the kernel follows, before ELOOP
  fs::path current = fs::absolute(path, error);
  // A name that is not there yet is no link; that is no error here.
  const auto isLink = [](const fs::path& path) {
    std::error_code ignored;
    return fs::is_symlink(path, ignored);
  };
  for (int i = 0; !error && i < kMostLinks && isLink(current); ++i) {
    const fs::path target = fs::read_symlink(current, error);
    current = target.is_absolute() ? target : current.parent_path() / target;
  }
  if (error) return current;
  return fs::weakly_canonical(current, error);
}

bool SameFile(const fs::path& a, const fs::path& b) {
  // Hard links and bind mounts are one file only by identity.
  std::error_code error;
  if (fs::equivalent(a, b, error) && !error) return true;
  error.clear();
  const auto first = Resolved(a, error);
  if (error) return false;
  const auto second = Resolved(b, error);
  return !error && first == second;
}

// The numbers file is recognised by what it holds, not by its first bytes:
// JSON may begin with any of its keys.
ExistingContent ExistingNumbersJson(const fs::path& target) {
  std::error_code error;
  if (!fs::is_regular_file(target, error)) return ExistingContent::kNothingToLose;
  const std::uintmax_t size = fs::file_size(target, error);
  if (error) return ExistingContent::kUnreadable;
  if (size == 0) return ExistingContent::kNothingToLose;
  if (size > kLargestNumbersJsonBytes) return ExistingContent::kOtherKind;
  std::ifstream in(target, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!in || static_cast<std::uintmax_t>(in.gcount()) != size) return ExistingContent::kUnreadable;
  return IsNumbersJson(bytes) ? ExistingContent::kSameKind : ExistingContent::kOtherKind;
}

// A sweep's CSV names its parameter first, then the numbers in a fixed order.
ExistingContent ExistingSweepCsv(const fs::path& target) {
  std::error_code error;
  if (!fs::is_regular_file(target, error)) return ExistingContent::kNothingToLose;
  if (fs::file_size(target, error) == 0 && !error) return ExistingContent::kNothingToLose;
  std::ifstream in(target, std::ios::binary);
  std::string firstLine(1024, '\0');
  in.read(firstLine.data(), static_cast<std::streamsize>(firstLine.size()));
  if (in.bad()) return ExistingContent::kUnreadable;
  firstLine.resize(static_cast<std::size_t>(in.gcount()));
  firstLine = firstLine.substr(0, firstLine.find('\n'));
  return firstLine.find(studies::kSweepColumnsHeader) != std::string::npos
             ? ExistingContent::kSameKind
             : ExistingContent::kOtherKind;
}

ExistingContent ExistingContentFor(const RunOutput& output) {
  switch (output.kind) {
    case OutputKind::kTable:
      return ExistingContent::kSameKind;  // the program's own fixed name
    case OutputKind::kPng:
      return ExistingContentOf(output.path, kPngSignature);
    case OutputKind::kFits:
      return ExistingContentOf(output.path, psf::kFitsSignature);
    case OutputKind::kPupilBitmap:
      return ExistingContentOf(output.path, kBitmapSignature);
    case OutputKind::kCurvesCsv:
      return ExistingContentOf(output.path, psf::kCurvesCsvFirstLine);
    case OutputKind::kSweepCsv:
      return ExistingSweepCsv(output.path);
    case OutputKind::kNumbersJson:
      return ExistingNumbersJson(output.path);
  }
  return ExistingContent::kUnreadable;
}

const char* KindName(OutputKind kind) {
  switch (kind) {
    case OutputKind::kTable:
      return QT_TRANSLATE_NOOP("voka-batch", "表");
    case OutputKind::kPng:
      return "PNG";
    case OutputKind::kFits:
      return "FITS";
    case OutputKind::kPupilBitmap:
      return "BMP";
    case OutputKind::kCurvesCsv:
    case OutputKind::kSweepCsv:
      return QT_TRANSLATE_NOOP("voka-batch", "このプログラムの CSV");
    case OutputKind::kNumbersJson:
      return QT_TRANSLATE_NOOP("voka-batch", "このプログラムの JSON");
  }
  return "";
}

// How the kind was told, for the user to check the file.
const char* KindEvidence(OutputKind kind) {
  switch (kind) {
    case OutputKind::kPng:
      return QT_TRANSLATE_NOOP("voka-batch", "PNG の印で始まっていません");
    case OutputKind::kFits:
      return QT_TRANSLATE_NOOP("voka-batch", "「SIMPLE  =」で始まっていません");
    case OutputKind::kPupilBitmap:
      return QT_TRANSLATE_NOOP("voka-batch", "「BM」で始まっていません");
    case OutputKind::kCurvesCsv:
      return QT_TRANSLATE_NOOP("voka-batch", "星像の曲線の見出し行で始まっていません");
    case OutputKind::kSweepCsv:
      return QT_TRANSLATE_NOOP("voka-batch", "掃引の見出し行で始まっていません");
    case OutputKind::kNumbersJson:
      return QT_TRANSLATE_NOOP("voka-batch", "星像の数値を書いた JSON ではありません");
    case OutputKind::kTable:
      break;
  }
  return "";
}

std::optional<OutputRefusal> RefusalOfContent(const RunOutput& output) {
  switch (ExistingContentFor(output)) {
    case ExistingContent::kNothingToLose:
    case ExistingContent::kSameKind:
      return std::nullopt;
    case ExistingContent::kOtherKind:
      return OutputRefusal{OutputRefusalReason::kOtherKind, output, std::nullopt};
    case ExistingContent::kUnreadable:
      return OutputRefusal{OutputRefusalReason::kUnreadable, output, std::nullopt};
  }
  return std::nullopt;
}

}  // namespace

std::optional<OutputRefusal> FindOutputRefusal(const std::vector<RunOutput>& outputs,
                                               const std::vector<RunInput>& inputs) {
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const RunOutput& output = outputs[i];
    for (std::size_t j = 0; j < i; ++j) {
      if (SameFile(output.path, outputs[j].path)) {
        return OutputRefusal{OutputRefusalReason::kNamesAnotherOutput, output, outputs[j]};
      }
    }
    if (std::optional<OutputRefusal> refusal = RefusalOfContent(output)) return refusal;
    for (const RunInput& input : inputs) {
      if (SameFile(output.path, input.path)) {
        return OutputRefusal{OutputRefusalReason::kNamesAnInput, output, std::nullopt, input.role};
      }
    }
  }
  return std::nullopt;
}

std::string OutputRefusalMessage(const OutputRefusal& refusal) {
  const QString file = QString::fromStdString(ShownPath(refusal.output.path));
  const QString option = QString::fromStdString(refusal.output.option);
  const QString kind = Tr(KindName(refusal.output.kind));
  QString message;
  switch (refusal.reason) {
    case OutputRefusalReason::kNamesAnotherOutput:
      message =
          refusal.otherOutput->kind == OutputKind::kTable
              ? QCoreApplication::translate(
                    "voka-batch",
                    "%1 には表を書くので、%2 の保存先にはできません。別の名前を指定してください。")
                    .arg(file, option)
              : QCoreApplication::translate("voka-batch",
                                            "%1 には %2 で書き出すので、%3 "
                                            "の保存先にはできません。別の名前を指定してください。")
                    .arg(file, QString::fromStdString(refusal.otherOutput->option), option);
      break;
    case OutputRefusalReason::kOtherKind:
      message = QCoreApplication::translate("voka-batch",
                                            "%1 は %2 ではないファイルなので、%3 "
                                            "で上書きしません（%4）。別の名前を指定してください。")
                    .arg(file, kind, option, Tr(KindEvidence(refusal.output.kind)));
      break;
    case OutputRefusalReason::kUnreadable:
      message =
          QCoreApplication::translate(
              "voka-batch",
              "%1 の中身を読めず %2 かどうか確かめられないので、%3 で上書きしません。別の名前を"
              "指定してください。")
              .arg(file, kind, option);
      break;
    case OutputRefusalReason::kNamesAnInput:
      message =
          QCoreApplication::translate(
              "voka-batch",
              "%1 は読み込む%2なので、%3 の保存先にはできません。別の名前を指定してください。")
              .arg(file, Tr(refusal.inputRole), option);
      break;
  }
  return message.toStdString();
}

}  // namespace voka
