// SPDX-License-Identifier: MIT
// Builds the page's elements from the module's tables: the main window's controls with their
// names, places, tab order, accessible names, tooltips and texts, the labels on the plots, the
// About window, the message box and the study panel. Fonts are the record table's, each a CSS
// variable (--font-caption, --font-greek, ...) that the style sheet gives to the class of the
// same name (font-caption, font-greek, ...).
import { cssColour } from './canvas.js';
import { make, placeByPixels } from './dom.js';
import { buildStudy } from './study_elements.js';

const fontClass = (name) => `font-${name.replaceAll(' ', '-')}`;

// One control of the window's table. A plot is its canvas in a holder at the control's place; a
// frame a group holding the controls that name it as their parent, captioned by its text.
function buildControl(c, texts) {
    const common = { id: c.name, title: c.tooltip ? texts[c.tooltip] : undefined,
        tabindex: c.tabIndex > 0 ? c.tabIndex : undefined,
        'aria-label': c.accessibleName || undefined };
    switch (c.kind) {
    case 'plot':
        return make('div', { className: 'plot', id: `plot-${c.name}` },
            make('canvas', { ...common, role: 'button' }));
    case 'frame': {
        if (!c.text) {
            return make('div', { ...common, className: 'frame', role: 'group' });
        }
        return make('div', { ...common, className: 'frame captioned', role: 'group',
            'aria-labelledby': `${c.name}-caption` },
        make('span', { className: 'caption', id: `${c.name}-caption`, text: texts[c.text] }));
    }
    case 'valueBox':
    case 'textBox':
        return make('input', { ...common, className: `box ${fontClass(c.font)}`,
            value: c.startText });
    case 'scrollBar':
        return make('input', { ...common, className: 'scroll', type: 'range' });
    default:
        return make('span', { ...common, className: `label ${fontClass(c.font)}`,
            text: texts[c.text] });
    }
}

// The main window's controls, each placed in its container; the About window's are left out.
function buildClient(window, texts) {
    const client = placeByPixels(make('div', { className: 'client', id: 'client' }),
        window.client.pixels);
    const holders = new Map([['client', client]]);
    for (const c of window.controls.filter((control) => control.parent !== 'Form_About')) {
        const element = placeByPixels(buildControl(c, texts), c.pixels);
        holders.get(c.parent).append(element);
        holders.set(c.name, element);
    }
    return client;
}

// The labels on the plots, each at its box inside the plot's border.
function addPlotLabels(window) {
    const b = window.border;
    for (const l of window.labels) {
        const [left, top, width, height] = l.box;
        document.getElementById(`plot-${l.surface}`).append(placeByPixels(
            make('span', { className: `label ${fontClass(l.font)}`, id: l.name, text: l.text }),
            [left + b, top + b, width, height]));
    }
}

function buildMainWindow(window, texts) {
    const menubar = make('div', { className: 'menubar', role: 'menubar' },
        make('button', { id: 'Mn_About', type: 'button', role: 'menuitem',
            text: texts['Form1.Mn_About'] }),
        make('button', { id: 'studyButton', type: 'button', role: 'menuitem',
            title: texts['Study.button.tip'], 'aria-expanded': 'false',
            'aria-controls': 'studyPanel', text: texts['Study.button'] }));
    document.title = texts['Form1.title'];
    return make('div', { className: 'window font-caption', id: 'Form1', role: 'application',
        'aria-label': texts['Form1.title'] }, menubar, buildClient(window, texts));
}

// An About label's font: the About window's families at the label's size and weight.
function aboutFont(l, families) {
    const list = families.map((f) => (f.includes(' ') ? `"${f}"` : f)).join(', ');
    return `${l.bold ? 'bold ' : ''}${(l.points * 96) / 72}px ${list}, sans-serif`;
}

function buildAbout(window, texts) {
    const client = placeByPixels(make('div', { className: 'about-client' }),
        window.about.pixels);
    for (const l of window.controls.filter((c) => c.parent === 'Form_About')) {
        client.append(placeByPixels(make('span', { id: `Form_About_${l.name}`,
            text: texts[l.text], className: l.centred ? 'centred' : undefined,
            style: { font: aboutFont(l, window.about.families),
                color: l.colour < 0 ? undefined : cssColour(l.colour),
                textDecoration: l.underline ? 'underline' : undefined } }), l.pixels));
    }
    return make('div', { className: 'about', id: 'Form_About', role: 'dialog',
        'aria-labelledby': 'Form_About-title', hidden: true },
    make('div', { className: 'caption-bar' },
        make('span', { id: 'Form_About-title', text: texts['Form_About.title'] }),
        make('button', { type: 'button', className: 'close', id: 'aboutClose',
            'aria-label': texts['Form_About.close'], text: '×' })),
    client);
}

function buildMessage(texts) {
    const text = make('p', { id: 'message-text' });
    const dialog = make('dialog', { className: 'message', id: 'message',
        'aria-labelledby': 'message-text' },
    make('form', { method: 'dialog' },
        make('p', { className: 'caption-bar', text: texts['Form1.messageTitle'] }), text,
        make('button', { value: 'ok', text: texts['Form1.ok'] })));
    return { dialog, text };
}

// Builds every element into `body` and returns those the page's parts work with, and the texts
// they show.
export function buildPage(body, { window, texts, record }) {
    const root = document.documentElement.style;
    for (const f of record.fonts) {
        root.setProperty(`--${fontClass(f.name)}`, f.css);
    }
    root.setProperty('--plot', cssColour(record.colours.plotBackground));
    const status = document.getElementById('status');
    const main = buildMainWindow(window, texts);
    const study = buildStudy(texts, window.study);
    const about = buildAbout(window, texts);
    const message = buildMessage(texts);
    main.append(status);
    body.prepend(main, study.panel, about, message.dialog);
    addPlotLabels(window);
    study.parts.button = document.getElementById('studyButton');
    const first = window.controls.filter((c) => c.tabIndex > 0)
        .sort((a, b) => a.tabIndex - b.tabIndex)[0];
    return { ...study, about, message, status,
        firstFocus: document.getElementById(first.name),
        messages: { tableMiss: texts['Form1.tableMiss'], stopped: texts['Form1.updateStopped'] },
        probeHint: texts['Study.probe.hint'] };
}
