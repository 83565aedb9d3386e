// SPDX-License-Identifier: MIT
// The Compressibility tab: the module's chart of Cp* and the corrected Cp_min against the Mach
// number, the table of the rules at M∞ and the warning under it.
import { sizeCanvas } from './painting.js';

export class CompressibilityTab {
    // `elements`: {chart (canvas), table, warning}; `tooltips`: the columns' tooltips in order.
    constructor(kestrel, painter, elements, tooltips) {
        Object.assign(this, { kestrel, painter, tooltips, ...elements });
        this.stale = true;
        this.shown = () => false;
    }

    // `shown()` says whether the tab can be seen. At a new size the chart is painted again.
    bind(shown) {
        this.shown = shown;
        this.size = '';
        new ResizeObserver(() => {
            if (this.shown() && this.size !== this.chartSize().join(' ')) {
                this.stale = true;
                this.show();
            }
        }).observe(this.chart);
    }

    chartSize() {
        return [Math.floor(this.chart.clientWidth), Math.floor(this.chart.clientHeight)];
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
        const answer = this.kestrel.compressibility();
        const [width, height] = this.chartSize();
        this.size = `${width} ${height}`;
        const ctx = sizeCanvas(this.chart, width, height, window.devicePixelRatio || 1);
        this.painter.paint(ctx, answer.chart, 0, 0, width, height, { ground: true });
        this.fillTable(answer);
        this.warning.textContent = answer.warning;
    }

    // The header row of the columns' names and a row per rule, each cell with its column's
    // tooltip; the rows of the rules past their critical Mach number marked.
    fillTable({ rows, columns, cells, past }) {
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
            const th = cell('th', name, this.tooltips[c]);
            th.scope = 'col';
            return th;
        }));
        this.table.tHead.replaceChildren(header);
        this.table.tBodies[0].replaceChildren(...rows.map((name, r) => {
            const row = document.createElement('tr');
            const th = cell('th', name);
            th.scope = 'row';
            row.append(th, ...cells[r].map((text, c) => cell('td', text, this.tooltips[c])));
            if (past?.[r]) {
                row.className = 'past';
                th.title = this.table.dataset.pastTip;
            }
            return row;
        }));
    }
}
