// Two elements on one page are two controls: each has its own board, its own
// timer and its own picture.
'use strict';

const h = require('./harness');

let site;

const generations = (page) => page.evaluate(() => ['#left', '#right'].map((s) => document.querySelector(s).generation));

async function pressRight(page, x, y) {
  const box = await (await page.$('#right')).boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

const cases = {
  'one runs while the other stays': async (browser) => {
    const page = await h.openPage(browser, site.url + 'two.html');
    await h.runTo(page, '#left', 37);
    h.check(JSON.stringify(await generations(page)) === '[37,0]', 'generations ' + (await generations(page)));
    h.expectSamePicture(await h.canvasPicture(page, '#left'), h.nativePicture(['--generations', '37']), 'left board');
    h.expectSamePicture(await h.canvasPicture(page, '#right'), h.nativePicture([]), 'right board');
  },
  'a press flips a cell of its own board only': async (browser) => {
    const page = await h.openPage(browser, site.url + 'two.html');
    await pressRight(page, 17, 99);
    h.expectSamePicture(await h.canvasPicture(page, '#right'), h.nativePicture(['--press', '17,99']), 'pressed board');
    h.expectSamePicture(await h.canvasPicture(page, '#left'), h.nativePicture([]), 'other board');
  },
  'both run at their own speeds and stop on their own': async (browser) => {
    const page = await h.openPage(browser, site.url + 'two.html');
    const counts = await page.evaluate(() => new Promise((resolve) => {
      const left = document.querySelector('#left');
      const right = document.querySelector('#right');
      left.speed = 10;
      right.speed = 40;
      left.start();
      right.start();
      setTimeout(() => {
        left.stop();
        const stoppedAt = left.generation;
        const rightAt = right.generation;
        setTimeout(() => resolve([stoppedAt, rightAt, left.generation, right.generation, right.running]), 400);
      }, 800);
    }));
    const [leftStopped, rightThen, leftLater, rightLater, rightRunning] = counts;
    h.check(leftStopped > rightThen * 1.5, `speed 10 made ${leftStopped} generations, speed 40 ${rightThen}`);
    h.check(leftLater === leftStopped, 'the stopped board went on');
    h.check(rightRunning && rightLater > rightThen, 'stopping one board stopped the other: ' + counts);
  },
};

(async () => {
  site = await h.serve(h.siteWithElement(['two.html']));
  await h.run(cases);
})();
