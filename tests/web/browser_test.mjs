// SPDX-License-Identifier: MIT
// The page in real headless Chromium: it loads without a console error, the sliders, a plot
// click and the Mach box follow the window's event rules, the boxes show kestrel-calc's texts,
// the plots are painted (their pixels), the keyboard visits the window's tab order, the About
// window opens once, and the study panel draws both tabs, probes, maps, animates and follows;
// the page shows the module's texts and places its controls where the module's tables say, and
// its painter paints each kind of the module's records. Screenshots are written for a person to
// look at.
//
//   node tests/web/browser_test.mjs SITE SERVE_SCRIPT KESTREL_CALC OUT
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

import { clickElement, launchChromium, pressKey, startServer, waitForReady } from './chromium.mjs';

const [site, serveScript, calc, out] = process.argv.slice(2);

function calcTexts(thickness, camber, alpha, xm, mach) {
    const json = execFileSync(calc, ['profile', '--thickness', `${thickness}`, '--camber',
        `${camber}`, '--alpha', `${alpha}`, '--xm', `${xm}`, '--mach', mach], { encoding: 'utf8' });
    const { current } = JSON.parse(json);
    return { Text_CL: current.Text_CL, Text1: current.Text1 };
}

// Pixels of a plot's canvas inside its border, counted by the colours the plots draw in.
const pixelsOf = (page, id) => page.evaluate(`(() => {
    const canvas = document.getElementById(${JSON.stringify(id)});
    const ratio = window.devicePixelRatio;
    const inset = Math.ceil(2 * ratio);
    const { data } = canvas.getContext('2d').getImageData(inset, inset,
        canvas.width - 2 * inset, canvas.height - 2 * inset);
    const count = { red: 0, green: 0, blue: 0, magenta: 0, dark: 0 };
    let hash = 0;
    for (let i = 0; i < data.length; i += 4) {
        const [r, g, b] = [data[i], data[i + 1], data[i + 2]];
        hash = (hash * 31 + r * 7 + g * 3 + b) | 0;
        if (r > 200 && g < 90 && b > 200) count.magenta++;
        else if (r > 200 && g < 90 && b < 90) count.red++;
        else if (r < 90 && g > 200 && b < 90) count.green++;
        else if (r < 90 && g < 90 && b > 200) count.blue++;
        else if (r < 90 && g < 90 && b < 90) count.dark++;
    }
    return { ...count, hash, width: canvas.width };
})()`);

const valueOf = (page, id) => page.evaluate(`document.getElementById("${id}").value`);
const focus = (page, id) => page.evaluate(`document.getElementById("${id}").focus()`);

async function press(page, id, key, times, keyCode) {
    await focus(page, id);
    for (let i = 0; i < times; ++i) {
        await pressKey(page, key, key, keyCode);
    }
}

async function screenshot(page, name) {
    const { data } = await page.send('Page.captureScreenshot',
        { format: 'png', captureBeyondViewport: true });
    writeFileSync(join(out, name), Buffer.from(data, 'base64'));
}

