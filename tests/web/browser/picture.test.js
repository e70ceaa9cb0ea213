// The element's canvas against the pictures of the native build: the board
// drawn by lifectl's drawing code and the Linux control painting its window
// (and the Windows control's, where a tool for it is given), pixel for pixel.
'use strict';

const h = require('./harness');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

// The native screens; CELLORA_WINDOWS_PICTURE names a program that takes the
// same steps and writes the Windows control's picture (under Wine).
function screens(steps) {
  const list = [
    ['the board drawn natively', () => h.nativePicture(steps)],
    ['the Linux control', () => h.nativePicture(['--control', ...steps])],
  ];
  const windows = process.env.CELLORA_WINDOWS_PICTURE;
  if (windows) {
    list.push(['the Windows control', () => {
      const file = path.join(h.tempDir('windows'), 'picture.ppm');
      execFileSync(windows, [...steps, '-o', file]);
      return h.rgbaOfPpm(fs.readFileSync(file));
    }]);
  }
  return list;
}

function expectAllScreens(actual, steps, what) {
  for (const [screen, picture] of screens(steps)) h.expectSamePicture(actual, picture(), what + ' against ' + screen);
}

let site;

async function onePage(browser) {
  return h.openPage(browser, site.url + 'one.html');
}

async function press(page, x, y, button = 'left') {
  const box = await (await page.$('#life')).boundingBox();
  await page.mouse.click(box.x + x, box.y + y, { button });
}

const cases = {
  'generation 0 and 37 are the native pictures': async (browser) => {
    const page = await onePage(browser);
    expectAllScreens(await h.canvasPicture(page, '#life'), [], 'generation 0');
    h.check((await h.runTo(page, '#life', 37)) === 37, 'the run did not stop at generation 37');
    expectAllScreens(await h.canvasPicture(page, '#life'), ['--generations', '37'], 'generation 37');
    h.check(page.errors.length === 0, 'page errors: ' + page.errors.join('; '));
  },
  'a left press at (17, 99) flips cell (2, 12), a second flips it back': async (browser) => {
    const page = await onePage(browser);
    await press(page, 17, 99);
    expectAllScreens(await h.canvasPicture(page, '#life'), ['--press', '17,99'], 'after one press');
    await press(page, 17, 99);
    expectAllScreens(await h.canvasPicture(page, '#life'), [], 'after two presses');
    h.check((await page.$eval('#life', (e) => e.generation)) === 0, 'a press changed the generation');
  },
  'a flipped cell takes part in the next generations': async (browser) => {
    const page = await onePage(browser);
    await press(page, 17, 99);
    await h.runTo(page, '#life', 37);
    expectAllScreens(await h.canvasPicture(page, '#life'), ['--press', '17,99', '--generations', '37'], 'press then 37');
  },
  'a press in the status strip flips nothing': async (browser) => {
    const page = await onePage(browser);
    await press(page, 100, 210);
    await press(page, 319, 200);
    expectAllScreens(await h.canvasPicture(page, '#life'), [], 'after presses in the strip');
  },
  'a right press starts the run': async (browser) => {
    const page = await onePage(browser);
    const started = page.$eval('#life', (e) => new Promise((resolve) => e.addEventListener('generation', resolve)));
    await press(page, 100, 100, 'right');
    await started;
    const state = await page.$eval('#life', (e) => [e.running, e.hasAttribute('running')]);
    h.check(state[0] && state[1], 'running is not shown: ' + state);
  },
};

(async () => {
  const server = await h.serve(h.siteWithElement(['one.html']));
  site = server;
  try {
    await h.run(cases);
  } finally {
    server.close();
  }
})();
