// SPDX-License-Identifier: MIT
// Measures the page in headless Chromium: load to the first painted plots, each input change
// answered (the chain in the module, the boxes written and the changed plots painted), the same
// with the study panel open until its visible tab is redrawn (Flow, with where its time went:
// the picture built, recorded, painted; then Compressibility), and the size of the folder of
// static files. The times are the page's own user-timing measures, read from its performance
// timeline.
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
    // The nearest-rank 95th percentile.
    const p95 = sorted[Math.max(0, Math.ceil(0.95 * sorted.length) - 1)];
    return `median ${median.toFixed(2)} ms, 95 % ${p95.toFixed(2)} ms, ` +
        `max ${sorted.at(-1).toFixed(2)} ms, min ${sorted[0].toFixed(2)} ms ` +
        `(${sorted.length} runs)`;
};

// The page's own measures ("Kestrel " and what was timed) since they were last cleared, as
// {what: [milliseconds]}; then cleared.
const MEASURES = `(() => {
    const byName = {};
    for (const m of performance.getEntriesByType('measure')) {
        if (m.name.startsWith('Kestrel ')) {
            (byName[m.name.slice(8)] ??= []).push(m.duration);
        }
    }
    performance.clearMeasures();
    return byName;
})()`;

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
        const changed = await page.evaluate(MEASURES);
        const every = [];
        for (const [id] of keys) {
            const handler = `${id}_Change`;
            console.log(`${handler.padEnd(26)} ${summary(changed[handler])}`);
            every.push(...changed[handler]);
        }
        console.log(`${'pressure_Click'.padEnd(26)} ${summary(changed.pressure_Click)}`);
        every.push(...changed.pressure_Click);
        console.log(`${'every input change'.padEnd(26)} ${summary(every)}`);

        // The study panel open: from the handler's start to its visible tab redrawn (for the
        // Flow tab: the picture built, recorded and painted).
        await clickElement(page, 'studyButton');
        const rounds = Math.max(1, Math.round(changes / 4));
        for (const tab of ['flowTabButton', 'compressibilityTabButton']) {
            await clickElement(page, tab);
            await page.evaluate(MEASURES);
            // Forth and back in turns: every press is a change.
            for (let i = 0; i < rounds; ++i) {
                for (const [id, forward, back] of keys) {
                    await page.evaluate(`document.getElementById("${id}").focus()`);
                    await pressKey(page, i % 2 === 0 ? forward : back);
                }
            }
            const study = await page.evaluate(MEASURES);
            const followed = Object.entries(study).filter(([what]) => what.endsWith(` and ${tab}`))
                .flatMap(([, ms]) => ms);
            const name = tab === 'flowTabButton' ? 'Flow' : 'Compressibility';
            console.log(`${`study ${name} followed`.padEnd(26)} ${summary(followed)}`);
            if (name === 'Flow') {
                // Where the time went: the picture built, recorded, painted.
                for (const key of ['build', 'record', 'paint']) {
                    console.log(`${`  flow ${key}`.padEnd(26)} ${summary(study[`flow ${key}`])}`);
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
