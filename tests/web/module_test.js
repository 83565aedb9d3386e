// SPDX-License-Identifier: MIT
// The browser module under Node: for every thickness and camber at a few settings its numbers
// and box texts are kestrel-calc profile's, its chains are the window's, and its handlers
// redraw and rewrite what the window's do. The study views' records obey the flow's laws and
// their table is kestrel-calc mach's.
//
//   node --no-experimental-fetch tests/web/module_test.js MODULE.js KESTREL_CALC
'use strict';

const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [modulePath, calc] = process.argv.slice(2);
const run = promisify(execFile);

// Every number equal to the last bit: the module and kestrel-calc compute with the same
// elementary functions (model/portable_math.h) and without fused multiply-add, so the two
// builds give each double the same bits.
function compareNumbers(actual, expected, where) {
    assert.equal(actual, expected, where);
}

function compareArrays(actual, expected, where) {
    assert.equal(actual.length, expected.length, `${where} length`);
    actual.forEach((a, i) => assert.equal(a, expected[i], `${where}[${i}]`));
}

// Texts and numbers exactly; the same keys everywhere.
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

// A packed record (kestrel_web.h) read back from the module's memory into one object per item:
// {kind: "Line", x1, y1, x2, y2}, {kind: "Circle", x, y, r}, {kind: "Polyline", width, points},
// {kind: "Polygon", points}, {kind: "Text", x, y, text, align, font}, {kind: "Marker", x, y,
// size}, {kind: "Edge", x1, y1, x2, y2, width}, {kind: "Rect", x1, y1, x2, y2, width}, {kind:
// "Area", box, scale}, {kind: "Image", x1, y1, x2, y2, image}, {kind: "Label", x1, y1, x2, y2,
// text, font}, each with its colour. The kinds' and fonts' names come from the module's table.
// Read at once: the arrays live until the record is made again.
function unpack(kestrel, record) {
    if (record.error) {
        return record;
    }
    const table = JSON.parse(kestrel.cwrap('kestrel_record_table', 'string', [])());
    const kindNames = Object.fromEntries(Object.entries(table.kinds).map(([k, v]) => [v, k]));
    const fontOf = (style) => table.fonts[Math.floor(style / table.fontFactor)].name;
    const alignOf = (style) => ['Left', 'Centre', 'Right'][style % table.fontFactor];
    const { codes, numbers, numberCount, itemCount, texts, images, ...rest } = record;
    const c = Array.from(kestrel.HEAP32.subarray(codes / 4, codes / 4 + 4 * itemCount));
    const n = Array.from(kestrel.HEAPF32.subarray(numbers / 4, numbers / 4 + numberCount));
    const items = [];
    let at = 0;
    let text = 0;
    for (let i = 0; i < c.length; i += 4) {
        const [kind, colour, count, style] = c.slice(i, i + 4);
        const v = n.slice(at, at + count);
        at += count;
        const item = { kind: kindNames[kind] };
        switch (item.kind) {
        case 'Line': [item.x1, item.y1, item.x2, item.y2] = v; break;
        case 'Circle': [item.x, item.y, item.r] = v; break;
        case 'Polyline': [item.width, ...item.points] = v; break;
        case 'Polygon': item.points = v; break;
        case 'Text':
            [item.x, item.y] = v;
            Object.assign(item, { text: texts[text++], align: alignOf(style), font: fontOf(style) });
            break;
        case 'Marker': [item.x, item.y, item.size] = v; break;
        case 'Edge': [item.x1, item.y1, item.x2, item.y2, item.width] = v; break;
        case 'Rect':
            [item.x1, item.y1, item.x2, item.y2, item.width = 0] = v;
            item.filled = style === table.rectStyles.fill;
            break;
        case 'Area': item.box = v.slice(0, 4); item.scale = v.slice(4); break;
        case 'Image': [item.x1, item.y1, item.x2, item.y2] = v; item.image = images[style]; break;
        case 'Label':
            [item.x1, item.y1, item.x2, item.y2] = v;
            Object.assign(item, { text: texts[text++], font: fontOf(style) });
            break;
        default: assert.fail(`kind ${kind}`);
        }
        items.push({ ...item, colour });
    }
    assert.deepEqual([at, text], [numberCount, texts.length], 'every number and text read');
    return { ...rest, items };
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
    const surface = (i) => unpack(kestrel, JSON.parse(call('kestrel_surface', 'string', [0])(i)));
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
        ['Circle', 0.25, 0, Math.fround(0.01), 0x0000ff]);

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


