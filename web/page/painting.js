// SPDX-License-Identifier: MIT
// The canvas's side of painting: colours of the model as CSS colours, the map from user
// coordinates to a rectangle of the canvas, a canvas sized for a device-pixel ratio; and one
// painting of a record in progress: the state the painter's item painters share (the context,
// the map in force, the item at hand), the context's pens set only when they change, and the
// crisp lines, frames and images that the device's pixel grid shapes.

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

// A crisp line's middle on the device's pixel grid: the pen's device width whole, its edges on
// pixel boundaries.
function crisp(position, devicePen) {
    return devicePen % 2 === 1 ? Math.floor(position) + 0.5 : Math.round(position);
}

// One painting of a record: the state the item painters share.
export class Painting {
    // `painter`: the painter's table-given parts and its canvases for images; `box`: the
    // rectangle [left, top, width, height] of logical pixels the record's scale maps onto.
    constructor(painter, ctx, record, [left, top, width, height]) {
        const { HEAP32, HEAPF32 } = record.memory;
        const codes = record.codes >> 2;
        const numbers = record.numbers >> 2;
        this.painter = painter; // its table's aligns, fonts, frame style; its image canvases
        this.ctx = ctx;
        this.codes = HEAP32.subarray(codes, codes + painter.stride * record.itemCount);
        this.numbers = HEAPF32.subarray(numbers, numbers + record.numberCount);
        this.texts = record.texts;
        this.images = record.images ?? [];
        this.memory = record.memory;
        // The item at hand: its first number, how many, colour and style; the texts used.
        this.at = 0;
        this.count = 0;
        this.colour = 0;
        this.style = 0;
        this.text = 0;
        this.restored(); // this.pen: the context's fill, stroke and font as last set here
        const [x1, y1, x2, y2] = record.scale;
        this.base = new ScaleMap(x1, y1, x2, y2, left, top, width, height);
        this.map = this.base;
        // The device pixels of one logical pixel, and where the canvas's origin lies on them.
        const m = ctx.getTransform();
        this.ratio = m.a;
        this.originX = m.e;
        this.originY = m.f;
    }

    // The nearest corner of the device's pixels to a point of the logical pixels.
    pixelCornerX(x) {
        return (Math.round(x * this.ratio + this.originX) - this.originX) / this.ratio;
    }

    pixelCornerY(y) {
        return (Math.round(y * this.ratio + this.originY) - this.originY) / this.ratio;
    }

    // Sets a property of the context unless it holds the value already: setting a colour or a
    // font makes the context read its text again.
    set(property, value) {
        if (this.pen[property] !== value) {
            this.ctx[property] = value;
            this.pen[property] = value;
        }
    }

    // The item's colour as the fill; the colour last set is kept as a number, the most common
    // case checked without a look-up.
    fill() {
        if (this.pen.fill !== this.colour) {
            this.ctx.fillStyle = cssColour(this.colour);
            this.pen.fill = this.colour;
        }
    }

    stroke(width, cap, join = 'round') {
        const { ctx, pen } = this;
        if (pen.stroke !== this.colour) {
            ctx.strokeStyle = cssColour(this.colour);
            pen.stroke = this.colour;
        }
        if (pen.lineWidth !== width) {
            ctx.lineWidth = width;
            pen.lineWidth = width;
        }
        if (pen.lineCap !== cap) {
            ctx.lineCap = cap;
            pen.lineCap = cap;
        }
        if (pen.lineJoin !== join) {
            ctx.lineJoin = join;
            pen.lineJoin = join;
        }
    }

    font() {
        this.set('font', this.painter.fonts[Math.floor(this.style / this.painter.fontFactor)]);
    }

    // The context's state is back as it was before the painting: nothing set here holds.
    restored() {
        this.pen = { fill: -1, stroke: -1, lineWidth: -1, lineCap: '', lineJoin: '', font: '',
            textAlign: '', textBaseline: '' };
    }

    nextText() {
        return this.texts[this.text++];
    }

    // Clips the items after it to a rectangle inside the record's whole rectangle.
    clip(left, top, width, height) {
        const { ctx } = this;
        ctx.restore();
        ctx.save();
        ctx.beginPath();
        ctx.rect(left, top, width, height);
        ctx.clip();
        this.restored();
    }

    // A frame of `pen` logical pixels inside a rectangle, on the device's whole pixels.
    frame(left, top, right, bottom, pen) {
        const { ctx, ratio } = this;
        const [l, t] = [this.pixelCornerX(left), this.pixelCornerY(top)];
        const [r, b] = [this.pixelCornerX(right), this.pixelCornerY(bottom)];
        const w = Math.max(1, Math.round(pen * ratio)) / ratio;
        this.fill();
        ctx.fillRect(l, t, r - l, w);
        ctx.fillRect(l, b - w, r - l, w);
        ctx.fillRect(l, t + w, w, b - t - 2 * w);
        ctx.fillRect(r - w, t + w, w, b - t - 2 * w);
    }

    // A crisp line of `pen` logical pixels with flat ends from (x1, y1) to (x2, y2), its middle
    // on the device's pixel grid. A level or upright one is the rectangle it covers.
    crispLine(x1, y1, x2, y2, pen) {
        const { ctx, ratio, originX, originY } = this;
        const devicePen = Math.max(1, Math.round(pen * ratio));
        const l = (crisp(x1 * ratio + originX, devicePen) - originX) / ratio;
        const t = (crisp(y1 * ratio + originY, devicePen) - originY) / ratio;
        const r = (crisp(x2 * ratio + originX, devicePen) - originX) / ratio;
        const b = (crisp(y2 * ratio + originY, devicePen) - originY) / ratio;
        const width = devicePen / ratio;
        if (l === r || t === b) {
            const dx = l === r ? width : 0;
            const dy = l === r ? 0 : width;
            this.fill();
            ctx.fillRect(Math.min(l, r) - dx / 2, Math.min(t, b) - dy / 2,
                Math.abs(r - l) + dx, Math.abs(b - t) + dy);
            return;
        }
        this.stroke(width, 'butt');
        ctx.beginPath();
        ctx.moveTo(l, t);
        ctx.lineTo(r, b);
        ctx.stroke();
    }

    // An image of the module's memory (4 bytes R, G, B, A per pixel, rows from the top)
    // stretched over the rectangle between two corners. Its pixels go into a canvas of their own
    // (one per image of the painting, kept by the painter), which is drawn like any other item:
    // nothing drawn before it has to be rasterized first.
    image(index, x1, y1, x2, y2) {
        const image = this.images[index];
        if (!image || image.width <= 0 || image.height <= 0) {
            return;
        }
        const pixels = new ImageData(new Uint8ClampedArray(this.memory.HEAPU8.buffer,
            image.pixels, 4 * image.width * image.height), image.width, image.height);
        const scratch = this.painter.scratch(index);
        if (scratch.width !== image.width || scratch.height !== image.height) {
            scratch.width = image.width;
            scratch.height = image.height;
        }
        scratch.getContext('2d').putImageData(pixels, 0, 0);
        this.ctx.drawImage(scratch, Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1),
            Math.abs(y2 - y1));
    }
}
