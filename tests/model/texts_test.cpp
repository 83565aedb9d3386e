// SPDX-License-Identifier: MIT
// The texts in a language: the table's own without translations, a language's by TextId, values
// put in by number, and the languages' codes.
#include "model/texts.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace kestrel {
namespace {

Texts languageWith(TextId id, std::string text) {
    std::vector<std::string> texts(kTextCount, "-");
    texts[static_cast<std::size_t>(id)] = std::move(text);
    return Texts(std::move(texts));
}

TEST(Texts, AreTheTablesOwnOrALanguagesEach) {
    EXPECT_EQ(kTableTexts[TextId::TableMiss], "bu profil veritabanında yok");
    const Texts english = languageWith(TextId::TableMiss, "this profile is not in the table");
    EXPECT_EQ(english[TextId::TableMiss], "this profile is not in the table");
    EXPECT_EQ(english[TextId::MainTitle], "-");
    EXPECT_THROW(Texts(std::vector<std::string>(kTextCount - 1)), std::invalid_argument);
}

// Each "%n" by the n-th value, wherever and however often it stands; a "%" without the number
// of a value stays as it is.
TEST(Texts, PutValuesInByTheirNumbers) {
    const Texts texts = languageWith(TextId::ScrollBarName, "%2 of %1, %2 again; 100% %3");
    EXPECT_EQ(texts.format(TextId::ScrollBarName, {"a", "b"}), "b of a, b again; 100% %3");
    EXPECT_EQ(kTableTexts.format(TextId::ScrollBarName, {"angle of attack", "degrees"}),
              "angle of attack (degrees)");
}

TEST(Languages, AreNamedByTheirCodes) {
    EXPECT_EQ(languageCode(Language::Turkish), "tr");
    EXPECT_EQ(languageOfCode("en"), Language::English);
    EXPECT_EQ(languageOfCode(languageCode(Language::Turkish)), Language::Turkish);
    for (const char* other : {"", "EN", "de", "tr "}) {
        EXPECT_EQ(languageOfCode(other), std::nullopt) << other;
    }
}

} // namespace
} // namespace kestrel
