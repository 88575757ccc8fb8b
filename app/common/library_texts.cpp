// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/library_texts.h"

#include <QCoreApplication>
#include <string>

#include "analysis/analysis_messages.h"
#include "app/common/language.h"
#include "output/shown_text.h"
#include "output/write_failure_message.h"
#include "pupils/design_presets.h"
#include "sine_transform/work_areas.h"
#include "wavefront/wavefront_terms.h"
#include "wavefront/zernike.h"

namespace voka {

namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Texts noted with QT_TRANSLATE_NOOP, translated when they are shown.
QString Translated(const char* sourceText) {
  return QCoreApplication::translate("voka::LibraryTexts", sourceText);
}

bool Japanese() {
  return CurrentLanguage() == Language::kJapanese;
}

QString DibExplanation(DibRefusal reason) {
  switch (reason) {
    case DibRefusal::kNone:
      return {};
    case DibRefusal::kCannotOpen:
      return QCoreApplication::translate("voka::LibraryTexts", "ファイル「%1」を開けません。");
    case DibRefusal::kTooShort:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」は短すぎてビットマップではありません。");
    case DibRefusal::kNotBitmap:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」は BMP 形式ではありません。");
    case DibRefusal::kTruncated:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」は途中で切れています。");
    case DibRefusal::kDamagedRle:
      return QCoreApplication::translate(
          "voka::LibraryTexts", "ファイル「%1」の圧縮された画素データ（RLE）が壊れています。");
    case DibRefusal::kDamagedHeader:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」のビットマップ情報が壊れています。");
    case DibRefusal::kTooLarge:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」は大きすぎて読み込めません。");
    case DibRefusal::kUnsupportedForm:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ファイル「%1」は表示できない BMP 形式です。");
  }
  return {};
}

const char* WriteReason(const std::error_code& error) {
  const std::error_condition condition = error.default_error_condition();
  if (condition == std::errc::permission_denied)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts",
                             "書き込みが許可されていないか、ほかのプログラムが使用中です");
  if (condition == std::errc::operation_not_permitted)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "書き込みが許可されていません");
  if (condition == std::errc::read_only_file_system)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "読み取り専用のドライブです");
  if (condition == std::errc::no_such_file_or_directory || condition == std::errc::not_a_directory)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "フォルダーが見つかりません");
  if (condition == std::errc::is_a_directory)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "同じ名前のフォルダーがあります");
  if (condition == std::errc::no_space_on_device)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "ディスクに空きがありません");
  if (condition == std::errc::file_too_large)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "ファイルが大きすぎます");
  if (condition == std::errc::device_or_resource_busy)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "ほかのプログラムが使用中です");
  if (condition == std::errc::too_many_symbolic_link_levels)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "シンボリックリンクが循環しています");
  if (condition == std::errc::no_such_device_or_address)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "読み出す側のいないパイプです");
  if (condition == std::errc::filename_too_long)
    return QT_TRANSLATE_NOOP("voka::LibraryTexts", "名前が長すぎます");
  return nullptr;
}

// The faults of a design file's text.
QString DesignFileReason(const pupils::DesignProblem& problem) {
  using enum pupils::DesignProblemKind;
  switch (problem.kind) {
    case kNotJson:
      return QCoreApplication::translate(
                 "voka::LibraryTexts",
                 "JSON として読めません（%1 バイト目: %2）。"
                 "テキストエディターで直すか、設計画面で保存し直してください。")
          .arg(problem.textOffset)
          .arg(Utf8(problem.parserMessage));
    case kNotJsonObject:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "{ } で囲んだ JSON の設計ではありません。");
    case kNotDesignFile:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "ありません。瞳の設計ファイルではないようです。");
    case kUnknownVersion:
      return QCoreApplication::translate(
          "voka::LibraryTexts",
          "1 か 2 ではありません。この版で読める設計ファイルは 1 と 2 です。");
    case kUnknownKey:
      return QCoreApplication::translate(
          "voka::LibraryTexts", "知らない項目です。綴りを確かめるか、取り除いてください。");
    case kMissingKey:
      return QCoreApplication::translate("voka::LibraryTexts", "ありません。書き加えてください。");
    case kNotNumber:
      return QCoreApplication::translate("voka::LibraryTexts", "数値にしてください。");
    case kNotObject:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "{ } で囲んだ項目の集まりにしてください。");
    case kVanesNotArray:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "[ ] で囲んだ並びにしてください（支持板なしは []）。");
    case kShapeMissing:
      return QCoreApplication::translate(
          "voka::LibraryTexts", "ありません。\"straight\" か \"curved\" を書き加えてください。");
    case kShapeNotString:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "文字列 \"straight\" か \"curved\" にしてください。");
    case kShapeUnknown:
      return QCoreApplication::translate(
          "voka::LibraryTexts", "\"straight\"（直線）か \"curved\"（曲線）にしてください。");
    case kNollKeyInvalid:
      return QCoreApplication::translate(
                 "voka::LibraryTexts",
                 "Zernike 項の番号 (Noll) は \"1\" から \"%1\" の文字列にしてください。")
          .arg(wavefront::kMaximumNollIndex);
    default:
      break;
  }
  return Utf8(problem.reason);
}

