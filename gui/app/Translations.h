// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: Qt's own texts and the program's,
// each where a translation for the locale exists; English otherwise.
#pragma once

class QCoreApplication;
class QLocale;

namespace orvanta {

// Installs the translators for `locale` into the application; a language
// without a translation keeps the English source texts.
void InstallTranslations(QCoreApplication& application, const QLocale& locale);

}  // namespace orvanta
