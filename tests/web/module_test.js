// SPDX-License-Identifier: MIT
// The browser module under Node: for every thickness and camber at a few settings its numbers
// and box texts are kestrel-calc profile's, its chains are the window's, and its handlers
// redraw and rewrite what the window's do.
//
//   node --no-experimental-fetch tests/web/module_test.js MODULE.js KESTREL_CALC
'use strict';

const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [modulePath, calc] = process.argv.slice(2);
const run = promisify(execFile);

// Agreement to 1e-13 of the larger magnitude in the same group (a scalar, or one array), and of
// 1 at least: every number here is in chords or a coefficient of order 1, so rounding noise
// about a value near 0 (Cp of a flat plate) is measured against 1. The browser's maths library
// differs from the desktop's in the last bits.
const TOLERANCE = 1e-13;

function compareNumbers(actual, expected, where) {
    if (expected === null || actual === null) {
        assert.equal(actual, expected, where);
        return;
    }
    const scale = Math.max(Math.abs(expected), Math.abs(actual), 1);
    assert.ok(Math.abs(actual - expected) <= TOLERANCE * scale,
        `${where}: ${actual} against ${expected}`);
}

function compareArrays(actual, expected, where) {
    assert.equal(actual.length, expected.length, `${where} length`);
    const scale = Math.max(...expected.map(Math.abs), ...actual.map(Math.abs), 1);
    actual.forEach((a, i) => {
        assert.ok(Math.abs(a - expected[i]) <= TOLERANCE * scale,
            `${where}[${i}]: ${a} against ${expected[i]}`);
    });
}

// Texts exactly; numbers to the tolerance; the same keys everywhere.
function compareReports(actual, expected, where) {
    for (const [key, value] of Object.entries(expected)) {
        const path = `${where}.${key}`;
        assert.ok(key in actual, `${path} missing`);
        if (typeof value === 'string' || typeof value === 'boolean') {
            assert.equal(actual[key], value, path);
        } else if (Array.isArray(value)) {
            compareArrays(actual[key], value, path);
        } else if (value !== null && typeof value === 'object') {
            compareReports(actual[key], value, path);
        } else {
            compareNumbers(actual[key], value, path);
        }
    }
}

// Runs the jobs with two at a time, as the machine's cores allow.
async function inPairs(jobs) {
    let next = 0;
    const worker = async () => {
        while (next < jobs.length) {
            await jobs[next++]();
        }
    };
    await Promise.all([worker(), worker()]);
}

async function profilesMatchKestrelCalc(kestrel) {
    const profile = kestrel.cwrap('kestrel_profile', 'string',
        ['number', 'number', 'number', 'number', 'number', 'string']);
    // Odd, even, smallest and largest point counts; both signs and the ends of the angle; no,
    // a subsonic and an unreadable Mach number.
    const settings = [
        { points: 51, alpha: 0, xm: 0, mach: '0' },
        { points: 101, alpha: 5, xm: 25, mach: '0.6' },
        { points: 12, alpha: -10, xm: 100, mach: 'abc' },
    ];
    const jobs = [];
    for (const s of settings) {
        for (let thickness = 0; thickness <= 30; ++thickness) {
            for (let camber = 0; camber <= 15; ++camber) {
                jobs.push(async () => {
                    const { stdout } = await run(calc, ['profile', '--thickness', `${thickness}`,
                        '--camber', `${camber}`, '--points', `${s.points}`, '--alpha',
                        `${s.alpha}`, '--xm', `${s.xm}`, '--mach', s.mach]);
                    const ours = JSON.parse(profile(thickness, camber, s.points, s.alpha, s.xm,
                        s.mach));
                    compareReports(ours, JSON.parse(stdout),
                        `t${thickness} c${camber} ${JSON.stringify(s)}`);
                });
            }
        }
    }
    await inPairs(jobs);
    assert.equal(jobs.length, 3 * 496);
}

// The window's handlers and their chains as the program documents them.
function chainsAreTheWindows(kestrel) {
    const full = ['profil_hesapla', 'profil_ciz', 'basınc_hesapla', 'basınc_ciz', 'CL_Alfa_ciz',
        'CM_Alfa_ciz'];
    const expected = {
        HScroll_Thickness_Change: full,
        HScroll_Camber_Change: full,
        HScroll_nP_Change: ['profil_hesapla', 'profil_ciz', 'basınc_hesapla', 'basınc_ciz'],
        HScroll_AlfaD_Change: ['basınc_hesapla', 'basınc_ciz', 'CL_Alfa_ciz', 'CM_Alfa_ciz'],
        HScroll_xM_Change: ['CM_Alfa_ciz', 'profil_ciz', 'moment-reference marker'],
        daire_Click: full,
        profil_Click: full,
        pressure_Click: full,
        Picture_CL_Click: full,
        Picture_CM_Click: full,
        Mn_About_Click: ['open the About window'],
    };
    const window = JSON.parse(kestrel.cwrap('kestrel_window', 'string', [])());
    assert.deepEqual(Object.fromEntries(window.handlers.map((h) => [h.name, h.steps])), expected);
    assert.deepEqual(window.surfaces.map((s) => s.name),
        ['daire', 'profil', 'pressure', 'Picture_CL', 'Picture_CM']);
}

