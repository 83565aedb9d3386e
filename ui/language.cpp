// SPDX-License-Identifier: MIT
#include "ui/language.h"

#include "ui/frame_box.h"
#include "ui/qt_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <QVariant>
#include <stdexcept>
#include <utility>

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
        const QString text =
            t.id == TextId::None
                ? QString()
                : translator.translate(t.context.data(), t.text.data(), t.key.data());
        texts.push_back(text.isEmpty() ? std::string(t.text) : text.toStdString());
    }
    return Texts(std::move(texts));
}

// The dynamic property that holds the text of a role, as its TextId.
const char* propertyOf(TextRole role) {
    static constexpr const char* kProperties[] = {"kestrelText", "kestrelToolTip",
                                                  "kestrelAccessibleName", "kestrelWindowTitle"};
    return kProperties[static_cast<int>(role)];
}

void setWidgetText(QObject* object, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(text);
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(text);
    } else if (auto* frame = dynamic_cast<FrameBox*>(object)) {
        frame->setCaption(text);
    }
}

void apply(QObject* object, TextRole role, const QString& text) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* action = qobject_cast<QAction*>(object);
    switch (role) {
    case TextRole::Text:
        setWidgetText(object, text);
        break;
    case TextRole::ToolTip:
        if (widget) {
            widget->setToolTip(text);
        } else if (action) {
            action->setToolTip(text);
        }
        break;
    case TextRole::AccessibleName:
        if (widget) {
            widget->setAccessibleName(text);
        }
        break;
    case TextRole::WindowTitle:
        if (widget) {
            widget->setWindowTitle(text);
        }
        break;
    }
}

// Shows the bound texts of each object again when the language changes. Qt sends the change to
// every window and from each widget on to all its children, actions included.
class BoundTexts : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::LanguageChange) {
            for (const TextRole role : {TextRole::Text, TextRole::ToolTip, TextRole::AccessibleName,
                                        TextRole::WindowTitle}) {
                const QVariant id = object->property(propertyOf(role));
                if (id.isValid()) {
                    apply(object, role, textOf(static_cast<TextId>(id.toInt())));
                }
            }
        }
        return false;
    }
};

void watchBoundTexts() {
    static QPointer<BoundTexts> watcher;
    if (!watcher) {
        watcher = new BoundTexts(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(watcher);
    }
}

} // namespace

void showText(QObject* object, TextRole role, TextId id) {
    watchBoundTexts();
    object->setProperty(propertyOf(role), static_cast<int>(id));
    apply(object, role, textOf(id));
}

QMenu* makeLanguageMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("languageMenu"));
    showText(menu, TextRole::Text, TextId::LanguageMenu);
    auto* group = new QActionGroup(menu);
    for (const auto& [chosen, name] : {std::pair{Language::Turkish, TextId::LanguageTurkish},
                                       std::pair{Language::English, TextId::LanguageEnglish}}) {
        QAction* action = menu->addAction(textOf(name));
        action->setObjectName(QStringLiteral("language_") + qtText(languageCode(chosen)));
        showText(action, TextRole::Text, name);
        action->setCheckable(true);
        action->setActionGroup(group);
        QObject::connect(action, &QAction::triggered, menu, [chosen] { setLanguage(chosen); });
    }
    // The entry of the language in use is checked whenever the menu opens.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        for (QAction* action : menu->actions()) {
            action->setChecked(action->objectName().endsWith(qtText(languageCode(language()))));
        }
    });
    return menu;
}

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

void removeLanguage() {
    Installed& s = installed();
    if (s.translator) {
        QCoreApplication::removeTranslator(s.translator);
    }
    s.texts = Texts();
    s.language = Language::Turkish;
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
