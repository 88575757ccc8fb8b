// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command_line.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <set>

#include "app/common/limit_texts.h"
#include "batch/command_table.h"
#include "batch/option_table.h"
#include "limits/refusal.h"
#include "output/shown_text.h"

namespace voka {

namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

QString Shown(std::string_view text) {
  return QString::fromStdString(EscapedForDisplay(text));
}

QString Name(std::string_view option) {
  return QString::fromUtf8(option.data(), static_cast<qsizetype>(option.size()));
}

// The whole text must be the number: no "+", spaces, hex prefix or trailing text.
std::optional<double> ParseNumber(std::string_view text, bool whole) {
  double value = 0;
  const char* end = text.data() + text.size();
  const auto result = whole ? std::from_chars(text.data(), end, value, std::chars_format::fixed)
                            : std::from_chars(text.data(), end, value);
  if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
  if (whole && value != std::floor(value)) return std::nullopt;
  return value;
}

bool ReadNumber(const OptionSpec& option, std::string_view text, double& value,
                std::string& error) {
  const limits::Limit& range = limits::Of(*option.limit);
  const std::optional<double> number = ParseNumber(text, option.whole);
  if (!number || *number < range.minimum || *number > range.maximum) {
    const QString kind = option.whole ? QCoreApplication::translate("voka-batch", "整数")
                                      : QCoreApplication::translate("voka-batch", "数");
    error = Utf8(QCoreApplication::translate(
                     "voka-batch", "%1 には %2 の%3を指定してください（「%4」は使えません）。")
                     .arg(Name(option.name), LimitRangeText(range), kind, Shown(text)));
    return false;
  }
  value = *number;
  return true;
}

// A value never begins with "-", so that a forgotten value cannot swallow
// the next option; only a negative number, for an option that takes one.
bool TakeValue(const std::vector<std::string>& arguments, std::size_t& i, std::string_view option,
               std::string& value, std::string& error, bool negativeNumber = false) {
  if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
    error =
        Utf8(QCoreApplication::translate("voka-batch", "%1 には値が必要です。").arg(Name(option)));
    return false;
  }
  value = arguments[++i];
  if (value.front() == '-' && !(negativeNumber && ParseNumber(value, false))) {
    error = Utf8(
        QCoreApplication::translate(
            "voka-batch",
            "%1 "
            "には値が必要です。「%2」は「-」で始まるので値とみなしません（その名前のファイルなら "
            "./%2 と書いてください）。")
            .arg(Name(option), Shown(value)));
    return false;
  }
  return true;
}

// "--fft・--raytrace・--psf"
QString CommandList() {
  QStringList flags;
  for (const CommandSpec& command : Commands()) flags << Name(command.flag);
  return flags.join(QStringLiteral("・"));
}

// The commands that take an option, for the message that it needs one.
QString CommandsTaking(std::string_view option) {
  QStringList flags;
  for (const CommandSpec& command : Commands()) {
    for (std::string_view taken : command.options) {
      if (taken == option) flags << Name(command.flag);
    }
  }
  return flags.join(QCoreApplication::translate("voka-batch", " か "));
}

// The command typed, and the mode a second command flag switches it to: two
// command flags make one command only when one names a mode of the other.
bool FindCommandAndMode(const std::vector<const CommandSpec*>& commands, ParsedArguments& parsed) {
  if (commands.size() == 1) {
    parsed.command = commands.front();
    return true;
  }
  if (commands.size() != 2) return false;
  for (std::size_t i = 0; i < 2; ++i) {
    if (const CommandMode* mode = commands[i]->ModeNamed(commands[1 - i]->flag)) {
      parsed.command = commands[i];
      parsed.mode = mode;
      return true;
    }
  }
  return false;
}

// Why an option is not taken by the command as typed: a mode takes it
// (name the mode's flag), the mode given does not (name the mode), or
// other commands do.
std::string OptionRefusal(const ParsedArguments& parsed, std::string_view option) {
  const CommandSpec& command = *parsed.command;
  if (parsed.mode == nullptr) {
    for (const CommandMode& mode : command.modes) {
      if (mode.Takes(option))
        return Utf8(QCoreApplication::translate("voka-batch", "%1 は %2 と一緒に指定してください。")
                        .arg(Name(option), Name(command.flag) + ' ' + Name(mode.flag)));
    }
  } else if (command.Takes(option)) {
    return Utf8(QCoreApplication::translate("voka-batch", "%1 は %2 %3 では使えません。")
                    .arg(Name(option), Name(command.flag), Name(parsed.mode->flag)));
  }
  return Utf8(QCoreApplication::translate("voka-batch", "%1 は %2 と一緒に指定してください。")
                  .arg(Name(option), CommandsTaking(option)));
}

