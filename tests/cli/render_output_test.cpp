// SPDX-License-Identifier: MIT
// kestrel-calc render: the files and their sizes, PNG and SVG validity, the pixels against the
// recorded lines and circles of the window's chain, and the failures.

#include "model/coefficients.h"
#include "model/pressure.h"
#include "model/profile.h"
#include "model/startup.h"
#include "plots/chain.h"
#include "plots/colours.h"
#include "plots/labels.h"
#include "plots/picture.h"
#include "tests/cli/calc_test_support.h"
#include "tests/support/gui_environment.h"
#include "tests/support/pixels.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sys/stat.h>
#include <thread>

namespace kestrel::test {
namespace {

// The window's surfaces in file order, with their logical sizes: the layout's twips over 15,
// rounded. daire 3400 x 3400 twips = 226.7 -> 227; profil 4800 x 2400 = 320 x 160; pressure
// 4800 x 4335 = 320 x 289; Picture_CL 3200 x 3915 = 213.3 x 261 -> 213 x 261; Picture_CM
// 3255 x 2775 = 217 x 185.
struct SurfaceSize {
    const char* name;
    int width, height;
};

const SurfaceSize kSurfaces[] = {
    {"daire", 227, 227},      {"profil", 320, 160},     {"pressure", 320, 289},
    {"Picture_CL", 213, 261}, {"Picture_CM", 217, 185},
};

const QColor kBackground(255, 255, 192);

// The SVG renderer's fonts need a QGuiApplication.
[[maybe_unused]] const ::testing::Environment* const kGui = GuiEnvironment::registerOnce();

std::vector<std::string> renderArguments(const ChainInputs& in, const std::string& out,
                                         const std::string& format, const std::string& scale) {
    return {"render",
            "--out",
            out,
            "--thickness",
            std::to_string(in.thickness),
            "--camber",
            std::to_string(in.camber),
            "--points",
            std::to_string(in.points),
            "--alpha",
            std::to_string(in.alpha),
            "--xm",
            std::to_string(in.xm),
            "--mach",
            in.mach,
            "--format",
            format,
            "--scale",
            scale};
}

// Runs render and checks that it succeeded quietly and listed the five files it wrote.
void renderInto(const TempFolder& folder, const ChainInputs& in, const std::string& format,
                const std::string& scale) {
    const std::string out = folder / "plots";
    const CalcRun run = runCalc(renderArguments(in, out, format, scale));
    ASSERT_TRUE(run.exited);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::string listed;
    std::vector<std::string> names;
    for (const SurfaceSize& s : kSurfaces) {
        listed += out + "/" + s.name + "." + format + "\n";
        names.push_back(std::string(s.name) + "." + format);
    }
    EXPECT_EQ(run.out, listed);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(entriesOf(out), names) << "exactly the five files, no temporary file left";
}

std::string pictureFile(const TempFolder& folder, const SurfaceSize& s, const std::string& format) {
    return folder / ("plots/" + std::string(s.name) + "." + format);
}

// Pixel size of a picture: the logical size times the scale, rounded (half away from zero).
QSize expectedPixels(const SurfaceSize& s, double scale) {
    return QSize(static_cast<int>(std::lround(s.width * scale)),
                 static_cast<int>(std::lround(s.height * scale)));
}

// ---- Files, sizes and formats ---------------------------------------------------------------

struct ScaleCase {
    std::string text;
    double value;
};

class PngSize : public ::testing::TestWithParam<ScaleCase> {};

// 1 and 2 as the window and its double-resolution picture; 0.5 and 1.5 round 227 x 1.5 = 340.5
// and 289 x 1.5 = 433.5 up, and 213 x 0.5 = 106.5 up to 107.
INSTANTIATE_TEST_SUITE_P(Scales, PngSize,
                         ::testing::Values(ScaleCase{"1", 1}, ScaleCase{"2", 2},
                                           ScaleCase{"0.5", 0.5}, ScaleCase{"1.5", 1.5}));

TEST_P(PngSize, IsTheWindowsSizeTimesTheScale) {
    const TempFolder folder;
    renderInto(folder, ChainInputs{12, 4, 51, 5, 25, "0.3"}, "png", GetParam().text);
    for (const SurfaceSize& s : kSurfaces) {
        SCOPED_TRACE(s.name);
        QImageReader reader(QString::fromStdString(pictureFile(folder, s, "png")));
        EXPECT_EQ(reader.format(), "png");
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), expectedPixels(s, GetParam().value));
    }
}

