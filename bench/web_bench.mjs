// SPDX-License-Identifier: MIT
// Measures the page in headless Chromium: load to the first painted plots, each input change
// answered (the chain in the module, the boxes written and the changed plots painted), the same
// with the study panel open until its visible tab is redrawn (Flow, with where its time went:
// the picture built, the planes recorded, painted; then Compressibility), and
// the size of the folder of static files.
//
//   node bench/web_bench.mjs SITE SERVE_SCRIPT [LOADS] [CHANGES]
import { readdirSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { readFileSync } from 'node:fs';

import { clickElement, launchChromium, pressKey, startServer, waitForReady }
    from '../tests/web/chromium.mjs';

const [site, serveScript, loadsArg, changesArg] = process.argv.slice(2);
const loads = Number(loadsArg ?? 10);
const changes = Number(changesArg ?? 40);

const summary = (values) => {
    const sorted = [...values].sort((a, b) => a - b);
    const median = sorted.length % 2
        ? sorted[(sorted.length - 1) / 2]
        : (sorted[sorted.length / 2 - 1] + sorted[sorted.length / 2]) / 2;
    return `median ${median.toFixed(2)} ms, max ${sorted.at(-1).toFixed(2)} ms, ` +
        `min ${sorted[0].toFixed(2)} ms (${sorted.length} runs)`;
};

// From the start of navigation to the frame after the page painted its five (blank) plots.
const LOAD_TIME = `new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(
    () => resolve(performance.getEntriesByName('kestrel-ready')[0].startTime))))`;

async function main() {
    const server = await startServer(serveScript, site);
    const page = await launchChromium();
    try {
        await page.send('Page.enable');
        await page.send('Network.enable');
        await page.send('Network.setCacheDisabled', { cacheDisabled: true });
        await page.send('Emulation.setDeviceMetricsOverride',
            { width: 820, height: 560, deviceScaleFactor: 2, mobile: false });

        const loadTimes = [];
        for (let i = 0; i < loads; ++i) {
            await page.send('Page.navigate', { url: `${server.url}?load=${i}` });
            await waitForReady(page);
            loadTimes.push(await page.evaluate(LOAD_TIME));
        }
        console.log(`page load to first painted plots (cache off): ${summary(loadTimes)}`);

        // Real key presses and clicks; the page times each handler from its start to the last
        // plot painted.
        const keys = [['HScroll_Thickness', 'ArrowRight', 'ArrowLeft', 30],
            ['HScroll_Camber', 'ArrowRight', 'ArrowLeft', 15],
            ['HScroll_nP', 'ArrowRight', 'ArrowLeft', 25],
            ['HScroll_AlfaD', 'ArrowRight', 'ArrowLeft', 10],
            ['HScroll_xM', 'ArrowRight', 'ArrowLeft', 100]];
        await page.evaluate('document.getElementById("Text_Moo").value = "0.5"');
        for (let i = 0; i < changes; ++i) {
            for (const [id, forward, back, range] of keys) {
                await page.evaluate(`document.getElementById("${id}").focus()`);
                await pressKey(page, i % (2 * range) < range ? forward : back);
            }
            await clickElement(page, 'pressure');
        }
        const timings = await page.evaluate('window.kestrel.timings');
        const byKind = new Map();
        for (const t of timings) {
            byKind.set(t.handler, [...(byKind.get(t.handler) ?? []), t.ms]);
        }
        for (const [handler, ms] of byKind) {
            console.log(`${handler.padEnd(26)} ${summary(ms)}`);
        }
        console.log(`${'every input change'.padEnd(26)} ${summary(timings.map((t) => t.ms))}`);

        // The study panel open: from the handler's start to its visible tab redrawn (for the
        // Flow tab: the picture built, its three parts recorded and painted).
        await clickElement(page, 'studyButton');
        const rounds = Math.max(1, Math.round(changes / 4));
        for (const tab of ['flowTabButton', 'compressibilityTabButton']) {
            await page.evaluate(`document.getElementById('${tab}').click()`);
            await page.evaluate(
                'window.kestrel.timings = []; window.kestrel.study.flowTimings = []');
            // Forth and back in turns: every press is a change.
            for (let i = 0; i < rounds; ++i) {
                for (const [id, forward, back] of keys) {
                    await page.evaluate(`document.getElementById("${id}").focus()`);
                    await pressKey(page, i % 2 === 0 ? forward : back);
                }
            }
            const study = await page.evaluate('window.kestrel.timings');
            const name = tab === 'flowTabButton' ? 'Flow' : 'Compressibility';
            const label = `study ${name} followed`;
            console.log(`${label.padEnd(26)} ` +
                `${summary(study.map((t) => t.total))}`);
            if (name === 'Flow') {
                // Where the time went: the picture built, the two planes recorded, painted.
                const parts = await page.evaluate('window.kestrel.study.flowTimings');
                for (const key of ['build', 'record', 'paint']) {
                    const times = parts.map((p) => p[key]);
                    console.log(`${`  flow ${key}`.padEnd(26)} ${summary(times)}`);
                }
            }
        }
    } finally {
        await page.close();
        server.stop();
    }

    let bytes = 0;
    let gzipped = 0;
    for (const name of readdirSync(site)) {
        bytes += statSync(join(site, name)).size;
        gzipped += gzipSync(readFileSync(join(site, name))).length;
    }
    console.log(`folder ${site}: ${(bytes / 1024).toFixed(1)} KiB ` +
        `(${(gzipped / 1024).toFixed(1)} KiB compressed)`);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
