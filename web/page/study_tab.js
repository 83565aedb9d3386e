// SPDX-License-Identifier: MIT
// What the study panel's tabs share: a tab draws only while it can be seen, once after each chain
// of the main window, and again when one of its canvases changes size.

export class StudyTab {
    constructor() {
        this.stale = true;
        this.shown = () => false;
        this.canvases = [];
        this.sizes = '';
    }

    // `shown()` says whether the tab can be seen; at a new size of any of `canvases` the tab is
    // drawn again.
    watch(shown, canvases) {
        this.shown = shown;
        this.canvases = canvases;
        const observer = new ResizeObserver(() => {
            if (this.shown() && this.sizes !== this.canvasSizes()) {
                this.stale = true;
                this.show();
            }
        });
        canvases.forEach((canvas) => observer.observe(canvas));
    }

    canvasSizes() {
        return this.canvases.map((c) => `${c.clientWidth}x${c.clientHeight}`).join(' ');
    }

    // A chain ran: drawn now if the tab can be seen, else when it is next shown.
    follow() {
        this.stale = true;
        if (this.shown()) {
            this.show();
        }
    }

    // The tab has come into sight (or is stale while in sight): `draw()` fills it.
    show() {
        if (!this.stale) {
            return;
        }
        this.stale = false;
        this.sizes = this.canvasSizes();
        this.draw();
    }
}
