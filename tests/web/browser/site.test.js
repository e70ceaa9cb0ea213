// End to end: the example site with the element is packed by lumafold-gen,
// its files are taken back out of the AWL source by lumafold-gen --extract,
// served over HTTP and opened in the browser, where the board runs. A
// screenshot of the page is kept.
'use strict';

const h = require('./harness');
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

let site;
let root;

const cases = {
  'the packed site holds the element\'s files as they are': async () => {
    const examples = h.env('CELLORA_EXAMPLES');
    for (const name of ['life.htm', 'cellora-life.js', 'cellora-life.wasm', 'cellora-life-wasm.js']) {
      const extracted = path.join(root, name);
      h.check(fs.existsSync(extracted), name + ' is not packed');
      h.check(fs.readFileSync(extracted).equals(fs.readFileSync(path.join(examples, 'site', name))),
              name + ' is not packed as it is');
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
  // The PLC finds files by name: they come out side by side.
  root = path.join(work, 'site');
  execFileSync(h.env('LUMAFOLD_GEN'), ['--extract', awl, '-d', root]);
  site = await h.serve(root);
  await h.run(cases);
})();
