// SPDX-License-Identifier: MIT
// The two messages a user can meet: the table miss, after which the chain goes on with the
// previous profile, and an error that stops a chain, after which the program keeps running.
#include "tests/ui/window_fixture.h"

namespace kestrel::test {
namespace {

// Row 1 + 31 C + T holds thickness T/100 and camber C/100: this is the pair (0.12, 0.04).
constexpr long kErasedRow = 1 + 31 * 4 + 12;

class Messages : public WindowTest {
public:
    void SetUp() override {}
};

TEST_F(Messages, TableMissShowsItsMessageAndTheChainGoesOnWithThePreviousProfile) {
    open([](KatJoColumns& table) {
        loadBuiltInTable(table);
        table.KatJo_tc[kErasedRow] = 0.5; // no scroll position reaches t/c = 0.5
    });
    drag("HScroll_Camber", 4);
    drag("HScroll_Thickness", 11);
    ASSERT_TRUE(watcher.seen().empty());
    const State before = window->state();
    ASSERT_NE(before.eps, 0.0);
    for (const char* name : kBoxes) {
        box(name)->setText(QStringLiteral("x"));
    }
    std::vector<unsigned> clears;
    for (const char* name : kSurfaces) {
        clears.push_back(surface(name).clears());
    }

    step("HScroll_Thickness", QAbstractSlider::SliderSingleStepAdd);

    const std::vector<SeenMessage> seen = watcher.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("bu profil veritabanında yok"));
    EXPECT_EQ(seen[0].title, QStringLiteral("Kestrel"));
    EXPECT_EQ(seen[0].standardButtons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(seen[0].buttonCount, 1);
    EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);

    // The new inputs are taken and shown; the profile is the previous one.
    const State& after = window->state();
    EXPECT_EQ(after.Thickness, 0.12);
    EXPECT_EQ(after.Camber, 0.04);
    EXPECT_EQ(after.eps, before.eps);
    EXPECT_EQ(after.mu, before.mu);
    EXPECT_EQ(after.Chord, before.Chord);
    EXPECT_EQ(text("Text_Thickness"), QStringLiteral("0.12"));
    EXPECT_EQ(text("Text_Camber"), QStringLiteral("0.04"));
    // The rest of the chain ran: every surface redrawn, every result box rewritten.
    for (std::size_t i = 0; i < std::size(kSurfaces); ++i) {
        EXPECT_EQ(surface(kSurfaces[i]).clears(), clears[i] + 1) << kSurfaces[i];
    }
    EXPECT_NE(text("Text_CL"), QStringLiteral("x"));
    EXPECT_NE(text("Text1"), QStringLiteral("x"));

    // The neighbours are in the table and show no message.
    step("HScroll_Thickness", QAbstractSlider::SliderSingleStepAdd);
    EXPECT_TRUE(watcher.take().empty());
    EXPECT_NE(window->state().eps, before.eps);
}

TEST_F(Messages, AnErrorStopsTheChainIsShownAndTheProgramGoesOn) {
    // A table that is too short: the search for a pair beyond its end reads past the last row.
    // Nothing in the window guards against that; the error has to reach the user.
    open([](KatJoColumns& table) {
        loadBuiltInTable(table);
        double kept[6];
        for (long i = 0; i <= 5; ++i) {
            kept[i] = table.KatJo_tc[i];
        }
        table.KatJo_tc.resize(5); // rows 1 to 5: thickness 0 to 0.04 without camber
        for (long i = 0; i <= 5; ++i) {
            table.KatJo_tc[i] = kept[i];
        }
    });
    step("HScroll_Thickness", QAbstractSlider::SliderSingleStepAdd); // row 2, in the table
    ASSERT_TRUE(watcher.take().empty());
    for (const char* name : {"Text_CL", "Text1", "Text_xM"}) {
        box(name)->setText(QStringLiteral("x"));
    }
    std::vector<std::vector<SurfaceItem>> pictures;
    for (const char* name : kSurfaces) {
        pictures.push_back(surface(name).items());
    }

    drag("HScroll_Thickness", 10);

    const std::vector<SeenMessage> seen = watcher.take();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].text.contains(QStringLiteral("KatJo_tc"))) << seen[0].text.toStdString();
    EXPECT_EQ(seen[0].buttonCount, 1);
    // The rest of the chain did not run: the plots and result boxes are as they were.
    for (std::size_t i = 0; i < std::size(kSurfaces); ++i) {
        EXPECT_EQ(surface(kSurfaces[i]).items(), pictures[i]) << kSurfaces[i];
        EXPECT_EQ(surface(kSurfaces[i]).clears(), 1u) << kSurfaces[i];
    }
    for (const char* name : {"Text_CL", "Text1", "Text_xM"}) {
        EXPECT_EQ(text(name), QStringLiteral("x")) << name;
    }

    // The window keeps working.
    drag("HScroll_Thickness", 3);
    EXPECT_TRUE(watcher.take().empty());
    EXPECT_EQ(surface("Picture_CM").clears(), 2u);
    EXPECT_EQ(text("Text_Thickness"), QStringLiteral("0.03"));
    EXPECT_NE(text("Text_CL"), QStringLiteral("x"));
}

} // namespace
} // namespace kestrel::test
