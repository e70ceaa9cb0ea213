// <cellora-life>: the Cellora Game of Life control as a custom element for the
// pages a PLC serves. The board and its picture are the control's own code,
// compiled to WebAssembly (cellora-life.wasm beside this script); this script
// only loads it, keeps the timer and moves the pixels into a canvas.
// A classic script on purpose: browsers refuse module scripts from file:.
(function () {
  'use strict';
  if (customElements.get('cellora-life')) return;

  const here = (document.currentScript && document.currentScript.src) || document.baseURI;
  const wasmUrl = new URL('cellora-life.wasm', here).href;
  // The same module as text, for pages opened from disk, where fetch cannot read files.
  const fallbackUrl = new URL('cellora-life-wasm.js', here).href;
  const kDefaultSpeed = 100;
  // Browsers run a longer delay at once instead of waiting; longer waits go in steps.
  const kLongestDelay = 0x7fffffff;

  let loading = null;

  function viaScript() {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = fallbackUrl;
      script.onload = () => {
        const text = self.celloraLifeWasm;
        if (typeof text !== 'string') return reject(new Error(fallbackUrl + ' holds no module'));
        const binary = atob(text);
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
        resolve(bytes);
      };
      script.onerror = () => reject(new Error('cannot load ' + wasmUrl + ' or ' + fallbackUrl));
      document.head.appendChild(script);
    });
  }

  function fetchBytes() {
    if (new URL(wasmUrl).protocol === 'file:') return viaScript();
    // Any content type will do: a PLC's web server may not know application/wasm.
    return fetch(wasmUrl)
      .then((response) => {
        if (!response.ok) throw new Error(wasmUrl + ': ' + response.status);
        return response.arrayBuffer();
      })
      .catch(viaScript);
  }

  // Every import the module asks for gets a stand-in: the board code needs no
  // system, only the C library's exit (an abort), which becomes an exception.
  function importsFor(module) {
    const imports = {};
    for (const wanted of WebAssembly.Module.imports(module)) {
      if (wanted.kind !== 'function') continue;
      const name = wanted.module + '.' + wanted.name;
      (imports[wanted.module] = imports[wanted.module] || {})[wanted.name] =
        wanted.name === 'emscripten_notify_memory_growth'
          ? () => {}
          : () => {
              throw new Error('the board module stopped in ' + name);
            };
    }
    return imports;
  }

  function loadModule() {
    if (!loading) {
      loading = fetchBytes()
        .then((bytes) => WebAssembly.compile(bytes))
        .then((module) => WebAssembly.instantiate(module, importsFor(module)))
        .then((instance) => {
          const api = instance.exports;
          if (api._initialize) api._initialize();
          return api;
        });
    }
    return loading;
  }

  // The Speed property is a 16-bit signed number of milliseconds.
  function toSpeed(value) {
    const text = String(value).trim();
    const n = typeof value === 'number' ? value : Number(text);
    return text !== '' && Number.isInteger(n) && n >= -32768 && n <= 32767 ? n : null;
  }

  const boards = new FinalizationRegistry((held) => held.api.cellora_board_free(held.board));

  class CelloraLife extends HTMLElement {
    static get observedAttributes() {
      return ['speed', 'running'];
    }

    constructor() {
      super();
      this._api = null;
      this._board = 0;
      this._speed = kDefaultSpeed;
      this._running = false;
      this._timer = null;
      const root = this.attachShadow({ mode: 'open' });
      root.innerHTML =
        '<style>:host{display:inline-block;line-height:0}' +
        'canvas{image-rendering:pixelated}p{line-height:normal;margin:0}</style>' +
        '<canvas width="320" height="235"></canvas>';
      this._canvas = root.querySelector('canvas');
      this._canvas.addEventListener('mousedown', (event) => this._press(event));
      this._canvas.addEventListener('contextmenu', (event) => event.preventDefault());
      this.ready = loadModule().then((api) => this._attach(api));
      this.ready.catch((error) => this._showError(error));
    }

    get speed() {
      return this._speed;
    }

    set speed(value) {
      if (toSpeed(value) === null)
        throw new RangeError('speed must be a whole number of milliseconds from -32768 to 32767');
      this.setAttribute('speed', String(toSpeed(value)));
    }

    get running() {
      return this._running;
    }

    get generation() {
      return this._api ? this._api.cellora_board_generation(this._board) : 0;
    }

    start() {
      if (this._running) return;
      this._running = true;
      this.setAttribute('running', '');
      this._arm();
    }

    stop() {
      if (!this._running) return;
      this._disarm();
      this._running = false;
      this.removeAttribute('running');
    }

    attributeChangedCallback(name, oldValue, value) {
      if (name === 'running') {
        if (value === null) this.stop();
        else this.start();
        return;
      }
      const speed = value === null ? kDefaultSpeed : toSpeed(value);
      if (speed === null) {
        console.warn('cellora-life: speed "' + value + '" left at ' + this._speed);
        return;
      }
      this._speed = speed;
      // A new speed starts the timer over, as the control does.
      if (this._timer !== null) {
        this._disarm();
        this._arm();
      }
    }

    connectedCallback() {
      this._arm();
    }

    // Ticks need a page to show them in, as the control's timer needs its window.
    disconnectedCallback() {
      this._disarm();
    }

    _attach(api) {
      this._api = api;
      this._board = api.cellora_board_new();
      boards.register(this, { api: api, board: this._board });
      this._canvas.width = api.cellora_picture_width(this._board);
      this._canvas.height = api.cellora_picture_height(this._board);
      this._paint();
      this._arm();
    }

    _showError(error) {
      const message = document.createElement('p');
      message.textContent = 'Cellora cannot start: ' + error.message;
      this.shadowRoot.replaceChildren(message);
      this.dispatchEvent(new CustomEvent('error', { detail: { message: error.message } }));
    }

    _arm() {
      if (!this._running || !this._api || !this.isConnected || this._timer !== null) return;
      // Widened with its sign as the platform's timer takes it: -1 is 4294967295 ms.
      const interval = this._speed < 0 ? this._speed + 0x100000000 : this._speed;
      if (interval <= kLongestDelay) this._timer = setInterval(() => this._tick(), interval);
      else this._wait(interval, interval);
    }

    _wait(interval, left) {
      const step = Math.min(left, kLongestDelay);
      const id = setTimeout(() => {
        if (left === step) this._tick();
        // Unless a listener stopped the board or started it over.
        if (this._timer === id) this._wait(interval, left === step ? interval : left - step);
      }, step);
      this._timer = id;
    }

    _disarm() {
      if (this._timer !== null) clearTimeout(this._timer);
      this._timer = null;
    }

    _tick() {
      this._api.cellora_board_next(this._board);
      this._paint();
      this.dispatchEvent(new CustomEvent('generation', { detail: { generation: this.generation } }));
    }

    _paint() {
      const api = this._api;
      const width = this._canvas.width;
      const height = this._canvas.height;
      const at = api.cellora_board_paint(this._board);
      const pixels = new Uint8ClampedArray(api.memory.buffer, at, width * height * 4);
      this._canvas.getContext('2d').putImageData(new ImageData(pixels, width, height), 0, 0);
    }

    _press(event) {
      if (event.button === 2) return this.start();
      if (event.button !== 0 || !this._api) return;
      // Pixels of the picture, also where a style scales the canvas.
      const box = this._canvas.getBoundingClientRect();
      const x = Math.floor(((event.clientX - box.left) * this._canvas.width) / box.width);
      const y = Math.floor(((event.clientY - box.top) * this._canvas.height) / box.height);
      this._api.cellora_board_press(this._board, x, y);
      this._paint();
    }
  }

  customElements.define('cellora-life', CelloraLife);
})();
