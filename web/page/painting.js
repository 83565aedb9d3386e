// SPDX-License-Identifier: MIT
// One painting of a record in progress: the state the painter's item painters share (the
// context, the map in force, the item at hand), the context's pens set only when they change,
// and the crisp lines, frames and images that the device's pixel grid shapes.
import { cssColour, ScaleMap } from './canvas.js';

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
        Object.assign(this, {
            ctx,
            aligns: painter.aligns,
            fontFactor: painter.fontFactor,
            fonts: painter.fonts,
            frameStyle: painter.frameStyle,
            codes: HEAP32.subarray(codes, codes + painter.stride * record.itemCount),
            numbers: HEAPF32.subarray(numbers, numbers + record.numberCount),
            texts: record.texts,
            images: record.images ?? [],
            memory: record.memory,
            scratch: (i) => painter.scratch(i),
            at: 0,
            count: 0,
            colour: 0,
            style: 0,
            text: 0,
            pen: {},  // the context's fill, stroke and font as last set here
        });
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

    fill() {
        this.set('fillStyle', cssColour(this.colour));
    }

    stroke(width, cap, join = 'round') {
        this.set('lineWidth', width);
        this.set('lineCap', cap);
        this.set('lineJoin', join);
        this.set('strokeStyle', cssColour(this.colour));
    }

    font() {
        this.set('font', this.fonts[Math.floor(this.style / this.fontFactor)]);
    }

    // The context's state is back as it was before the painting: nothing set here holds.
    restored() {
        this.pen = {};
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

    // A crisp line of `pen` logical pixels with flat ends through the corners `points` (x1, y1,
    // x2, y2, ...), its straight runs on the device's pixel grid.
    crispLine(points, pen) {
        const { ctx, ratio } = this;
        const devicePen = Math.max(1, Math.round(pen * ratio));
        const snap = (position, origin) => (crisp(position * ratio + origin, devicePen) - origin)
            / ratio;
        this.stroke(devicePen / ratio, 'butt', 'miter');
        ctx.beginPath();
        for (let i = 0; i + 1 < points.length; i += 2) {
            const x = snap(points[i], this.originX);
            const y = snap(points[i + 1], this.originY);
            ctx.lineTo(x, y);
        }
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
        const scratch = this.scratch(index);
        if (scratch.width !== image.width || scratch.height !== image.height) {
            scratch.width = image.width;
            scratch.height = image.height;
        }
        scratch.getContext('2d').putImageData(pixels, 0, 0);
        this.ctx.drawImage(scratch, Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1),
            Math.abs(y2 - y1));
    }
}
