// End to end: the example site with the element is packed by lumafold-gen,
// its files are read back out of the AWL source, served over HTTP and opened in
// the browser, where the board runs. A screenshot of the page is kept.
'use strict';

const h = require('./harness');
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

// The files of an AWL source: the index block's names and lengths, the bytes
// from the DW and B initialisers of each content block.
function filesOfAwl(text) {
  const entries = new Map();
  const entry = /files\[(\d+)\]\.(filename|filelen|dbno)\s*:=\s*(?:'((?:[^'$]|\$.)*)'|L#(\d+)|(\d+));/g;
  for (const m of text.matchAll(entry)) {
    const e = entries.get(m[1]) || {};
    if (m[2] === 'filename') e.name = m[3].replace(/\$(.)/g, '$1');
    else if (m[2] === 'filelen') e.length = Number(m[4]);
    else e.db = Number(m[5]);
    entries.set(m[1], e);
  }
  const blocks = new Map();
  const block = /DATA_BLOCK DB (\d+)\r\n([\s\S]*?)END_DATA_BLOCK/g;
  for (const m of text.matchAll(block)) {
    const bytes = [];
    for (const line of m[2].matchAll(/^ {2}(DW|B)\[\d+\] := (?:DW|B)#16#([0-9A-F]+);/gm)) {
      const digits = line[1] === 'DW' ? line[2] : line[2].padStart(2, '0');
      for (let i = 0; i < digits.length; i += 2) bytes.push(parseInt(digits.slice(i, i + 2), 16));
    }
    blocks.set(Number(m[1]), Buffer.from(bytes));
  }
  return [...entries.values()].map((e) => {
    const bytes = blocks.get(e.db);
    h.check(bytes && bytes.length === e.length, `${e.name}: block DB ${e.db} does not hold ${e.length} bytes`);
    return { name: e.name, bytes };
  });
}

let site;
let packed;

const cases = {
  'the packed site holds the element\'s files as they are': async () => {
    const examples = h.env('CELLORA_EXAMPLES');
    for (const name of ['life.htm', 'cellora-life.js', 'cellora-life.wasm', 'cellora-life-wasm.js']) {
      const file = packed.find((f) => f.name === name);
      h.check(file, name + ' is not packed');
      h.check(file.bytes.equals(fs.readFileSync(path.join(examples, 'site', name))), name + ' is not packed as it is');
    }
  },
  'the page served from the extracted files runs the board': async (browser) => {
    const page = await h.openPage(browser, site.url + 'life.htm');
    await page.$eval('#life', (e) => new Promise((resolve) => {
      e.addEventListener('generation', function listener(event) {
        if (event.detail.generation < 3) return;
        e.removeEventListener('generation', listener);
        resolve();
      });
    }));
    await page.$eval('#life', (e) => e.stop());
    const generation = await page.$eval('#life', (e) => e.generation);
    h.check(generation >= 3, 'the board did not run');
    const shown = await page.$eval('#shown', (e) => e.textContent);
    h.check(shown === 'Generation ' + generation, 'the page shows "' + shown + '"');
    h.expectSamePicture(await h.canvasPicture(page, '#life'), h.nativePicture(['--generations', String(generation)]),
                        'generation ' + generation);
    const dir = h.env('CELLORA_SCREENSHOT_DIR');
    fs.mkdirSync(dir, { recursive: true });
    await page.setViewport({ width: 520, height: 440 });
    await page.screenshot({ path: path.join(dir, 'life-page.png') });
    h.check(page.errors.length === 0, 'page errors: ' + page.errors.join('; '));
  },
};

(async () => {
  const work = h.tempDir('packed');
  const awl = path.join(work, 'site.AWL');
  execFileSync(h.env('LUMAFOLD_GEN'), [path.join(h.env('CELLORA_EXAMPLES'), 'site.F2D'), '-o', awl]);
  packed = filesOfAwl(fs.readFileSync(awl, 'latin1'));
  // The PLC finds files by name: they come out side by side.
  const root = path.join(work, 'site');
  fs.mkdirSync(root);
  for (const file of packed) fs.writeFileSync(path.join(root, file.name), file.bytes);
  site = await h.serve(root);
  await h.run(cases);
})();
