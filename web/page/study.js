// SPDX-License-Identifier: MIT
// The study panel under the main window, opened and closed by the Study button: its Flow,
// Compressibility and Theory tabs follow every chain of the window, the tab in sight at once and
// the others when they are shown; nothing here changes the window's plots.

export class StudyPanel {
    // `elements`: {panel, button (the menu's Study button), closeButton, tabs (the tab buttons
    // in the order of `views`)}; `views`: the tabs' contents, each with bind(shown), follow(),
    // show() and perhaps visibilityChanged().
    constructor(elements, views) {
        Object.assign(this, elements);
        this.views = views;
    }

    bind() {
        this.button.addEventListener('click', () => (this.isOpen() ? this.close() : this.open()));
        this.closeButton.addEventListener('click', () => this.close());
        this.tabs.forEach((tab, i) => {
            tab.addEventListener('click', () => this.select(i));
            tab.addEventListener('keydown', (event) => this.onTabKey(event, i));
        });
        this.views.forEach((view, i) => view.bind(() => this.isOpen() && this.current() === i));
        document.addEventListener('visibilitychange', () => this.visibilityChanged());
    }

    // Arrow keys, Home and End move between the tabs; Enter and Space select the focused one.
    onTabKey(event, i) {
        const count = this.tabs.length;
        const next = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0, End: count - 1 }[event.key];
        if (next !== undefined) {
            event.preventDefault();
            const j = (next + count) % count;
            this.select(j);
            this.tabs[j].focus();
        } else if (event.key === 'Enter' || event.key === ' ') {
            event.preventDefault();
            this.select(i);
        }
    }

    isOpen() { return !this.panel.hidden; }

    current() {
        return this.tabs.findIndex((t) => t.getAttribute('aria-selected') === 'true');
    }

    // The tab button of the tab in sight, or null with the panel closed.
    shownTab() {
        return this.isOpen() ? this.tabs[this.current()] : null;
    }

    visibilityChanged() {
        for (const view of this.views) {
            view.visibilityChanged?.();
        }
    }

    open() {
        this.panel.hidden = false;
        this.button.setAttribute('aria-expanded', 'true');
        this.views[this.current()].show();
        this.tabs[this.current()].focus({ preventScroll: true });
        this.panel.scrollIntoView({ block: 'nearest' });
    }

    close() {
        this.panel.hidden = true;
        this.button.setAttribute('aria-expanded', 'false');
        this.visibilityChanged();
        this.button.focus();
    }

    select(index) {
        this.tabs.forEach((tab, i) => {
            tab.setAttribute('aria-selected', String(i === index));
            tab.tabIndex = i === index ? 0 : -1;
            document.getElementById(tab.getAttribute('aria-controls')).hidden = i !== index;
        });
        this.views[index].show();
        this.visibilityChanged();
    }

    // A chain of the window has ended.
    follow() {
        for (const view of this.views) {
            view.follow();
        }
    }

    // The device-pixel ratio has changed: the tab in sight is painted again.
    repaint() {
        this.follow();
    }
}