async function main() {
    mkdirSync(out, { recursive: true });
    const server = await startServer(serveScript, site);
    const page = await launchChromium();
    const problems = [];
    try {
        await page.send('Runtime.enable');
        await page.send('Log.enable');
        await page.send('Page.enable');
        page.on('Runtime.exceptionThrown', (e) => problems.push(e.exceptionDetails.text));
        page.on('Runtime.consoleAPICalled', (e) => {
            if (e.type === 'error' || e.type === 'warning') {
                problems.push(e.args.map((a) => a.value ?? a.description).join(' '));
            }
        });
        page.on('Log.entryAdded', (e) => {
            if (e.entry.level === 'error') {
                problems.push(`${e.entry.text} ${e.entry.url ?? ''}`);
            }
        });
        // A high-density screen: the plots must be painted at twice the pixels.
        await page.send('Emulation.setDeviceMetricsOverride',
            { width: 820, height: 560, deviceScaleFactor: 2, mobile: false });
        // In English, the language of the checks below; Turkish, the default, at the end.
        await page.send('Page.navigate', { url: `${server.url}?lang=en` });
        await waitForReady(page);

        // At start: blank plots, the start texts, the focus on the profile plot.
        assert.equal(await page.evaluate('document.activeElement.id'), 'profil');
        assert.equal(await valueOf(page, 'Text_nP'), '51');
        assert.equal(await valueOf(page, 'Text_CL'), '0');
        const blank = await pixelsOf(page, 'daire');
        assert.equal(blank.width, 2 * 227, 'canvas at the device-pixel ratio');
        assert.equal(blank.red + blank.blue + blank.dark, 0, 'nothing drawn at start');

        // The page shows the module's texts and places its controls where the module's tables
        // say: each control at its twips in its holder, with its text, tooltip, accessible name
        // and place in the tab order; the About window's labels; the study panel's texts.
        const misplaced = await page.evaluate(`(async () => {
            const { loadKestrel } = await import('./loader.js');
            const { applyLanguage, pageLanguage } = await import('./language.js');
            const kestrel = await loadKestrel();
            applyLanguage(kestrel, pageLanguage());
            const { window: w, texts } = kestrel.tables;
            const wrong = [];
            const check = (what, shown, wanted) => {
                if (shown !== wanted) {
                    wrong.push(what + ': ' + shown + ' against ' + wanted);
                }
            };
            const byId = (id) => document.getElementById(id);
            byId('Form_About').hidden = false;
            for (const c of w.controls) {
                const about = c.parent === 'Form_About';
                const e = byId(about ? 'Form_About_' + c.name : c.name);
                const placed = c.kind === 'plot' ? e.parentElement : e;
                const r = placed.getBoundingClientRect();
                const h = placed.parentElement.getBoundingClientRect();
                check(c.name, [r.left - h.left, r.top - h.top, r.width, r.height].join(' '),
                    c.pixels.join(' '));
                const shown = { valueBox: e.value, textBox: e.value, plot: null, scrollBar: null,
                    frame: e.querySelector('.caption')?.textContent ?? null }[c.kind];
                check(c.name, shown === undefined ? e.textContent : shown,
                    c.kind === 'valueBox' || c.kind === 'textBox' ? c.startText
                        : texts[c.text] ?? null);
                check(c.name, e.title, texts[c.tooltip] ?? '');
                check(c.name, e.getAttribute('aria-label') ?? '', c.accessibleName);
                check(c.name, e.tabIndex, c.tabIndex > 0 ? c.tabIndex : e.tabIndex);
            }
            byId('Form_About').hidden = true;
            for (const [id, key] of [['Mn_About', 'Form1.Mn_About'],
                ['studyButton', 'Study.button'], ['flowTabButton', 'Study.flowTab'],
                ['compressibilityTabButton', 'Study.compressibilityTab'],
                ['probeReading', 'Study.probe.hint']]) {
                check(id, byId(id).textContent, texts[key]);
            }
            check('title', document.title, texts['Form1.title']);
            return wrong;
        })()`);
        assert.deepEqual(misplaced, []);

        // Twelve arrow presses on the thickness bar: twelve full chains.
        await press(page, 'HScroll_Thickness', 'ArrowRight', 12, 39);
        assert.equal(await valueOf(page, 'Text_Thickness'), '0.12');
        const daire = await pixelsOf(page, 'daire');
        assert.ok(daire.red > 100 && daire.blue > 100 && daire.dark > 50, JSON.stringify(daire));
        const profil = await pixelsOf(page, 'profil');
        assert.ok(profil.blue > 100 && profil.green > 100, JSON.stringify(profil));

        // Five presses on the angle bar; a click in the camber bar's track right of the thumb
        // is one large change.
        await press(page, 'HScroll_AlfaD', 'ArrowRight', 5, 39);
        assert.equal(await valueOf(page, 'Text_AlfaD'), '5');
        await clickElement(page, 'HScroll_Camber', 35);
        assert.equal(await valueOf(page, 'Text_Camber'), '0.01');
        assert.deepEqual({ Text_CL: await valueOf(page, 'Text_CL'),
            Text1: await valueOf(page, 'Text1') }, calcTexts(12, 1, 5, 0, '0'));

        // Typing a Mach number changes nothing; a click on a plot applies it everywhere.
        const before = await pixelsOf(page, 'pressure');
        await focus(page, 'Text_Moo');
        await page.evaluate('document.getElementById("Text_Moo").select()');
        await page.send('Input.insertText', { text: '0.6' });
        assert.equal(await valueOf(page, 'Text_Moo'), '0.6');
        assert.equal((await pixelsOf(page, 'pressure')).hash, before.hash);
        assert.equal(before.magenta, 0);
        await clickElement(page, 'Picture_CL');
        for (const id of ['pressure', 'Picture_CL', 'Picture_CM']) {
            const p = await pixelsOf(page, id);
            assert.ok(p.magenta > 50, `${id}: ${JSON.stringify(p)}`);
        }
        assert.deepEqual({ Text_CL: await valueOf(page, 'Text_CL'),
            Text1: await valueOf(page, 'Text1') }, calcTexts(12, 1, 5, 0, '0.6'));

        // A page key on the moment reference bar: five hundredths; CM about the new point.
        await press(page, 'HScroll_xM', 'PageDown', 1, 34);
        assert.equal(await valueOf(page, 'Text_xM'), '0.05');
        assert.equal(await valueOf(page, 'Text1'), calcTexts(12, 1, 5, 5, '0.6').Text1);
        await screenshot(page, 'window.png');

        // The study panel: the Flow tab first, drawn from the chains so far.
        await clickElement(page, 'studyButton');
        assert.equal(await page.evaluate('document.activeElement.id'), 'flowTabButton');
        const flowPixels = () => page.evaluate(`(() => {
            const c = document.getElementById('flowView');
            const half = (x0) => {
                const { data } = c.getContext('2d').getImageData(x0, 0, c.width / 2, c.height);
                let hash = 0;
                let shaded = 0;
                for (let i = 0; i < data.length; i += 4) {
                    hash = (hash * 31 + data[i] * 7 + data[i + 1] * 3 + data[i + 2]) | 0;
                    shaded += data[i] !== data[i + 2] ? 1 : 0;
                }
                return { hash, shaded };
            };
            return { left: half(0), right: half(c.width / 2) };
        })()`);
        const flow0 = await flowPixels();
        assert.ok(flow0.left.shaded > 10000 && flow0.right.shaded > 10000, JSON.stringify(flow0));
        // The probe under the mouse: numbers in the profile plane, "inside the profile" on the
        // body (the middle of the chord), the hint after the mouse leaves.
        const at = (fx, fy) => page.evaluate(`(() => {
            const r = document.getElementById('flowView').getBoundingClientRect();
            return { x: r.left + ${fx} * r.width, y: r.top + ${fy} * r.height };
        })()`);
        const probeAt = async (point) => {
            await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', ...point });
            return page.evaluate('document.getElementById("probeReading").textContent');
        };
        assert.match(await probeAt(await at(0.6, 0.15)), /^profile flow at x\/c −?\d\.\d{4}, y\/c /);
        // The middle of the chord, found as a person would: two readings in the profile plane
        // give its scale, and the point of x/c 0.5, y/c 0 follows.
        const reading = async (point) => {
            const [, x, y] = (await probeAt(point)).replaceAll('\u2212', '-')
                .match(/^profile flow at x\/c (-?[\d.]+), y\/c (-?[\d.]+):/).map(Number);
            return { x, y };
        };
        const [p1, p2] = [await at(0.6, 0.2), await at(0.8, 0.8)];
        const [r1, r2] = [await reading(p1), await reading(p2)];
        const between = (a, b, ra, rb, r) => a + (b - a) * (r - ra) / (rb - ra);
        const chordMiddle = { x: between(p1.x, p2.x, r1.x, r2.x, 0.5),
            y: between(p1.y, p2.y, r1.y, r2.y, 0) };
        assert.equal(await probeAt(chordMiddle), 'inside the profile');
        await page.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x: 2, y: 2 });
        assert.equal(await page.evaluate('document.getElementById("probeReading").textContent'),
            'Move the mouse over the flow to read it.');
        // The Mapping slider by keyboard re-records the left plane only.
        await press(page, 'mappingSlider', 'PageUp', 5, 33);
        assert.equal(await valueOf(page, 'mappingSlider'), '50');
        const flow50 = await flowPixels();
        assert.notEqual(flow50.left.hash, flow0.left.hash);
        assert.equal(flow50.right.hash, flow0.right.hash);
        await screenshot(page, 'study-flow.png');
        // Particles run (their layer over the picture changes from one look to the next), and
        // stop when the panel closes.
        await clickElement(page, 'particlesSwitch');
        const layer = () => page.evaluate(`new Promise((resolve) => setTimeout(() => {
            const c = document.getElementById('flowParticles');
            const { data } = c.getContext('2d').getImageData(0, 0, c.width, c.height);
            let hash = 0;
            for (let i = 0; i < data.length; i += 4) {
                hash = (hash * 31 + data[i] * 7 + data[i + 1] * 3 + data[i + 3]) | 0;
            }
            resolve(hash);
        }, 300))`);
        const l1 = await layer();
        assert.notEqual(await layer(), l1, 'particles move');
        await clickElement(page, 'studyClose');
        const l3 = await layer();
        assert.equal(await layer(), l3, 'no particles move while the panel is closed');
        await clickElement(page, 'studyButton');
        assert.notEqual(await layer(), l3, 'moving again');
        // The views follow a slider: the flow at once, the compressibility tab (selected with
        // the arrow keys) when it is shown; no particles move while the flow is not shown.
        const ruleCells = () => page.evaluate(`[...document.querySelectorAll(
            '#ruleTable tbody tr')].map((r) => [...r.cells].map((c) => c.textContent))`);
        const selectTab = async (key, keyCode, id) => {
            await focus(page, 'flowTabButton');
            await pressKey(page, key, key, keyCode);
            assert.equal(await page.evaluate('document.activeElement.id'), id);
        };
        await clickElement(page, 'particlesSwitch');
        await selectTab('ArrowRight', 39, 'compressibilityTabButton');
        const cellsBefore = await ruleCells();
        await selectTab('Home', 36, 'flowTabButton');
        const flowBefore = await flowPixels();
        await press(page, 'HScroll_AlfaD', 'ArrowRight', 1, 39);
        assert.notEqual((await flowPixels()).right.hash, flowBefore.right.hash, 'flow redrawn');
        assert.deepEqual(await ruleCells(), cellsBefore, 'the hidden tab waits');
        await clickElement(page, 'particlesSwitch');
        await selectTab('ArrowLeft', 37, 'comparisonTabButton');
        await pressKey(page, 'ArrowLeft', 'ArrowLeft', 37);
        assert.equal(await page.evaluate('document.activeElement.id'), 'theoryTabButton');
        await pressKey(page, 'ArrowLeft', 'ArrowLeft', 37);
        assert.equal(await page.evaluate('document.activeElement.id'), 'boundaryLayerTabButton');
        await pressKey(page, 'ArrowLeft', 'ArrowLeft', 37);
        assert.equal(await page.evaluate('document.activeElement.id'), 'compressibilityTabButton');
        const l4 = await layer();
        assert.equal(await layer(), l4, 'no particles move while the flow is not shown');
        const chart = await pixelsOf(page, 'compressibilityChart');
        assert.ok(chart.magenta > 100 && chart.blue > 100 && chart.dark > 100,
            JSON.stringify(chart));
        const cells = await ruleCells();
        assert.notEqual(cells[0][1], cellsBefore[0][1], 'followed when shown');
        assert.deepEqual(cells.map((r) => r[0]),
            ['incompressible', 'Prandtl–Glauert', 'Kármán–Tsien', 'Laitone']);
        assert.equal(cells[0][1], await valueOf(page, 'Text_CL'), 'incompressible CL');
        assert.equal(await page.evaluate('document.getElementById("sonicWarning").textContent'),
            'Laitone, Kármán–Tsien and Prandtl–Glauert are past their critical Mach numbers '
            + '0.403, 0.426 and 0.450');
        const sonic = await pixelsOf(page, 'sonicChart');
        assert.ok(sonic.magenta > 100 && sonic.blue > 100 && sonic.dark > 100,
            JSON.stringify(sonic));
        await screenshot(page, 'study-compressibility.png');
        // The Boundary layer tab: its table and note for the window's profile and angle, its
        // pictures drawn.
        await clickElement(page, 'boundaryLayerTabButton');
        const layerCells = await page.evaluate(`[...document.querySelectorAll(
            '#layerTable tbody tr')].map((r) => [...r.cells].map((c) => c.textContent))`);
        assert.deepEqual(layerCells.map((r) => r[0]),
            ['CD', 'CD_friction', 'L/D', 'transition', 'separation']);
        assert.match(layerCells[0][1], /^0\.0\d{4}$/, 'a CD');
        assert.match(await page.evaluate('document.getElementById("layerNote").textContent'),
            /the boundary layer/);
        const polar = await pixelsOf(page, 'dragPolar');
        assert.ok(polar.dark > 100 && polar.red > 20, JSON.stringify(polar)); // the angle marked
        await screenshot(page, 'study-boundary-layer.png');
        // The Theory tab: its three charts painted, its table the module's.
        await clickElement(page, 'theoryTabButton');
        for (const id of ['theoryLift', 'theoryMoment', 'theoryLoad']) {
            const theory = await pixelsOf(page, id);
            assert.ok(theory.blue > 100 && theory.red > 100 && theory.dark > 100,
                `${id}: ${JSON.stringify(theory)}`);
        }
        const theoryCells = await page.evaluate(`[...document.querySelectorAll(
            '#theoryTable tbody tr')].map((r) => [...r.cells].map((c) => c.textContent))`);
        assert.deepEqual(theoryCells.map((r) => r[0]),
            ['α of zero lift (°)', 'lift slope (per radian)', 'CM about c/4']);
        assert.equal(theoryCells[1][2], '6.2832', 'thin-airfoil lift slope 2 pi');
        await screenshot(page, 'study-theory.png');
        await clickElement(page, 'studyClose');

        // The painter's other kinds, imported into the page and painting on a canvas of its
        // own a record packed as the module packs it (per item its kind from the module's
        // table, colour, number count and style, then its numbers): a frame 2 pixels wide
        // inside the picture's edge, then an area of user units of 10 pixels inside it.
        const kinds = await page.evaluate(`(async () => {
            const { loadKestrel } = await import('./loader.js');
            const { Painter } = await import('./painter.js');
            const { sizeCanvas } = await import('./painting.js');
            const table = (await loadKestrel()).tables.record;
            const k = table.kinds;
            const heading = table.fonts.findIndex((f) => f.name === 'heading');
            const items = [[k.Rect, 0, table.rectStyles.frame, [0, 0, 104, 104, 2]],
                [k.Area, 0, 0, [2, 2, 100, 100, 0, 0, 10, 10]],
                [k.Polygon, 0x0000ff, 0, [1, 1, 4, 1, 4, 4, 1, 4]],
                [k.Polyline, 0xff0000, 0, [3, 6, 1, 9, 1, 9, 4]],
                [k.Marker, 0xff00ff, 0, [2.5, 7.5, 10]],
                [k.Text, 0x00ff00, table.aligns.indexOf('center') + table.fontFactor * heading,
                    [7.5, 7.5]],
                [Math.max(...Object.values(k)) + 1, 0, 0, []]];
            const numbers = items.flatMap((i) => i[3]);
            const codes = items.flatMap(([kind, colour, style, n]) =>
                [kind, colour, n.length, style]);
            const memory = { HEAP32: new Int32Array(codes), HEAPF32: new Float32Array(numbers) };
            const ratio = window.devicePixelRatio;
            const canvas = document.createElement('canvas');
            new Painter(table).paint(sizeCanvas(canvas, 104, 104, ratio), { scale: [0, 0, 104,
                104], background: 0xffffff, memory, codes: 0, numbers: 0,
                itemCount: items.length, numberCount: numbers.length, texts: ['W'] }, 0, 0, 104,
                104, { ground: true });
            const pixel = (x, y) => Array.from(canvas.getContext('2d').getImageData(
                Math.floor(x * ratio), Math.floor(y * ratio), 1, 1).data.slice(0, 3));
            const at = (x, y) => pixel(2 + 10 * x, 2 + 10 * y);
            const text = canvas.getContext('2d').getImageData(Math.round(62 * ratio),
                Math.round(62 * ratio), Math.round(30 * ratio), Math.round(30 * ratio)).data;
            let green = 0;
            for (let i = 0; i < text.length; i += 4) {
                green += text[i + 1] > 200 && text[i] < 90 ? 1 : 0;
            }
            return { frame: [pixel(0, 50), pixel(1.5, 50), pixel(2.5, 50)],
                polygon: at(2.5, 2.5), polyline: at(7.5, 1), corner: at(9, 2.5),
                marker: at(2.5, 7.5), beside: at(2.5, 9.5), green };
        })()`);
        assert.deepEqual(kinds.frame, [[0, 0, 0], [0, 0, 0], [255, 255, 255]]);
        assert.deepEqual([kinds.polygon, kinds.polyline, kinds.corner, kinds.marker, kinds.beside],
            [[255, 0, 0], [0, 0, 255], [0, 0, 255], [255, 0, 255], [255, 255, 255]]);
        assert.ok(kinds.green > 20, `text pixels: ${kinds.green}`);

        // The keyboard visits the controls in the window's tab order.
        await focus(page, 'profil');
        const order = ['profil'];
        for (let i = 0; i < 17; ++i) {
            await pressKey(page, 'Tab', 'Tab', 9);
            order.push(await page.evaluate('document.activeElement.id'));
        }
        assert.deepEqual(order, ['profil', 'pressure', 'Text_AlfaD', 'Text_Camber',
            'Text_Thickness', 'Text_nP', 'HScroll_AlfaD', 'HScroll_Thickness', 'HScroll_Camber',
            'HScroll_nP', 'daire', 'Text_CL', 'Picture_CL', 'Text1', 'Picture_CM', 'Text_xM',
            'HScroll_xM', 'Text_Moo']);

        // About twice: one window, shown.
        await clickElement(page, 'Mn_About');
        await clickElement(page, 'Mn_About');
        assert.equal(await page.evaluate(
            'document.querySelectorAll("#Form_About:not([hidden])").length'), 1);
        assert.equal(await page.evaluate(
            'document.getElementById("Form_About_Label2").textContent'),
            'Aerodynamic Characteristics of Kestrel');
        await screenshot(page, 'about.png');
        await clickElement(page, 'aboutClose');
        assert.equal(await page.evaluate('document.getElementById("Form_About").hidden'), true);

        // A narrow screen: one column, the plots kept at their size.
        await page.send('Emulation.setDeviceMetricsOverride',
            { width: 380, height: 800, deviceScaleFactor: 1, mobile: true });
        const column = await page.evaluate(`['plot-profil', 'Frame1', 'plot-pressure'].map(
            (id) => document.getElementById(id).getBoundingClientRect().left)`);
        assert.equal(new Set(column).size, 1, `one column: ${column}`);
        await screenshot(page, 'narrow.png');
        // Down to 280 pixels the column shrinks to fit: no sideways scrolling and nothing cut,
        // the About window and the study panel's rule table open too.
        await clickElement(page, 'Mn_About');
        await clickElement(page, 'studyButton');
        await page.evaluate('document.getElementById("compressibilityTabButton").click()');
        for (const width of [320, 280]) {
            await page.send('Emulation.setDeviceMetricsOverride',
                { width, height: 800, deviceScaleFactor: 1, mobile: true });
            const fit = await page.evaluate(`({
                page: document.documentElement.scrollWidth,
                pressure: document.getElementById('plot-pressure').getBoundingClientRect().right,
                about: document.getElementById('Form_About').getBoundingClientRect().right,
                table: document.getElementById('ruleTable').getBoundingClientRect().right })`);
            assert.ok(Object.values(fit).every((right) => right > 0 && right <= width),
                `${width} pixels wide: ${JSON.stringify(fit)}`);
        }
        await screenshot(page, 'narrow-280.png');

        // Turkish without ?lang, the module's answers too; the switch opens the page again in
        // English, the address saying so.
        await page.send('Page.navigate', { url: server.url });
        await waitForReady(page);
        const shown = (id) => page.evaluate(`document.getElementById("${id}").textContent`);
        assert.equal(await page.evaluate('document.documentElement.lang'), 'tr');
        assert.equal(await shown('Frame3-caption'), 'Sıkıştırılabilme etkisi');
        assert.equal(await shown('studyButton'), 'İnceleme');
        assert.equal(await shown('probeReading'),
            'Akışı okumak için fareyi akışın üzerinde gezdirin.');
        await clickElement(page, 'studyButton');
        await clickElement(page, 'compressibilityTabButton');
        assert.equal((await ruleCells())[0][0], 'sıkıştırılamaz');
        await page.evaluate('document.getElementById("language-en").click()');
        const until = Date.now() + 20000;
        while (Date.now() < until &&
            await page.evaluate('document.documentElement.lang').catch(() => '') !== 'en') {
            await new Promise((resolve) => setTimeout(resolve, 20));
        }
        await waitForReady(page);
        assert.match(await page.evaluate('location.search'), /lang=en/);
        assert.equal(await shown('Frame3-caption'), 'Compressibility effect');
        assert.equal(await shown('studyButton'), 'Study');

        assert.deepEqual(problems, [], 'console errors');
        console.log(`browser test: all checks passed; screenshots in ${out}`);
    } finally {
        await page.close();
        server.stop();
    }
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
