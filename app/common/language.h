// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace voka {

// The languages the program speaks. Japanese is the language of the source
// texts: choosing it installs no translation, so every text stays as written.
enum class Language { kJapanese, kEnglish };

// "ja" or "en" (as VOKA_LANG, --lang and the settings write it); nothing for
// any other text.
std::optional<Language> LanguageFromCode(std::string_view code);
std::string_view LanguageCode(Language language);

// VOKA_LANG, when it names a language.
std::optional<Language> LanguageFromEnvironment();

// The language a start of the window uses: VOKA_LANG first, since it is
// chosen for this run; then the choice remembered from the window; else
// Japanese.
Language StartLanguage();

// Remembers the window's choice for later starts (QSettings).
void RememberLanguage(Language language);

// Installs the translation of the language in the running application, in
// place of any installed before; widgets then receive QEvent::LanguageChange.
// False when the translation could not be loaded: the texts stay Japanese.
bool ApplyLanguage(Language language);

// The language last applied (Japanese before any).
Language CurrentLanguage();

}  // namespace voka
