// SPDX-License-Identifier: MIT
// The page's one painter: paints a record of the module on a canvas, item by item in recorded
// order, each kind as the module's record table names it (codes, fonts and alignments come from
// the table, never from numbers written here).
import { cssColour, Painting, ScaleMap } from './painting.js';

// The corners from numbers[first] to numbers[end - 1] (x1, y1, x2, y2, ...) as a path.
function tracePoints(ctx, map, numbers, first, end) {
    if (first + 1 >= end) {
        return;
    }
    ctx.moveTo(map.x(numbers[first]), map.y(numbers[first + 1]));
    for (let i = first + 2; i + 1 < end; i += 2) {
        ctx.lineTo(map.x(numbers[i]), map.y(numbers[i + 1]));
    }
}

// How each kind is painted, by the kind's name in the module's table. `p` is the painting in
// progress: the context, the map in force, the item's colour, style, numbers from `p.at` on and
// their count. Lines, circles and polylines are antialiased with round ends; edges and framed
// rectangles are crisp.
const ITEM_PAINTERS = {
    Line(p) {
        const { ctx, map, numbers: v, at } = p;
        p.stroke(1, 'round');
        ctx.beginPath();
        ctx.moveTo(map.x(v[at]), map.y(v[at + 1]));
        ctx.lineTo(map.x(v[at + 2]), map.y(v[at + 3]));
        ctx.stroke();
    },
    Circle(p) {
        const { ctx, map, numbers: v, at } = p;
        p.stroke(1, 'round');
        ctx.beginPath();
        ctx.arc(map.x(v[at]), map.y(v[at + 1]), map.horizontalLength(v[at + 2]), 0, 2 * Math.PI);
        ctx.stroke();
    },
    Polyline(p) {
        p.stroke(p.numbers[p.at], 'round');
        p.ctx.beginPath();
        tracePoints(p.ctx, p.map, p.numbers, p.at + 1, p.at + p.count);
        p.ctx.stroke();
    },
    // Filled without an outline, its corners on the device's pixel corners: as the desktop
    // fills it without antialiasing, neighbouring polygons meet without a seam.
    Polygon(p) {
        const { ctx, map, numbers: v, at } = p;
        p.fill();
        ctx.beginPath();
        for (let i = at; i + 1 < at + p.count; i += 2) {
            ctx.lineTo(p.pixelCornerX(map.x(v[i])), p.pixelCornerY(map.y(v[i + 1])));
        }
        ctx.closePath();
        ctx.fill();
    },
    // Aligned horizontally on its anchor, centred vertically on it.
    Text(p) {
        const { ctx, map, numbers: v, at } = p;
        p.fill();
        p.font();
        p.set('textAlign', p.painter.aligns[p.style % p.painter.fontFactor]);
        p.set('textBaseline', 'middle');
        ctx.fillText(p.nextText(), map.x(v[at]), map.y(v[at + 1]));
    },
    // A filled dot, its size the diameter in logical pixels.
    Marker(p) {
        const { ctx, map, numbers: v, at } = p;
        p.fill();
        ctx.beginPath();
        ctx.arc(map.x(v[at]), map.y(v[at + 1]), v[at + 2] / 2, 0, 2 * Math.PI);
        ctx.fill();
    },
    Edge(p) {
        const { map, numbers: v, at } = p;
        p.crispLine(map.x(v[at]), map.y(v[at + 1]), map.x(v[at + 2]), map.y(v[at + 3]), v[at + 4]);
    },
    // Filled to the device's pixel corners nearest to its own, or framed by a crisp pen inside
    // its corners.
    Rect(p) {
        const { ctx, map, numbers: v, at } = p;
        const left = Math.min(map.x(v[at]), map.x(v[at + 2]));
        const right = Math.max(map.x(v[at]), map.x(v[at + 2]));
        const top = Math.min(map.y(v[at + 1]), map.y(v[at + 3]));
        const bottom = Math.max(map.y(v[at + 1]), map.y(v[at + 3]));
        if (p.style !== p.painter.frameStyle) {
            const [l, t] = [p.pixelCornerX(left), p.pixelCornerY(top)];
            p.fill();
            ctx.fillRect(l, t, p.pixelCornerX(right) - l, p.pixelCornerY(bottom) - t);
            return;
        }
        p.frame(left, top, right, bottom, v[at + 4]);
    },
    // The items up to the next area: in its user coordinates over its box, clipped to the box.
    Area(p) {
        const { numbers: v, at } = p;
        const base = p.base;
        const left = base.x(v[at]);
        const top = base.y(v[at + 1]);
        const width = base.x(v[at] + v[at + 2]) - left;
        const height = base.y(v[at + 1] + v[at + 3]) - top;
        p.map = new ScaleMap(v[at + 4], v[at + 5], v[at + 6], v[at + 7], left, top, width, height);
        p.clip(left, top, width, height);
    },
    // The image's pixels stretched over its corners.
    Image(p) {
        const { map, numbers: v, at } = p;
        p.image(p.style, map.x(v[at]), map.y(v[at + 1]), map.x(v[at + 2]), map.y(v[at + 3]));
    },
    // A text at the top left of its box, cut to the box.
    Label(p) {
        const { ctx, map, numbers: v, at } = p;
        const [left, top] = [map.x(v[at]), map.y(v[at + 1])];
        ctx.save();
        ctx.beginPath();
        ctx.rect(left, top, map.x(v[at + 2]) - left, map.y(v[at + 3]) - top);
        ctx.clip();
        p.fill();
        p.font();
        ctx.textAlign = 'left';
        ctx.textBaseline = 'top';
        ctx.fillText(p.nextText(), left, top);
        ctx.restore();
        p.restored();
    },
};

