// SPDX-License-Identifier: MIT
// The language the windows speak: Qt's translations of the texts' table, built into the program
// from translations/*.ts, installed for the whole application. Turkish unless English is chosen.
#pragma once

#include "model/texts.h"

#include <QString>
#include <optional>

class QCommandLineOption;
class QCommandLineParser;

namespace kestrel {

// Installs the language's translations and remembers the choice (QSettings "language"). Every
// window then retranslates itself on the QEvent::LanguageChange that Qt sends it.
void setLanguage(Language language);
// The language installed last; Turkish before any.
Language language();
// The language remembered from an earlier run; Turkish when none is.
Language rememberedLanguage();

// A text of the table in the installed language.
QString textOf(TextId id);
// The whole table in the installed language, for the recorded pictures and the reports.
const Texts& currentTexts();

// The command line's option "--lang tr|en".
QCommandLineOption languageCommandLineOption();
// The language a parsed command line chose with it; none without the option. Throws
// std::invalid_argument, its message for the user, for an unknown language.
std::optional<Language> chosenLanguage(const QCommandLineParser& parser);

} // namespace kestrel
