// SPDX-License-Identifier: GPL-3.0-or-later
// The help text, made from the tables of commands, options and limits, so
// that it cannot tell of an option, a range or a default that is not so.
#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "app/common/language.h"
#include "app/common/limit_texts.h"
#include "batch/batch_run.h"
#include "batch/command_table.h"
#include "batch/help_layout.h"
#include "batch/option_table.h"
#include "limits/refusal.h"
#include "psf/psf_numbers.h"
#include "pupils/design_presets.h"

namespace voka {

namespace {

// Options and their help start in these columns.
constexpr int kHelpColumn = 22;
constexpr int kUsageWidth = 100;

QString Tr(const char* text) {
  return QCoreApplication::translate("voka-batch", text);
}

QString Name(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A translated placeholder ("設計"), or one that reads the same in every language ("N").
QString Placeholder(std::string_view name) {
  return Tr(std::string(name).c_str());
}

QString HelpLine(const QString& usage, const QString& help) {
  return HelpEntry(usage, help, kHelpColumn, kUsageWidth);
}

QString NumberHelp(const OptionSpec& option) {
  const limits::Limit& limit = limits::Of(*option.limit);
  const QString unit = LimitUnit(limit);
  QString help =
      LimitHelp(limit) + QCoreApplication::translate("voka-batch", "（") + LimitRangeText(limit);
  const QString defaultValue = QString::fromStdString(limits::NumberText(limit.defaultValue)) +
                               (unit.isEmpty() ? QString() : QStringLiteral(" ") + unit);
  switch (option.shown) {
    case DefaultShown::kNone:
      break;
    case DefaultShown::kPlain:
      help += QCoreApplication::translate("voka-batch", "、既定 %1").arg(defaultValue);
      break;
    case DefaultShown::kDesignsOrTables:
      help += QCoreApplication::translate("voka-batch", "、既定は設計の値、なければ %1")
                  .arg(defaultValue);
      break;
  }
  return help + QCoreApplication::translate("voka-batch", "）");
}

QString OptionUsage(const OptionSpec& option) {
  QString usage = Name(option.name);
  if (!option.valueName.empty()) usage += QLatin1Char(' ') + Placeholder(option.valueName);
  return usage;
}

QString OptionHelp(const OptionSpec& option) {
  return HelpLine(OptionUsage(option),
                  option.limit ? NumberHelp(option) : Tr(std::string(option.help).c_str()));
}

// "voka-batch --psf (瞳.bmp | --design 設計) [--size N] ..." wrapped under
// itself; with a mode, "voka-batch --compare A B --camera [...]" and the
// mode's options.
QString CommandUsage(const CommandSpec& command, const CommandMode* mode, const QString& lead) {
  QStringList words{QStringLiteral("voka-batch"), Name(command.flag)};
  for (std::string_view value : command.valueNames) words.back() += ' ' + Placeholder(value);
  if (mode) words.back() += ' ' + Name(mode->flag);
  const std::vector<std::string_view>& options = mode ? mode->options : command.options;
  const bool takesDesign = mode ? mode->Takes("--design") : command.Takes("--design");
  const QString design =
      QStringLiteral("--design ") + QCoreApplication::translate("voka-batch", "設計");
  if (command.takesPupilFile) {
    const QString pupil =
        QCoreApplication::translate("voka-batch", "瞳.bmp") + QStringLiteral(" | ") + design;
    words << (command.needsPupil ? "(" + pupil + ")" : "[" + pupil + "]");
  } else if (takesDesign) {
    words << design;
  }
  for (std::string_view name : options) {
    if (name != "--design") words << "[" + OptionUsage(*FindOption(name)) + "]";
  }
  const int leadWidth = DisplayWidth(lead);
  const QString indent(leadWidth + DisplayWidth(words.front() + words.at(1)) + 2, QLatin1Char(' '));
  QString usage = lead;
  int column = leadWidth;
  for (const QString& word : words) {
    const int wordWidth = DisplayWidth(word);
    if (column + wordWidth + 1 > kUsageWidth && column > indent.size()) {
      usage += QLatin1Char('\n') + indent;
      column = static_cast<int>(indent.size());
    } else if (column > leadWidth) {
      usage += QLatin1Char(' ');
      ++column;
    }
    usage += word;
    column += wordWidth;
  }
  return usage + QLatin1Char('\n');
}

QString GroupSection(OptionGroup group, const QString& title) {
  QString section = title + QLatin1Char('\n');
  if (group == OptionGroup::kPupilSource) {
    section += HelpLine(QCoreApplication::translate("voka-batch", "瞳.bmp"),
                        QCoreApplication::translate(
                            "voka-batch",
                            "瞳の画像（Windows ビットマップ）。--fft と --raytrace で省略すると、"
                            "組み込みの見本（25% の中央遮蔽と 4 本のスパイダー）を解析します"));
  }
  for (const OptionSpec& option : Options()) {
    if (option.group != group) continue;
    section += OptionHelp(option);
    if (option.name == "--design") {
      section += HelpLine(QString(), QCoreApplication::translate("voka-batch", "組み込みの設計: %1")
                                         .arg(QString::fromStdString(pupils::PresetNameList())));
    }
  }
  return section + QLatin1Char('\n');
}

}  // namespace

std::string BatchUsage() {
  QString usage;
  QString lead = QCoreApplication::translate("voka-batch", "使い方: ");
  for (const CommandSpec& command : Commands()) {
    usage += CommandUsage(command, nullptr, lead);
    lead = QString(DisplayWidth(lead), QLatin1Char(' '));
    for (const CommandMode& mode : command.modes) usage += CommandUsage(command, &mode, lead);
  }
  usage +=
      QLatin1Char('\n') +
      QCoreApplication::translate("voka-batch",
                                  "瞳の画像を画面なしで解析します。--fft と --raytrace は VOKA.TXT "
                                  "を現在のフォルダーに書きます。") +
      QStringLiteral("\n\n") + QCoreApplication::translate("voka-batch", "コマンド:") +
      QLatin1Char('\n');
  for (const CommandSpec& command : Commands()) {
    usage += HelpLine(Name(command.flag), Tr(std::string(command.help).c_str()));
    for (const CommandMode& mode : command.modes) {
      usage +=
          HelpLine(Name(command.flag) + ' ' + Name(mode.flag), Tr(std::string(mode.help).c_str()));
    }
  }
  usage += QLatin1Char('\n');
  usage +=
      GroupSection(OptionGroup::kPupilSource, QCoreApplication::translate("voka-batch", "瞳:"));
  usage += GroupSection(OptionGroup::kOptics, QCoreApplication::translate("voka-batch", "光学系:"));
  usage += GroupSection(
      OptionGroup::kWavefront,
      QCoreApplication::translate(
          "voka-batch",
          "波面誤差（光路差を nm で、瞳の縁を単位円とする Noll の順の Zernike 項で）:"));
  usage += GroupSection(OptionGroup::kCamera,
                        QCoreApplication::translate("voka-batch", "カメラ（--camera）:"));
  usage += GroupSection(OptionGroup::kOutputs, QCoreApplication::translate("voka-batch", "出力:"));
  usage +=
      GroupSection(OptionGroup::kGeneral, QCoreApplication::translate("voka-batch", "そのほか:"));
  // The definition the window shows too, so that the number can be checked.
  usage += (CurrentLanguage() == Language::kJapanese
                ? QString::fromUtf8(psf::SpikeFractionDefinitionText())
                : QCoreApplication::translate("voka-batch", "スパイク光量の定義")) +
           QStringLiteral("\n\n");
  usage += QCoreApplication::translate(
      "voka-batch",
      "「-」で始まるファイル名は ./-名前 のように書くか、瞳の画像なら -- "
      "のあとに置いてください。\n"
      "書き出すファイルは、すべて書き終えたときだけ置き換わります。既存のファイルは、"
      "同じ種類のものだけを置き換えます。\n"
      "\n"
      "終了コード: 0 成功（光を通さない瞳では、その旨を表示し nan の表を書いて 0）、\n"
      "           1 画像や設計を読めない・VOKA.TXT や PNG などを書けない・標準出力に書けない、\n"
      "           2 使い方の誤り（入力や別の種類のファイルを上書きしようとしたときも）\n");
  return WrappedParagraphs(usage, kUsageWidth).toStdString();
}

}  // namespace voka
