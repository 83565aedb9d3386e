// SPDX-License-Identifier: MIT
// The language the windows speak: Qt's translations of the texts' table, built into the program
// from translations/*.ts, installed for the whole application. Turkish unless English is chosen.
#pragma once

#include "model/texts.h"

#include <QString>
#include <optional>

class QAction;
class QCommandLineOption;
class QCommandLineParser;
class QMenu;
class QObject;
class QWidget;

namespace kestrel {

// Installs the language's translations and remembers the choice (QSettings "language"). Qt then
// posts QEvent::LanguageChange to every window, which shows its texts again in the language.
void setLanguage(Language language);
// Removes the installed translations: the windows show the table's own texts again (the main
// window's Turkish, the study views' English), as before any language was set. Not remembered.
void removeLanguage();
// The language installed last; Turkish before any.
Language language();
// The language remembered from an earlier run; Turkish when none is.
Language rememberedLanguage();

// A text of the table in the installed language (the table's own text before any is installed).
QString textOf(TextId id);
// The whole table in the installed language, for the recorded pictures and the reports.
const Texts& currentTexts();

// Where a widget or an action shows a text.
enum class TextRole { Text, ToolTip, AccessibleName, WindowTitle };

// Shows a text of the table on a widget or an action (a label's, a button's, an action's or a
// frame's text, a menu's title), now and again after every change of language.
void showText(QObject* object, TextRole role, TextId id);

// A "Language" menu with one checkable entry per language, each in its own name; choosing one
// sets that language.
QMenu* makeLanguageMenu(QWidget* parent);

// The command line's option "--lang tr|en".
QCommandLineOption languageCommandLineOption();
// The language a parsed command line chose with it; none without the option. Throws
// std::invalid_argument, its message for the user, for an unknown language.
std::optional<Language> chosenLanguage(const QCommandLineParser& parser);

} // namespace kestrel
