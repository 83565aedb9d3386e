// SPDX-License-Identifier: MIT
// The menu of the five plots: the study window, and the plot's picture and numbers copied or
// saved. A right click opens it; it runs no chain.
#include "model/coefficients.h"
#include "model/csv.h"
#include "model/texts.h"
#include "plots/file_set.h"
#include "plots/picture.h"
#include "plots/picture_files.h"
#include "ui/form1.h"
#include "ui/language.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"
#include "ui/study_window.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QSettings>

namespace kestrel {

namespace {

const QString kLastFolderKey = QStringLiteral("files/lastFolder");

// Saved pictures are twice the window's size: crisp in a slide or on paper.
constexpr double kSavedPictureScale = 2;

// The system's live folders (/proc, /sys, /dev), where the file dialog's look into each file can
// wait forever on one that never ends; no dialog starts in one, whatever was remembered.
bool isSystemFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString path =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    for (const QString& root :
         {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev")}) {
        if (path == root || path.startsWith(root + QLatin1Char('/'))) {
            return true;
        }
    }
    return false;
}

QString nameOf(SurfaceId id) {
    return qtText(surfaceDefinition(id).name);
}

QAction* addPlotAction(PictureBox* box, TextId text, const QKeySequence& shortcut,
                       const std::function<void()>& run) {
    auto* action = new QAction(box);
    showText(action, TextRole::Text, text);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    action->setShortcutVisibleInContextMenu(true);
    QObject::connect(action, &QAction::triggered, box, run);
    box->addAction(action);
    return action;
}

} // namespace

void Form1::addPlotActions(PictureBox* box) {
    const SurfaceId id = box->id();
    box->setContextMenuPolicy(Qt::ActionsContextMenu);
    addPlotAction(box, TextId::StudyWindowAction, QKeySequence(), [this] { openStudyWindow(); });
    addPlotAction(box, TextId::KeepButton, QKeySequence(), [this] { keepForComparison(); });
    addPlotAction(box, TextId::CopyPictureAction, QKeySequence::Copy,
                  [this, id] { copyPicture(id); });
    addPlotAction(box, TextId::SavePictureAction, QKeySequence::Save,
                  [this, id] { savePicture(id); });
    addPlotAction(box, TextId::SaveDataAction, QKeySequence::SaveAs, [this, id] { saveData(id); });
    auto* separator = new QAction(box);
    separator->setSeparator(true);
    box->addAction(separator);
    box->addAction(makeLanguageMenu(box)->menuAction());
}

// The first time, the study window opens where it was last closed, or else beside this window.
// Its frame, not yet made, is taken to be as wide as this window's.
void Form1::openStudyWindow() {
    if (!study_) {
        study_ = std::make_unique<StudyWindow>(state_, values_);
        followZoom(*study_);
        study_->setInputsSource([this] { return inputs(); });
        if (!study_->remembersItsPlace()) {
            const QSize frame = frameGeometry().size() - size();
            const QRect place =
                besideWindow(frameGeometry(), study_->size() + frame,
                             study_->minimumSizeHint() + frame, screen()->availableGeometry());
            study_->resize(place.size() - frame);
            study_->move(place.topLeft());
        }
    }
    study_->showAndRaise();
}

void Form1::keepForComparison() {
    openStudyWindow();
    study_->keep();
}

// The plot as the window shows it, labels and all, at the screen's pixel density and the zoom.
void Form1::copyPicture(SurfaceId id) {
    const double ratio = devicePixelRatioF();
    QImage image(scaledSize(pictureSize(id), ratio * zoom_), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPicture(painter, surfaces_[id], id, ratio * zoom_);
    painter.end();
    image.setDevicePixelRatio(ratio);
    QGuiApplication::clipboard()->setImage(image);
}

void Form1::savePicture(SurfaceId id) {
    const QString path = chooseSavePath(textOf(TextId::SavePictureTitle), nameOf(id) + ".png",
                                        textOf(TextId::PictureFilters));
    if (path.isEmpty()) {
        return;
    }
    const bool svg =
        QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0;
    const QByteArray bytes = svg ? plotSvg(surfaces_[id], id, kSavedPictureScale)
                                 : plotPng(surfaces_[id], id, kSavedPictureScale);
    writeChosenFile(path, bytes.toStdString());
}

// What the plot shows, in the numbers kestrel-calc writes for it.
void Form1::saveData(SurfaceId id) {
    const QString path = chooseSavePath(textOf(TextId::SaveDataTitle), nameOf(id) + ".csv",
                                        textOf(TextId::DataFilters));
    if (path.isEmpty()) {
        return;
    }
    const std::optional<double> factor =
        values_.compressible ? std::optional<double>(state_.PGfactor) : std::nullopt;
    std::string csv;
    switch (id) {
    case SurfaceId::daire:
        csv = circleCsv(state_);
        break;
    case SurfaceId::profil:
        csv = coordinatesCsv(state_);
        break;
    case SurfaceId::pressure:
        csv = pressureCsv(state_);
        break;
    case SurfaceId::Picture_CL:
        csv = curveCsv(state_, CurveName::CL, factor);
        break;
    case SurfaceId::Picture_CM:
        csv = curveCsv(state_, CurveName::CM, factor);
        break;
    }
    writeChosenFile(path, csv);
}

// The suggested file sits in the folder of the last successful save, or in the home folder.
QString Form1::chooseSavePath(const QString& title, const QString& name, const QString& filters) {
    QString folder = QSettings().value(kLastFolderKey).toString();
    if (folder.isEmpty() || isSystemFolder(folder)) {
        folder = QDir::homePath();
    }
    const QString suggested = QDir(folder).filePath(name);
    return chooseFile_ ? chooseFile_(title, suggested, filters)
                       : QFileDialog::getSaveFileName(this, title, suggested, filters);
}

// Only a folder that took a file is remembered: a failed save leaves the last good one.
void Form1::writeChosenFile(const QString& path, const std::string& bytes) {
    try {
        writeFileSet({{QFile::encodeName(path).toStdString(), bytes}});
    } catch (const FileWriteError& error) {
        QMessageBox::critical(this, textOf(TextId::MessageTitle),
                              QString::fromLocal8Bit(error.what()));
        return;
    }
    QSettings().setValue(kLastFolderKey, QFileInfo(path).absolutePath());
}

} // namespace kestrel
