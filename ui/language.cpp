// SPDX-License-Identifier: MIT
#include "ui/language.h"

#include "ui/qt_text.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <stdexcept>

namespace kestrel {

namespace {

const QString kLanguageKey = QStringLiteral("language");

// QCoreApplication::translate takes C strings: each view of the table is a whole string literal,
// so the character after it is the literal's end.
constexpr bool tableEndsInNulls() {
    for (const TextEntry& t : kTexts) {
        if (t.context.data()[t.context.size()] != '\0' || t.text.data()[t.text.size()] != '\0' ||
            t.key.data()[t.key.size()] != '\0') {
            return false;
        }
    }
    return true;
}
static_assert(tableEndsInNulls());

struct Installed {
    QPointer<QTranslator> translator;
    Language language = Language::Turkish;
    Texts texts;
};

Installed& installed() {
    static Installed state;
    return state;
}

// The table in the translator's language; a text it lacks stays the table's own, as
// QCoreApplication::translate leaves it.
Texts translatedTable(const QTranslator& translator) {
    std::vector<std::string> texts;
    texts.reserve(kTexts.size());
    for (const TextEntry& t : kTexts) {
        const QString text = t.id == TextId::None ? QString()
                                                  : translator.translate(t.context.data(),
                                                                         t.text.data(), t.key.data());
        texts.push_back(text.isEmpty() ? std::string(t.text) : text.toStdString());
    }
    return Texts(std::move(texts));
}

} // namespace

void setLanguage(Language language) {
    Installed& s = installed();
    if (!s.translator) {
        s.translator = new QTranslator(QCoreApplication::instance());
    } else {
        QCoreApplication::removeTranslator(s.translator);
    }
    const QString file = QStringLiteral(":/i18n/kestrel_%1.qm").arg(qtText(languageCode(language)));
    if (!s.translator->load(file)) {
        throw std::runtime_error("the translations " + file.toStdString() + " are missing");
    }
    // The texts are ready before the windows hear of the change.
    s.texts = translatedTable(*s.translator);
    s.language = language;
    QCoreApplication::installTranslator(s.translator);
    QSettings().setValue(kLanguageKey, qtText(languageCode(language)));
}

Language language() {
    return installed().language;
}

Language rememberedLanguage() {
    const QString code = QSettings().value(kLanguageKey).toString();
    return languageOfCode(code.toStdString()).value_or(Language::Turkish);
}

QString textOf(TextId id) {
    const TextEntry& t = textEntry(id);
    return id == TextId::None
               ? QString()
               : QCoreApplication::translate(t.context.data(), t.text.data(), t.key.data());
}

const Texts& currentTexts() {
    return installed().texts;
}

QCommandLineOption languageCommandLineOption() {
    return QCommandLineOption(QStringLiteral("lang"),
                              QStringLiteral("The language of the windows: tr (Turkish, the "
                                             "default) or en (English). Remembered."),
                              QStringLiteral("tr|en"));
}

std::optional<Language> chosenLanguage(const QCommandLineParser& parser) {
    const QCommandLineOption option = languageCommandLineOption();
    if (!parser.isSet(option)) {
        return std::nullopt;
    }
    const QString value = parser.value(option);
    const std::optional<Language> chosen = languageOfCode(value.toStdString());
    if (!chosen) {
        throw std::invalid_argument("--lang " + value.toStdString() +
                                    ": no such language; choose tr (Turkish) or en (English)");
    }
    return chosen;
}

} // namespace kestrel
