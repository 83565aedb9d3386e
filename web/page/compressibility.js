// SPDX-License-Identifier: MIT
// The Compressibility tab: the module's chart of Cp* and the corrected Cp_min against the Mach
// number, under it the chart of Cp along the surface at M∞ with its supersonic part, the table of
// the rules at M∞ and the warning under it.
import { sizeCanvas } from './painting.js';
import { StudyTab } from './study_tab.js';

// Paints a packed record over the whole of a canvas, on a white ground, at the canvas's size.
export function paintChart(painter, canvas, record) {
    const [width, height] = [Math.floor(canvas.clientWidth), Math.floor(canvas.clientHeight)];
    const ctx = sizeCanvas(canvas, width, height, window.devicePixelRatio || 1);
    painter.paint(ctx, record, 0, 0, width, height, { ground: true });
}

// Fills a table: the header row of the columns' names and a row per row name, each cell with
// its column's tooltip (if any); the rows flagged in `past` (the rules past their critical Mach
// number) marked.
export function fillTable(table, { rows, columns, cells, past }, tooltips = []) {
    const cell = (tag, text, title) => {
        const element = document.createElement(tag);
        element.textContent = text;
        if (title) {
            element.title = title;
        }
        return element;
    };
    const header = document.createElement('tr');
    header.append(document.createElement('td'), ...columns.map((name, c) => {
        const th = cell('th', name, tooltips[c]);
        th.scope = 'col';
        return th;
    }));
    table.tHead.replaceChildren(header);
    table.tBodies[0].replaceChildren(...rows.map((name, r) => {
        const row = document.createElement('tr');
        const th = cell('th', name);
        th.scope = 'row';
        row.append(th, ...cells[r].map((text, c) => cell('td', text, tooltips[c])));
        if (past?.[r]) {
            row.className = 'past';
            th.title = table.dataset.pastTip;
        }
        return row;
    }));
}

export class CompressibilityTab extends StudyTab {
    // `elements`: {chart, sonic (canvases), table, warning}; `tooltips`: the columns' tooltips in
    // order.
    constructor(kestrel, painter, elements, tooltips) {
        super();
        Object.assign(this, { kestrel, painter, tooltips, ...elements });
    }

    bind(shown) {
        this.watch(shown, [this.chart]);
    }

    draw() {
        const answer = this.kestrel.compressibility();
        paintChart(this.painter, this.chart, answer.chart);
        paintChart(this.painter, this.sonic, answer.sonic);
        fillTable(this.table, answer, this.tooltips);
        this.warning.textContent = answer.warning;
    }
}