// The root element's width, height and viewBox attributes.
struct SvgRoot {
    QString width, height, viewBox;
};

SvgRoot svgRoot(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QXmlStreamReader xml(&file);
    SvgRoot root;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            EXPECT_EQ(xml.name(), QStringLiteral("svg"));
            root = {xml.attributes().value("width").toString(),
                    xml.attributes().value("height").toString(),
                    xml.attributes().value("viewBox").toString()};
            break;
        }
    }
    // The rest of the document must be well-formed XML too.
    while (!xml.atEnd()) {
        xml.readNext();
    }
    EXPECT_FALSE(xml.hasError()) << path << ": " << xml.errorString().toStdString();
    return root;
}

TEST(SvgFiles, AreValidWithThePixelSizeAsWidthHeightAndViewBox) {
    GuiEnvironment::ensure();
    for (const ScaleCase& scale : {ScaleCase{"1", 1}, ScaleCase{"2", 2}}) {
        const TempFolder folder;
        renderInto(folder, ChainInputs{12, 4, 51, 5, 25, "0.3"}, "svg", scale.text);
        for (const SurfaceSize& s : kSurfaces) {
            SCOPED_TRACE(std::string(s.name) + " at scale " + scale.text);
            const std::string path = pictureFile(folder, s, "svg");
            const QSize size = expectedPixels(s, scale.value);
            const SvgRoot root = svgRoot(path);
            EXPECT_EQ(root.width.toStdString(), std::to_string(size.width()));
            EXPECT_EQ(root.height.toStdString(), std::to_string(size.height()));
            EXPECT_EQ(root.viewBox.toStdString(),
                      "0 0 " + std::to_string(size.width()) + " " + std::to_string(size.height()));
            QSvgRenderer renderer(QString::fromStdString(path));
            EXPECT_TRUE(renderer.isValid());
            EXPECT_EQ(renderer.defaultSize(), size);
        }
    }
}

// The picture files do not depend on the locale: SVG coordinates are written with ".".
TEST(SvgFiles, AreTheSameInADecimalCommaLocale) {
    const TempFolder plain;
    const TempFolder comma;
    const ChainInputs in{12, 4, 51, 5, 25, "0.3"};
    renderInto(plain, in, "svg", "1.5");
    {
        const ScopedEnvironment locale("LC_ALL", "de_DE.UTF-8");
        renderInto(comma, in, "svg", "1.5");
    }
    for (const SurfaceSize& s : kSurfaces) {
        SCOPED_TRACE(s.name);
        QFile a(QString::fromStdString(pictureFile(plain, s, "svg")));
        QFile b(QString::fromStdString(pictureFile(comma, s, "svg")));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll());
    }
}

// ---- Pixels against the record --------------------------------------------------------------

// A recorded item in device pixels of the picture.
struct DeviceItem {
    bool circle;
    QPointF a, b; // a line's ends; a circle's centre in a
    double r;     // a circle's radius
    Colour colour;
};

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF d = b - a;
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - a, d) / length2, 0.0, 1.0);
    const QPointF nearest = a + t * d;
    return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

double distanceTo(const QPointF& p, const DeviceItem& item) {
    if (item.circle) {
        return std::fabs(std::hypot(p.x() - item.a.x(), p.y() - item.a.y()) - item.r);
    }
    return distanceToSegment(p, item.a, item.b);
}

double distanceToRect(const QPointF& p, const QRectF& r) {
    const double dx = std::max({r.left() - p.x(), 0.0, p.x() - r.right()});
    const double dy = std::max({r.top() - p.y(), 0.0, p.y() - r.bottom()});
    return std::hypot(dx, dy);
}

// The picture of one surface in device pixels: the inner area inside the sunken border, the
// record mapped onto it with ScaleMap, and the boxes of the labels painted over it.
struct PictureLayout {
    double scale;
    QRectF inner;
    std::vector<DeviceItem> items;
    std::vector<QRectF> labels;
};

