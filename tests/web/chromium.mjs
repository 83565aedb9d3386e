// SPDX-License-Identifier: MIT
// Headless Chromium driven over the DevTools protocol, and the page's static server, for the
// browser test and the browser benchmark.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createInterface } from 'node:readline';

// The first line a child writes that matches, or an error when it ends or the time runs out.
function firstLine(stream, pattern, what, timeoutMs = 20000) {
    return new Promise((resolve, reject) => {
        const lines = createInterface({ input: stream });
        const timer = setTimeout(() => reject(new Error(`no ${what} within ${timeoutMs} ms`)),
            timeoutMs);
        lines.on('line', (line) => {
            const match = line.match(pattern);
            if (match) {
                clearTimeout(timer);
                resolve(match);
            }
        });
        lines.on('close', () => reject(new Error(`${what}: the process ended`)));
    });
}

// Serves `folder` on 127.0.0.1 at a free port with web/serve.mjs.
export async function startServer(serveScript, folder) {
    const child = spawn(process.execPath, [serveScript, folder, '--port', '0'],
        { stdio: ['ignore', 'pipe', 'inherit'] });
    const [url] = await firstLine(child.stdout, /^http:\/\/\S+/, 'server address');
    return { url, stop: () => child.kill('SIGTERM') };
}

// One page of a fresh headless Chromium, with send(method, params), event listeners and
// evaluate(expression). The protocol runs over a pipe (file descriptors 3 and 4 of the browser,
// messages ended by a NUL byte), so no port and no WebSocket are needed.
export async function launchChromium(executable = '/usr/bin/chromium') {
    const profile = mkdtempSync(join(tmpdir(), 'kestrel-chromium-'));
    const child = spawn(executable, ['--headless=new', '--no-sandbox', '--disable-gpu',
        '--no-first-run', '--no-default-browser-check', '--disable-extensions',
        '--remote-debugging-pipe', `--user-data-dir=${profile}`, 'about:blank'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe', 'pipe'], detached: true });
    const [, , , toBrowser, fromBrowser] = child.stdio;
    let nextId = 1;
    const pending = new Map();
    const listeners = new Map();
    let buffered = '';
    fromBrowser.setEncoding('utf8');
    fromBrowser.on('data', (chunk) => {
        const parts = (buffered + chunk).split('\0');
        buffered = parts.pop();
        for (const part of parts) {
            const data = JSON.parse(part);
            if (data.id && pending.has(data.id)) {
                const { resolve, reject } = pending.get(data.id);
                pending.delete(data.id);
                if (data.error) {
                    reject(new Error(`${data.error.message} (${data.error.code})`));
                } else {
                    resolve(data.result);
                }
            } else if (data.method) {
                for (const listener of listeners.get(data.method) ?? []) {
                    listener(data.params);
                }
            }
        }
    });
    const ended = new Promise((resolve) => child.on('exit', resolve));
    const message = (sessionId) => (method, params = {}) => new Promise((resolve, reject) => {
        const id = nextId++;
        pending.set(id, { resolve, reject });
        toBrowser.write(`${JSON.stringify({ id, method, params, sessionId })}\0`);
    });
    // The browser's helper processes are in its process group: all of them end, and the
    // profile is removed once nothing writes to it any more.
    const close = async () => {
        process.kill(-child.pid, 'SIGTERM');
        await ended;
        rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    };
    try {
        const browser = message(undefined);
        const { targetInfos } = await browser('Target.getTargets');
        const { targetId } = targetInfos.find((t) => t.type === 'page');
        const { sessionId } = await browser('Target.attachToTarget', { targetId, flatten: true });
        const send = message(sessionId);
        const on = (method, listener) => {
            listeners.set(method, [...(listeners.get(method) ?? []), listener]);
        };
        // The value of an expression in the page, awaited if it is a promise.
        const evaluate = async (expression) => {
            const r = await send('Runtime.evaluate',
                { expression, awaitPromise: true, returnByValue: true });
            if (r.exceptionDetails) {
                throw new Error(`in the page: ${r.exceptionDetails.exception?.description}`);
            }
            return r.result.value;
        };
        return { send, on, evaluate, close };
    } catch (error) {
        await close();
        throw error;
    }
}

// Waits until the page's script has built the window: its "Loading…" line is gone.
export async function waitForReady(page, timeoutMs = 20000) {
    const until = Date.now() + timeoutMs;
    while (Date.now() < until) {
        // While the page navigates there may be no document, or no context to evaluate in.
        const ready = await page
            .evaluate('document.getElementById("status")?.hidden === true')
            .catch(() => false);
        if (ready) {
            return;
        }
        await new Promise((resolve) => setTimeout(resolve, 20));
    }
    throw new Error('the page did not get ready');
}

// A key press on the focused element, as the keyboard sends it.
export async function pressKey(page, key, code = key, keyCode = 0) {
    for (const type of ['keyDown', 'keyUp']) {
        await page.send('Input.dispatchKeyEvent',
            { type, key, code, windowsVirtualKeyCode: keyCode });
    }
}

// A left click at the middle of the element with that id.
export async function clickElement(page, id, dx = 0) {
    const { x, y } = await page.evaluate(`(() => {
        const r = document.getElementById(${JSON.stringify(id)}).getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    })()`);
    for (const type of ['mousePressed', 'mouseReleased']) {
        await page.send('Input.dispatchMouseEvent',
            { type, x: x + dx, y, button: 'left', clickCount: 1 });
    }
}
