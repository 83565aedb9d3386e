// SPDX-License-Identifier: MIT
// The study window's Flow tab: the flow picture of the current profile with a probe under the
// mouse, the "Mapping" slider that carries the circle plane into the profile plane, and the
// "Particles" switch that animates fluid particles along the streamlines.
#pragma once

#include "model/particles.h"
#include "model/probe.h"
#include "model/state.h"
// moc reads this header for FlowView's meta-object but cannot read the Turkish step names in
// the chain header that the picture's kept-profile ghost includes; it needs none of these types.
#ifndef Q_MOC_RUN
#include "plots/flow_picture.h"
#endif
#include "plots/window_layout.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QSlider;

namespace kestrel {

// The picture itself: paints the flow picture (cached until the state, the stage of the mapping
// or the size changes) and the particles over it, and reads the flow under the mouse.
class FlowView : public QWidget {
    Q_OBJECT

public:
    explicit FlowView(QWidget* parent = nullptr);

    // Builds the picture of a state whose profile exists; clears it otherwise.
    void setState(const State& s);
    // The profile kept for comparison, drawn faintly in both planes; none to draw none.
    void setKept(std::shared_ptr<const Ghost> kept);
    const Ghost* kept() const { return kept_.get(); }
    bool hasPicture() const { return picture_ != nullptr; }
    const FlowPicture* picture() const { return picture_.get(); }
    void setStage(double t);
    double stage() const { return t_; }
    // Particles are drawn at this travel time; none when absent.
    void setParticleTime(std::optional<double> time);

    // What the probe reads at a widget point: nothing off both planes.
    std::optional<ProbeReading> probeAt(QPointF point) const;
    // The plane and the reading at a widget point.
    std::optional<PictureProbe> probeFlow(QPointF point) const;

    // Called with the probe's text whenever the mouse moves over the view or leaves it.
    void setOnProbe(std::function<void(const QString&)> onProbe) { onProbe_ = std::move(onProbe); }

    // Paints the flow picture into the cache now, as a paint event would.
    const QImage& background();

    // Lays out and paints the picture at the zoom: the picture of a view of 1/zoom of its size,
    // that many times larger, its texts, dots and pens with it.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The picture's texts in the new language.
    void changeEvent(QEvent* event) override;

private:
    void paintParticles(QPainter& painter);
    // The size of the picture's layout: the view's size at the zoom.
    QSize pictureSize() const;

    std::unique_ptr<FlowPicture> picture_;
    std::unique_ptr<ParticleTracks> tracks_;
    std::shared_ptr<const Ghost> kept_;
    double t_ = 0;
    std::optional<double> particleTime_;
    QImage background_;
    Surface particles_; // the record of the particles' dots, made again for each frame
    bool backgroundStale_ = true;
    double zoom_ = 1;
    std::function<void(const QString&)> onProbe_;
};

// The whole tab: the view and its controls, and the timer of the particle animation, which runs
// only while the switch is on and the tab can be seen.
class FlowTab : public QWidget {
public:
    // Frames a second of the particle animation.
    static constexpr int kFramesPerSecond = kestrel::kFramesPerSecond;
    // Particle travel time (chords at free-stream speed) per second of the animation.
    static constexpr double kChordsPerSecond = kParticleChordsPerSecond;

    explicit FlowTab(QWidget* parent = nullptr);

    void setState(const State& s);
    void setKept(std::shared_ptr<const Ghost> kept) { view_->setKept(std::move(kept)); }
    // Whether the tab can be seen now: its window shown and not minimised, the tab current.
    void setSeen(bool seen);

    FlowView* view() const { return view_; }
    QSlider* mappingSlider() const { return mapping_; }
    QCheckBox* particlesSwitch() const { return particles_; }
    QLabel* probeLabel() const { return probe_; }
    bool animating() const { return timer_.isActive(); }
    // Frames of the particle animation so far.
    long frames() const { return frames_; }

private:
    void updateTimer();
    void nextFrame();

    FlowView* view_ = nullptr;
    QSlider* mapping_ = nullptr;
    QCheckBox* particles_ = nullptr;
    QLabel* probe_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    double elapsedBefore_ = 0; // animation seconds before the clock last started
    bool seen_ = false;
    long frames_ = 0;
};

} // namespace kestrel
