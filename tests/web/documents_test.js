// SPDX-License-Identifier: MIT
// The browser module writes kestrel-calc's documents byte for byte: profile, mach and flow for
// the same inputs come from the same writer functions, with the same keys and digits.
//
//   node --no-experimental-fetch tests/web/documents_test.js MODULE.js KESTREL_CALC
'use strict';

const assert = require('node:assert/strict');
const { execFile } = require('node:child_process');
const { promisify } = require('node:util');

const [modulePath, calc] = process.argv.slice(2);
const run = promisify(execFile);

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
    const numbers = ['number', 'number', 'number', 'number', 'number'];
    const profile = kestrel.cwrap('kestrel_profile', 'string', [...numbers, 'string']);
    const mach = kestrel.cwrap('kestrel_mach', 'string', [...numbers, 'string']);
    const flow = kestrel.cwrap('kestrel_flow', 'string', [...numbers, 'string']);
    let documents = 0;
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
        ]);
        const args = [s.thickness, s.camber, s.points, s.alpha];
        const ours = [profile(...args, s.xm, s.mach), mach(...args, s.xm, s.mach),
            flow(...args, s.lines, s.probes.join(' '))];
        ['profile', 'mach', 'flow'].forEach((name, i) => {
            assert.equal(ours[i], expected[i].stdout, `${name} ${JSON.stringify(s)}`);
            ++documents;
        });
    }
    assert.ok(JSON.parse(flow(12, 4, 51, 5, 10, '0.5')).error, 'a probe without its y');
    console.log(`browser module: ${documents} documents equal kestrel-calc's`);
}).catch((error) => {
    console.error(error);
    process.exit(1);
});
