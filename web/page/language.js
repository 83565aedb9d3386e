// SPDX-License-Identifier: MIT
// The page's language: Turkish, the program's own, unless the address asks for another with
// ?lang=en. The texts come from the translations (translations.js, made from the program's .ts
// files at build time) over the module's table; the module is handed them too, so that what it
// writes (the probe's line, the rule table, the warnings) speaks the same language.
import { TRANSLATIONS } from './translations.js';

const DEFAULT_LANGUAGE = 'tr';
const LANGUAGE_NAMES = { tr: 'Form1.language.tr', en: 'Form1.language.en' };

// The language the address chooses; Turkish for none or for one the page does not have.
export function pageLanguage(search = window.location.search) {
    const code = new URLSearchParams(search).get('lang');
    return code !== null && code in TRANSLATIONS ? code : DEFAULT_LANGUAGE;
}

// A text of the language for the page's first moments, before the module's tables are at hand.
export function earlyText(code, key) {
    return TRANSLATIONS[code][key];
}

// Puts the language's texts into the module and reads its tables again in that language.
export function applyLanguage(kestrel, code) {
    const translations = TRANSLATIONS[code];
    for (const [key, text] of Object.entries(translations)) {
        kestrel.setText(key, text);
    }
    kestrel.readTables();
    document.documentElement.lang = code;
}

// The switch in the menu bar: one button per language, the current one pressed. Choosing the
// other opens the page again in it, with the address saying so.
export function buildLanguageSwitch(menubar, code, texts) {
    const group = document.createElement('span');
    group.className = 'languages';
    group.setAttribute('role', 'group');
    group.setAttribute('aria-label', texts['Form1.languageMenu'].replace('&', ''));
    for (const [other, key] of Object.entries(LANGUAGE_NAMES)) {
        const button = document.createElement('button');
        button.type = 'button';
        button.id = `language-${other}`;
        button.lang = other;
        button.textContent = texts[key];
        button.setAttribute('aria-pressed', String(other === code));
        button.addEventListener('click', () => {
            if (other !== code) {
                const address = new URL(window.location.href);
                address.searchParams.set('lang', other);
                window.location.assign(address);
            }
        });
        group.append(button);
    }
    menubar.append(group);
}