export class Painter {
    // `table` is the module's record table: {codesPerItem, kinds: {name: code}, fontFactor,
    // aligns, rectStyles, fonts: [{css}]}.
    constructor(table) {
        this.stride = table.codesPerItem;
        this.fontFactor = table.fontFactor;
        this.aligns = table.aligns;
        this.fonts = table.fonts.map((f) => f.css);
        this.frameStyle = table.rectStyles.frame;
        this.canvases = [];
        // A kind the page has no painter for is left out, and said so once.
        this.byCode = [];
        for (const [name, code] of Object.entries(table.kinds)) {
            this.byCode[code] = ITEM_PAINTERS[name];
            if (!ITEM_PAINTERS[name]) {
                console.warn(`Kestrel: the page cannot paint the module's ${name} items`);
            }
        }
    }

    // The painter's own canvas for the i-th image of a painting.
    scratch(i) {
        this.canvases[i] ??= document.createElement('canvas');
        return this.canvases[i];
    }

    // Paints a record's items in order, its user coordinates stretched over the rectangle
    // (left, top, width, height) of the context's logical pixels and clipped to it; with
    // `ground`, on the rectangle filled with the record's background. The record is a packed
    // answer of the module with `memory`, the module whose memory holds its arrays.
    paint(ctx, record, left, top, width, height, { ground = false } = {}) {
        const p = new Painting(this, ctx, record, [left, top, width, height]);
        const { codes } = p;
        const { stride, byCode } = this;
        ctx.save();
        ctx.beginPath();
        ctx.rect(left, top, width, height);
        ctx.clip();
        if (ground) {
            ctx.fillStyle = cssColour(record.background);
            ctx.fillRect(left, top, width, height);
        }
        ctx.save();
        for (let item = 0; item < codes.length; item += stride) {
            p.colour = codes[item + 1];
            p.count = codes[item + 2];
            p.style = codes[item + 3];
            byCode[codes[item]]?.(p);
            p.at += p.count;
        }
        ctx.restore();
        ctx.restore();
    }
}
