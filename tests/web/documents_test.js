// SPDX-License-Identifier: MIT
// The browser module writes kestrel-calc's documents: profile, mach, flow, viscous and theory
// for the same inputs come from the same writer functions, with the same keys, layout and number
// forms. They are equal byte for byte but for numbers in which the browser's maths library (sin,
// cos, atan2 ...) gave a double a few units in the last place away from the desktop's: each such
// number must agree to 1e-13 of its magnitude (and of 1 at least; 1e-12 in the flow documents),
// and is counted.
//
//   node --no-experimental-fetch tests/web/documents_test.js MODULE.js KESTREL_CALC
'use strict';

const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [modulePath, calc] = process.argv.slice(2);
const run = promisify(execFile);

const NUMBER = /-?\d+(?:\.\d+)?(?:e[+-]\d+)?/g;
const TOLERANCE = 1e-13;
// A streamline's points are found by Newton's method until |psi - level| <= 1e-13: a last-digit
// difference can end a point's search one step sooner or later and move it by up to that much
// over the local speed, and the next point starts from it.
const FLOW_TOLERANCE = 1e-12;

// The documents with each number that the maths libraries may move in its last digits taken
// from the expected text, so that what is left to compare is every byte the writer chose; and
// how many numbers were taken.
function alignNumbers(actual, expected, where, tolerance = TOLERANCE) {
    const ours = actual.split(NUMBER);
    const theirs = expected.split(NUMBER);
    assert.deepEqual(ours, theirs, `${where}: the same text around the numbers`);
    const a = actual.match(NUMBER) || [];
    const e = expected.match(NUMBER) || [];
    let moved = 0;
    const numbers = a.map((text, i) => {
        if (text === e[i]) {
            return text;
        }
        const [x, y] = [Number(text), Number(e[i])];
        assert.ok(Math.abs(x - y) <= tolerance * Math.max(Math.abs(x), Math.abs(y), 1),
            `${where}: ${text} against ${e[i]}`);
        ++moved;
        return e[i];
    });
    return { text: ours.map((part, i) => part + (numbers[i] ?? '')).join(''), moved };
}

// A symmetric profile at zero incidence, a cambered one at Mach 0.6 (past its critical Mach
// number) and the flat plate with its singular leading edge at the largest angle.
const settings = [
    { thickness: 12, camber: 0, points: 51, alpha: 0, xm: 0, mach: '0', lines: 10, probes: [] },
    { thickness: 12, camber: 4, points: 101, alpha: 5, xm: 25, mach: '0.6', lines: 4,
        probes: ['0.5,0.1', '-0.2,0', '0.3,0'] },
    { thickness: 0, camber: 0, points: 12, alpha: 10, xm: 100, mach: 'abc', lines: 2,
        probes: ['0,0'] },
];

require(modulePath)().then(async (kestrel) => {
    const five = ['number', 'number', 'number', 'number', 'number'];
    const profile = kestrel.cwrap('kestrel_profile', 'string', [...five, 'string']);
    const mach = kestrel.cwrap('kestrel_mach', 'string', [...five, 'string']);
    const flow = kestrel.cwrap('kestrel_flow', 'string', [...five, 'string']);
    const theory = kestrel.cwrap('kestrel_theory', 'string', ['number', 'number', 'number']);
    let documents = 0;
    let numbers = 0;
    let lastBits = 0;
    for (const s of settings) {
        const inputs = ['--thickness', `${s.thickness}`, '--camber', `${s.camber}`, '--points',
            `${s.points}`, '--alpha', `${s.alpha}`];
        const all = [...inputs, '--xm', `${s.xm}`, '--mach', s.mach];
        const probes = s.probes.flatMap((p) => ['--probe', p]);
        const expected = await Promise.all([
            run(calc, ['profile', ...all]),
            run(calc, ['mach', ...all]),
            run(calc, ['flow', ...inputs, '--lines', `${s.lines}`, ...probes],
                { maxBuffer: 64 << 20 }),
            run(calc, ['theory', '--thickness', `${s.thickness}`, '--camber', `${s.camber}`,
                '--alpha', `${s.alpha}`]),
        ]);
        const args = [s.thickness, s.camber, s.points, s.alpha];
        const ours = [profile(...args, s.xm, s.mach), mach(...args, s.xm, s.mach),
            flow(...args, s.lines, s.probes.join(' ')), theory(s.thickness, s.camber, s.alpha)];
        ['profile', 'mach', 'flow', 'theory'].forEach((name, i) => {
            const where = `${name} ${JSON.stringify(s)}`;
            const { text, moved } = alignNumbers(ours[i], expected[i].stdout, where,
                name === 'flow' ? FLOW_TOLERANCE : TOLERANCE);
            assert.equal(text, expected[i].stdout, where);
            numbers += (expected[i].stdout.match(NUMBER) || []).length;
            lastBits += moved;
            ++documents;
        });
    }
    assert.ok(JSON.parse(flow(12, 4, 51, 5, 10, '0.5')).error, 'a probe without its y');

    // The boundary layer: laminar to the trailing edge below, a bubble and a late separation
    // above (12/4 at 5 degrees); a symmetric profile at a high Reynolds number and low N_crit.
    // The march along each side carries the maths libraries' last-place differences on through
    // hundreds of steps, so its numbers agree to 1e-9 of their magnitude.
    const viscous = kestrel.cwrap('kestrel_viscous', 'string', [...five, 'number']);
    for (const v of [{ thickness: 12, camber: 4, alpha: 5, xm: 25, reynolds: 1e6, ncrit: 9 },
        { thickness: 15, camber: 0, alpha: -3, xm: 0, reynolds: 3e7, ncrit: 4 }]) {
        const expected = await run(calc, ['viscous', '--thickness', `${v.thickness}`, '--camber',
            `${v.camber}`, '--alpha', `${v.alpha}`, '--xm', `${v.xm}`, '--reynolds',
            `${v.reynolds}`, '--ncrit', `${v.ncrit}`], { maxBuffer: 64 << 20 });
        const ours = viscous(v.thickness, v.camber, v.alpha, v.xm, v.reynolds, v.ncrit);
        const where = `viscous ${JSON.stringify(v)}`;
        const { text, moved } = alignNumbers(ours, expected.stdout, where, 1e-9);
        assert.equal(text, expected.stdout, where);
        numbers += (expected.stdout.match(NUMBER) || []).length;
        lastBits += moved;
        ++documents;
    }
    assert.ok(JSON.parse(viscous(12, 4, 5, 25, 1e3, 9)).error, 'a Reynolds number below 1e4');
    console.log(`browser module: ${documents} documents equal kestrel-calc's, ${lastBits} of ` +
        `${numbers} numbers a few last-place units apart`);
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
