// SPDX-License-Identifier: MIT
// Where the page's time goes, as user-timing measures anyone can read in the browser's
// performance timeline ("Kestrel " and what was timed). A long session keeps only the latest
// ones.

const LIMIT = 10000;
let count = 0;

export const now = () => performance.now();

// Records that `what` took from `start` to `end` (performance.now() times).
export function measure(what, start, end = now()) {
    if (++count > LIMIT) {
        performance.getEntriesByType('measure')
            .filter((m) => m.name.startsWith('Kestrel '))
            .forEach((m) => performance.clearMeasures(m.name));
        count = 1;
    }
    performance.measure(`Kestrel ${what}`, { start, end });
}
