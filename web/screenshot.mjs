// SPDX-License-Identifier: MIT
// Remakes docs/web.png: the page in headless Chromium at 100 % after Mach 0.3, thickness 12,
// camber 4, angle of attack 5 and moment reference 25, set with the keyboard as a user would;
// with a second file name also docs/web-study.png, the whole page with the study panel open on
// its Flow tab, the left plane mapped a third of the way, particles on.
//
//   node web/screenshot.mjs SITE OUTPUT.png [STUDY.png]
import { writeFileSync } from 'node:fs';

import { launchChromium, pressKey, startServer, waitForReady } from '../tests/web/chromium.mjs';

const [site, output, studyOutput] = process.argv.slice(2);
const server = await startServer(new URL('serve.mjs', import.meta.url).pathname, site);
const page = await launchChromium();
try {
    await page.send('Emulation.setDeviceMetricsOverride',
        { width: 808, height: 536, deviceScaleFactor: 1, mobile: false });
    await page.send('Page.navigate', { url: server.url });
    await waitForReady(page);
    await page.evaluate('document.getElementById("Text_Moo").value = "0.3"');
    for (const [id, presses] of [['HScroll_Thickness', 12], ['HScroll_Camber', 4],
        ['HScroll_AlfaD', 5], ['HScroll_xM', 25]]) {
        await page.evaluate(`document.getElementById("${id}").focus()`);
        for (let i = 0; i < presses; ++i) {
            await pressKey(page, 'ArrowRight');
        }
    }
    await page.evaluate('document.activeElement.blur()');
    const { data } = await page.send('Page.captureScreenshot', { format: 'png' });
    writeFileSync(output, Buffer.from(data, 'base64'));
    console.log(`wrote ${output}`);
    if (studyOutput) {
        await page.evaluate(`(async () => {
            document.getElementById('studyButton').click();
            const slider = document.getElementById('mappingSlider');
            slider.value = 33;
            slider.dispatchEvent(new Event('input'));
            document.getElementById('particlesSwitch').click();
            await new Promise((resolve) => setTimeout(resolve, 1500));
            document.activeElement.blur();
        })()`);
        const shot = await page.send('Page.captureScreenshot',
            { format: 'png', captureBeyondViewport: true });
        writeFileSync(studyOutput, Buffer.from(shot.data, 'base64'));
        console.log(`wrote ${studyOutput}`);
    }
} finally {
    await page.close();
    server.stop();
}
