// SPDX-License-Identifier: MIT
// The canvas's side of painting: colours of the model as CSS colours, the map from user
// coordinates to a rectangle of the canvas, and a canvas sized for a device-pixel ratio.

// A colour of the model: 24-bit RGB with red in the low byte. The texts are kept: a picture uses
// a few colours many times.
const colourTexts = new Map();
export function cssColour(colour) {
    let text = colourTexts.get(colour);
    if (text === undefined) {
        text = `rgb(${colour & 0xff}, ${(colour >> 8) & 0xff}, ${(colour >> 16) & 0xff})`;
        colourTexts.set(colour, text);
    }
    return text;
}

// Maps user coordinates (x1, y1 the top-left corner, x2, y2 the bottom-right) onto a rectangle of
// the canvas; both axes linear.
export class ScaleMap {
    constructor(x1, y1, x2, y2, left, top, width, height) {
        this.x1 = x1;
        this.y1 = y1;
        this.left = left;
        this.top = top;
        this.sx = x2 - x1 !== 0 ? width / (x2 - x1) : 1;
        this.sy = y2 - y1 !== 0 ? height / (y2 - y1) : 1;
    }
    x(userX) { return this.left + (userX - this.x1) * this.sx; }
    y(userY) { return this.top + (userY - this.y1) * this.sy; }
    // A horizontal user length on the canvas: circle radii are measured this way.
    horizontalLength(userLength) { return Math.abs(userLength * this.sx); }
}

// Sizes a canvas's pixels to a logical size at a device-pixel ratio and returns its context,
// drawing in logical pixels.
export function sizeCanvas(canvas, width, height, ratio) {
    const deviceWidth = Math.round(width * ratio);
    const deviceHeight = Math.round(height * ratio);
    if (canvas.width !== deviceWidth || canvas.height !== deviceHeight) {
        canvas.width = deviceWidth;
        canvas.height = deviceHeight;
    }
    const ctx = canvas.getContext('2d');
    ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    return ctx;
}
