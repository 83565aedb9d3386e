// SPDX-License-Identifier: MIT
// Small helpers for building the page's elements: an element with its attributes and children,
// placement by twips, and texts with a mnemonic ("&Mapping").

// An element of the tag with the attributes (undefined ones left out; `className`, `text`,
// `hidden` and `style` set as properties) and the children appended.
export function make(tag, attributes = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
        if (value === undefined || value === null) {
            continue;
        }
        if (name === 'className') {
            element.className = value;
        } else if (name === 'text') {
            element.textContent = value;
        } else if (name === 'hidden') {
            element.hidden = value;
        } else if (name === 'style') {
            Object.assign(element.style, value);
        } else {
            element.setAttribute(name, value);
        }
    }
    element.append(...children);
    return element;
}

// The nearest whole logical pixel of a length or position in twips.
export const twipsToPixels = (twips, twipsPerPixel) =>
    Math.floor((2 * twips + twipsPerPixel) / (2 * twipsPerPixel));

// Places an element at a box [left, top, width, height] of twips in its container.
export function placeByTwips(element, [left, top, width, height], twipsPerPixel) {
    const px = (twips) => `${twipsToPixels(twips, twipsPerPixel)}px`;
    Object.assign(element.style, { left: px(left), top: px(top), width: px(width),
        height: px(height) });
    return element;
}

// Places an element at a box [left, top, width, height] of logical pixels.
export function placeByPixels(element, [left, top, width, height]) {
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`,
        height: `${height}px` });
    return element;
}

// A text whose "&" marks the next letter as its mnemonic: the nodes to show (the letter
// underlined) and the key, lower case, or undefined without one. "&&" is a plain "&".
export function mnemonic(text) {
    const at = text.search(/&[^&]/);
    const plain = (t) => t.replaceAll('&&', '&');
    if (at < 0) {
        return { nodes: [plain(text)], key: undefined };
    }
    const letter = text[at + 1];
    return {
        nodes: [plain(text.slice(0, at)), make('u', { text: letter }), plain(text.slice(at + 2))],
        key: letter.toLowerCase(),
    };
}
