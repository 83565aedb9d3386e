// SPDX-License-Identifier: MIT
// The menu of the five plots: its items and shortcuts, the copied picture, the saved pictures
// and numbers, and a save that fails.
#include "model/chain.h"
#include "model/csv.h"
#include "plots/picture.h"
#include "tests/support/pixels.h"
#include "tests/ui/window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace kestrel::test {
namespace {

class PlotMenu : public WindowTest {
public:
    QAction* action(const char* plot, const QString& text) {
        for (QAction* a : picture(plot)->actions()) {
            if (a->text() == text) {
                return a;
            }
        }
        throw std::runtime_error("no action " + text.toStdString());
    }

    // Saves through the menu into `file` of the temporary folder; returns what the dialog was
    // offered.
    QString saveAs(const char* plot, const QString& item, const QString& file) {
        QString suggested;
        window->setFileChooser([&](const QString&, const QString& offered, const QString&) {
            suggested = offered;
            return folder.filePath(file);
        });
        action(plot, item)->trigger();
        return suggested;
    }

    QByteArray contents(const QString& file) const {
        QFile f(folder.filePath(file));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return f.readAll();
    }

    void fullChainAt(const QString& mach) {
        setMach(mach);
        drag("HScroll_AlfaD", 5);
        drag("HScroll_Camber", 4);
        drag("HScroll_Thickness", 12);
    }

    QTemporaryDir folder;
};

// The five items, then apart from them the Language menu.
TEST_F(PlotMenu, EveryPlotOffersTheFiveItemsWithTheirStandardShortcuts) {
    for (const char* plot : kSurfaces) {
        QStringList texts;
        for (QAction* a : picture(plot)->actions()) {
            texts << a->text();
            EXPECT_TRUE(a->isShortcutVisibleInContextMenu() || a->isSeparator() || a->menu());
        }
        EXPECT_EQ(texts, (QStringList{"Study window", "Keep for comparison", "Copy picture",
                                      "Save picture…", "Save data…", "", "&Language"}));
        EXPECT_EQ(picture(plot)->contextMenuPolicy(), Qt::ActionsContextMenu);
        EXPECT_EQ(action(plot, "Copy picture")->shortcut(), QKeySequence(QKeySequence::Copy));
        EXPECT_EQ(action(plot, "Save picture…")->shortcut(), QKeySequence(QKeySequence::Save));
        EXPECT_EQ(action(plot, "Save data…")->shortcut(), QKeySequence(QKeySequence::SaveAs));
    }
}

TEST_F(PlotMenu, CopyPutsThePlotAsShownOnTheClipboard) {
    fullChainAt("0.3");
    const unsigned clears = surface("daire").clears();
    for (const char* plot : kSurfaces) {
        action(plot, "Copy picture")->trigger();
        const QImage copied =
            QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        const QImage shown = picture(plot)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(copied.size(), pictureSize(picture(plot)->id())) << plot;
        EXPECT_EQ(unmatchedPixels(copied, shown), 0) << plot;
    }
    EXPECT_EQ(surface("daire").clears(), clears); // the menu runs no chain
}

TEST_F(PlotMenu, SavedPicturesArePngOrSvgAtTwiceTheSize) {
    fullChainAt("0.3");
    saveAs("pressure", "Save picture…", "pressure.png");
    const QImage png = QImage::fromData(contents("pressure.png"), "PNG");
    EXPECT_EQ(png.size(), 2 * pictureSize(SurfaceId::pressure));

    // The next dialog offers the folder chosen last.
    const QString offered = saveAs("Picture_CL", "Save picture…", "lift.svg");
    EXPECT_EQ(QFileInfo(offered).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    QSvgRenderer svg(contents("lift.svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), 2 * pictureSize(SurfaceId::Picture_CL));
}

// The numbers behind each plot, as kestrel-calc computes them for the same positions and Mach.
TEST_F(PlotMenu, SavedDataAreThePlotsNumbers) {
    fullChainAt("0.6");
    ChainInputs inputs;
    inputs.thickness = 12;
    inputs.camber = 4;
    inputs.alpha = 5;
    inputs.mach = "0.6";
    const State s = computeFullChain(inputs).state;
    const std::pair<const char*, std::string> expected[] = {
        {"daire", circleCsv(s)},
        {"profil", coordinatesCsv(s)},
        {"pressure", pressureCsv(s)},
        {"Picture_CL", curveCsv(s, CurveName::CL, 0.8)},
        {"Picture_CM", curveCsv(s, CurveName::CM, 0.8)}};
    for (const auto& [plot, csv] : expected) {
        saveAs(plot, "Save data…", QString::fromUtf8(plot) + ".csv");
        EXPECT_EQ(contents(QString::fromUtf8(plot) + ".csv").toStdString(), csv) << plot;
    }
    // The lift curve at 5 degrees is the line marked current, with its Prandtl-Glauert value.
    const QString lift = QString::fromUtf8(contents("Picture_CL.csv"));
    EXPECT_TRUE(lift.startsWith("alpha,CL,CL_prandtl_glauert,current\n"));
    EXPECT_TRUE(lift.contains(QRegularExpression("\n5,[^,]+,[^,]+,yes\n")));
}

// A folder or a FIFO where the file would go is left alone; the message names the path.
TEST_F(PlotMenu, AFailedSaveSaysSoAndLeavesNoFile) {
    fullChainAt("0");
    QDir(folder.path()).mkdir("taken.png"); // a folder where the picture would go
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe.csv")).constData(), 0644), 0);
    saveAs("profil", "Save picture…", "taken.png");
    saveAs("profil", "Save data…", "pipe.csv");
    saveAs("profil", "Save data…", "missing/profil.csv");
    const std::vector<SeenMessage> seen = watcher.take();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text,
              "cannot write " + folder.filePath("taken.png") + ": is not a regular file");
    EXPECT_EQ(seen[1].text,
              "cannot write " + folder.filePath("pipe.csv") + ": is not a regular file");
    EXPECT_TRUE(seen[2].text.contains("No such file or directory"));
    EXPECT_TRUE(QFileInfo(folder.filePath("taken.png")).isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// Only a folder that took a file is offered again, and never one of the system's live folders.
TEST_F(PlotMenu, TheDialogStartsInTheLastFolderThatTookAFile) {
    fullChainAt("0");
    const QString good = QFileInfo(folder.path()).absoluteFilePath();
    saveAs("profil", "Save data…", "profil.csv");
    window->setFileChooser([](const QString&, const QString&, const QString&) {
        return QStringLiteral("/proc/self/profil.csv");
    });
    action("profil", "Save data…")->trigger();
    EXPECT_EQ(watcher.take().size(), 1u);
    EXPECT_EQ(QFileInfo(saveAs("profil", "Save data…", "again.csv")).absolutePath(), good);

    for (const char* remembered : {"/proc", "/proc/self/fd", "/sys/kernel", "/dev", "/dev/shm"}) {
        QSettings().setValue("files/lastFolder", remembered);
        EXPECT_EQ(QFileInfo(saveAs("profil", "Save data…", "again.csv")).absolutePath(),
                  QDir::homePath())
            << remembered;
    }
}

} // namespace
} // namespace kestrel::test