// The study views of the session: the flow picture's parts, probe and particles against the
// flow's own laws, and the rule table and chart against kestrel-calc mach.
async function studyViewsFollowTheFlow(kestrel) {
    const text = (name, n) => kestrel.cwrap(name, 'string', Array(n).fill('number'));
    const json = (f) => (...args) => JSON.parse(f(...args));
    const picture = json(text('kestrel_flow_picture', 0));
    const flowSurface = json(text('kestrel_flow_surface', 5));
    const partRecord = (p, t, w, h, ratio = 1) => flowSurface(p, t, w, h, ratio);
    const part = (...args) => unpack(kestrel, partRecord(...args));
    const probe = json(text('kestrel_flow_probe', 5));
    const particles = json(text('kestrel_flow_particles', 4));
    const compressibility = () => {
        const answer = JSON.parse(kestrel.cwrap('kestrel_study_compressibility', 'string', [])());
        return { ...answer, chart: unpack(kestrel, answer.chart) };
    };
    const setPosition = kestrel.cwrap('kestrel_set_position', 'number', ['number', 'number']);
    const setMach = kestrel.cwrap('kestrel_set_mach_text', null, ['string']);
    const runChain = text('kestrel_run', 1);
    const state = () => JSON.parse(kestrel.cwrap('kestrel_state', 'string', [])());
    const [W, H] = [700, 300];

    // Before the first chain: no picture, dashes and the hint to move a scroll bar.
    kestrel.cwrap('kestrel_start', null, [])();
    assert.equal(picture().picture, false);
    assert.ok(part(0, 0, W, H).error);
    assert.equal(probe(100, 100, 0, W, H).text, 'Move the mouse over the flow to read it.');
    let c = compressibility();
    assert.deepEqual([c.chart.items, c.cells.flat().every((t) => t === '–')], [[], true]);
    assert.match(c.warning, /^No profile yet/);

    // Thickness 12, camber 4, angle 5 at Mach 0.6, the full chain: built once for the chain.
    for (const [input, position] of [[0, 12], [1, 4], [3, 5]]) {
        setPosition(input, position);
    }
    setMach('0.6');
    runChain(7);
    assert.deepEqual([picture().picture, picture().builds], [true, 1]);
    const left0 = part(0, 0, W, H);
    const left1 = part(0, 1, W, H);
    const pixelsOf = (image) => Array.from(kestrel.HEAPU32.subarray(image.pixels / 4,
        image.pixels / 4 + image.width * image.height));
    const left1Pixels = pixelsOf(left1.items[0].image);
    const rightRecord = partRecord(1, 0.3, W, H);
    const right = unpack(kestrel, rightRecord);
    assert.equal(picture().builds, 1, 'one picture per chain');
    // A part's arrays stay as they were while the other parts are recorded again.
    part(0, 0.5, W, H);
    part(2, 0, W, H);
    assert.deepEqual(unpack(kestrel, rightRecord), right);
    assert.equal(part(3, 0, W, H).error, 'no such part');

    // At t = 1 the left plane is the profile plane, drawn the same in a box of the same size;
    // the shading images are each part's own, with the same pixels.
    assert.deepEqual(left1Pixels, pixelsOf(right.items[0].image));
    const same = (p) => ({ ...p, part: null, box: null, shading: p.shading.items,
        items: p.items.map((i) => ({ ...i, image: null })) });
    assert.deepEqual(same(left1), same(right));
    assert.equal(right.box[0] - left1.box[0], left1.box[2] + 4, 'the gap between the planes');

    // The legend: the colour bands from the bottom up and the arrow below them, ticks evenly
    // spaced in each half at Cp 1 ... -3 left of their numbers, and the title in the bold font.
    const legend = part(2, 0, W, H);
    const polygons = legend.items.filter((i) => i.kind === 'Polygon');
    const bands = polygons.filter((b) => b.points.length === 8);
    assert.ok(bands.length >= 8 && polygons.length === bands.length + 1, `${bands.length}`);
    const ticks = legend.items.filter((i) => i.kind === 'Text' && i.font === 'caption');
    assert.deepEqual(ticks.map((i) => [i.text, i.align]), ['1', '0.5', '0', '−1', '−2',
        '−3'].map((t) => [t, 'Left']));
    assert.deepEqual(legend.items.filter((i) => i.font === 'heading').map((i) => i.text), ['Cp']);

    // A plane's shading, filled by the module at twice the pixels, is its first item: an image
    // over the plane's whole window, of the box's device pixels. Its corners lie far from the
    // body, near the free stream's pressure Cp = 0: in the colours of the legend's bands within
    // four of its middle (band 32 of 64 starts at Cp = 0; four bands reach Cp = 0.125 above it
    // and -0.375 below).
    const shaded = partRecord(1, 0, W, H, 2);
    const { shading } = shaded;
    assert.equal(shading.items, 1);
    assert.deepEqual([shading.width, shading.height], [2 * shaded.box[2], 2 * shaded.box[3]]);
    const image = unpack(kestrel, shaded).items[0];
    assert.deepEqual([image.kind, image.image], ['Image', { pixels: shading.pixels,
        width: shading.width, height: shading.height }]);
    assert.deepEqual([image.x1, image.y1, image.x2, image.y2], shaded.scale.map(Math.fround));
    const pixels = kestrel.HEAPU32.subarray(shading.pixels / 4,
        shading.pixels / 4 + shading.width * shading.height);
    const pixel = (colour) => ((colour | 0xff000000) >>> 0);
    const nearFreeStream = [-4, -3, -2, -1, 0, 1, 2, 3].map((k) =>
        pixel(bands[bands.length / 2 + k].colour));
    for (const p of [0, shading.width - 1, pixels.length - shading.width, pixels.length - 1]) {
        assert.ok(nearFreeStream.includes(pixels[p]), `corner pixel ${p}: ${pixels[p]}`);
    }
    assert.equal(partRecord(2, 0, W, H, 2).shading.items, 0, 'the legend has no image');
    assert.ok(partRecord(2, 0, W, H, 0).error, 'ratio 0');

    // At t = 0 the body is the circle through the trailing edge zeta = 1 about (-eps, mu).
    const { eps, mu } = state().profile;
    const radius = Math.hypot(1 + eps, mu);
    const body = left0.items.find((i) => i.kind === 'Polygon' && i.colour === 0x5a5a5a);
    for (let i = 0; i < body.points.length; i += 2) {
        const r = Math.hypot(body.points[i] + eps, body.points[i + 1] - mu);
        assert.ok(Math.abs(r - radius) < 1e-6 * radius, `circle point ${i / 2}: ${r}`);
    }

    // The probe at the pixel of the front stagnation point (the first white marker) of the
    // profile plane reads the still fluid of a stagnation point: V/V∞ 0, Cp 1.
    const pixelOf = (p, x, y) => {
        const [left, top, width, height] = p.box;
        const [x1, y1, x2, y2] = p.scale;
        return [left + (x - x1) * width / (x2 - x1), top + (y - y1) * height / (y2 - y1)];
    };
    const stagnation = right.items.find((i) => i.kind === 'Marker' && i.colour === 0xffffff);
    const still = probe(...pixelOf(right, stagnation.x, stagnation.y), 0.3, W, H);
    assert.equal(still.plane, 'right');
    assert.ok(still.speedRatio < 1e-4 && Math.abs(still.Cp - 1) < 1e-6, JSON.stringify(still));
    assert.match(still.text, /^profile flow at x\/c \S+, y\/c \S+: {3}V\/V∞ 0\.0000 {3}Cp 1\.0000$/);
    // The same fluid point seen in the circle plane reads the circle's flow, which stagnates
    // there too, and names its image.
    const seen = probe(...pixelOf(left0, still.xc, still.yc), 0, W, H);
    assert.ok(seen.circlePlane && Math.abs(seen.circleCp - 1) < 1e-4, JSON.stringify(seen));
    assert.match(seen.text, /^circle flow at ξ \S+, η \S+: .*\(its image in the profile plane: x\/c \S+, y\/c \S+\)$/);
    const flowAt = json(kestrel.cwrap('kestrel_flow_at', 'string', ['number', 'number', 'number']));
    const away = probe(...pixelOf(right, -0.3, 0.4), 0.3, W, H);
    const field = flowAt(away.x, away.y, 0);
    compareNumbers(away.Cp, field.Cp, 'probe Cp');
    compareNumbers(away.speedRatio, field.speed_ratio, 'probe V/V∞');
    // The circle's centre is inside; the margin beside the planes is on neither.
    assert.equal(probe(...pixelOf(left0, -eps, mu), 0, W, H).text, 'inside the profile');
    assert.equal(probe(W - 2, H / 2, 0, W, H).plane, null);

    // Particles: at t = 1 each one is drawn at the same place in both planes' boxes; they move.
    const dots = particles(0.5, 1, W, H).points;
    assert.ok(dots.length > 40 && dots.length % 4 === 0, `${dots.length} numbers`);
    const shift = right.box[0] - left1.box[0];
    for (let i = 0; i < dots.length; i += 4) {
        assert.ok(Math.abs(dots[i + 2] - dots[i] - shift) < 1e-4 && dots[i + 3] === dots[i + 1],
            `particle ${i / 4}: ${dots.slice(i, i + 4)}`);
    }
    assert.notDeepEqual(particles(0.6, 1, W, H).points, dots);

    // The table is kestrel-calc mach's, rounded to 4 and 5 decimals; the chart marks each rule's
    // critical Mach number and the free stream; Mach 0.6 is past all three.
    const { stdout } = await run(calc, ['mach', '--thickness', '12', '--camber', '4',
        '--alpha', '5', '--mach', '0.6']);
    const m = JSON.parse(stdout);
    const round = (x, d) => String(Number(x.toFixed(d)));
    const expected = [[round(m.incompressible.CL, 4), round(m.incompressible.CM, 5),
        round(m.incompressible.Cp_min, 4), '']];
    for (const r of ['prandtl_glauert', 'karman_tsien', 'laitone']) {
        const q = m.rules[r];
        expected.push([round(q.CL, 4), round(q.CM, 5), round(q.Cp_min, 4),
            round(q.critical_mach, 4)]);
    }
    setMach('0.3'); // read by the next chain only
    c = compressibility();
    assert.deepEqual([c.mach, c.cells], [0.6, expected]);
    assert.match(c.warning, /^Laitone, Kármán–Tsien and Prandtl–Glauert are past their critical Mach numbers [\d.]+, [\d.]+ and [\d.]+$/);
    assert.deepEqual(c.past, [false, true, true, true]);
    const markers = c.chart.items.filter((i) => i.kind === 'Marker').map((i) => i.x);
    for (const r of ['prandtl_glauert', 'karman_tsien', 'laitone']) {
        assert.ok(markers.some((x) => Math.abs(x - m.rules[r].critical_mach) < 1e-6), r);
    }
    assert.ok(c.chart.items.some((i) => i.kind === 'Polyline' && i.points.length === 4 &&
        Math.abs(i.points[0] - 0.6) < 1e-6 && i.points[2] === i.points[0]), 'the M∞ line');
    assert.ok(c.chart.items.some((i) => i.text === 'M∞ = 0.60'));
    setMach('-1.5');
    runChain(3);
    assert.match(compressibility().warning, /^\|M∞\| ≥ 1/);
    assert.equal(picture().builds, 2, 'rebuilt for the new chain');
}

