// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/common/language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QTranslator>
#include <memory>

namespace voka {

namespace {

// The compiled English texts, embedded by qt_add_translations.
constexpr char kEnglishTranslation[] = ":/i18n/voka_en.qm";
constexpr char kSettingsKey[] = "language";

std::unique_ptr<QTranslator>& InstalledTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

Language& Current() {
  static Language language = Language::kJapanese;
  return language;
}

QSettings LanguageSettings() {
  return QSettings(QStringLiteral("voka"), QStringLiteral("voka"));
}

}  // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (code == "ja") return Language::kJapanese;
  if (code == "en") return Language::kEnglish;
  return std::nullopt;
}

std::string_view LanguageCode(Language language) {
  return language == Language::kEnglish ? "en" : "ja";
}

std::optional<Language> LanguageFromEnvironment() {
  const QByteArray code = qgetenv("VOKA_LANG");
  return LanguageFromCode(
      std::string_view(code.constData(), static_cast<std::size_t>(code.size())));
}

Language StartLanguage() {
  if (const std::optional<Language> chosen = LanguageFromEnvironment()) return *chosen;
  const QByteArray remembered =
      LanguageSettings().value(QLatin1String(kSettingsKey)).toString().toLatin1();
  return LanguageFromCode(
             std::string_view(remembered.constData(), static_cast<std::size_t>(remembered.size())))
      .value_or(Language::kJapanese);
}

void RememberLanguage(Language language) {
  const std::string_view code = LanguageCode(language);
  LanguageSettings().setValue(
      QLatin1String(kSettingsKey),
      QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
}

bool ApplyLanguage(Language language) {
  std::unique_ptr<QTranslator>& installed = InstalledTranslator();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  Current() = Language::kJapanese;
  if (language == Language::kJapanese) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QLatin1String(kEnglishTranslation))) return false;
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  Current() = language;
  return true;
}

Language CurrentLanguage() {
  return Current();
}

}  // namespace voka