QString DesignReason(const pupils::DesignProblem& problem) {
  switch (problem.kind) {
    case pupils::DesignProblemKind::kOther:
      break;
    case pupils::DesignProblemKind::kNotFinite:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "数値が有限ではありません。普通の数値を書いてください。");
    case pupils::DesignProblemKind::kApertureNotPositive:
    case pupils::DesignProblemKind::kVaneWidthNotPositive:
      return QCoreApplication::translate("voka::LibraryTexts", "0 より大きい値にしてください。");
    case pupils::DesignProblemKind::kObstructionNegative:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "0 以上の値にしてください（0 は遮蔽なし）。");
    case pupils::DesignProblemKind::kObstructionTooLarge:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "口径（aperture_mm）より小さい値にしてください。");
    case pupils::DesignProblemKind::kCurveTooTight:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "絶対値を口径（aperture_mm）の 1/4 以上にしてください。"
                                         "それより小さい半径の弧は縁まで届きません。");
    case pupils::DesignProblemKind::kTooManyVanes:
      return QCoreApplication::translate("voka::LibraryTexts", "支持板は %1 本までにしてください。")
          .arg(pupils::kMaxVanes);
    case pupils::DesignProblemKind::kNollIndexOutOfRange:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "Zernike 項の番号 (Noll) は 1 から %1 にしてください。")
          .arg(wavefront::kMaximumNollIndex);
    case pupils::DesignProblemKind::kZernikeTooLarge:
      return QCoreApplication::translate("voka::LibraryTexts", "±%1 nm の範囲にしてください。")
          .arg(static_cast<int>(wavefront::kMaximumZernikeRmsNm));
    case pupils::DesignProblemKind::kFocalNotPositive:
      return QCoreApplication::translate("voka::LibraryTexts", "0 より大きい値にしてください。");
    case pupils::DesignProblemKind::kDefocusTooLarge:
      return QCoreApplication::translate("voka::LibraryTexts", "±%1 mm の範囲にしてください。")
          .arg(static_cast<int>(wavefront::kMaximumDefocusMm));
    default:
      return DesignFileReason(problem);
  }
  return Utf8(problem.reason);
}

// The sky's name of a quantity whose focus twin shares its row.
const char* const kSkySuffix = QT_TRANSLATE_NOOP("voka::LibraryTexts", " (空)");

const char* QuantitySourceText(psf::QuantityId id) {
  using enum psf::QuantityId;
  switch (id) {
    case kWavelength:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "波長");
    case kAperture:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "口径");
    case kFocalLength:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "焦点距離");
    case kPupilSide:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "瞳の一辺 N");
    case kPadFactor:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "拡大率 Q");
    case kPaddedSide:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "格子の一辺 N × Q");
    case kLambdaOverDSky:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "λ/D (空)");
    case kLambdaOverDFocus:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "λ/D (焦点)");
    case kPixelScaleSky:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "画素スケール (空)");
    case kPixelScaleFocus:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "画素スケール (焦点)");
    case kAiryRadiusSky:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "エアリー半径 1.22 λ/D (空)");
    case kAiryRadiusFocus:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "エアリー半径 1.22 λ/D (焦点)");
    case kPeakRatio:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "ピーク比 (無遮蔽開口比)");
    case kEncircledEnergy1_22:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "包囲エネルギー 1.22 λ/D");
    case kEncircledEnergy2_23:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "包囲エネルギー 2.23 λ/D");
    case kEncircledEnergy5:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "包囲エネルギー 5 λ/D");
    case kSpikeFraction:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "スパイクの光量");
    case kStrehl:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "ストレール比");
    case kWavefrontRms:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "波面誤差 RMS");
  }
  return "";
}

const char* UnitSourceText(psf::QuantityUnit unit) {
  using enum psf::QuantityUnit;
  switch (unit) {
    case kPixels:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "画素");
    case kFactor:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "倍");
    case kArcsec:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "秒角");
    case kArcsecPerPixel:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "秒角/画素");
    case kMicrometresPerPixel:
      return QT_TRANSLATE_NOOP("voka::LibraryTexts", "µm/画素");
    case kNanometres:
    case kMillimetres:
    case kMicrometres:
    case kRatio:
    case kFraction:
      break;
  }
  return nullptr;
}

}  // namespace

QString DibRefusalText(DibRefusal reason, const std::filesystem::path& file) {
  if (Japanese()) return Utf8(EscapedForDisplay(DibRefusalMessage(reason, file)));
  if (reason == DibRefusal::kNone) return {};
  const std::u8string name = file.u8string();
  return DibExplanation(reason).arg(Utf8(
      EscapedForDisplay(std::string(reinterpret_cast<const char*>(name.data()), name.size()))));
}

