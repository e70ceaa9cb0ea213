// The element's run: the tick interval follows speed, stop() ends the ticks,
// speed keeps the control's rules, and the running attribute shows and sets
// the run state. Intervals are measured over many ticks with wide margins.
'use strict';

const h = require('./harness');

let site;

// The mean interval between `ticks` generation events at the given speed,
// measured in the page from the first event on.
function meanInterval(page, speed, ticks) {
  return page.$eval('#life', (element, speed, ticks) => new Promise((resolve) => {
    const times = [];
    element.addEventListener('generation', function listener() {
      times.push(performance.now());
      if (times.length <= ticks) return;
      element.removeEventListener('generation', listener);
      element.stop();
      resolve((times[ticks] - times[0]) / ticks);
    });
    element.speed = speed;
    element.start();
  }), speed, ticks);
}

// The generation events counted while the page waits.
function eventsDuring(page, ms) {
  return page.$eval('#life', (element, ms) => new Promise((resolve) => {
    let count = 0;
    const listener = () => ++count;
    element.addEventListener('generation', listener);
    setTimeout(() => {
      element.removeEventListener('generation', listener);
      resolve(count);
    }, ms);
  }), ms);
}

const state = (page) =>
  page.$eval('#life', (e) => ({ running: e.running, attribute: e.hasAttribute('running'), speed: e.speed,
                                 generation: e.generation }));

const cases = {
  'speed 50 halves the interval of speed 100': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    h.check((await state(page)).speed === 100, 'a new element does not have speed 100');
    const slow = await meanInterval(page, 100, 15);
    const fast = await meanInterval(page, 50, 30);
    h.check(slow >= 90 && slow < 250, `speed 100 ticks every ${slow.toFixed(1)} ms`);
    h.check(fast >= 45 && fast < 125, `speed 50 ticks every ${fast.toFixed(1)} ms`);
    h.check(fast < slow * 0.75, `speed 50 (${fast.toFixed(1)} ms) is not faster than speed 100 (${slow.toFixed(1)} ms)`);
    h.check((await state(page)).generation === 47, 'the generations were not counted one per tick');
  },
  'speed 0 ticks at the browser\'s shortest interval': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    const shortest = await meanInterval(page, 0, 40);
    h.check(shortest < 25, `speed 0 ticks every ${shortest.toFixed(1)} ms`);
  },
  'stop() stops the generation count, start() goes on from it': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    await h.runTo(page, '#life', 4, 10);
    await page.$eval('#life', (e) => { e.start(); e.stop(); e.stop(); });
    const stopped = await state(page);
    h.check(stopped.generation === 4 && !stopped.running && !stopped.attribute, 'after stop(): ' + JSON.stringify(stopped));
    h.check((await eventsDuring(page, 600)) === 0, 'generation events after stop()');
    h.check((await state(page)).generation === 4, 'the count moved after stop()');
    await h.runTo(page, '#life', 6, 10);
    h.check((await state(page)).generation === 6, 'start() did not go on from generation 4');
  },
  'speed written while running starts the timer over and keeps the count': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    await page.$eval('#life', (e) => { e.speed = 30000; e.start(); });
    h.check((await eventsDuring(page, 300)) === 0, 'speed 30000 ticked within 300 ms');
    await page.$eval('#life', (e) => { e.speed = 10; });
    const ticks = await eventsDuring(page, 500);
    h.check(ticks >= 5, `speed 10 set while running gave ${ticks} ticks in 500 ms`);
    const after = await state(page);
    h.check(after.running && after.generation >= ticks, 'after the new speed: ' + JSON.stringify(after));
  },
  'speed keeps the control\'s 16-bit rules': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    const results = await page.$eval('#life', (e) => {
      const put = (value) => {
        try {
          e.speed = value;
          return e.speed;
        } catch (error) {
          return error.name;
        }
      };
      const attribute = (value) => {
        if (value === null) e.removeAttribute('speed');
        else e.setAttribute('speed', value);
        return e.speed;
      };
      return [put(250), put('75'), put(-32768), put(32767), put(32768), put(-32769), put(12.5), put('fast'), put(''),
              put(null), attribute('40'), attribute('x'), attribute('99999'), attribute(null), e.getAttribute('speed')];
    });
    const expected = [250, 75, -32768, 32767, 'RangeError', 'RangeError', 'RangeError', 'RangeError', 'RangeError',
                      'RangeError', 40, 40, 40, 100, null];
    h.check(JSON.stringify(results) === JSON.stringify(expected), 'speed rules: ' + JSON.stringify(results));
  },
  'a negative speed waits its widened interval: the board practically stops': async (browser) => {
    const page = await h.openPage(browser, site.url + 'one.html');
    await page.$eval('#life', (e) => { e.speed = -1; e.start(); });
    h.check((await eventsDuring(page, 500)) === 0, 'speed -1 ticked');
    h.check((await state(page)).running, 'speed -1 is not running');
  },
  'the running attribute starts and stops the board and shows its state': async (browser) => {
    const page = await h.openPage(browser, site.url + 'running.html');
    h.check((await eventsDuring(page, 400)) > 3, 'running in the markup did not start the board');
    await page.$eval('#life', (e) => e.removeAttribute('running'));
    h.check(!(await state(page)).running, 'removing running did not stop the board');
    h.check((await eventsDuring(page, 300)) === 0, 'ticks after running was removed');
    await page.$eval('#life', (e) => e.setAttribute('running', ''));
    h.check((await eventsDuring(page, 400)) > 3, 'setting running did not start the board');
  },
};

(async () => {
  site = await h.serve(h.siteWithElement(['one.html', 'running.html']));
  await h.run(cases);
})();
