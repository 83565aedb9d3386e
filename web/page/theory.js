// SPDX-License-Identifier: MIT
// The Theory tab: the module's charts of CL and CM about the quarter chord against the angle of
// attack and of the load along the chord, exact beside thin-airfoil theory, and their table.
import { fillTable, paintChart } from './compressibility.js';

export class TheoryTab {
    // `elements`: {lift, moment, load (canvases), table}.
    constructor(kestrel, painter, elements) {
        Object.assign(this, { kestrel, painter, ...elements });
        this.charts = { lift: this.lift, moment: this.moment, load: this.load };
        this.stale = true;
        this.shown = () => false;
    }

    // `shown()` says whether the tab can be seen. At a new size the charts are painted again.
    bind(shown) {
        this.shown = shown;
        this.size = '';
        new ResizeObserver(() => {
            if (this.shown() && this.size !== this.chartSize()) {
                this.stale = true;
                this.show();
            }
        }).observe(this.lift);
    }

    chartSize() {
        return `${Math.floor(this.lift.clientWidth)} ${Math.floor(this.lift.clientHeight)}`;
    }

    follow() {
        this.stale = true;
        if (this.shown()) {
            this.show();
        }
    }

    show() {
        if (!this.stale) {
            return;
        }
        this.stale = false;
        const answer = this.kestrel.theory();
        this.size = this.chartSize();
        for (const [name, canvas] of Object.entries(this.charts)) {
            paintChart(this.painter, canvas, answer[name]);
        }
        fillTable(this.table, answer);
    }
}
