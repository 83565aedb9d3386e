// SPDX-License-Identifier: MIT
// Builds the page's elements from the module's tables: the main window's controls with their
// names, places (twips), tab order, accessible names, tooltips and texts, the labels on the
// plots, the About window, the message box and the study panel.
import { make, placeByPixels, placeByTwips } from './dom.js';
import { cssColour } from './canvas.js';
import { buildStudy } from './study_elements.js';

// The CSS class of each kind of control.
const CONTROL_CLASSES = { plot: 'plot', frame: 'frame', label: 'label', box: 'box',
    scrollBar: 'scroll' };

// One control of the window's table: {name, kind, parent, box (twips), text, font,
// accessibleName, tooltip, tabIndex}. A plot is its canvas in a holder placed by the twips; a
// frame a group holding the controls that name it as their parent.
function buildControl(c, fonts) {
    const common = { id: c.name, title: c.tooltip, tabindex: c.tabIndex,
        'aria-label': c.accessibleName };
    switch (c.kind) {
    case 'plot':
        return make('div', { className: 'plot', id: `plot-${c.name}` },
            make('canvas', { ...common, role: 'button' }));
    case 'frame': {
        const frame = make('div', { className: 'frame', id: c.name, role: 'group',
            'aria-label': c.accessibleName ?? (c.text ? undefined : c.name) });
        if (c.text) {
            frame.classList.add('captioned');
            frame.setAttribute('aria-labelledby', `${c.name}-caption`);
            frame.append(make('span', { className: 'caption', id: `${c.name}-caption`,
                text: c.text }));
        }
        return frame;
    }
    case 'box':
        return make('input', { ...common, className: 'box', value: c.text ?? '' });
    case 'scrollBar':
        return make('input', { ...common, className: 'scroll', type: 'range' });
    default:
        return make('span', { ...common, className: CONTROL_CLASSES[c.kind] ?? c.kind,
            text: c.text, style: c.font ? { font: fonts[c.font] } : undefined });
    }
}

// The labels on the plots, each at its box inside the plot's border, in its font.
function addPlotLabels(windowTable, fonts) {
    for (const l of windowTable.labels) {
        const [left, top, width, height] = l.box;
        const b = windowTable.border;
        document.getElementById(`plot-${l.surface}`).append(placeByPixels(
            make('span', { className: 'label', id: l.name, text: l.text,
                style: { font: fonts[l.font] } }),
            [left + b, top + b, width, height]));
    }
}

function buildMainWindow(texts, tables, fonts) {
    const t = texts.window;
    const client = make('div', { className: 'client', id: 'client' });
    placeByTwips(client, [0, 0, ...t.client], texts.twipsPerPixel);
    const holders = new Map([['client', client]]);
    for (const c of texts.controls) {
        const element = placeByTwips(buildControl(c, fonts), c.box, texts.twipsPerPixel);
        holders.get(c.parent).append(element);
        holders.set(c.name, element);
    }
    const menubar = make('div', { className: 'menubar', role: 'menubar' },
        ...texts.menu.map((m) => make('button', { id: m.name, type: 'button', role: 'menuitem',
            tabindex: m.tabIndex, title: m.tooltip, text: m.text })));
    const window = make('div', { className: 'window', id: t.name, role: 'application',
        'aria-label': t.title, style: { font: fonts.caption } }, menubar, client);
    document.title = t.title;
    return window;
}

function buildAbout(a, twipsPerPixel) {
    const client = make('div', { className: 'about-client' });
    placeByTwips(client, [0, 0, ...a.size], twipsPerPixel);
    for (const l of a.labels) {
        client.append(placeByTwips(make('span', { id: l.name, text: l.text,
            className: l.wrap ? 'wrap' : undefined,
            style: { font: l.font, color: l.colour === undefined ? undefined
                : cssColour(l.colour), textAlign: l.align, textDecoration: l.underline
                ? 'underline' : undefined } }), l.box, twipsPerPixel));
    }
    return make('div', { className: 'about', id: a.name, role: 'dialog',
        'aria-labelledby': `${a.name}-title`, hidden: true },
    make('div', { className: 'caption-bar' },
        make('span', { id: `${a.name}-title`, text: a.title }),
        make('button', { type: 'button', className: 'close', id: 'aboutClose',
            'aria-label': a.close, text: '×' })),
    client);
}

function buildMessage(m) {
    const text = make('p', { id: 'message-text' });
    const dialog = make('dialog', { className: 'message', id: 'message',
        'aria-labelledby': 'message-text' },
    make('form', { method: 'dialog' }, make('p', { className: 'caption-bar', text: m.title }),
        text, make('button', { value: 'ok', autofocus: '', text: m.ok })));
    return { dialog, text };
}

// Builds every element into `body` (before its status line) and returns those the page's parts
// work with, and the texts they show.
export function buildPage(body, tables) {
    const { texts, record } = tables;
    const fonts = Object.fromEntries(record.fonts.map((f) => [f.name, f.css]));
    document.documentElement.style.setProperty('--plot',
        cssColour(record.colours.plotBackground));
    const status = document.getElementById('status');
    const window = buildMainWindow(texts, tables, fonts);
    const study = buildStudy(texts.study);
    const about = buildAbout(texts.about, texts.twipsPerPixel);
    const message = buildMessage(texts.message);
    window.append(status);
    body.prepend(window, study.study.panel, about, message.dialog);
    // The menu's Study button opens and closes the panel.
    const button = document.getElementById('studyButton');
    button.setAttribute('aria-expanded', 'false');
    button.setAttribute('aria-controls', study.study.panel.id);
    study.study.button = button;
    addPlotLabels(tables.window, fonts);
    const first = texts.controls.filter((c) => c.tabIndex !== undefined)
        .sort((a, b) => a.tabIndex - b.tabIndex)[0];
    return { ...study, about, message, status,
        firstFocus: document.getElementById(first.name),
        texts: { messages: texts.messages, probeHint: texts.study.flow.probe.hint,
            columnTooltips: texts.study.compressibility.columnTooltips } };
}
