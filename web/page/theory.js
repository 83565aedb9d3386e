// SPDX-License-Identifier: MIT
// The Theory tab: the module's charts of CL and CM about the quarter chord against the angle of
// attack and of the load along the chord, exact beside thin-airfoil theory, and their table.
import { fillTable, paintChart } from './compressibility.js';
import { StudyTab } from './study_tab.js';

export class TheoryTab extends StudyTab {
    // `elements`: {lift, moment, load (canvases), table}.
    constructor(kestrel, painter, elements) {
        super();
        Object.assign(this, { kestrel, painter, ...elements });
        this.charts = { lift: this.lift, moment: this.moment, load: this.load };
    }

    bind(shown) {
        this.watch(shown, [this.lift]);
    }

    draw() {
        const answer = this.kestrel.theory();
        for (const [name, canvas] of Object.entries(this.charts)) {
            paintChart(this.painter, canvas, answer[name]);
        }
        fillTable(this.table, answer);
    }
}
