// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: the program's texts and Qt's own
// (its dialogs, buttons and context menus), each where a translation for
// the language exists; English otherwise.
#pragma once

class QCoreApplication;
class QLocale;

namespace orvanta {

class Platform;

// Installs the translators for `locale` into the application, in place of
// any installed before; a language without a translation of the program
// keeps the English source texts, Qt's own included, so that a window
// never mixes two languages.
void InstallTranslations(QCoreApplication& application, const QLocale& locale);

// Installs the translation of the language chosen in Preferences, and the
// windows' font for it, where the choice is not the system's language
// (which the program starts in).
void ApplyChosenLanguage(QCoreApplication& application, Platform& platform);

}  // namespace orvanta
