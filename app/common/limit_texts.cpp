// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/limit_texts.h"

#include <QCoreApplication>
#include <QtGlobal>

#include "app/common/language.h"

namespace voka {

namespace {

// The units, told apart from names that read the same ("波長" is the
// wavelength as a name and "waves" as a unit).
struct TextWithComment {
  const char* source;
  const char* comment;
};
[[maybe_unused]] constexpr TextWithComment kTableUnits[] = {
    QT_TRANSLATE_NOOP3("limits", "ピクセル", "unit"),
    QT_TRANSLATE_NOOP3("limits", "倍", "unit"),
    QT_TRANSLATE_NOOP3("limits", "nm", "unit"),
    QT_TRANSLATE_NOOP3("limits", "mm", "unit"),
    QT_TRANSLATE_NOOP3("limits", "λ/D", "unit"),
    QT_TRANSLATE_NOOP3("limits", "桁", "unit"),
    QT_TRANSLATE_NOOP3("limits", "本", "unit"),
    QT_TRANSLATE_NOOP3("limits", "nm RMS", "unit"),
    QT_TRANSLATE_NOOP3("limits", "波長", "unit"),
    QT_TRANSLATE_NOOP3("limits", "点", "unit"),
    QT_TRANSLATE_NOOP3("limits", "µm", "unit"),
    QT_TRANSLATE_NOOP3("limits", "個", "unit"),
    QT_TRANSLATE_NOOP3("limits", "K", "unit"),
    QT_TRANSLATE_NOOP3("limits", "画素", "unit"),
    QT_TRANSLATE_NOOP3("limits", "行", "unit"),
};

// The table's texts, listed for the translation tools: each is looked up by
// its Japanese text, so a row whose text changes without its entry here
// shows in Japanese, and the test of the English catches it.
[[maybe_unused]] constexpr const char* kTableTexts[] = {
    // names
    QT_TRANSLATE_NOOP("limits", "瞳の一辺"),
    QT_TRANSLATE_NOOP("limits", "計算する格子の一辺"),
    QT_TRANSLATE_NOOP("limits", "拡大率"),
    QT_TRANSLATE_NOOP("limits", "波長"),
    QT_TRANSLATE_NOOP("limits", "口径"),
    QT_TRANSLATE_NOOP("limits", "焦点距離"),
    QT_TRANSLATE_NOOP("limits", "書き出す星像の半幅"),
    QT_TRANSLATE_NOOP("limits", "表示の半幅"),
    QT_TRANSLATE_NOOP("limits", "表示の桁数"),
    QT_TRANSLATE_NOOP("limits", "拡大表示の一辺"),
    QT_TRANSLATE_NOOP("limits", "支持板の数"),
    QT_TRANSLATE_NOOP("limits", "保存する瞳の一辺"),
    QT_TRANSLATE_NOOP("limits", "解析する瞳の一辺"),
    QT_TRANSLATE_NOOP("limits", "設計の長さ"),
    QT_TRANSLATE_NOOP("limits", "曲がった支持板の半径"),
    QT_TRANSLATE_NOOP("limits", "Zernike 項の番号"),
    QT_TRANSLATE_NOOP("limits", "Zernike 係数"),
    QT_TRANSLATE_NOOP("limits", "焦点のずれ"),
    QT_TRANSLATE_NOOP("limits", "スターテストの焦点はずし"),
    QT_TRANSLATE_NOOP("limits", "スイープの点数"),
    QT_TRANSLATE_NOOP("limits", "画素の大きさ"),
    QT_TRANSLATE_NOOP("limits", "波長の数"),
    QT_TRANSLATE_NOOP("limits", "色温度"),
    QT_TRANSLATE_NOOP("limits", "視野の画素数"),
    QT_TRANSLATE_NOOP("limits", "細分した格子の一辺"),
    QT_TRANSLATE_NOOP("limits", "画素の細分"),
    QT_TRANSLATE_NOOP("limits", "露出"),
    QT_TRANSLATE_NOOP("limits", "表の行数"),
    QT_TRANSLATE_NOOP("limits", "表の波長"),
    // help lines
    QT_TRANSLATE_NOOP("limits", "描く瞳の一辺"),
    QT_TRANSLATE_NOOP("limits", "瞳の一辺と拡大率の積"),
    QT_TRANSLATE_NOOP("limits", "瞳の一辺の何倍の格子で計算するか"),
    QT_TRANSLATE_NOOP("limits", "表示する星像の半幅"),
    QT_TRANSLATE_NOOP("limits", "対数表示の桁数"),
    QT_TRANSLATE_NOOP("limits", "Zernike 項の番号 (Noll)"),
    QT_TRANSLATE_NOOP("limits", "スターテストの焦点はずし (PV)"),
    QT_TRANSLATE_NOOP("limits", "計算する波長の数"),
    QT_TRANSLATE_NOOP("limits", "黒体の温度"),
    QT_TRANSLATE_NOOP("limits", "カメラ像の一辺の画素数"),
    QT_TRANSLATE_NOOP("limits", "画素を細分した格子の一辺"),
    QT_TRANSLATE_NOOP("limits", "画素一辺あたりの細分数"),
    QT_TRANSLATE_NOOP("limits", "最も明るい画素が飽和の何倍か"),
    QT_TRANSLATE_NOOP("limits", "スペクトルと感度の表の行数"),
    QT_TRANSLATE_NOOP("limits", "スペクトルと感度の表の波長"),
};

QString Translated(std::string_view text, const char* disambiguation = nullptr) {
  return QCoreApplication::translate("limits", std::string(text).c_str(), disambiguation);
}

QString Number(double value) {
  return QString::fromStdString(limits::NumberText(value));
}

bool Japanese() {
  return CurrentLanguage() == Language::kJapanese;
}

}  // namespace

QString LimitName(const limits::Limit& limit) {
  return Translated(limit.name);
}

QString LimitUnit(const limits::Limit& limit) {
  return limit.unit.empty() ? QString() : Translated(limit.unit, "unit");
}

QString LimitHelp(const limits::Limit& limit) {
  return Translated(limit.help);
}

QString LimitRangeText(const limits::Limit& limit) {
  if (Japanese()) return QString::fromStdString(limits::RangeText(limit));
  const QString unit = LimitUnit(limit);
  return QCoreApplication::translate("limits", "%1〜%2")
             .arg(Number(limit.minimum), Number(limit.maximum)) +
         (unit.isEmpty() ? QString() : QStringLiteral(" ") + unit);
}

QString LimitRefusalText(const limits::Refusal& refusal) {
  if (Japanese()) return QString::fromStdString(limits::RefusalMessage(refusal));
  const limits::Limit& limit = limits::Of(refusal.limit);
  const QString name = LimitName(limit);
  const QString range = LimitRangeText(limit);
  switch (refusal.reason) {
    case limits::RefusalReason::kNotFinite:
      return QCoreApplication::translate(
                 "limits", "%1は %2 の数で指定してください（数ではない値は使えません）。")
          .arg(name, range);
    case limits::RefusalReason::kNotWhole:
      return QCoreApplication::translate("limits",
                                         "%1は %2 の整数で指定してください（%3 は使えません）。")
          .arg(name, range, Number(refusal.value));
    case limits::RefusalReason::kBelowMinimum:
    case limits::RefusalReason::kAboveMaximum:
      break;
  }
  return QCoreApplication::translate("limits",
                                     "%1は %2 の範囲で指定してください（%3 は使えません）。")
      .arg(name, range, Number(refusal.value));
}

}  // namespace voka
