// SPDX-License-Identifier: MIT
// Builds the study panel's elements from the module's texts: the caption bar, the tab buttons,
// the Flow tab (the picture with the particles' layer over it, the Mapping slider, the Particles
// switch, the probe's line) and the Compressibility tab (chart, rule table, warning).
import { make, mnemonic } from './dom.js';

function buildFlowTab(f, tab) {
    const view = make('canvas', { id: 'flowView', role: 'img', 'aria-label': f.view.accessibleName,
        title: f.view.tooltip });
    const layer = make('canvas', { id: 'flowParticles', 'aria-hidden': 'true' });
    const mapping = mnemonic(f.mapping.text);
    const slider = make('input', { id: 'mappingSlider', type: 'range', min: 0,
        max: f.mapping.steps, step: 1, value: 0, accesskey: mapping.key,
        'aria-label': f.mapping.accessibleName, title: f.mapping.tooltip });
    const switchText = mnemonic(f.particles.text);
    const particles = make('input', { id: 'particlesSwitch', type: 'checkbox',
        accesskey: switchText.key, 'aria-label': f.particles.accessibleName });
    const reading = make('p', { id: 'probeReading', 'aria-label': f.probe.accessibleName,
        'aria-live': 'off', title: f.probe.tooltip });
    const page = make('div', { id: tab.page, className: 'tab-page', role: 'tabpanel',
        'aria-labelledby': tab.name },
    make('div', { className: 'flow-picture' }, view, layer),
    make('div', { className: 'flow-controls' },
        make('label', { for: 'mappingSlider' }, ...mapping.nodes), slider,
        make('label', { className: 'switch', title: f.particles.tooltip }, particles,
            ...switchText.nodes)),
    reading);
    return { page, elements: { view, layer, slider, particles, reading } };
}

function buildCompressibilityTab(c, tab) {
    const chart = make('canvas', { id: 'compressibilityChart', role: 'img',
        'aria-label': c.chart.accessibleName, title: c.chart.tooltip });
    const table = make('table', { id: 'ruleTable', 'aria-label': c.table.accessibleName },
        make('thead'), make('tbody'));
    const warning = make('p', { id: 'sonicWarning', className: 'warning', role: 'status',
        'aria-label': c.warning.accessibleName });
    const page = make('div', { id: tab.page, className: 'tab-page', role: 'tabpanel',
        'aria-labelledby': tab.name, hidden: true }, chart, table, warning);
    return { page, elements: { chart, table, warning } };
}

// {panel, study: the panel's parts, flow and compressibility: each tab's elements}.
export function buildStudy(s) {
    const tabs = s.tabs.map((t, i) => make('button', { id: t.name, type: 'button', role: 'tab',
        'aria-selected': String(i === 0), 'aria-controls': t.page, tabindex: i === 0 ? 0 : -1,
        title: t.tooltip, text: t.text }));
    const flow = buildFlowTab(s.flow, s.tabs[0]);
    const compressibility = buildCompressibilityTab(s.compressibility, s.tabs[1]);
    const closeButton = make('button', { type: 'button', className: 'close', id: 'studyClose',
        'aria-label': s.close, text: '×' });
    const panel = make('section', { id: 'studyPanel', className: 'study',
        'aria-labelledby': 'studyPanel-title', hidden: true },
    make('div', { className: 'caption-bar' },
        make('span', { id: 'studyPanel-title', text: s.title }), closeButton),
    make('div', { id: 'studyTabs', className: 'tabs', role: 'tablist',
        'aria-label': s.accessibleName }, ...tabs),
    flow.page, compressibility.page);
    return {
        study: { panel, button: null, closeButton, tabs },
        flow: flow.elements,
        compressibility: compressibility.elements,
    };
}
