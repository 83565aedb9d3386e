// SPDX-License-Identifier: MIT
// The Boundary layer tab: the Reynolds number's logarithmic slider and N_crit, both remembered in
// the browser's storage; the module's pictures of the profile with its displacement thickness,
// Cf and H along both sides and the drag polar, and the table of drag, transition and separation.
import { fillTable } from './compressibility.js';
import { sizeCanvas } from './painting.js';
import { StudyTab } from './study_tab.js';

const STORE = { reynolds: 'kestrel.study.reynoldsPosition', ncrit: 'kestrel.study.ncrit' };

// The canvases in the order of the module's records.
const RECORDS = ['profile', 'friction', 'shapeFactor', 'polar'];

function remembered(key, fallback, minimum, maximum) {
    let value = NaN;
    try {
        value = Number(localStorage.getItem(key) ?? NaN);
    } catch {
        // Storage may be refused (private windows): the start values then serve.
    }
    return Number.isFinite(value) && value >= minimum && value <= maximum ? value : fallback;
}

function remember(key, value) {
    try {
        localStorage.setItem(key, String(value));
    } catch {
        // Nothing to do: the setting lasts for this visit only.
    }
}

export class BoundaryLayerTab extends StudyTab {
    // `elements`: {slider, reynoldsText, ncrit, profile, friction, shapeFactor, polar (canvases),
    // table, note}; `study`: the window table's study numbers.
    constructor(kestrel, painter, elements, study) {
        super();
        Object.assign(this, { kestrel, painter, ...elements });
        this.slider.value = remembered(STORE.reynolds, study.reynoldsStart, 0,
            study.reynoldsSteps);
        this.ncrit.value = remembered(STORE.ncrit, study.ncritStart, study.ncritMinimum,
            study.ncritMaximum);
        this.showReynolds();
    }

    bind(shown) {
        this.watch(shown, RECORDS.map((name) => this[name]));
        this.slider.addEventListener('input', () => this.showReynolds());
        this.slider.addEventListener('change', () => this.optionsChanged());
        this.ncrit.addEventListener('change', () => this.optionsChanged());
    }

    showReynolds() {
        this.reynoldsText.textContent = `Re = ${this.kestrel.reynolds(Number(this.slider.value)).text}`;
    }

    optionsChanged() {
        if (!this.ncrit.checkValidity()) {
            return;
        }
        remember(STORE.reynolds, this.slider.value);
        remember(STORE.ncrit, this.ncrit.value);
        this.stale = true;
        this.show();
    }

    draw() {
        const profile = this.profile;
        const aspect = profile.clientHeight > 0 ? profile.clientWidth / profile.clientHeight : 2;
        const answer = this.kestrel.boundaryLayer(Number(this.slider.value),
            Number(this.ncrit.value), aspect);
        if (answer.error) {
            this.note.textContent = answer.error;
            return;
        }
        const ratio = window.devicePixelRatio || 1;
        for (const name of RECORDS) {
            const canvas = this[name];
            const [width, height] = [Math.floor(canvas.clientWidth), Math.floor(canvas.clientHeight)];
            const ctx = sizeCanvas(canvas, width, height, ratio);
            this.painter.paint(ctx, answer[name], 0, 0, width, height, { ground: true });
        }
        fillTable(this.table, answer);
        this.note.textContent = `${answer.note}\n${answer.trust}`;
    }
}
