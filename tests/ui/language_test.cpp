// SPDX-License-Identifier: MIT
// The two languages: every text of the table translated into both, a change of language shown at
// once by the main window and the study window and back, the choice remembered, and --lang.
#include "tests/ui/window_fixture.h"
#include "ui/flow_view.h"
#include "ui/frame_box.h"
#include "ui/language.h"
#include "ui/study_window.h"

#include <QCheckBox>
#include <QCommandLineParser>
#include <QMenu>
#include <QTabWidget>
#include <QTranslator>

namespace kestrel::test {
namespace {

// Each entry of the table has a translation, even where it is the text itself (the main window's
// specified texts in Turkish); lrelease leaves out unfinished ones, so those fail here too.
TEST(Translations, EveryTextOfTheTableHasBothTranslations) {
    for (const char* code : {"tr", "en"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/kestrel_%1.qm").arg(code))) << code;
        for (const TextEntry& t : kTexts) {
            if (t.id != TextId::None) {
                EXPECT_FALSE(
                    translator.translate(t.context.data(), t.text.data(), t.key.data()).isEmpty())
                    << t.key << " has no translation in kestrel_" << code << ".ts";
            }
        }
    }
}

class Languages : public WindowTest {
public:
    void TearDown() override {
        removeLanguage();
        WindowTest::TearDown();
    }
    // Chooses a language from the first plot's menu, as a user does, and lets the windows hear.
    void choose(const char* code) {
        auto* menu = picture("daire")->findChild<QMenu*>(QStringLiteral("languageMenu"));
        menu->findChild<QAction*>(QStringLiteral("language_") + code)->trigger();
        QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QString caption() const { return child<FrameBox>("Frame3")->caption(); }
};

TEST_F(Languages, SwitchingChangesWhatBothWindowsShowAndBack) {
    setLanguage(Language::Turkish);
    window->openStudyWindow();
    StudyWindow* study = window->studyWindow();
    QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    // The main window's own Turkish stays; the study views speak Turkish.
    EXPECT_EQ(caption(), QStringLiteral("Sıkıştırılabilme etkisi"));
    EXPECT_EQ(study->tabs()->tabText(0), QStringLiteral("Akış"));
    EXPECT_EQ(study->tabs()->tabText(2), QStringLiteral("Sınır tabakası"));
    EXPECT_EQ(study->flowTab()->particlesSwitch()->text(), QStringLiteral("&Parçacıklar"));

    choose("en");
    EXPECT_EQ(study->tabs()->tabText(2), QStringLiteral("Boundary layer"));
    EXPECT_EQ(caption(), QStringLiteral("Compressibility effect"));
    EXPECT_EQ(box("Text_Moo")->accessibleName(), QStringLiteral("free-stream Mach number"));
    EXPECT_EQ(study->windowTitle(), QStringLiteral("Kestrel - Study"));
    EXPECT_EQ(study->tabs()->tabText(0), QStringLiteral("Flow"));
    EXPECT_EQ(study->flowTab()->particlesSwitch()->text(), QStringLiteral("&Particles"));
    EXPECT_EQ(rememberedLanguage(), Language::English);

    choose("tr");
    EXPECT_EQ(caption(), QStringLiteral("Sıkıştırılabilme etkisi"));
    EXPECT_EQ(bar("HScroll_AlfaD")->accessibleName(), QStringLiteral("hücum açısı (derece)"));
    EXPECT_EQ(study->tabs()->tabText(0), QStringLiteral("Akış"));
    EXPECT_EQ(rememberedLanguage(), Language::Turkish);
}

std::optional<Language> parsed(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(languageCommandLineOption());
    EXPECT_TRUE(parser.parse(QStringList{QStringLiteral("kestrel")} + arguments));
    return chosenLanguage(parser);
}

TEST(LanguageOption, TakesTrOrEnAndRefusesAnyOtherLanguageByName) {
    EXPECT_EQ(parsed({QStringLiteral("--lang"), QStringLiteral("en")}), Language::English);
    EXPECT_EQ(parsed({QStringLiteral("--lang=tr")}), Language::Turkish);
    EXPECT_EQ(parsed({}), std::nullopt);
    try {
        parsed({QStringLiteral("--lang"), QStringLiteral("de")});
        ADD_FAILURE() << "--lang de was taken";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("--lang de"), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace kestrel::test
