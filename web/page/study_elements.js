// SPDX-License-Identifier: MIT
// Builds the study panel's elements from the module's texts: the caption bar, the tab buttons,
// the Flow tab (the picture with the particles' layer over it, the Mapping slider, the Particles
// switch, the probe's line) and the Compressibility tab (chart, rule table, warning).
import { make, mnemonic } from './dom.js';

const TABS = [
    { name: 'flowTabButton', page: 'flowTab', text: 'Study.flowTab' },
    { name: 'compressibilityTabButton', page: 'compressibilityTab',
        text: 'Study.compressibilityTab' },
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
    const table = make('table', { id: 'ruleTable', 'aria-label': texts['Study.ruleTable.name'] },
        make('thead'), make('tbody'));
    const warning = make('p', { id: 'sonicWarning', className: 'warning', role: 'status',
        'aria-label': texts['Study.warning.name'] });
    return { page: tabPage(1, chart, table, warning), elements: { chart, table, warning } };
}

// {panel, parts: the panel's parts for the study panel, flow and compressibility: each tab's
// elements, columnTooltips: the rule table's columns' tooltips in order}. `study`: the study
// views' fixed numbers.
export function buildStudy(texts, study) {
    const tabs = TABS.map((t, i) => make('button', { id: t.name, type: 'button', role: 'tab',
        'aria-selected': String(i === 0), 'aria-controls': t.page, tabindex: i === 0 ? 0 : -1,
        title: texts[`${t.text}.tip`], text: texts[t.text] }));
    const flow = buildFlowTab(texts, study.mappingSteps);
    const compressibility = buildCompressibilityTab(texts);
    const closeButton = make('button', { type: 'button', className: 'close', id: 'studyClose',
        'aria-label': texts['Study.close'], text: '×' });
    const panel = make('section', { id: 'studyPanel', className: 'study',
        'aria-labelledby': 'studyPanel-title', hidden: true },
    make('div', { className: 'caption-bar' },
        make('span', { id: 'studyPanel-title', text: texts['Study.title'] }), closeButton),
    make('div', { id: 'studyTabs', className: 'tabs', role: 'tablist',
        'aria-label': texts['Study.tabs.name'] }, ...tabs),
    flow.page, compressibility.page);
    return {
        panel,
        parts: { panel, button: null, closeButton, tabs },
        flow: flow.elements,
        compressibility: compressibility.elements,
        columnTooltips: ['CL', 'CM', 'Cp_min', 'criticalMach'].map(
            (column) => texts[`Study.ruleTable.${column}.tip`]),
    };
}
