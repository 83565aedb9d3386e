// SPDX-License-Identifier: MIT
// The page of Kestrel's main window: places the controls from their twips, paints the five
// recorded surfaces on canvases, and binds each control to the window's handler, whose chain
// runs in the WebAssembly module (kestrel.js, kestrel.wasm).
'use strict';

(() => {
    // ---- Geometry ------------------------------------------------------------------------

    const TWIPS_PER_PIXEL = 15;

    // The nearest whole logical pixel of a length or position in twips.
    const twipsToPixels = (twips) =>
        Math.floor((2 * twips + TWIPS_PER_PIXEL) / (2 * TWIPS_PER_PIXEL));

    function placeByTwips(root) {
        for (const element of root.querySelectorAll('[data-twips]')) {
            const [left, top, width, height] = element.dataset.twips.split(' ').map(Number);
            element.style.left = `${twipsToPixels(left)}px`;
            element.style.top = `${twipsToPixels(top)}px`;
            element.style.width = `${twipsToPixels(width)}px`;
            element.style.height = `${twipsToPixels(height)}px`;
        }
    }

    // ---- The painter ---------------------------------------------------------------------

    // A colour of the model: 24-bit RGB with red in the low byte. The texts are kept: a picture
    // uses a few colours many times.
    const colourTexts = new Map();
    const cssColour = (colour) => {
        let text = colourTexts.get(colour);
        if (text === undefined) {
            text = `rgb(${colour & 0xff}, ${(colour >> 8) & 0xff}, ${(colour >> 16) & 0xff})`;
            colourTexts.set(colour, text);
        }
        return text;
    };

    // Maps a surface's user coordinates onto a device rectangle; both axes linear.
    class ScaleMap {
        constructor([x1, y1, x2, y2], left, top, width, height) {
            this.x1 = x1;
            this.y1 = y1;
            this.left = left;
            this.top = top;
            this.sx = x2 - x1 !== 0 ? width / (x2 - x1) : 1;
            this.sy = y2 - y1 !== 0 ? height / (y2 - y1) : 1;
        }
        x(userX) { return this.left + (userX - this.x1) * this.sx; }
        y(userY) { return this.top + (userY - this.y1) * this.sy; }
        // A horizontal user length in device units: circle radii are measured this way.
        horizontalLength(userLength) { return Math.abs(userLength * this.sx); }
    }

    const SANS = 'Arial, "Liberation Sans", "DejaVu Sans", sans-serif';
    // Small plain (8 points) and bold (9 points) sans-serif text, by the font's code.
    const TEXT_FONTS = [`10.667px ${SANS}`, `bold 12px ${SANS}`];
    const TEXT_ALIGN = ['left', 'center', 'right'];

    // The items of a recorded surface as the module packs them (kestrel_web.h): per item four
    // codes (kind, colour, how many numbers, style) and its numbers, both read in place from the
    // memory `record.heap` holds. The views are made for each painting: the module's memory may
    // have grown, and moved, since the record was made.
    function itemsOf(record) {
        const codes = record.codes >> 2;
        const numbers = record.numbers >> 2;
        return {
            codes: record.heap.HEAP32.subarray(codes, codes + 4 * record.itemCount),
            numbers: record.heap.HEAPF32.subarray(numbers, numbers + record.numberCount),
        };
    }

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

    // Draws the recorded items in order from item `first` on, as the desktop painter draws each
    // kind; a kind the page does not know is skipped. Lines and circles are one logical pixel
    // wide.
    function paintRecord(ctx, map, record, first) {
        const { codes, numbers } = itemsOf(record);
        let at = 0;
        let text = 0;
        for (let item = 0; item < 4 * first; item += 4) {
            at += codes[item + 2];
            text += codes[item] === 4 ? 1 : 0;
        }
        let fill = -1; // the fill colour last set, while only polygons follow one another
        for (let item = 4 * first; item < codes.length; item += 4) {
            const kind = codes[item];
            const colour = codes[item + 1];
            const count = codes[item + 2];
            const n = at;
            at += count;
            if (kind === 3) { // Polygon: filled, without an outline
                if (colour !== fill) {
                    ctx.fillStyle = cssColour(colour);
                    fill = colour;
                }
                ctx.beginPath();
                tracePoints(ctx, map, numbers, n, n + count);
                ctx.closePath();
                ctx.fill();
                continue;
            }
            fill = -1;
            switch (kind) {
            case 0: // Line
                ctx.lineWidth = 1;
                ctx.strokeStyle = cssColour(colour);
                ctx.beginPath();
                ctx.moveTo(map.x(numbers[n]), map.y(numbers[n + 1]));
                ctx.lineTo(map.x(numbers[n + 2]), map.y(numbers[n + 3]));
                ctx.stroke();
                break;
            case 1: // Circle
                ctx.lineWidth = 1;
                ctx.strokeStyle = cssColour(colour);
                ctx.beginPath();
                ctx.arc(map.x(numbers[n]), map.y(numbers[n + 1]),
                    map.horizontalLength(numbers[n + 2]), 0, 2 * Math.PI);
                ctx.stroke();
                break;
            case 2: // Polyline: its pen width, then its corners
                ctx.lineWidth = numbers[n];
                ctx.strokeStyle = cssColour(colour);
                ctx.beginPath();
                tracePoints(ctx, map, numbers, n + 1, n + count);
                ctx.stroke();
                break;
            case 4: // Text: aligned horizontally on its anchor, centred vertically on it
                ctx.font = TEXT_FONTS[codes[item + 3] >> 2];
                ctx.textAlign = TEXT_ALIGN[codes[item + 3] & 3];
                ctx.textBaseline = 'middle';
                ctx.fillStyle = cssColour(colour);
                ctx.fillText(record.texts[text++], map.x(numbers[n]), map.y(numbers[n + 1]));
                break;
            case 5: // Marker: a filled dot, its size the diameter in logical pixels
                ctx.fillStyle = cssColour(colour);
                ctx.beginPath();
                ctx.arc(map.x(numbers[n]), map.y(numbers[n + 1]), numbers[n + 2] / 2, 0,
                    2 * Math.PI);
                ctx.fill();
                break;
            default:
                break;
            }
        }
    }

    // The sunken 3-D border, one logical pixel per line: dark on the top and left, light on the
    // bottom and right, twice.
    function paintSunkenBorder(ctx, width, height) {
        const edge = (colour, inset, topLeft) => {
            const l = inset + 0.5;
            const t = inset + 0.5;
            const r = width - inset - 0.5;
            const b = height - inset - 0.5;
            ctx.strokeStyle = colour;
            ctx.beginPath();
            if (topLeft) {
                ctx.moveTo(l, b);
                ctx.lineTo(l, t);
                ctx.lineTo(r, t);
            } else {
                ctx.moveTo(r, t);
                ctx.lineTo(r, b);
                ctx.lineTo(l, b);
            }
            ctx.stroke();
        };
        ctx.lineWidth = 1;
        ctx.lineCap = 'butt';
        edge('rgb(128, 128, 128)', 0, true);
        edge('rgb(255, 255, 255)', 0, false);
        edge('rgb(64, 64, 64)', 1, true);
        edge('rgb(212, 208, 200)', 1, false);
    }

    // Sizes a canvas's pixels to a logical size at the screen's device-pixel ratio and returns
    // its context, drawing in logical pixels.
    function sizeCanvas(canvas, width, height) {
        const ratio = window.devicePixelRatio || 1;
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

    // Paints the recorded items of a surface, from item `first` on, with its user coordinates
    // stretched over the rectangle (left, top, width, height), clipped to it. The background is
    // not painted.
    function paintItems(ctx, surface, left, top, width, height, first = 0) {
        const map = new ScaleMap(surface.scale, left, top, width, height);
        ctx.save();
        ctx.beginPath();
        ctx.rect(left, top, width, height);
        ctx.clip();
        ctx.lineCap = 'round';
        ctx.lineJoin = 'round';
        paintRecord(ctx, map, surface, first);
        ctx.restore();
    }

    // Paints a recorded surface into its canvas at the screen's device-pixel ratio: background,
    // border, then the recorded items in order inside the border.
    function paintSurface(canvas, surface, border) {
        const { width, height } = surface;
        const ctx = sizeCanvas(canvas, width, height);
        ctx.fillStyle = cssColour(surface.background);
        ctx.fillRect(0, 0, width, height);
        paintSunkenBorder(ctx, width, height);
        paintItems(ctx, surface, border, border, width - 2 * border, height - 2 * border);
    }

    // ---- The window ----------------------------------------------------------------------

    const byId = (id) => document.getElementById(id);

    const LABEL_CLASSES = { tick: 'tick', 'axis title': 'axis-title', greek: 'greek' };

    // The decimal separator of the browser's language, as the desktop window uses its locale's.
    function decimalSeparator() {
        const part = new Intl.NumberFormat().formatToParts(1.5).find((p) => p.type === 'decimal');
        return part ? part.value : '.';
    }

    // The scroll bar's actions for keys, as the desktop window's scroll bars take them.
    function keyAction(key) {
        switch (key) {
        case 'ArrowRight':
        case 'ArrowDown':
            return (d, v) => v + d.smallChange;
        case 'ArrowLeft':
        case 'ArrowUp':
            return (d, v) => v - d.smallChange;
        case 'PageDown':
            return (d, v) => v + d.largeChange;
        case 'PageUp':
            return (d, v) => v - d.largeChange;
        case 'Home':
            return (d) => d.minimum;
        case 'End':
            return (d) => d.maximum;
        default:
            return null;
        }
    }

    // Width of the range input's thumb in pixels: a press beside it is a click in the track.
    const THUMB_WIDTH = 14;

    class Window {
        constructor(module) {
            this.module = module;
            this.api = {
                setPosition: module.cwrap('kestrel_set_position', 'number', ['number', 'number']),
                setMachText: module.cwrap('kestrel_set_mach_text', null, ['string']),
                setSeparator: module.cwrap('kestrel_set_separator', null, ['string']),
                run: module.cwrap('kestrel_run', 'string', ['number']),
                surface: module.cwrap('kestrel_surface', 'string', ['number']),
            };
            this.definitions = JSON.parse(module.cwrap('kestrel_window', 'string', [])());
            this.handlers = new Map(this.definitions.handlers.map((h, i) => [h.name, i]));
            this.surfaceIndex = new Map(this.definitions.surfaces.map((s, i) => [s.name, i]));
            this.surfaces = new Map();
            this.timings = [];
            this.study = new Study(module);
            this.api.setSeparator(decimalSeparator());
        }

        build() {
            placeByTwips(document);
            this.addPlotLabels();
            this.bindScrollBars();
            this.bindPlots();
            this.bindAbout();
            this.study.build();
            for (const name of this.surfaceIndex.keys()) {
                this.paint(name);
            }
            const ratio = () => matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`);
            const repaintOnRatioChange = () => {
                ratio().addEventListener('change', () => {
                    this.repaintAll();
                    repaintOnRatioChange();
                }, { once: true });
            };
            repaintOnRatioChange();
        }

        addPlotLabels() {
            const border = this.definitions.border;
            for (const l of this.definitions.labels) {
                const label = document.createElement('span');
                label.id = l.name;
                label.className = `label ${LABEL_CLASSES[l.font]}`;
                label.textContent = l.text;
                const [left, top, width, height] = l.box;
                Object.assign(label.style, {
                    left: `${left + border}px`,
                    top: `${top + border}px`,
                    width: `${width}px`,
                    height: `${height}px`,
                });
                byId(`plot-${l.surface}`).append(label);
            }
        }

        bindScrollBars() {
            for (const d of this.definitions.inputs) {
                const bar = byId(d.scrollBar);
                const box = byId(d.valueBox);
                Object.assign(bar, { min: d.minimum, max: d.maximum, step: 1 });
                bar.value = d.start;
                bar.setAttribute('aria-label', `${d.quantity} (${d.unit})`);
                box.setAttribute('aria-label', d.quantity);
                let notified = d.start;
                // One notification per completed change: none while the thumb is dragged.
                const moveTo = (position) => {
                    const p = Math.min(d.maximum, Math.max(d.minimum, position));
                    bar.value = p;
                    if (p !== notified) {
                        notified = p;
                        this.runHandler(`${d.scrollBar}_Change`);
                    }
                };
                bar.addEventListener('change', () => moveTo(Number(bar.value)));
                bar.addEventListener('keydown', (event) => {
                    const action = keyAction(event.key);
                    if (action) {
                        event.preventDefault();
                        moveTo(action(d, Number(bar.value)));
                    }
                });
                bar.addEventListener('wheel', (event) => {
                    const delta = Math.abs(event.deltaY) >= Math.abs(event.deltaX)
                        ? event.deltaY : event.deltaX;
                    if (delta !== 0) {
                        event.preventDefault();
                        moveTo(Number(bar.value) + Math.sign(delta) * d.smallChange);
                    }
                }, { passive: false });
                // A press in the track beside the thumb moves by the large change towards it.
                bar.addEventListener('pointerdown', (event) => {
                    const rect = bar.getBoundingClientRect();
                    const fraction = (Number(bar.value) - d.minimum) / (d.maximum - d.minimum);
                    const thumb = rect.left + THUMB_WIDTH / 2 + fraction * (rect.width - THUMB_WIDTH);
                    const offset = event.clientX - thumb;
                    if (Math.abs(offset) > THUMB_WIDTH / 2) {
                        event.preventDefault();
                        bar.focus();
                        moveTo(Number(bar.value) + Math.sign(offset) * d.largeChange);
                    }
                });
            }
        }

        bindPlots() {
            for (const name of this.surfaceIndex.keys()) {
                const canvas = byId(name);
                canvas.addEventListener('click', (event) => {
                    if (event.button === 0) {
                        this.runHandler(`${name}_Click`);
                    }
                });
                // The plots take the focus; as buttons they answer Enter and Space like a click.
                canvas.addEventListener('keydown', (event) => {
                    if (event.key === 'Enter' || event.key === ' ') {
                        event.preventDefault();
                        this.runHandler(`${name}_Click`);
                    }
                });
            }
        }

        bindAbout() {
            byId('Mn_About').addEventListener('click', () => this.runHandler('Mn_About_Click'));
            const about = byId('Form_About');
            placeByTwips(about);
            about.querySelector('.close').addEventListener('click', () => { about.hidden = true; });
        }

        openAbout() {
            const about = byId('Form_About');
            about.hidden = false;
            about.querySelector('.close').focus();
        }

        showMessage(text) {
            byId('message-text').textContent = text;
            byId('message').showModal();
        }

        // Runs the handler's chain in the module with the controls as they stand, then writes
        // the boxes and repaints the surfaces it changed.
        runHandler(name) {
            const start = performance.now();
            for (const [i, d] of this.definitions.inputs.entries()) {
                this.api.setPosition(i, Number(byId(d.scrollBar).value));
            }
            this.api.setMachText(byId('Text_Moo').value);
            const result = JSON.parse(this.api.run(this.handlers.get(name)));
            for (const b of result.boxes) {
                byId(b.box).value = b.text;
            }
            for (const surface of result.redrawn) {
                this.paint(surface);
            }
            const painted = performance.now();
            if (!result.openAbout) {
                this.study.follow();
            }
            const end = performance.now();
            const study = this.study.isOpen() ? ['flow', 'compressibility'][this.study.current()]
                : null;
            this.timings.push({ handler: name, ms: painted - start, study,
                studyMs: end - painted, total: end - start });
            if (result.openAbout) {
                this.openAbout();
            }
            if (result.tableMiss) {
                this.showMessage('bu profil veritabanında yok');
            }
            if (result.error) {
                this.showMessage(`An error stopped this update: ${result.error}`);
            }
        }

        paint(name) {
            const surface = JSON.parse(this.api.surface(this.surfaceIndex.get(name)));
            surface.heap = this.module;
            this.surfaces.set(name, surface);
            paintSurface(byId(name), surface, this.definitions.border);
        }

        repaintAll() {
            for (const [name, surface] of this.surfaces) {
                paintSurface(byId(name), surface, this.definitions.border);
            }
            this.study.follow(); // nothing new to compute: repainted at the new ratio
        }
    }


    // ---- The study views -----------------------------------------------------------------

    const FLOW_PARTS = { left: 0, right: 1, legend: 2 };
    const MAPPING_STEPS = 100;
    const FRAME_COLOUR = 'rgb(96, 96, 96)';
    const WHITE = 'rgb(255, 255, 255)';

    // The study panel: the Flow and Compressibility tabs of the current state. They follow every
    // chain of the window, redrawing the tab that is shown at once and the other when it is
    // shown; nothing here changes the window's plots.
    class Study {
        constructor(module) {
            const text = (name, args) => module.cwrap(name, 'string', args.map(() => 'number'));
            this.api = {
                picture: text('kestrel_flow_picture', []),
                part: text('kestrel_flow_surface', [0, 0, 0, 0, 0]),
                probe: text('kestrel_flow_probe', [0, 0, 0, 0, 0]),
                particles: text('kestrel_flow_particles', [0, 0, 0, 0]),
                compressibility: text('kestrel_study_compressibility', []),
            };
            this.panel = byId('studyPanel');
            this.button = byId('studyButton');
            this.tabs = [byId('flowTabButton'), byId('compressibilityTabButton')];
            this.view = byId('flowView');
            this.slider = byId('mappingSlider');
            this.particlesSwitch = byId('particlesSwitch');
            this.probe = byId('probeReading');
            this.hint = this.probe.textContent;
            this.chart = byId('compressibilityChart');
            this.module = module;
            // What is stale: the state (after a chain), each tab's drawing.
            this.flowStale = true;
            this.compressibilityStale = true;
            this.picture = null;  // {picture, chordsPerSecond, particleSize, particleRing}
            this.parts = {};      // recorded planes of the flow picture for this.size
            this.size = null;
            this.background = document.createElement('canvas');
            // The legend never changes: painted once per size and device-pixel ratio.
            this.legend = { canvas: document.createElement('canvas'), key: null, box: null };
            // Where the time of each Flow redraw went: picture built, planes recorded, painted.
            this.flowTimings = [];
            this.redraws = { flow: 0, compressibility: 0 };
            // The particle animation: its clock, frames so far, and the request in flight.
            this.frames = 0;
            this.elapsedBefore = 0;
            this.clockStart = null;
            this.frameRequest = null;
        }

        build() {
            this.button.addEventListener('click', () => (this.isOpen() ? this.close() : this.open()));
            this.panel.querySelector('.close').addEventListener('click', () => this.close());
            this.tabs.forEach((tab, i) => {
                tab.addEventListener('click', () => this.select(i));
                tab.addEventListener('keydown', (event) => {
                    const next = { ArrowRight: i + 1, ArrowLeft: i - 1, Home: 0,
                        End: this.tabs.length - 1 }[event.key];
                    if (next !== undefined) {
                        event.preventDefault();
                        const j = (next + this.tabs.length) % this.tabs.length;
                        this.select(j);
                        this.tabs[j].focus();
                    } else if (event.key === 'Enter' || event.key === ' ') {
                        event.preventDefault();
                        this.select(i);
                    }
                });
            });
            this.slider.addEventListener('input', () => {
                delete this.parts.left;
                this.paintFlow();
            });
            this.particlesSwitch.addEventListener('change', () => this.updateAnimation());
            this.view.addEventListener('mousemove', (event) => {
                const r = this.view.getBoundingClientRect();
                this.probe.textContent = this.probeAt(event.clientX - r.left, event.clientY - r.top);
            });
            this.view.addEventListener('mouseleave', () => { this.probe.textContent = this.hint; });
            document.addEventListener('visibilitychange', () => this.updateAnimation());
            new ResizeObserver(() => {
                if (this.isOpen() && this.current() === 0) {
                    this.paintFlow();
                }
            }).observe(this.view);
        }

        isOpen() { return !this.panel.hidden; }
        current() { return this.tabs.findIndex((t) => t.getAttribute('aria-selected') === 'true'); }
        stage() { return Number(this.slider.value) / MAPPING_STEPS; }

        open() {
            this.panel.hidden = false;
            this.button.setAttribute('aria-expanded', 'true');
            this.redrawCurrent();
            this.updateAnimation();
            this.tabs[this.current()].focus({ preventScroll: true });
            this.panel.scrollIntoView({ block: 'nearest' });
        }

        close() {
            this.panel.hidden = true;
            this.button.setAttribute('aria-expanded', 'false');
            this.updateAnimation();
            this.button.focus();
        }

        select(index) {
            this.tabs.forEach((tab, i) => {
                tab.setAttribute('aria-selected', String(i === index));
                tab.tabIndex = i === index ? 0 : -1;
                byId(tab.getAttribute('aria-controls')).hidden = i !== index;
            });
            this.redrawCurrent();
            this.updateAnimation();
        }

        // A chain of the window has ended.
        follow() {
            this.flowStale = true;
            this.compressibilityStale = true;
            if (this.isOpen()) {
                this.redrawCurrent();
            }
        }

        redrawCurrent() {
            if (this.current() === 0 && this.flowStale) {
                this.flowStale = false;
                const start = performance.now();
                this.picture = JSON.parse(this.api.picture());
                this.parts = {};
                const built = performance.now();
                this.paintFlow();
                this.flowTimings.push({ build: built - start, ...this.lastPaint });
                this.redraws.flow++;
            } else if (this.current() === 1 && this.compressibilityStale) {
                this.compressibilityStale = false;
                this.paintCompressibility();
                this.redraws.compressibility++;
            }
        }

        // ---- Flow ----

        viewSize() {
            return { width: Math.floor(this.view.clientWidth),
                height: Math.floor(this.view.clientHeight) };
        }

        record(name) {
            const { width, height } = this.size;
            const record = JSON.parse(this.api.part(FLOW_PARTS[name], this.stage(), width, height,
                window.devicePixelRatio || 1));
            record.heap = this.module;
            return record;
        }

        // Puts a part's shading (its leading polygons, painted by the module at the device's
        // pixels) at its box, then paints its other items over it. The context draws in logical
        // pixels at the device-pixel ratio the part was recorded for.
        static paintPart(ctx, part, left, top) {
            const { shading, box: [, , w, h] } = part;
            if (shading.width > 0 && shading.height > 0) {
                const ratio = window.devicePixelRatio || 1;
                const pixels = new Uint8ClampedArray(part.heap.HEAPU8.buffer, shading.pixels,
                    4 * shading.width * shading.height);
                ctx.putImageData(new ImageData(pixels, shading.width, shading.height),
                    Math.round(left * ratio), Math.round(top * ratio));
            }
            paintItems(ctx, part, left, top, w, h, shading.items);
        }

        part(name) {
            if (!this.parts[name]) {
                this.parts[name] = this.record(name);
            }
            return this.parts[name];
        }

        // Paints the legend from its cached picture, made when the size or ratio is new.
        paintLegend(ctx) {
            const ratio = window.devicePixelRatio || 1;
            const key = `${this.size.width} ${this.size.height} ${ratio}`;
            const { legend } = this;
            if (legend.key !== key) {
                const record = this.record('legend');
                const [, , w, h] = record.box;
                Study.paintPart(sizeCanvas(legend.canvas, w, h), record, 0, 0);
                legend.key = key;
                legend.box = record.box;
            }
            const [left, top] = legend.box;
            ctx.save();
            ctx.setTransform(1, 0, 0, 1, 0, 0);
            ctx.drawImage(legend.canvas, Math.round(left * ratio), Math.round(top * ratio));
            ctx.restore();
        }

        // Paints the flow picture into the cached background as the desktop paints it: white
        // ground, each plane in its box and framed, the legend; then shows it.
        paintFlow() {
            if (!this.picture) {
                return;
            }
            const size = this.viewSize();
            if (size.width <= 0 || size.height <= 0) {
                return; // not laid out: hidden
            }
            if (!this.size || size.width !== this.size.width || size.height !== this.size.height) {
                this.size = size;
                this.parts = {};
            }
            const { width, height } = size;
            const start = performance.now();
            const planes = this.picture.picture ? ['left', 'right'].map((name) => this.part(name))
                : [];
            const recorded = performance.now();
            const ctx = sizeCanvas(this.background, width, height);
            ctx.fillStyle = WHITE;
            ctx.fillRect(0, 0, width, height);
            for (const p of planes) {
                const [left, top, w, h] = p.box;
                Study.paintPart(ctx, p, left, top);
                ctx.strokeStyle = FRAME_COLOUR;
                ctx.lineWidth = 1;
                ctx.strokeRect(left + 0.5, top + 0.5, w - 1, h - 1);
            }
            if (this.picture.picture) {
                this.paintLegend(ctx);
            }
            this.showFlow();
            this.lastPaint = { record: recorded - start, paint: performance.now() - recorded };
        }

        // The cached picture, and the particles over it while they run.
        showFlow() {
            if (!this.size || this.background.width === 0) {
                return;
            }
            const { width, height } = this.size;
            const ctx = sizeCanvas(this.view, width, height);
            ctx.save();
            ctx.setTransform(1, 0, 0, 1, 0, 0);
            ctx.drawImage(this.background, 0, 0);
            ctx.restore();
            if (this.particlesSwitch.checked && this.picture.picture) {
                const seconds = this.elapsedBefore +
                    (this.clockStart === null ? 0 : (performance.now() - this.clockStart) / 1000);
                const { points } = JSON.parse(this.api.particles(
                    seconds * this.picture.chordsPerSecond, this.stage(), width, height));
                const radius = this.picture.particleSize / 2;
                ctx.fillStyle = WHITE;
                ctx.strokeStyle = cssColour(this.picture.particleRing);
                ctx.lineWidth = 1;
                for (let i = 0; i + 1 < points.length; i += 2) {
                    ctx.beginPath();
                    ctx.arc(points[i], points[i + 1], radius, 0, 2 * Math.PI);
                    ctx.fill();
                    ctx.stroke();
                }
            }
        }

        probeAt(x, y) {
            if (!this.picture || !this.size) {
                return this.hint;
            }
            const { width, height } = this.size;
            return JSON.parse(this.api.probe(x, y, this.stage(), width, height)).text;
        }

        // Particles run while they are switched on and can be seen: the panel open, the Flow tab
        // shown, the page not hidden.
        updateAnimation() {
            const run = this.particlesSwitch.checked && this.isOpen() && this.current() === 0 &&
                document.visibilityState === 'visible';
            if (run && this.frameRequest === null) {
                this.clockStart = performance.now();
                const frame = () => {
                    this.frames++;
                    this.showFlow();
                    this.frameRequest = requestAnimationFrame(frame);
                };
                this.frameRequest = requestAnimationFrame(frame);
            } else if (!run && this.frameRequest !== null) {
                cancelAnimationFrame(this.frameRequest);
                this.frameRequest = null;
                this.elapsedBefore += (performance.now() - this.clockStart) / 1000;
                this.clockStart = null;
            }
            if (this.isOpen() && this.current() === 0 && this.size && !run) {
                this.showFlow();
            }
        }

        // ---- Compressibility ----

        paintCompressibility() {
            const answer = JSON.parse(this.api.compressibility());
            answer.chart.heap = this.module;
            const width = Math.floor(this.chart.clientWidth);
            const height = Math.floor(this.chart.clientHeight);
            const ctx = sizeCanvas(this.chart, width, height);
            ctx.fillStyle = cssColour(answer.chart.background);
            ctx.fillRect(0, 0, width, height);
            paintItems(ctx, answer.chart, 0, 0, width, height);

            const tips = [...byId('ruleTable').querySelectorAll('thead th')].map((th) => th.title);
            const body = byId('ruleTable').tBodies[0];
            body.replaceChildren(...answer.rows.map((name, r) => {
                const row = document.createElement('tr');
                const header = document.createElement('th');
                header.scope = 'row';
                header.textContent = name;
                row.append(header);
                answer.cells[r].forEach((cell, c) => {
                    const td = document.createElement('td');
                    td.textContent = cell;
                    td.title = tips[c];
                    row.append(td);
                });
                return row;
            }));
            byId('sonicWarning').textContent = answer.warning;
        }
    }

    const status = byId('status');
    createKestrel().then((module) => {
        const window_ = new Window(module);
        window_.build();
        status.hidden = true;
        byId('profil').focus();
        window.kestrel = window_;
        window.kestrelPaintSurface = paintSurface;
        performance.mark('kestrel-ready');
        document.documentElement.dataset.ready = 'true';
    }, (error) => {
        status.textContent = `Kestrel could not start: ${error}`;
    });
})();
