// A page opened from disk: browsers read no file there by fetch, so the
// element takes the module from its script form, and the board runs all the same.
'use strict';

const h = require('./harness');
const path = require('path');
const { pathToFileURL } = require('url');

let dir;

const cases = {
  'the board runs in a page opened from disk': async (browser) => {
    const page = await h.openPage(browser, pathToFileURL(path.join(dir, 'one.html')).href);
    h.check(page.url().startsWith('file:'), 'not opened from disk: ' + page.url());
    h.expectSamePicture(await h.canvasPicture(page, '#life'), h.nativePicture([]), 'generation 0');
    await h.runTo(page, '#life', 5);
    h.expectSamePicture(await h.canvasPicture(page, '#life'), h.nativePicture(['--generations', '5']), 'generation 5');
  },
  'without the module the element says why it cannot start': async (browser) => {
    const page = await browser.newPage();
    await page.goto(pathToFileURL(path.join(dir, 'missing', 'one.html')).href);
    const text = await page.$eval('#life', (e) => e.ready.then(() => 'started', () => e.shadowRoot.textContent));
    h.check(/^Cellora cannot start: cannot load .*cellora-life\.wasm/.test(text), 'the element shows: ' + text);
  },
};

(async () => {
  dir = h.siteWithElement(['one.html']);
  // The page and its script without the module beside them.
  const missing = path.join(dir, 'missing');
  require('fs').mkdirSync(missing);
  for (const name of ['one.html', 'cellora-life.js']) require('fs').copyFileSync(path.join(dir, name), path.join(missing, name));
  await h.run(cases);
})();
