// SPDX-License-Identifier: MIT
// The page's entry point: starts the module, builds the page's elements from its tables, binds
// the main window, the study panel and the dialogs, and paints the five (blank) plots. Every
// module of the page is named here, so that the browser fetches them all at once.
import './painting.js';
import './translations.js';
import './timing.js';
import { BoundaryLayerTab } from './boundary_layer.js';
import { ComparisonTab } from './comparison.js';
import { CompressibilityTab } from './compressibility.js';
import { buildPage } from './elements.js';
import { FlowTab } from './flow.js';
import { applyLanguage, buildLanguageSwitch, earlyText, pageLanguage } from './language.js';
import { loadKestrel } from './loader.js';
import { Painter } from './painter.js';
import { StudyPanel } from './study.js';
import { TheoryTab } from './theory.js';
import { AboutWindow, MainWindow, MessageBox } from './window.js';

const language = pageLanguage();

async function start() {
    document.getElementById('status').textContent = earlyText(language, 'Page.loading');
    const kestrel = await loadKestrel();
    applyLanguage(kestrel, language);
    const painter = new Painter(kestrel.tables.record);
    const page = buildPage(document.body, kestrel.tables);
    buildLanguageSwitch(document.querySelector('.menubar'), language, kestrel.tables.texts);
    const flow = new FlowTab(kestrel, painter, page.flow, { hint: page.probeHint,
        pageStep: kestrel.tables.window.study.mappingPageStep });
    const compressibility = new CompressibilityTab(kestrel, painter, page.compressibility,
        page.columnTooltips);
    const boundaryLayer = new BoundaryLayerTab(kestrel, painter, page.boundaryLayer,
        kestrel.tables.window.study);
    const theory = new TheoryTab(kestrel, painter, page.theory);
    const comparison = new ComparisonTab(kestrel, page.comparison, localStorage);
    const study = new StudyPanel(page.parts,
        [flow, compressibility, boundaryLayer, theory, comparison]);
    comparison.onChange = () => study.follow();
    const dialogs = { about: new AboutWindow(page.about),
        message: new MessageBox(page.message.dialog, page.message.text) };
    const window = new MainWindow(kestrel, painter, study, dialogs, page.messages);
    study.bind();
    comparison.restore();
    window.bind();
    page.status.hidden = true;
    page.firstFocus.focus();
    performance.mark('kestrel-ready');
}

start().catch((error) => {
    const status = document.getElementById('status');
    status.hidden = false;
    status.textContent = earlyText(language, 'Page.startFailed').replace('%1',
        error.message ?? error);
});