QString WriteFailureText(const std::filesystem::path& file, const std::error_code& error) {
  if (Japanese()) return Utf8(WriteFailureMessage(file, error));
  const char* reason = WriteReason(error);
  return QCoreApplication::translate(
             "voka::LibraryTexts",
             "%1 を書き込めませんでした（%2）。書き込みのできるフォルダーで実行してください。")
      .arg(Utf8(ShownPath(file)),
           reason ? Translated(reason) : QString::fromStdString(error.message()));
}

QString DesignProblemText(const pupils::DesignProblem& problem) {
  const QString reason = Japanese() ? Utf8(problem.reason) : DesignReason(problem);
  return QCoreApplication::translate("voka::LibraryTexts", "「%1」: %2")
      .arg(Utf8(problem.field), reason);
}

QString QuantityText(const psf::Quantity& quantity) {
  if (Japanese()) return Utf8(quantity.label);
  return Translated(QuantitySourceText(quantity.id));
}

QString SkySuffixText() {
  return Japanese() ? QString::fromUtf8(kSkySuffix) : Translated(kSkySuffix);
}

QString UnitText(psf::QuantityUnit unit) {
  if (Japanese()) return Utf8(psf::UnitSymbol(unit));
  const char* source = UnitSourceText(unit);
  // The units written alike in both languages are the library's symbols.
  return source ? Translated(source) : Utf8(psf::UnitSymbol(unit));
}

QString DesignLoadText(const pupils::DesignLoad& load, const std::filesystem::path& file) {
  if (Japanese()) return Utf8(load.message);
  const QString name = Utf8(pupils::ShownFileName(file));
  switch (load.refusal) {
    case pupils::DesignLoadRefusal::kNone:
      return {};
    case pupils::DesignLoadRefusal::kTooLarge:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "設計ファイル「%1」は大きすぎます（1 MB "
                                         "まで）。瞳の設計ファイルを選んでください。")
          .arg(name);
    case pupils::DesignLoadRefusal::kCannotOpen:
      return QCoreApplication::translate(
                 "voka::LibraryTexts",
                 "設計ファイル「%"
                 "1」を開けません。ファイルがあること、読み取りが許可されていることを"
                 "確かめてください。")
          .arg(name);
    case pupils::DesignLoadRefusal::kBadContent:
      break;
    case pupils::DesignLoadRefusal::kUnknownPreset:
      return QCoreApplication::translate("voka::LibraryTexts",
                                         "その名前の瞳の設計はありません。使える名前: %1")
          .arg(Utf8(pupils::PresetNameList()));
  }
  const QString reason = DesignReason(load.problem);
  if (load.problem.field.empty())
    return QCoreApplication::translate("voka::LibraryTexts", "設計ファイル「%1」は %2")
        .arg(name, reason);
  return QCoreApplication::translate("voka::LibraryTexts", "設計ファイル「%1」の「%2」: %3")
      .arg(name, Utf8(load.problem.field), reason);
}

QString AnalysisMessageText(std::string_view message) {
  if (message == kNoPupilMessage)
    return Japanese() ? Utf8(message)
                      : QCoreApplication::translate(
                            "voka::LibraryTexts",
                            "瞳の画像が開かれていません。\n"
                            "「ファイル」で瞳の画像（.bmp）を開いてから、もう一度押してください。");
  if (message == kAllocationFailureMessage) return Utf8(message);
  const std::string_view noLight(kNoLightMessage);
  if (message.substr(0, noLight.size()) != noLight) return {};
  if (Japanese()) return Utf8(message);
  QString text = QCoreApplication::translate(
      "voka::LibraryTexts",
      "標本化した瞳に光を通す部分がありません（赤の成分がすべて 0 です）。\n"
      "開口を白（または赤を含む明るい色）で、細すぎないように描いた画像を開いてください。");
  if (message.size() > noLight.size())
    text += QCoreApplication::translate("voka::LibraryTexts",
                                        "\nVOKA.TXT の値はすべて nan になりました。");
  return text;
}

SpectrumCaptions TranslatedSpectrumCaptions() {
  SpectrumCaptions captions;
  if (Japanese()) return captions;
  captions.apertureLabel = QCoreApplication::translate("voka::CVokaDlg", "開口率  ").toStdString();
  captions.percentSign = QCoreApplication::translate("voka::CVokaDlg", "％").toStdString();
  captions.title = QCoreApplication::translate("voka::CVokaDlg", "２次元ＦＦＴ画像").toStdString();
  captions.intensityLabel =
      QCoreApplication::translate("voka::CVokaDlg", "中心強度=").toStdString();
  return captions;
}

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

}  // namespace voka