// What the options make together: one command (in one of its modes, or
// none), and only options it takes.
bool CheckCombination(ParsedArguments& parsed, const std::vector<const CommandSpec*>& commands,
                      const std::vector<std::string_view>& typed, std::string& error) {
  if (!FindCommandAndMode(commands, parsed)) {
    error = Utf8(
        commands.empty()
            ? QCoreApplication::translate("voka-batch", "%1 のどれか一つを指定してください。")
                  .arg(CommandList())
            : QCoreApplication::translate("voka-batch", "%1 はどれか一つだけ指定してください。")
                  .arg(CommandList()));
    return false;
  }
  if (parsed.pupilFile && parsed.Has("--design")) {
    error = Utf8(QCoreApplication::translate(
        "voka-batch", "瞳の画像と --design は一緒に指定できません。どちらか一つにしてください。"));
    return false;
  }
  const CommandSpec& command = *parsed.command;
  if (parsed.pupilFile && !command.takesPupilFile) {
    error = Utf8(QCoreApplication::translate(
                     "voka-batch",
                     "%1 は瞳の画像をとりません（「%2」）。--design で設計を指定してください。")
                     .arg(Name(command.flag), Shown(*parsed.pupilFile)));
    return false;
  }
  for (std::string_view option : typed) {
    const bool taken = parsed.mode ? parsed.mode->Takes(option) : command.Takes(option);
    if (FindOption(option)->group == OptionGroup::kGeneral || taken) continue;
    error = OptionRefusal(parsed, option);
    return false;
  }
  return true;
}

}  // namespace

std::string ParsedArguments::Text(std::string_view option) const {
  const auto found = texts.find(option);
  return found == texts.end() ? std::string() : found->second;
}

std::optional<double> ParsedArguments::Number(std::string_view option) const {
  const auto found = numbers.find(option);
  if (found == numbers.end()) return std::nullopt;
  return found->second;
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments,
                                            std::string& error) {
  CommandLine line;
  ParsedArguments parsed;
  std::vector<const CommandSpec*> commands;
  std::vector<std::string_view> typed;  // the options given, in order
  std::set<std::string_view> given;
  bool optionsEnded = false;  // after "--", everything is a pupil file
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--" && !optionsEnded) {
      optionsEnded = true;
      continue;
    }
    const bool looksLikeOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
    if (!looksLikeOption) {
      if (argument.empty() || parsed.pupilFile) {
        error =
            Utf8(QCoreApplication::translate("voka-batch", "瞳の画像は一つだけ指定してください。"));
        return std::nullopt;
      }
      parsed.pupilFile = argument;
      continue;
    }
    const std::string_view name = argument == "-h" ? std::string_view("--help") : argument;
    const CommandSpec* command = FindCommand(name);
    const OptionSpec* option = command ? nullptr : FindOption(name);
    if (command == nullptr && option == nullptr) {
      error = Utf8(QCoreApplication::translate("voka-batch", "知らないオプションです: %1")
                       .arg(Shown(argument)));
      return std::nullopt;
    }
    const std::string_view key = command ? command->flag : option->name;
    if (!given.insert(key).second) {
      error = Utf8(QCoreApplication::translate("voka-batch", "%1 は一度だけ指定してください。")
                       .arg(Name(key)));
      return std::nullopt;
    }
    if (key == "--help" || key == "--version") {
      line.help = key == "--help";
      line.version = key == "--version";
      return line;
    }
    if (command != nullptr) {
      commands.push_back(command);
      for (std::size_t value = 0; value < command->valueNames.size(); ++value) {
        std::string text;
        if (!TakeValue(arguments, i, key, text, error)) return std::nullopt;
        parsed.commandValues.push_back(std::move(text));
      }
      continue;
    }
    std::string value;
    const bool negative = option->limit && limits::Of(*option->limit).minimum < 0;
    if (!option->valueName.empty() && !TakeValue(arguments, i, key, value, error, negative))
      return std::nullopt;
    if (option->limit) {
      double number = 0;
      if (!ReadNumber(*option, value, number, error)) return std::nullopt;
      parsed.numbers[key] = number;
    }
    if (key == "--lang" && value != "ja" && value != "en") {
      error =
          Utf8(QCoreApplication::translate(
                   "voka-batch", "--lang には ja か en を指定してください（「%1」は使えません）。")
                   .arg(Shown(value)));
      return std::nullopt;
    }
    typed.push_back(key);
    parsed.texts[key] = std::move(value);
  }
  if (!CheckCombination(parsed, commands, typed, error)) return std::nullopt;
  line.arguments = std::move(parsed);
  return line;
}

std::optional<std::string> LanguageArgument(const std::vector<std::string>& arguments) {
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "--") break;
    if (arguments[i] == "--lang" && (arguments[i + 1] == "ja" || arguments[i + 1] == "en"))
      return arguments[i + 1];
  }
  return std::nullopt;
}

std::filesystem::path PathFromArgument(const std::string& argument) {
#ifdef _WIN32
  return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
#else
  return std::filesystem::path(argument);
#endif
}

}  // namespace voka
