// SPDX-License-Identifier: MIT
#include "ui/flow_view.h"

#include "model/coefficients.h"
#include "plots/flow_painter.h"
#include "plots/painter.h"
#include "plots/window_layout.h"
#include "ui/language.h"
#include "ui/qt_text.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace kestrel {

namespace {

// The smallest view at the actual size.
constexpr int kFlowViewMinimumWidth = 480;
constexpr int kFlowViewMinimumHeight = 200;

} // namespace

FlowView::FlowView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("flowView"));
    showText(this, TextRole::AccessibleName, TextId::FlowPictureName);
    showText(this, TextRole::ToolTip, TextId::FlowPictureTip);
    setMouseTracking(true);
    setMinimumSize(kFlowViewMinimumWidth, kFlowViewMinimumHeight);
}

void FlowView::setState(const State& s) {
    tracks_.reset();
    picture_.reset();
    if (profileExists(s)) {
        picture_ = std::make_unique<FlowPicture>(s);
    }
    backgroundStale_ = true;
    update();
}

void FlowView::setKept(std::shared_ptr<const Ghost> kept) {
    kept_ = std::move(kept);
    backgroundStale_ = true;
    update();
}

void FlowView::setStage(double t) {
    if (t != t_) {
        t_ = t;
        backgroundStale_ = true;
        update();
    }
}

void FlowView::setParticleTime(std::optional<double> time) {
    particleTime_ = time;
    update();
}

const QImage& FlowView::background() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (backgroundStale_ || background_.size() != pixels) {
        // A new state at the same size paints over the same buffer.
        if (background_.size() != pixels) {
            background_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        }
        background_.setDevicePixelRatio(1);
        background_.fill(Qt::white);
        if (picture_) {
            QPainter painter(&background_);
            paintFlowPicture(painter, *picture_, pictureSize(), ratio * zoom_, t_, kept_.get(),
                             currentTexts());
        }
        background_.setDevicePixelRatio(ratio);
        backgroundStale_ = false;
    }
    return background_;
}

void FlowView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), background());
    if (picture_ && particleTime_) {
        paintParticles(painter);
    }
}

void FlowView::setZoom(double zoom) {
    zoom_ = zoom;
    setMinimumSize(QSize(kFlowViewMinimumWidth, kFlowViewMinimumHeight) * zoom);
    backgroundStale_ = true;
    update();
}

QSize FlowView::pictureSize() const {
    return (QSizeF(size()) / zoom_).toSize();
}

// The particles' tracks are made for the picture when the first particles are drawn on it: a
// chain's redraw without the animation never needs them.
void FlowView::paintParticles(QPainter& painter) {
    if (!tracks_) {
        tracks_ = std::make_unique<ParticleTracks>(picture_->flow(), picture_->streamlines(),
                                                   kParticleSpacing);
    }
    const QSize at = pictureSize();
    recordParticles(particles_,
                    particleDots(*picture_, *tracks_, *particleTime_, t_, at.width(), at.height()),
                    at.width(), at.height());
    painter.scale(zoom_, zoom_);
    paintSurface(painter, particles_, QRectF(QPointF(0, 0), QSizeF(at)), zoom_);
}

std::optional<PictureProbe> FlowView::probeFlow(QPointF point) const {
    if (!picture_) {
        return std::nullopt;
    }
    const QSize at = pictureSize();
    return probePicture(picture_->flow(), point.x() / zoom_, point.y() / zoom_, t_, at.width(),
                        at.height());
}

std::optional<ProbeReading> FlowView::probeAt(QPointF point) const {
    const std::optional<PictureProbe> probe = probeFlow(point);
    return probe ? std::optional(probe->reading) : std::nullopt;
}

void FlowView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!onProbe_) {
        return;
    }
    const std::optional<PictureProbe> probe = probeFlow(event->position());
    onProbe_(probe ? qtText(probeText(probe->reading, currentTexts())) : textOf(TextId::ProbeHint));
}

void FlowView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (onProbe_) {
        onProbe_(textOf(TextId::ProbeHint));
    }
}

void FlowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        backgroundStale_ = true;
        update();
    }
}

void FlowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    backgroundStale_ = true;
}

FlowTab::FlowTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("flowTab"));
    view_ = new FlowView(this);

    auto* mappingLabel = new QLabel(this);
    showText(mappingLabel, TextRole::Text, TextId::MappingLabel);
    mapping_ = new QSlider(Qt::Horizontal, this);
    mapping_->setObjectName(QStringLiteral("mappingSlider"));
    mapping_->setRange(0, kMappingSteps);
    mapping_->setPageStep(kMappingPageStep);
    showText(mapping_, TextRole::AccessibleName, TextId::MappingName);
    showText(mapping_, TextRole::ToolTip, TextId::MappingTip);
    mappingLabel->setBuddy(mapping_);

    particles_ = new QCheckBox(this);
    particles_->setObjectName(QStringLiteral("particlesSwitch"));
    showText(particles_, TextRole::Text, TextId::ParticlesLabel);
    showText(particles_, TextRole::AccessibleName, TextId::ParticlesName);
    showText(particles_, TextRole::ToolTip, TextId::ParticlesTip);

    // The probe's line starts as the hint; a reading replaces it while the mouse is over the flow.
    probe_ = new QLabel(this);
    probe_->setObjectName(QStringLiteral("probeReading"));
    showText(probe_, TextRole::Text, TextId::ProbeHint);
    showText(probe_, TextRole::AccessibleName, TextId::ProbeName);
    showText(probe_, TextRole::ToolTip, TextId::ProbeTip);
    probe_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    view_->setOnProbe([this](const QString& text) { probe_->setText(text); });

    auto* controls = new QHBoxLayout;
    controls->addWidget(mappingLabel);
    controls->addWidget(mapping_, 1);
    controls->addSpacing(16);
    controls->addWidget(particles_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    layout->addLayout(controls);
    layout->addWidget(probe_);

    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1000 / kFramesPerSecond);
    connect(&timer_, &QTimer::timeout, this, [this] { nextFrame(); });
    connect(mapping_, &QSlider::valueChanged, this,
            [this](int value) { view_->setStage(static_cast<double>(value) / kMappingSteps); });
    connect(particles_, &QCheckBox::toggled, this, [this] { updateTimer(); });
}

void FlowTab::setState(const State& s) {
    view_->setState(s);
}

void FlowTab::setSeen(bool seen) {
    seen_ = seen;
    updateTimer();
}

void FlowTab::updateTimer() {
    const bool run = seen_ && particles_->isChecked();
    if (run && !timer_.isActive()) {
        clock_.start();
        timer_.start();
        nextFrame();
    } else if (!run && timer_.isActive()) {
        elapsedBefore_ += clock_.elapsed() / 1000.0;
        timer_.stop();
    }
    if (!particles_->isChecked()) {
        view_->setParticleTime(std::nullopt);
    }
}

void FlowTab::nextFrame() {
    ++frames_;
    const double seconds = elapsedBefore_ + clock_.elapsed() / 1000.0;
    view_->setParticleTime(seconds * kChordsPerSecond);
}

} // namespace kestrel