// A profile kept for comparison: its ghost in the flow picture and every chart, in the table's
// ghost colour, its numbers beside the current ones as kestrel-calc compare gives them, cleared.
async function keptProfileIsComparedAndDrawn(kestrel) {
    const json = (name, types = []) => (...args) =>
        JSON.parse(kestrel.cwrap(name, 'string', types)(...args));
    const setPosition = kestrel.cwrap('kestrel_set_position', 'number', ['number', 'number']);
    const keep = json('kestrel_keep');
    const keepInputs = json('kestrel_keep_inputs',
        ['number', 'number', 'number', 'number', 'number', 'string']);
    const comparison = json('kestrel_study_comparison');
    const chart = () => unpack(kestrel, json('kestrel_study_compressibility')().chart);
    const flow = () => unpack(kestrel,
        json('kestrel_flow_record', ['number', 'number', 'number', 'number'])(0, 700, 300, 1));
    const ghost = JSON.parse(kestrel.cwrap('kestrel_record_table', 'string', [])()).colours.ghost;

    kestrel.cwrap('kestrel_start', null, [])();
    assert.ok(keep().error, 'nothing to keep before the first chain');
    assert.equal(comparison().kept, false);
    for (const [input, position] of [[0, 12], [1, 4], [3, 5]]) {
        setPosition(input, position);
    }
    kestrel.cwrap('kestrel_set_mach_text', null, ['string'])('0.6');
    kestrel.cwrap('kestrel_run', 'string', ['number'])(7);
    const kept = keep();
    assert.deepEqual(kept.inputs,
        { thickness: 12, camber: 4, points: 51, alpha: 5, xm: 0, mach: '0.6' });
    setPosition(1, 0);
    kestrel.cwrap('kestrel_run', 'string', ['number'])(1);
    // Its label in both, in the ghost's colour; its outline in the flow picture.
    const flowRecord = flow();
    for (const [name, record] of [['chart', chart()], ['flow', flowRecord]]) {
        assert.ok(record.items.some((i) => i.kind === 'Text' && i.text === kept.label &&
            i.colour === ghost), name);
    }
    assert.ok(flowRecord.items.some((i) => i.kind === 'Polyline' && i.colour === ghost));
    // And in the sonic-line chart, the Theory tab's charts, the boundary layer's profile and polar.
    const sonic = json('kestrel_study_compressibility')().sonic;
    const theory = json('kestrel_study_theory')();
    const layer = json('kestrel_study_boundary_layer', ['number', 'number', 'number'])(40, 9, 2);
    for (const [name, packed] of [['sonic', sonic], ['lift', theory.lift],
        ['moment', theory.moment], ['load', theory.load], ['profile', layer.profile],
        ['polar', layer.polar]]) {
        assert.ok(unpack(kestrel, packed).items.some((i) => i.text === kept.label &&
            i.colour === ghost), name);
    }
    const { stdout } = await run(calc, ['compare', '--a', 'thickness=12,alpha=5', '--b',
        'thickness=12,camber=4,alpha=5']);
    const doc = JSON.parse(stdout);
    const c = comparison();
    const cells = (quantity) => c.rows.find((r) => r.quantity === quantity).cells;
    const round = (x, d) => String(Number(x.toFixed(d)));
    assert.deepEqual(cells('CL').slice(0, 2), [round(doc.a.CL, 4), round(doc.b.CL, 4)]);
    assert.deepEqual(cells('CD').slice(0, 2), [round(doc.a.boundary_layer.CD, 5),
        round(doc.b.boundary_layer.CD, 5)]);
    assert.equal(c.label, kept.label);

    kestrel.cwrap('kestrel_clear_kept', null, [])();
    assert.deepEqual([comparison().kept, comparison().rows], [false, []]);
    assert.ok(!chart().items.some((i) => i.text === kept.label));
    assert.ok(keepInputs(31, 0, 51, 0, 0, '0').error, 'a thickness out of range');
    assert.deepEqual(keepInputs(12, 4, 51, 5, 0, '0.6'), kept);
}

require(modulePath)().then(async (kestrel) => {
    chainsAreTheWindows(kestrel);
    handlersFollowTheWindowsRules(kestrel);
    await studyViewsFollowTheFlow(kestrel);
    await keptProfileIsComparedAndDrawn(kestrel);
    await profilesMatchKestrelCalc(kestrel);
    console.log('browser module: all checks passed');
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
