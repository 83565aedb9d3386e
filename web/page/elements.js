// SPDX-License-Identifier: MIT
// Builds the page's elements from the module's tables: the main window's controls with their
// names, places, tab order, accessible names, tooltips and texts, the labels on the plots, the
// About window, the message box and the study panel (the Flow tab's picture with the particles'
// layer over it, the Mapping slider, the Particles switch, the probe's line; the Compressibility
// tab's two charts, rule table and warning; the Theory tab's charts, table and help). Fonts are
// the record table's, each a CSS variable (--font-caption, --font-greek, ...) that the style sheet
// gives to the class of the same name (font-caption, font-greek, ...).
import { cssColour } from './painting.js';

// An element of the tag with the attributes (undefined ones left out; `className`, `text`,
// `hidden` and `style` set as properties) and the children appended.
function make(tag, attributes = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === null) {
            continue;
        }
        if (name === 'className') {
            element.className = value;
        } else if (name === 'text') {
            element.textContent = value;
        } else if (name === 'hidden') {
            element.hidden = value;
        } else if (name === 'style') {
            Object.assign(element.style, value);
        } else {
            element.setAttribute(name, value);
        }
    }
    element.append(...children);
    return element;
}

// Places an element at a box [left, top, width, height] of logical pixels.
function placeByPixels(element, [left, top, width, height]) {
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`,
        height: `${height}px` });
    return element;
}

// A text whose "&" marks the next letter as its mnemonic: the nodes to show (the letter
// underlined) and the key, lower case, or undefined without one. "&&" is a plain "&".
function mnemonic(text) {
    const at = text.search(/&[^&]/);
    const plain = (t) => t.replaceAll('&&', '&');
    if (at < 0) {
        return { nodes: [plain(text)], key: undefined };
    }
    const letter = text[at + 1];
    return {
        nodes: [plain(text.slice(0, at)), make('u', { text: letter }), plain(text.slice(at + 2))],
        key: letter.toLowerCase(),
    };
}

// The study panel's tabs: their buttons, pages and texts' keys.
const TABS = [
    { name: 'flowTabButton', page: 'flowTab', text: 'Study.flowTab' },
    { name: 'compressibilityTabButton', page: 'compressibilityTab',
        text: 'Study.compressibilityTab' },
    { name: 'boundaryLayerTabButton', page: 'boundaryLayerTab', text: 'Study.boundaryLayerTab' },
    { name: 'theoryTabButton', page: 'theoryTab', text: 'Study.theoryTab' },
    { name: 'comparisonTabButton', page: 'comparisonTab', text: 'Study.comparisonTab' },
];

function tabPage(i, ...children) {
    return make('div', { id: TABS[i].page, className: 'tab-page', role: 'tabpanel',
        'aria-labelledby': TABS[i].name, hidden: i > 0 }, ...children);
}

// `steps`: the Mapping slider's steps from the circle plane to the profile plane.
function buildFlowTab(texts, steps) {
    const view = make('canvas', { id: 'flowView', role: 'img',
        'aria-label': texts['Study.flowView.name'], title: texts['Study.flowView.tip'] });
    const layer = make('canvas', { id: 'flowParticles', 'aria-hidden': 'true' });
    const mapping = mnemonic(texts['Study.mapping']);
    const slider = make('input', { id: 'mappingSlider', type: 'range', min: 0, max: steps,
        step: 1, value: 0, accesskey: mapping.key, 'aria-label': texts['Study.mapping.name'],
        title: texts['Study.mapping.tip'] });
    const switchText = mnemonic(texts['Study.particles']);
    const particles = make('input', { id: 'particlesSwitch', type: 'checkbox',
        accesskey: switchText.key, 'aria-label': texts['Study.particles.name'] });
    const reading = make('p', { id: 'probeReading', 'aria-label': texts['Study.probe.name'],
        'aria-live': 'off', title: texts['Study.probe.tip'] });
    const page = tabPage(0,
        make('div', { className: 'flow-picture' }, view, layer),
        make('div', { className: 'flow-controls' },
            make('label', { for: 'mappingSlider' }, ...mapping.nodes), slider,
            make('label', { className: 'switch', title: texts['Study.particles.tip'] },
                particles, ...switchText.nodes)),
        reading);
    return { page, elements: { view, layer, slider, particles, reading } };
}

function buildCompressibilityTab(texts) {
    const chart = make('canvas', { id: 'compressibilityChart', role: 'img',
        'aria-label': texts['Study.chart.name'], title: texts['Study.chart.tip'] });
    const table = make('table', { id: 'ruleTable', 'aria-label': texts['Study.ruleTable.name'],
        'data-past-tip': texts['Study.ruleTable.past.tip'] },
        make('thead'), make('tbody'));
    const warning = make('p', { id: 'sonicWarning', className: 'warning', role: 'status',
        'aria-label': texts['Study.warning.name'] });
    const sonic = make('canvas', { id: 'sonicChart', role: 'img',
        'aria-label': texts['Study.sonic.name'], title: texts['Study.sonic.tip'] });
    return { page: tabPage(1, chart, sonic, table, warning),
        elements: { chart, sonic, table, warning } };
}

// The Boundary layer tab: the Reynolds slider with its text, the N_crit box, the four pictures,
// the table and the note. `study`: the study views' fixed numbers.
function buildBoundaryLayerTab(texts, study) {
    const canvas = (id, name, tip) => make('canvas', { id, role: 'img',
        'aria-label': texts[`Study.${name}.name`], title: tip ? texts[`Study.${name}.tip`] : null });
    const reynolds = mnemonic(texts['Study.reynolds']);
    const slider = make('input', { id: 'reynoldsSlider', type: 'range', min: 0,
        max: study.reynoldsSteps, step: 1, accesskey: reynolds.key,
        'aria-label': texts['Study.reynolds.name'], title: texts['Study.reynolds.tip'] });
    const reynoldsText = make('output', { id: 'reynoldsText', for: 'reynoldsSlider' });
    const ncritText = mnemonic(texts['Study.ncrit']);
    const ncrit = make('input', { id: 'ncritBox', type: 'number', min: study.ncritMinimum,
        max: study.ncritMaximum, step: study.ncritStep, accesskey: ncritText.key,
        'aria-label': texts['Study.ncrit.name'], title: texts['Study.ncrit.tip'] });
    const elements = {
        slider, reynoldsText, ncrit,
        profile: canvas('layerProfile', 'layerProfile', true),
        friction: canvas('frictionPlot', 'friction', false),
        shapeFactor: canvas('shapeFactorPlot', 'shapeFactor', false),
        polar: canvas('dragPolar', 'dragPolar', true),
        table: make('table', { id: 'layerTable', 'aria-label': texts['Study.layerTable.name'] },
            make('thead'), make('tbody')),
        note: make('p', { id: 'layerNote', role: 'status',
            'aria-label': texts['Study.layerNote.name'] }),
    };
    const page = tabPage(2,
        make('div', { className: 'layer-controls' },
            make('label', { for: 'reynoldsSlider' }, ...reynolds.nodes), slider, reynoldsText,
            make('label', { for: 'ncritBox' }, ...ncritText.nodes), ncrit),
        make('div', { className: 'layer-views' },
            make('div', { className: 'layer-left' }, elements.profile,
                make('div', { className: 'layer-curves' }, elements.friction,
                    elements.shapeFactor)),
            make('div', { className: 'layer-right' }, elements.polar, elements.table,
                elements.note)));
    return { page, elements };
}

// The Theory tab: three charts and the numbers (the table with the help under it), each in its
// cell of `cells`, the module's grid of the tab.
function buildTheoryTab(texts, cells) {
    const chart = (id, name) => make('canvas', { id, role: 'img',
        'aria-label': texts[name], title: texts[name] });
    const table = make('table', { id: 'theoryTable', className: 'numbers',
        'aria-label': texts['Study.theory.table.name'], title: texts['Study.theory.help'] },
    make('thead'), make('tbody'));
    const parts = {
        theoryLift: chart('theoryLift', 'Study.theory.lift.name'),
        theoryMoment: chart('theoryMoment', 'Study.theory.moment.name'),
        theoryLoad: chart('theoryLoad', 'Study.theory.load.name'),
        theoryNumbers: make('div', { id: 'theoryNumbers' }, table,
            make('p', { id: 'theoryHelp', text: texts['Study.theory.help'] })),
    };
    for (const { name, row, column } of cells) {
        parts[name].style.gridRow = `${row + 1}`;
        parts[name].style.gridColumn = `${column + 1}`;
    }
    const page = tabPage(3, make('div', { className: 'theory-grid' }, ...Object.values(parts)));
    return { page, elements: { lift: parts.theoryLift, moment: parts.theoryMoment,
        load: parts.theoryLoad, table } };
}

// The Comparison tab: the kept profile's label, the table and the note on the boundary layer.
function buildComparisonTab(texts) {
    const heading = make('p', { id: 'comparisonHeading' });
    const table = make('table', { id: 'comparisonTable',
        'aria-label': texts['Study.comparisonTable.name'] }, make('thead'), make('tbody'));
    const note = make('p', { id: 'comparisonNote' });
    const index = TABS.findIndex((t) => t.page === 'comparisonTab');
    return { page: tabPage(index, heading, table, note), elements: { heading, table, note } };
}

// The bar under the tabs with "Keep for comparison" and "Clear comparison".
function buildComparisonBar(texts) {
    const keep = make('button', { id: 'keepButton', type: 'button', title: texts['Study.keep.tip'],
        text: texts['Study.keep'] });
    const clear = make('button', { id: 'clearButton', type: 'button',
        title: texts['Study.clear.tip'], text: texts['Study.clear'] });
    return { bar: make('div', { className: 'comparison-bar' }, keep, clear), keep, clear };
}

// {panel, parts: the panel's parts for the study panel, flow, compressibility, boundaryLayer,
// theory and comparison: each tab's elements, columnTooltips: the rule table's columns' tooltips in order}. `study`: the study
// views' fixed numbers.
function buildStudy(texts, study) {
    const tabs = TABS.map((t, i) => make('button', { id: t.name, type: 'button', role: 'tab',
        'aria-selected': String(i === 0), 'aria-controls': t.page, tabindex: i === 0 ? 0 : -1,
        title: texts[`${t.text}.tip`], text: texts[t.text] }));
    const flow = buildFlowTab(texts, study.mappingSteps);
    const compressibility = buildCompressibilityTab(texts);
    const boundaryLayer = buildBoundaryLayerTab(texts, study);
    const theory = buildTheoryTab(texts, study.theoryCells);
    const comparison = buildComparisonTab(texts);
    const bar = buildComparisonBar(texts);
    const closeButton = make('button', { type: 'button', className: 'close', id: 'studyClose',
        'aria-label': texts['Study.close'], text: '×' });
    const panel = make('section', { id: 'studyPanel', className: 'study',
        'aria-labelledby': 'studyPanel-title', hidden: true },
    make('div', { className: 'caption-bar' },
        make('span', { id: 'studyPanel-title', text: texts['Study.title'] }), closeButton),
    make('div', { id: 'studyTabs', className: 'tabs', role: 'tablist',
        'aria-label': texts['Study.tabs.name'] }, ...tabs),
    flow.page, compressibility.page, boundaryLayer.page, theory.page, comparison.page, bar.bar);
    return {
        panel,
        parts: { panel, button: null, closeButton, tabs },
        flow: flow.elements,
        compressibility: compressibility.elements,
        boundaryLayer: boundaryLayer.elements,
        theory: theory.elements,
        comparison: { ...comparison.elements, keep: bar.keep, clear: bar.clear },
        columnTooltips: ['CL', 'CM', 'Cp_min', 'criticalMach'].map(
            (column) => texts[`Study.ruleTable.${column}.tip`]),
    };
}

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
