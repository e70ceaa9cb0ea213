// What the browser tests of <cellora-life> share: the system's chromium driven
// headless through its DevTools protocol, a local HTTP server, the pictures the
// native build draws, and a small runner that tells passed, failed and skipped.
'use strict';

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');

const kSkipped = 77;
const env = (name) => {
  const value = process.env[name];
  if (!value) throw new Error(name + ' is not set (the tests run from ctest in build-web)');
  return value;
};

const tempDirs = [];
function tempDir(what) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'cellora-web-' + what + '-'));
  tempDirs.push(dir);
  return dir;
}

function skip(reason) {
  console.log('SKIPPED: ' + reason);
  process.exit(kSkipped);
}

// The browser or a skip that says why it cannot be had.
async function launchBrowser() {
  let puppeteer;
  try {
    puppeteer = require('puppeteer-core');
  } catch (error) {
    skip('puppeteer-core is not installed (scripts/setup-web.sh installs it): ' + error.message);
  }
  const executablePath = process.env.CHROMIUM || '/usr/bin/chromium';
  if (!fs.existsSync(executablePath)) skip(executablePath + ' is missing (scripts/setup-web.sh installs chromium)');
  try {
    return await puppeteer.launch({
      executablePath,
      headless: true,
      userDataDir: tempDir('profile'),
      timeout: 60000,
      args: [
        '--headless=new', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run',
        ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []),
      ],
    });
  } catch (error) {
    skip('chromium cannot start: ' + error.message.split('\n')[0]);
  }
}

const kTypes = { '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.gif': 'image/gif' };

// A plain static server on a free port of 127.0.0.1; the module goes out as
// application/octet-stream, as a server that knows nothing of WebAssembly sends it.
function serve(root) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) =>
    server.listen(0, '127.0.0.1', () =>
      resolve({ url: 'http://127.0.0.1:' + server.address().port + '/', close: () => server.close() })));
}

// A directory with the built element and the given test pages beside it.
function siteWithElement(pages) {
  const dir = tempDir('site');
  const elementDir = env('CELLORA_ELEMENT_DIR');
  for (const name of fs.readdirSync(elementDir)) {
    if (/^cellora-life/.test(name)) fs.copyFileSync(path.join(elementDir, name), path.join(dir, name));
  }
  for (const page of pages) fs.copyFileSync(path.join(__dirname, 'pages', page), path.join(dir, page));
  return dir;
}

// The picture the native build draws after the steps, as RGBA bytes.
function nativePicture(args) {
  const file = path.join(tempDir('picture'), 'picture.ppm');
  execFileSync(env('CELLORA_PICTURE'), [...args, '-o', file]);
  return rgbaOfPpm(fs.readFileSync(file));
}

function rgbaOfPpm(bytes) {
  const header = bytes.toString('latin1', 0, 20).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error('not a PPM picture');
  const [width, height] = [Number(header[1]), Number(header[2])];
  const rgb = bytes.subarray(header[0].length);
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    rgb.copy(rgba, i * 4, i * 3, i * 3 + 3);
    rgba[i * 4 + 3] = 255;
  }
  return { width, height, rgba };
}

// The RGBA pixels of an element's canvas.
async function canvasPicture(page, selector) {
  const picture = await page.$eval(selector, (element) => {
    const canvas = element.shadowRoot.querySelector('canvas');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return { width: canvas.width, height: canvas.height, rgba: btoa(text) };
  });
  return { ...picture, rgba: Buffer.from(picture.rgba, 'base64') };
}

function expectSamePicture(actual, expected, what) {
  if (actual.width !== expected.width || actual.height !== expected.height)
    throw new Error(`${what}: ${actual.width} x ${actual.height} pixels, expected ${expected.width} x ${expected.height}`);
  let differing = 0;
  let first = -1;
  for (let p = 0; p < actual.width * actual.height; ++p) {
    if (actual.rgba.compare(expected.rgba, p * 4, p * 4 + 4, p * 4, p * 4 + 4) === 0) continue;
    if (first < 0) first = p;
    ++differing;
  }
  if (first >= 0) {
    const at = first;
    const pixel = (p) => Array.from(p.rgba.subarray(at * 4, at * 4 + 4)).join(',');
    throw new Error(`${what}: ${differing} pixels differ, the first at (${at % actual.width}, ` +
      `${Math.floor(at / actual.width)}): ${pixel(actual)}, expected ${pixel(expected)}`);
  }
}

// Lets the element run, fast, until the generation event for `target`, where
// the listener stops it, so that the picture shows exactly that generation.
function runTo(page, selector, target, speed = 5) {
  return page.$eval(selector, (element, target, speed) => new Promise((resolve, reject) => {
    const timeout = setTimeout(() => reject(new Error('generation ' + element.generation + ' after 20 s')), 20000);
    element.addEventListener('generation', function listener(event) {
      if (event.detail.generation < target) return;
      element.stop();
      element.removeEventListener('generation', listener);
      clearTimeout(timeout);
      resolve(event.detail.generation);
    });
    element.speed = speed;
    element.start();
  }), target, speed);
}

async function openPage(browser, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    // Browsers ask every server for a favicon.ico the sites do not have.
    if (message.type() === 'error' && !/favicon\.ico$/.test(message.location().url || ''))
      errors.push(message.text());
  });
  await page.goto(url);
  await page.evaluate(() => Promise.all([...document.querySelectorAll('cellora-life')].map((e) => e.ready)));
  page.errors = errors;
  return page;
}

function check(condition, message) {
  if (!condition) throw new Error(message);
}

// Runs the named cases with one browser; exits 0, 1 or the skip code.
async function run(cases) {
  const browser = await launchBrowser();
  let failed = 0;
  try {
    for (const [name, body] of Object.entries(cases)) {
      try {
        const started = Date.now();
        await body(browser);
        console.log(`ok   ${name} (${Date.now() - started} ms)`);
      } catch (error) {
        ++failed;
        console.log('FAIL ' + name + '\n     ' + (error.stack || error));
      }
    }
  } finally {
    await browser.close();
    for (const dir of tempDirs) fs.rmSync(dir, { recursive: true, force: true });
  }
  const total = Object.keys(cases).length;
  console.log(`${total - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

module.exports = {
  canvasPicture, check, env, expectSamePicture, nativePicture, openPage, rgbaOfPpm, run, runTo, serve,
  siteWithElement, tempDir,
};