PictureLayout layoutOf(const Surface& surface, const SurfaceSize& size, double scale) {
    PictureLayout p;
    p.scale = scale;
    const double border = kSurfaceBorder * scale;
    p.inner =
        QRectF(border, border, size.width * scale - 2 * border, size.height * scale - 2 * border);
    const ScaleMap map(surface.scale(), p.inner.left(), p.inner.top(), p.inner.width(),
                       p.inner.height());
    for (const SurfaceItem& item : surface.items()) {
        const bool circle = item.kind == SurfaceItem::Kind::Circle;
        p.items.push_back({circle, QPointF(map.x(item.x1), map.y(item.y1)),
                           QPointF(map.x(item.x2), map.y(item.y2)), map.horizontalLength(item.r),
                           item.colour});
    }
    for (const PlotLabel& l : kPlotLabels) {
        if (surfaceDefinition(l.surface).name == size.name) {
            const PixelBox box = visibleBox(l);
            p.labels.push_back(QRectF(p.inner.left() + box.left * scale,
                                      p.inner.top() + box.top * scale, box.width * scale,
                                      box.height * scale));
        }
    }
    return p;
}

constexpr int kSearchRadius = 2; // pixels around the mapped point

// Where a colour of the record can be seen: a point along one of its lines or around one of its
// circles whose nearest pixels nothing covers and nothing imitates. Items of another colour drawn
// later and the labels (painted last, their text may overhang the box a little) cover the pixels
// within a line's width of them. Only a red and a blue line meeting give a blend that reads as
// magenta; no blend of the other colours imitates red, green, blue or black.
struct Probe {
    QPointF point;
    double margin = -1e9; // how far the point is from the nearest trouble, beyond what it needs
};

Probe bestProbe(const PictureLayout& p, Colour colour) {
    const double covered = p.scale + 1.5;                  // a line's own pixels plus blending
    const double imitated = kSearchRadius + p.scale + 1.5; // a blend anywhere in the search
    Probe best;
    for (std::size_t i = 0; i < p.items.size(); ++i) {
        const DeviceItem& item = p.items[i];
        if (item.colour != colour) {
            continue;
        }
        std::vector<QPointF> points;
        if (item.circle) {
            for (int k = 0; k < 16; ++k) {
                const double angle = k * std::numbers::pi / 8;
                points.push_back(item.a + item.r * QPointF(std::cos(angle), std::sin(angle)));
            }
        } else {
            for (double t : {0.25, 0.5, 0.75}) {
                points.push_back(item.a + t * (item.b - item.a));
            }
        }
        for (const QPointF& point : points) {
            double margin = std::min({point.x() - p.inner.left(), p.inner.right() - point.x(),
                                      point.y() - p.inner.top(), p.inner.bottom() - point.y()}) -
                            (kSearchRadius + 1);
            for (std::size_t k = 0; k < p.items.size(); ++k) {
                const Colour other = p.items[k].colour;
                if (k > i && other != colour) {
                    margin = std::min(margin, distanceTo(point, p.items[k]) - covered);
                }
                if (colour == kMagenta && (other == rgb(255, 0, 0) || other == rgb(0, 0, 255))) {
                    margin = std::min(margin, distanceTo(point, p.items[k]) - imitated);
                }
            }
            for (const QRectF& label : p.labels) {
                margin = std::min(margin, distanceToRect(point, label) - 2 * p.scale - covered);
            }
            if (margin > best.margin) {
                best = {point, margin};
            }
        }
    }
    return best;
}

bool colourNear(const QImage& image, const QPointF& point, Colour colour) {
    const int cx = static_cast<int>(std::floor(point.x()));
    const int cy = static_cast<int>(std::floor(point.y()));
    for (int y = cy - kSearchRadius; y <= cy + kSearchRadius; ++y) {
        for (int x = cx - kSearchRadius; x <= cx + kSearchRadius; ++x) {
            if (image.valid(x, y) && shows(image.pixel(x, y), colour)) {
                return true;
            }
        }
    }
    return false;
}

// Inputs, format and scale of a rendered set of pictures whose pixels are checked.
struct PixelCase {
    ChainInputs inputs;
    std::string format;
    std::string scaleText;
    double scale;
};

