// SPDX-License-Identifier: MIT
// The profile kept for comparison: "Keep for comparison" keeps the window's current inputs in the
// module (every picture of the study panel then draws it as a ghost) and in the browser's storage,
// so that it is kept again when the page is next opened; "Clear comparison" forgets it. The
// Comparison tab shows the current and the kept profile's numbers side by side.

import { StudyTab } from './study_tab.js';

const STORAGE_KEY = 'kestrel.comparison';
const INPUTS = ['thickness', 'camber', 'points', 'alpha', 'xm'];

export class ComparisonTab extends StudyTab {
    // `elements`: {heading, table, note, keep, clear}; `storage`: where the kept inputs are
    // remembered (the page's localStorage).
    constructor(kestrel, elements, storage) {
        super();
        Object.assign(this, { kestrel, storage, ...elements });
        this.onChange = () => {};
        this.kept = false;
    }

    bind(shown) {
        this.watch(shown, []);
        this.keep.addEventListener('click', () => this.keepCurrent());
        this.clear.addEventListener('click', () => this.clearKept());
        this.updateButtons();
    }

    // Keeps again what was kept when the page was last open; forgets what cannot be kept.
    restore() {
        let inputs = null;
        try {
            inputs = JSON.parse(this.storage?.getItem(STORAGE_KEY) ?? 'null');
        } catch {
            inputs = null;
        }
        if (inputs === null) {
            return;
        }
        const valid = typeof inputs === 'object' && typeof inputs.mach === 'string' &&
            INPUTS.every((key) => Number.isInteger(inputs[key]));
        const answer = valid
            ? this.kestrel.keepInputs(...INPUTS.map((key) => inputs[key]), inputs.mach)
            : { error: 'not kept inputs' };
        this.changed(answer, answer.error !== undefined);
    }

    keepCurrent() {
        const answer = this.kestrel.keep();
        if (answer.error === undefined) {
            this.changed(answer, false);
            this.remember(answer.inputs);
        }
    }

    clearKept() {
        this.kestrel.clearKept();
        this.changed({ kept: false }, true);
    }

    remember(inputs) {
        try {
            this.storage?.setItem(STORAGE_KEY, JSON.stringify(inputs));
        } catch {
            // Storage may be full or forbidden: the comparison still holds for this visit.
        }
    }

    changed(answer, forget) {
        this.kept = answer.kept === true;
        if (forget) {
            try {
                this.storage?.removeItem(STORAGE_KEY);
            } catch {
                // Nothing was remembered where storage is forbidden.
            }
        }
        this.updateButtons();
        this.onChange();
    }

    updateButtons() {
        this.clear.disabled = !this.kept;
    }

    draw() {
        const answer = this.kestrel.comparison();
        this.heading.textContent = answer.label;
        this.note.textContent = answer.note;
        this.note.hidden = !answer.kept;
        this.fillTable(answer);
    }

    fillTable({ columns, rows }) {
        const cell = (tag, text) => {
            const element = document.createElement(tag);
            element.textContent = text;
            return element;
        };
        const header = document.createElement('tr');
        header.append(document.createElement('td'), ...columns.map((name) => {
            const th = cell('th', name);
            th.scope = 'col';
            return th;
        }));
        this.table.tHead.replaceChildren(...(rows.length > 0 ? [header] : []));
        this.table.tBodies[0].replaceChildren(...rows.map(({ quantity, cells }) => {
            const row = document.createElement('tr');
            const th = cell('th', quantity);
            th.scope = 'row';
            row.append(th, ...cells.map((text) => cell('td', text)));
            return row;
        }));
    }
}
