// SPDX-License-Identifier: MIT
// The main window's behaviour: each control runs its handler's chain in the module with the
// controls as they stand, then the boxes are written, the plots the chain redrew are painted
// from their records, the study views follow, and the About window or a message is shown. Its
// scroll bars are range inputs that behave as the window's: arrow keys step by the small change,
// page keys and a press in the track beside the thumb by the large change, Home and End to the
// ends, the wheel by small changes; each notifies once per completed change, never while the
// thumb is dragged. The About window is modeless, one of it; the message box modal.
import { sizeCanvas } from './painting.js';
import { measure, now } from './timing.js';

// Width of the range input's thumb in pixels: a press beside it is a click in the track.
const THUMB_WIDTH = 14;

// The new position for a key, or null for a key the scroll bar does not take.
function keyAction(key) {
    switch (key) {
    case 'ArrowRight':
    case 'ArrowDown':
        return (d, v) => v + d.smallChange;
    case 'ArrowLeft':
    case 'ArrowUp':
        return (d, v) => v - d.smallChange;
    case 'PageDown':
        return (d, v) => v + d.largeChange;
    case 'PageUp':
        return (d, v) => v - d.largeChange;
    case 'Home':
        return (d) => d.minimum;
    case 'End':
        return (d) => d.maximum;
    default:
        return null;
    }
}

// Makes `bar` a scroll bar of the input `d` ({minimum, maximum, smallChange, largeChange,
// start}) that calls onChange() after each completed change.
function bindScrollBar(bar, d, onChange) {
    Object.assign(bar, { min: d.minimum, max: d.maximum, step: 1 });
    bar.value = d.start;
    let notified = d.start;
    const moveTo = (position) => {
        const p = Math.min(d.maximum, Math.max(d.minimum, position));
        bar.value = p;
        if (p !== notified) {
            notified = p;
            onChange();
        }
    };
    bar.addEventListener('change', () => moveTo(Number(bar.value)));
    bar.addEventListener('keydown', (event) => {
        const action = keyAction(event.key);
        if (action) {
            event.preventDefault();
            moveTo(action(d, Number(bar.value)));
        }
    });
    bar.addEventListener('wheel', (event) => {
        const delta = Math.abs(event.deltaY) >= Math.abs(event.deltaX) ? event.deltaY
            : event.deltaX;
        if (delta !== 0) {
            event.preventDefault();
            moveTo(Number(bar.value) + Math.sign(delta) * d.smallChange);
        }
    }, { passive: false });
    bar.addEventListener('pointerdown', (event) => {
        const rect = bar.getBoundingClientRect();
        const fraction = (Number(bar.value) - d.minimum) / (d.maximum - d.minimum);
        const thumb = rect.left + THUMB_WIDTH / 2 + fraction * (rect.width - THUMB_WIDTH);
        const offset = event.clientX - thumb;
        if (Math.abs(offset) > THUMB_WIDTH / 2) {
            event.preventDefault();
            bar.focus();
            moveTo(Number(bar.value) + Math.sign(offset) * d.largeChange);
        }
    });
}

export class AboutWindow {
    constructor(element) {
        this.element = element;
        this.closeButton = element.querySelector('.close');
        this.closeButton.addEventListener('click', () => { element.hidden = true; });
    }

    open() {
        this.element.hidden = false;
        this.closeButton.focus();
    }
}

export class MessageBox {
    // `dialog`: a <dialog> holding the message's text element `text`.
    constructor(dialog, text) {
        Object.assign(this, { dialog, text });
    }

    show(message) {
        this.text.textContent = message;
        if (!this.dialog.open) {
            this.dialog.showModal();
        }
    }
}

const byId = (id) => document.getElementById(id);

// The decimal separator of the browser's language, as the desktop window uses its locale's.
function decimalSeparator() {
    const part = new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
}

export class MainWindow {
    // `dialogs`: {about, message} with open() and show(text); `messages`: {tableMiss, stopped
    // (its "%1" the error)}.
    constructor(kestrel, painter, study, dialogs, messages) {
        Object.assign(this, { kestrel, painter, study, dialogs, messages });
        const { window: definitions } = kestrel.tables;
        this.inputs = definitions.inputs;
        this.handlers = new Map(definitions.handlers.map((h, i) => [h.name, i]));
        this.surfaces = definitions.surfaces.map((s) => s.name);
        kestrel.setSeparator(decimalSeparator());
    }

    bind() {
        for (const d of this.inputs) {
            bindScrollBar(byId(d.scrollBar), d, () => this.runHandler(`${d.scrollBar}_Change`));
        }
        for (const name of this.surfaces) {
            const canvas = byId(name);
            canvas.addEventListener('click', (event) => {
                if (event.button === 0) {
                    this.runHandler(`${name}_Click`);
                }
            });
            // The plots take the focus; as buttons they answer Enter and Space like a click.
            canvas.addEventListener('keydown', (event) => {
                if (event.key === 'Enter' || event.key === ' ') {
                    event.preventDefault();
                    this.runHandler(`${name}_Click`);
                }
            });
        }
        byId('Mn_About').addEventListener('click', () => this.runHandler('Mn_About_Click'));
        this.repaintAll();
        this.repaintOnRatioChange();
    }

    // Runs the handler's chain in the module, then writes the boxes and paints the plots it
    // redrew; the study views follow unless it opened the About window.
    runHandler(name) {
        const start = now();
        this.inputs.forEach((d, i) => this.kestrel.setPosition(i, Number(byId(d.scrollBar).value)));
        this.kestrel.setMachText(byId('Text_Moo').value);
        const result = this.kestrel.run(this.handlers.get(name));
        for (const b of result.boxes ?? []) {
            byId(b.box).value = b.text;
        }
        for (const surface of result.redrawn ?? []) {
            this.paint(surface);
        }
        measure(name, start);
        if (result.openAbout) {
            this.dialogs.about.open();
        } else {
            const tab = this.study.shownTab();
            this.study.follow();
            if (tab) {
                measure(`${name} and ${tab.id}`, start);
            }
        }
        if (result.tableMiss) {
            this.dialogs.message.show(this.messages.tableMiss);
        }
        if (result.error) {
            this.dialogs.message.show(this.messages.stopped.replace('%1', result.error));
        }
    }

    // Paints a plot's picture, recorded by the module with its ground and border.
    paint(name) {
        const record = this.kestrel.picture(this.surfaces.indexOf(name));
        const ctx = sizeCanvas(byId(name), record.width, record.height,
            window.devicePixelRatio || 1);
        this.painter.paint(ctx, record, 0, 0, record.width, record.height);
    }

    repaintAll() {
        for (const name of this.surfaces) {
            this.paint(name);
        }
    }

    // At a new device-pixel ratio (a zoom, another screen) everything is painted again.
    repaintOnRatioChange() {
        matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change',
            () => {
                this.repaintAll();
                this.study.repaint();
                this.repaintOnRatioChange();
            }, { once: true });
    }
}