// Built field by field: brace-initialising the nested inputs in place trips a false
// "may be used uninitialized" warning of g++ 12 at -O3.
PixelCase pixelCase(int thickness, int points, int alpha, int xm, const char* mach,
                    const char* format, const char* scaleText, double scale) {
    PixelCase c;
    c.inputs.thickness = thickness;
    c.inputs.camber = 4;
    c.inputs.points = points;
    c.inputs.alpha = alpha;
    c.inputs.xm = xm;
    c.inputs.mach = mach;
    c.format = format;
    c.scaleText = scaleText;
    c.scale = scale;
    return c;
}

void PrintTo(const PixelCase& c, std::ostream* os) {
    *os << c.format << " at scale " << c.scaleText << ", thickness " << c.inputs.thickness
        << ", camber " << c.inputs.camber << ", mach \"" << c.inputs.mach << "\"";
}

// The picture file as an image: a PNG as it is, an SVG drawn at its own size by Qt's renderer.
QImage loadPicture(const std::string& path, const std::string& format) {
    if (format == "png") {
        return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    }
    GuiEnvironment::ensure();
    QSvgRenderer renderer(QString::fromStdString(path));
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

class RenderedPixels : public ::testing::TestWithParam<PixelCase> {
protected:
    void SetUp() override {
        const PixelCase& c = GetParam();
        renderInto(folder_, c.inputs, c.format, c.scaleText);
        drawFullChain(c.inputs, record_);
    }

    QImage picture(const SurfaceSize& s) const {
        return loadPicture(pictureFile(folder_, s, GetParam().format), GetParam().format);
    }

    TempFolder folder_;
    PlotSurfaces record_;
};

INSTANTIATE_TEST_SUITE_P(FormatsAndScales, RenderedPixels,
                         ::testing::Values(pixelCase(12, 51, 5, 25, "0", "png", "1", 1),
                                           pixelCase(12, 51, 5, 25, "0", "png", "2", 2),
                                           pixelCase(12, 60, 8, 0, "0.6", "png", "1", 1),
                                           pixelCase(12, 51, 8, 0, "0.6", "svg", "2", 2)));

// The profile's upper side is blue and its lower side red; with the circle plane, the pressure
// distribution, the grids, the curves and their markers, every colour of every record shows
// where ScaleMap puts it on the inner area.
TEST_P(RenderedPixels, EveryColourShowsWhereTheRecordDrawsIt) {
    for (const SurfaceSize& s : kSurfaces) {
        SCOPED_TRACE(s.name);
        const QImage image = picture(s);
        ASSERT_FALSE(image.isNull());
        const PictureLayout layout = layoutOf(record_.named(s.name), s, GetParam().scale);
        std::vector<Colour> colours;
        for (const DeviceItem& item : layout.items) {
            if (std::find(colours.begin(), colours.end(), item.colour) == colours.end()) {
                colours.push_back(item.colour);
            }
        }
        ASSERT_GE(colours.size(), 3u); // grid or axes, and both halves or a curve and marker
        for (const Colour colour : colours) {
            const Probe probe = bestProbe(layout, colour);
            SCOPED_TRACE("colour " + std::to_string(colour) + " at " +
                         std::to_string(probe.point.x()) + ", " + std::to_string(probe.point.y()));
            ASSERT_GT(probe.margin, 0) << "no place where this colour can be seen";
            EXPECT_TRUE(colourNear(image, probe.point, colour));
        }
    }
}

// Blue upper and red lower side of the profile at mid-chord, where the two sides lie apart.
TEST_P(RenderedPixels, ProfileIsBlueAboveAndRedBelowAtMidChord) {
    const SurfaceSize& s = kSurfaces[1];
    const QImage image = picture(s);
    const PictureLayout layout = layoutOf(record_[SurfaceId::profil], s, GetParam().scale);
    for (const Colour colour : {rgb(0, 0, 255), rgb(255, 0, 0)}) {
        // The segment of that colour that spans x/c = 0.5 (profile segments follow the 14 grid
        // lines); its midpoint lies on the side's outline.
        const std::vector<SurfaceItem>& items = record_[SurfaceId::profil].items();
        const auto segment = std::find_if(items.begin() + 14, items.end(), [&](const auto& item) {
            return item.colour == colour && std::min(item.x1, item.x2) <= 0.5f &&
                   std::max(item.x1, item.x2) >= 0.5f;
        });
        ASSERT_NE(segment, items.end());
        const DeviceItem& mapped = layout.items[static_cast<std::size_t>(segment - items.begin())];
        const QPointF middle = (mapped.a + mapped.b) / 2;
        EXPECT_TRUE(colourNear(image, middle, colour)) << colour;
        // The upper side is drawn higher in the picture.
        if (colour == rgb(0, 0, 255)) {
            EXPECT_LT(middle.y(), layout.inner.center().y());
        }
    }
}

// Every pixel of the inner area that lies well away from every line, circle and label shows
// the plot background, light yellow.
TEST_P(RenderedPixels, AwayFromEveryLineAndLabelIsThePlotBackground) {
    const double scale = GetParam().scale;
    for (const SurfaceSize& s : kSurfaces) {
        SCOPED_TRACE(s.name);
        const QImage image = picture(s);
        const PictureLayout layout = layoutOf(record_.named(s.name), s, scale);
        int checked = 0;
        for (int y = static_cast<int>(layout.inner.top()) + 3;
             y < static_cast<int>(layout.inner.bottom()) - 3; y += 2) {
            for (int x = static_cast<int>(layout.inner.left()) + 3;
                 x < static_cast<int>(layout.inner.right()) - 3; x += 2) {
                const QPointF centre(x + 0.5, y + 0.5);
                const bool nearItem =
                    std::any_of(layout.items.begin(), layout.items.end(), [&](const auto& item) {
                        return distanceTo(centre, item) < scale + 3;
                    });
                const bool nearLabel =
                    std::any_of(layout.labels.begin(), layout.labels.end(), [&](const auto& box) {
                        return distanceToRect(centre, box) < 4 * scale;
                    });
                if (nearItem || nearLabel) {
                    continue;
                }
                ++checked;
                ASSERT_EQ(image.pixelColor(x, y), kBackground) << "pixel " << x << ", " << y;
            }
        }
        EXPECT_GT(checked, 500);
    }
}

// ---- The record is the window's drawing of the model's values -------------------------------

TEST(RenderRecord, DrawsTheModelsProfilePressureAndCurrentValues) {
    const ChainInputs in{12, 4, 51, 5, 25, "0.3"};
    PlotSurfaces record;
    const ChainResult chain = drawFullChain(in, record);
    EXPECT_EQ(chain.values.row, 1 + 31 * 4 + 12);

    // The same profile and pressure straight from the numeric core.
    State s;
    startUp(s);
    setProfileInputs(s, in.thickness, in.camber, in.points);
    ASSERT_TRUE(computeProfile(s));
    setAngleInput(s, in.alpha);
    computePressure(s);

    const auto single = [](double v) { return static_cast<float>(v); };
    // A closed polygon over points 1 to 51: red from 1 to 26 (the lower side), blue after.
    const auto expectPolygon = [&](const Surface& surface, std::size_t first, const auto& x,
                                   const auto& y) {
        const std::vector<SurfaceItem>& items = surface.items();
        ASSERT_GE(items.size(), first + 50);
        for (long j = 1; j <= 50; ++j) {
            const SurfaceItem& item = items[first + static_cast<std::size_t>(j - 1)];
            SCOPED_TRACE("segment " + std::to_string(j));
            EXPECT_EQ(item.colour, j <= 25 ? rgb(255, 0, 0) : rgb(0, 0, 255));
            EXPECT_EQ(item.x1, single(x(j)));
            EXPECT_EQ(item.y1, single(y(j)));
            EXPECT_EQ(item.x2, single(x(j + 1)));
            EXPECT_EQ(item.y2, single(y(j + 1)));
        }
    };
    // daire: two axes and the centre cross, then the circle; profil: 7 + 7 grid lines, then the
    // profile; pressure: 7 + 6 grid lines, then 1 - Cp. Vertical values are drawn negated.
    expectPolygon(
        record[SurfaceId::daire], 4, [&](long j) { return s.xCirc[j]; },
        [&](long j) { return -s.yCirc[j]; });
    expectPolygon(
        record[SurfaceId::profil], 14, [&](long j) { return s.xProf[j]; },
        [&](long j) { return -s.yProf[j]; });
    expectPolygon(
        record[SurfaceId::pressure], 13, [&](long j) { return s.xProf[j]; },
        [&](long j) { return -(1 - s.Cp[j]); });
    // Mach 0.3 adds the magenta curve 1 - Cp / sqrt(1 - 0.09) over all 50 segments.
    ASSERT_EQ(record[SurfaceId::pressure].items().size(), 13u + 50u + 50u);
    EXPECT_NEAR(record[SurfaceId::pressure].items().back().y2, -(1 - s.Cp[51] / std::sqrt(0.91)),
                1e-6);

    // The markers sit at the current values the profile command reports for the same inputs.
    const CalcRun run = runCalc({"profile", "--thickness", "12", "--camber", "4", "--alpha", "5",
                                 "--xm", "25", "--mach", "0.3"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json current = nlohmann::json::parse(run.out)["current"];
    const double cl = current["CLcur"].get<double>();
    const double cm = current["CMcur"].get<double>();
    EXPECT_EQ(chain.state.CLcur, cl);
    EXPECT_EQ(chain.values.CMcur, cm);
    // The lift law 8 pi (R/c) sin(alpha + Beta) at 5 degrees.
    EXPECT_NEAR(cl, 8 * std::numbers::pi * s.RbyC * std::sin(5 * std::numbers::pi / 180 + s.Beta),
                1e-12);
    for (const auto& [surface, value] :
         {std::pair{&record[SurfaceId::Picture_CL], cl}, {&record[SurfaceId::Picture_CM], cm}}) {
        const auto& items = surface->items();
        const auto marker = std::find_if(items.begin(), items.end(), [](const auto& item) {
            return item.kind == SurfaceItem::Kind::Circle && item.colour == rgb(255, 0, 0);
        });
        ASSERT_NE(marker, items.end());
        EXPECT_EQ(marker->x1, 5.0f);
        EXPECT_EQ(marker->y1, single(-value));
        EXPECT_EQ(marker->r, 0.4f);
    }
}

// ---- Headless ---------------------------------------------------------------------------------

TEST(RenderHeadless, NeedsNoDisplayWhateverThePlatformVariableSays) {
    const ScopedEnvironment platform("QT_QPA_PLATFORM", "xcb");
    const ScopedEnvironment display("DISPLAY", nullptr);
    const ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    const TempFolder folder;
    renderInto(folder, ChainInputs{}, "png", "1");
}

// ---- Failures -----------------------------------------------------------------------------------

// A folder that cannot be made or filled: the message names the path, nothing is printed on
// standard output, the status is 1, and no file appears under a final name.
TEST(RenderFailure, UnwritableFolderIsNamedAndGetsNoFile) {
    const TempFolder folder;
    // A regular file cannot hold a folder, even for root.
    const std::string file = folder / "file";
    std::ofstream(file) << "not a folder\n";
    // A folder with a subfolder where profil.png would go: the rename over it fails.
    const std::string blocked = folder / "blocked";
    std::filesystem::create_directories(blocked + "/profil.png");
    std::filesystem::create_directories(blocked + "/profil.svg");

    struct Case {
        std::string out;
        std::string named; // the path the message must name
        std::vector<std::string> entriesAfter;
    };
    const Case cases[] = {
        {file + "/sub", file + "/sub", {}},
        {file, file, {}},
        {"/proc/self", "/proc/self/", {}},
        {blocked, blocked + "/profil.", {"profil.png", "profil.svg"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.out);
        for (const char* format : {"png", "svg"}) {
            const CalcRun run = runCalc({"render", "--out", c.out, "--format", format});
            ASSERT_TRUE(run.exited);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            const std::vector<std::string> lines = linesOf(run.err);
            ASSERT_EQ(lines.size(), 1u) << run.err;
            EXPECT_EQ(lines[0].rfind("kestrel-calc: cannot ", 0), 0u) << lines[0];
            EXPECT_NE(lines[0].find(c.named), std::string::npos) << lines[0];
        }
        if (c.out != "/proc/self") {
            EXPECT_EQ(entriesOf(c.out), c.entriesAfter);
        }
    }
    EXPECT_EQ(entriesOf(folder.path()), (std::vector<std::string>{"blocked", "file"}));
}

// A disk that fills part-way through a picture: the message gives the system's reason, and no
// file of the set, complete or partial, is left behind.
TEST(RenderFailure, AFileCutShortGivesTheRealReasonAndLeavesNothing) {
    for (const char* format : {"png", "svg"}) {
        const TempFolder folder;
        CalcRun run;
        {
            const ScopedFileSizeLimit limit(4096); // every picture is larger
            run = runCalc({"render", "--out", folder.path().string(), "--format", format});
        }
        EXPECT_EQ(run.status, 1) << format;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Unknown error"), std::string::npos) << run.err;
        EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{}) << format;
    }
}

// A FIFO under --out, or where one of render's pictures goes, is left alone and the run fails;
// a symbolic link is written through to its file.
TEST(RenderFailure, OnlyARegularFileIsReplacedAndALinkIsFollowed) {
    const TempFolder folder;
    const std::string fifo = folder / "p";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(folder / "d");
    ASSERT_EQ(::mkfifo((folder / "d/daire.png").c_str(), 0644), 0);
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"flow", "--format", "svg", "--out", fifo}, fifo},
        {{"render", "--out", folder / "d"}, folder / "d/daire.png"},
    };
    for (const auto& [arguments, path] : refused) {
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "kestrel-calc: cannot write " + path + ": is not a regular file\n");
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(entriesOf(folder / "d"), std::vector<std::string>{"daire.png"});

    std::ofstream(folder / "flow.svg") << "old";
    std::filesystem::create_symlink("flow.svg", folder / "link.svg");
    EXPECT_EQ(runCalc({"flow", "--format", "svg", "--out", folder / "link.svg"}).status, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.svg"));
    QSvgRenderer svg(QString::fromStdString(folder / "flow.svg"));
    EXPECT_TRUE(svg.isValid());
}

// The bytes of the five pictures in a folder, in file order.
std::vector<std::string> pictureSet(const std::filesystem::path& folder) {
    std::vector<std::string> set;
    for (const SurfaceSize& s : kSurfaces) {
        std::ifstream file(folder / (std::string(s.name) + ".png"), std::ios::binary);
        set.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return set;
}

// Two renders into one folder at once leave one complete set, the one or the other.
TEST(RenderSets, TwoRendersAtOnceLeaveOneCompleteSet) {
    const TempFolder folder;
    const std::vector<std::string> inputs[] = {{"--thickness", "12"}, {"--thickness", "25"}};
    std::vector<std::vector<std::string>> expected;
    for (const auto& in : inputs) {
        const TempFolder alone;
        std::vector<std::string> arguments{"render", "--out", alone.path().string()};
        arguments.insert(arguments.end(), in.begin(), in.end());
        ASSERT_EQ(runCalc(arguments).status, 0);
        expected.push_back(pictureSet(alone.path()));
    }
    for (int round = 0; round < 6; ++round) {
        std::vector<std::thread> renders;
        for (const auto& in : inputs) {
            renders.emplace_back([&folder, &in] {
                std::vector<std::string> arguments{"render", "--out", folder.path().string()};
                arguments.insert(arguments.end(), in.begin(), in.end());
                EXPECT_EQ(runCalc(arguments).status, 0);
            });
        }
        for (std::thread& render : renders) {
            render.join();
        }
        const std::vector<std::string> left = pictureSet(folder.path());
        EXPECT_TRUE(left == expected[0] || left == expected[1]) << "round " << round;
        EXPECT_EQ(entriesOf(folder.path()).size(), 5u);
    }
}

// Bad options are refused before anything is drawn or created.
TEST(RenderFailure, BadOptionsCreateNoFolder) {
    const TempFolder folder;
    const std::string out = folder / "plots";
    const std::vector<std::vector<std::string>> bad = {
        {"--scale", "0.4"},  {"--scale", "9"},      {"--scale", "abc"},
        {"--format", "jpg"}, {"--thickness", "31"}, {"--mach", "0.3", "--points", "5"},
    };
    for (const auto& options : bad) {
        std::vector<std::string> arguments{"render", "--out", out};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CalcRun run = runCalc(arguments);
        EXPECT_EQ(run.status, 2) << options.front();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(options[options.size() - 2]), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace kestrel::test
