// SPDX-License-Identifier: MIT
// The browser module writes kestrel-calc's documents: profile, mach, flow, viscous and theory
// for the same inputs come from the same writer functions, with the same keys, layout and number
// forms, and they are equal byte for byte. Every number is: both builds compute with one set of
// elementary functions (model/portable_math.h: sin, atan2, hypot, log, complex division ...
// written from +, -, *, / and sqrt, which IEEE-754 rounds alike on both), compile without fused
// multiply-add (-ffp-contract=off) and without long double, so each double has the same bits,
// and the writer prints the same text for it.
//
//   node --no-experimental-fetch tests/web/documents_test.js MODULE.js KESTREL_CALC
'use strict';

const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [modulePath, calc] = process.argv.slice(2);
const run = promisify(execFile);

const NUMBER = /-?\d+(?:\.\d+)?(?:e[+-]\d+)?/g;

// Where two documents first differ, for the message: the first number, or the text between.
function firstDifference(actual, expected) {
    const a = actual.match(NUMBER) || [];
    const e = expected.match(NUMBER) || [];
    const i = a.findIndex((text, k) => text !== e[k]);
    return i < 0 ? 'the text around the numbers' : `number ${i}: ${a[i]} against ${e[i]}`;
}

// A symmetric profile at zero incidence, a thick cambered one at a negative angle, a cambered
// one at Mach 0.6 (past its critical Mach number) and the flat plate with its singular leading
// edge at the largest angle.
const settings = [
    { thickness: 12, camber: 0, points: 51, alpha: 0, xm: 0, mach: '0', lines: 10, probes: [] },
    { thickness: 15, camber: 2, points: 81, alpha: -3, xm: 40, mach: '0.3', lines: 6,
        probes: ['0.5,0.1', '1.2,-0.3'] },
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
            assert.ok(ours[i] === expected[i].stdout,
                `${where}: ${firstDifference(ours[i], expected[i].stdout)}`);
            numbers += (expected[i].stdout.match(NUMBER) || []).length;
            ++documents;
        });
    }
    assert.ok(JSON.parse(flow(12, 4, 51, 5, 10, '0.5')).error, 'a probe without its y');

    // The boundary layer: laminar to the trailing edge below, a bubble and a late separation
    // above (12/4 at 5 degrees); a symmetric profile at a high Reynolds number and low N_crit.
    const viscous = kestrel.cwrap('kestrel_viscous', 'string', [...five, 'number']);
    for (const v of [{ thickness: 12, camber: 4, alpha: 5, xm: 25, reynolds: 1e6, ncrit: 9 },
        { thickness: 15, camber: 0, alpha: -3, xm: 0, reynolds: 3e7, ncrit: 4 }]) {
        const expected = await run(calc, ['viscous', '--thickness', `${v.thickness}`, '--camber',
            `${v.camber}`, '--alpha', `${v.alpha}`, '--xm', `${v.xm}`, '--reynolds',
            `${v.reynolds}`, '--ncrit', `${v.ncrit}`], { maxBuffer: 64 << 20 });
        const ours = viscous(v.thickness, v.camber, v.alpha, v.xm, v.reynolds, v.ncrit);
        const where = `viscous ${JSON.stringify(v)}`;
        assert.ok(ours === expected.stdout, `${where}: ${firstDifference(ours, expected.stdout)}`);
        numbers += (expected.stdout.match(NUMBER) || []).length;
        ++documents;
    }
    assert.ok(JSON.parse(viscous(12, 4, 5, 25, 1e3, 9)).error, 'a Reynolds number below 1e4');
    console.log(`browser module: ${documents} documents (${numbers} numbers) byte-equal to ` +
        'kestrel-calc\'s');
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
