// SPDX-License-Identifier: MIT
// The module's loader: starts the WebAssembly module (kestrel.js, whose factory createKestrel
// the page's shell loads first), reads its tables, and offers its C interface as functions that
// return the answers read from JSON, each packed record with the module it lives in.

// Marks the packed records of an answer (the answer itself or one of its values, an object with
// "codes") with the module whose memory holds their arrays, so the painter can read them in
// place.
function withMemory(answer, module) {
    if (answer !== null && typeof answer === 'object' && !Array.isArray(answer)) {
        if ('codes' in answer) {
            answer.memory = module;
        } else {
            for (const value of Object.values(answer)) {
                if (value !== null && typeof value === 'object' && 'codes' in value) {
                    value.memory = module;
                }
            }
        }
    }
    return answer;
}

// The functions of the C interface the page calls: name, argument types, whether it answers
// with JSON.
const FUNCTIONS = {
    setPosition: ['kestrel_set_position', ['number', 'number'], false],
    setMachText: ['kestrel_set_mach_text', ['string'], false],
    setSeparator: ['kestrel_set_separator', ['string'], false],
    run: ['kestrel_run', ['number'], true],
    picture: ['kestrel_picture', ['number'], true],
    flowPicture: ['kestrel_flow_picture', [], true],
    flowRecord: ['kestrel_flow_record', ['number', 'number', 'number', 'number'], true],
    flowProbe: ['kestrel_flow_probe', ['number', 'number', 'number', 'number', 'number'], true],
    particleRecord: ['kestrel_flow_particle_record', ['number', 'number', 'number', 'number'],
        true],
    compressibility: ['kestrel_study_compressibility', [], true],
    setText: ['kestrel_set_text', ['string', 'string'], false],
    boundaryLayer: ['kestrel_study_boundary_layer', ['number', 'number', 'number'], true],
    reynolds: ['kestrel_reynolds', ['number'], true],
    theory: ['kestrel_study_theory', [], true],
    keep: ['kestrel_keep', [], true],
    keepInputs: ['kestrel_keep_inputs',
        ['number', 'number', 'number', 'number', 'number', 'string'], true],
    clearKept: ['kestrel_clear_kept', [], false],
    comparison: ['kestrel_study_comparison', [], true],
};

// The tables the module hands over at load.
const TABLES = {
    record: 'kestrel_record_table',
    window: 'kestrel_window',
    texts: 'kestrel_texts',
};

export class Kestrel {
    constructor(module) {
        this.module = module;
        for (const [name, [cName, types, json]] of Object.entries(FUNCTIONS)) {
            const call = module.cwrap(cName, json ? 'string' : 'number', types);
            this[name] = json ? (...args) => withMemory(JSON.parse(call(...args)), module) : call;
        }
        this.readTables();
    }

    // Reads the module's tables, again after its texts have changed.
    readTables() {
        this.tables = {};
        for (const [name, cName] of Object.entries(TABLES)) {
            this.tables[name] = JSON.parse(this.module.cwrap(cName, 'string', [])());
        }
    }
}

// Starts the module; the promise fails with the reason when it cannot start.
export async function loadKestrel() {
    if (typeof globalThis.createKestrel !== 'function') {
        throw new Error('the module kestrel.js is not loaded');
    }
    return new Kestrel(await globalThis.createKestrel());
}