// What each handler redraws and rewrites, from a fresh start.
function handlersFollowTheWindowsRules(kestrel) {
    const call = (name, result, args) => kestrel.cwrap(name, result, args.map(() => 'number'));
    const start = kestrel.cwrap('kestrel_start', null, []);
    const setPosition = call('kestrel_set_position', 'number', [0, 0]);
    const setMach = kestrel.cwrap('kestrel_set_mach_text', null, ['string']);
    const runRaw = call('kestrel_run', 'string', [0]);
    const surface = (i) => JSON.parse(call('kestrel_surface', 'string', [0])(i));
    const handlerIndex = {
        HScroll_Thickness_Change: 0, HScroll_nP_Change: 2, HScroll_AlfaD_Change: 3,
        HScroll_xM_Change: 4, pressure_Click: 7, Mn_About_Click: 10,
    };
    const runHandler = (name) => JSON.parse(runRaw(handlerIndex[name]));
    const boxes = (r) => r.boxes.map((b) => `${b.box}=${b.text}`);

    start();
    // At start nothing is drawn; setting inputs and the Mach text runs nothing.
    assert.equal(setPosition(0, 12), 1);
    assert.equal(setPosition(0, 31), 0, 'thickness past its range');
    assert.equal(setPosition(7, 1), 0, 'no such input');
    setMach('0.6');
    for (let i = 0; i < 5; ++i) {
        assert.deepEqual(surface(i).items, []);
    }

    // A click runs the full chain: everything drawn, every box written (CL 0 at zero angle on a
    // symmetric profile: the zero-lift angle is 0).
    let r = runHandler('pressure_Click');
    assert.deepEqual(r.redrawn, ['daire', 'profil', 'pressure', 'Picture_CL', 'Picture_CM']);
    assert.deepEqual(boxes(r), ['Text_Thickness=0.12', 'Text_Camber=0', 'Text_nP=51',
        'Text_AlfaD=0', 'Text_CL=0', 'Text_xM=0', 'Text1=0']);
    const magenta = 0xff00ff;
    assert.ok(surface(2).items.some((i) => i.colour === magenta), 'Mach 0.6 curve on pressure');

    // The angle chain leaves the circle plane and the profile alone.
    setPosition(3, 5);
    r = runHandler('HScroll_AlfaD_Change');
    assert.deepEqual(r.redrawn, ['pressure', 'Picture_CL', 'Picture_CM']);
    assert.deepEqual(r.boxes.map((b) => b.box), ['Text_AlfaD', 'Text_CL', 'Text_xM', 'Text1']);

    // The moment reference chain marks xM on the chord line: a red circle of 0.01 chord.
    setPosition(4, 25);
    r = runHandler('HScroll_xM_Change');
    assert.deepEqual(r.redrawn, ['daire', 'profil', 'Picture_CM']);
    assert.deepEqual(r.boxes.map((b) => b.box), ['Text_xM', 'Text1']);
    const marker = surface(1).items.at(-1);
    assert.deepEqual([marker.kind, marker.x, marker.y, marker.r, marker.colour],
        ['Circle', 0.25, 0, 0.00999999978, 0x0000ff]);

    // The point count redraws three plots and leaves the coefficient boxes alone.
    setPosition(2, 11);
    r = runHandler('HScroll_nP_Change');
    assert.deepEqual(r.redrawn, ['daire', 'profil', 'pressure']);
    assert.deepEqual(r.boxes.map((b) => b.box), ['Text_Thickness', 'Text_Camber', 'Text_nP',
        'Text_AlfaD']);
    // 11 points: 10 segments in the circle plane after two axes and the centre cross.
    assert.equal(surface(0).items.length, 2 + 2 + 10);

    r = runHandler('Mn_About_Click');
    assert.deepEqual([r.openAbout, r.redrawn, r.boxes], [true, [], []]);
    assert.equal(JSON.parse(runRaw(11)).error, 'no such handler');
}

require(modulePath)().then(async (kestrel) => {
    chainsAreTheWindows(kestrel);
    handlersFollowTheWindowsRules(kestrel);
    await profilesMatchKestrelCalc(kestrel);
    console.log('browser module: all checks passed');
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
