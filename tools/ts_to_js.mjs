// SPDX-License-Identifier: MIT
// Turns the translations (translations/kestrel_<code>.ts, Qt Linguist's XML) into the page's
// module translations.js: for each language, every text by its key (the message's comment).
//     node ts_to_js.mjs OUTPUT kestrel_tr.ts kestrel_en.ts
// A message without a finished translation stops the build with its key named.
import { readFileSync, writeFileSync } from 'node:fs';
import { basename } from 'node:path';

const ENTITIES = { amp: '&', lt: '<', gt: '>', apos: "'", quot: '"' };

function unescapeXml(text) {
    return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
        if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
        if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
        if (name in ENTITIES) return ENTITIES[name];
        throw new Error(`unknown entity ${whole}`);
    });
}

// The texts of one .ts file by key.
function textsOf(file) {
    const texts = {};
    for (const [, message] of readFileSync(file, 'utf8').matchAll(/<message>([\s\S]*?)<\/message>/g)) {
        const key = /<comment>([\s\S]*?)<\/comment>/.exec(message)?.[1];
        const translation = /<translation( type="[a-z]+")?>([\s\S]*?)<\/translation>/.exec(message);
        if (key === undefined || translation === null) {
            throw new Error(`${file}: a message without a key or a translation`);
        }
        if (translation[1] !== undefined || translation[2] === '') {
            throw new Error(`${file}: ${unescapeXml(key)} has no finished translation`);
        }
        texts[unescapeXml(key)] = unescapeXml(translation[2]);
    }
    return texts;
}

function main([output, ...files]) {
    if (output === undefined || files.length === 0) {
        throw new Error('usage: node ts_to_js.mjs OUTPUT kestrel_<code>.ts ...');
    }
    const languages = {};
    for (const file of files) {
        const code = /^kestrel_([a-z]+)\.ts$/.exec(basename(file))?.[1];
        if (code === undefined) throw new Error(`${file}: not named kestrel_<code>.ts`);
        languages[code] = textsOf(file);
    }
    writeFileSync(output, '// SPDX-License-Identifier: MIT\n' +
        '// Generated from translations/*.ts by tools/ts_to_js.mjs: every text by its key, in ' +
        'each language.\n' +
        `export const TRANSLATIONS = ${JSON.stringify(languages, null, 1)};\n`);
}

try {
    main(process.argv.slice(2));
} catch (error) {
    console.error(`ts_to_js: ${error.message}`);
    process.exit(1);
}
