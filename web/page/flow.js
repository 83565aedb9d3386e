// SPDX-License-Identifier: MIT
// The Flow tab: the module's record of the flow picture painted on the view, the probe's
// reading under the mouse, the Mapping slider, and the particles' records painted on a layer
// over the picture while they run.
import { sizeCanvas } from './painting.js';
import { measure, now } from './timing.js';

const ratio = () => window.devicePixelRatio || 1;

export class FlowTab {
    // `elements`: {view, layer (the particles' canvas over the view), slider, particles (the
    // switch), reading (the probe's line)}; `hint`: the reading's text away from the planes;
    // `pageStep`: the slider's steps for Page Up and Page Down.
    constructor(kestrel, painter, elements, { hint, pageStep }) {
        Object.assign(this, { kestrel, painter, hint, pageStep, ...elements });
        this.picture = null;     // {picture, chordsPerSecond} of the latest chain, once built
        this.stale = true;       // a chain ran since the picture was last built
        this.size = null;        // the view's logical size, kept by a resize observer
        this.shown = () => false;
        this.frames = { request: null, clockStart: null, elapsedBefore: 0 };
    }

    // `shown()` says whether the tab can be seen: the panel open on this tab.
    bind(shown) {
        this.shown = shown;
        this.slider.addEventListener('input', () => this.paint());
        this.slider.addEventListener('keydown', (event) => {
            const step = { PageUp: this.pageStep, PageDown: -this.pageStep }[event.key];
            if (step !== undefined) {
                event.preventDefault();
                this.slider.value = Number(this.slider.value) + step;
                this.paint();
            }
        });
        this.particles.addEventListener('change', () => this.visibilityChanged());
        this.view.addEventListener('mousemove', (event) => {
            const r = this.view.getBoundingClientRect();
            this.reading.textContent = this.probeAt(event.clientX - r.left, event.clientY - r.top);
        });
        this.view.addEventListener('mouseleave', () => { this.reading.textContent = this.hint; });
        this.reading.textContent = this.hint;
        new ResizeObserver(([entry]) => {
            const box = entry.contentBoxSize[0];
            const size = { width: Math.floor(box.inlineSize), height: Math.floor(box.blockSize) };
            if (size.width > 0 && size.height > 0 && !this.sameSize(size)) {
                this.size = size;
                if (this.shown()) {
                    this.paint();
                }
            }
        }).observe(this.view);
    }

    sameSize(size) {
        return this.size !== null && size.width === this.size.width &&
            size.height === this.size.height;
    }

    stage() { return Number(this.slider.value) / Number(this.slider.max); }

    // A chain of the window has ended: the picture is redrawn now if it can be seen, otherwise
    // when it is shown.
    follow() {
        this.stale = true;
        if (this.shown()) {
            this.show();
        }
    }

    // The tab has come into sight (or its picture is stale while in sight).
    show() {
        if (this.size === null) {
            // Shown for the first time: its size is read at once, not a frame later.
            const width = Math.floor(this.view.clientWidth);
            const height = Math.floor(this.view.clientHeight);
            this.size = width > 0 && height > 0 ? { width, height } : null;
        }
        if (this.stale) {
            const start = now();
            this.stale = false;
            this.picture = this.kestrel.flowPicture();
            measure('flow build', start);
            this.paint();
        }
        this.visibilityChanged();
    }

    // Paints the module's record of the whole picture at the view's size and the slider's stage.
    paint() {
        if (this.picture === null || this.size === null) {
            return;
        }
        const { width, height } = this.size;
        const start = now();
        const record = this.kestrel.flowRecord(this.stage(), width, height, ratio());
        const recorded = now();
        const ctx = sizeCanvas(this.view, width, height, ratio());
        if (record.error) {
            ctx.clearRect(0, 0, width, height);
        } else {
            this.painter.paint(ctx, record, 0, 0, width, height);
        }
        measure('flow record', start, recorded);
        measure('flow paint', recorded);
        if (this.frames.request === null) {
            this.paintParticles();
        }
    }

    probeAt(x, y) {
        if (this.picture === null || this.size === null) {
            return this.hint;
        }
        const { width, height } = this.size;
        return this.kestrel.flowProbe(x, y, this.stage(), width, height).text;
    }

    // The particles at the animation's time on their layer; none while they are switched off.
    paintParticles() {
        if (this.size === null) {
            return;
        }
        const { width, height } = this.size;
        const ctx = sizeCanvas(this.layer, width, height, ratio());
        ctx.clearRect(0, 0, width, height);
        if (!this.particles.checked || !this.picture?.picture) {
            return;
        }
        const { clockStart, elapsedBefore } = this.frames;
        const seconds = elapsedBefore + (clockStart === null ? 0 : (now() - clockStart) / 1000);
        const record = this.kestrel.particleRecord(seconds * this.picture.chordsPerSecond,
            this.stage(), width, height);
        if (!record.error) {
            this.painter.paint(ctx, record, 0, 0, width, height);
        }
    }

    // Particles run while they are switched on and can be seen: the panel open, the Flow tab
    // shown, the page not hidden. Their clock stands still while they do not.
    visibilityChanged() {
        const run = this.particles.checked && this.shown() &&
            document.visibilityState === 'visible';
        const f = this.frames;
        if (run && f.request === null) {
            f.clockStart = now();
            const frame = () => {
                this.paintParticles();
                f.request = requestAnimationFrame(frame);
            };
            f.request = requestAnimationFrame(frame);
        } else if (!run && f.request !== null) {
            cancelAnimationFrame(f.request);
            f.request = null;
            f.elapsedBefore += (now() - f.clockStart) / 1000;
            f.clockStart = null;
        }
        if (!run && this.shown()) {
            this.paintParticles();
        }
    }
}
