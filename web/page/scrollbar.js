// SPDX-License-Identifier: MIT
// A range input that behaves as the window's scroll bars: arrow keys step by the small change,
// page keys and a press in the track beside the thumb by the large change, Home and End to the
// ends, the wheel by small changes; it notifies once per completed change, never while the thumb
// is dragged.

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
export function bindScrollBar(bar, d, onChange) {
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
