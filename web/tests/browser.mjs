// The page in headless Chromium, for the tests and the benchmarks: the
// built page served on 127.0.0.1, a browser with a profile of its own, what
// a screen reader is told, and the terminal's screen as it draws it.
import {mkdtemp, readFile, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import puppeteer from 'puppeteer-core';
import {serve} from '../serve.mjs';

// A pause of this many ms.
export const pause = (ms) => new Promise((r) => setTimeout(r, ms));

// The game's version, as the project gives it (CMakeLists.txt).
export const version = (await readFile(new URL('../../CMakeLists.txt', import.meta.url), 'utf8'))
  .match(/project\(emberfell VERSION (\S+)/)[1];
// The line under the title that says it.
export const versionline = `Version: ${version}`;

export const pagedir =
  process.env.EMBERFELL_PAGE ?? fileURLToPath(new URL('../../build/web/page', import.meta.url));

export async function startbrowser() {
  const profile = await mkdtemp(join(tmpdir(), 'emberfell-chromium-'));
  const server = await serve(pagedir);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    browser,
    url: `http://127.0.0.1:${server.address().port}/`,
    profile,
    async close() {
      await browser.close();
      await new Promise((done) => server.close(done));
      await rm(profile, {recursive: true, force: true});
    },
  };
}

// What a screen reader is told, for scripts run before the page's own: each
// text added to the page's live regions (the game's words, the screen said
// again, the status line), in window.announced as {text, at, region}, at
// the time on performance.now(); a paragraph a line, and none of what is hidden
// from screen readers.
export function listening() {
  window.announced = [];
  const live = '[aria-live]:not([aria-live="off"]), [role="log"], [role="status"]';
  const spoken = (node) => {
    if (node.nodeType === Node.TEXT_NODE) return node.textContent;
    if (node.nodeType !== Node.ELEMENT_NODE || node.closest('[aria-hidden="true"]')) return '';
    const lines = node.matches('p') ? [node] : [...node.querySelectorAll('p')];
    if (!lines.length) return node.textContent;
    return lines.map((line) => [...line.childNodes].map(spoken).join('')).join('\n');
  };
  new MutationObserver((records) => {
    for (const record of records) {
      const region = record.target.closest?.(live);
      if (!region || record.target.closest('[aria-hidden="true"]')) continue;
      for (const node of record.addedNodes) {
        const text = spoken(node);
        if (text) window.announced.push({text, at: performance.now(), region: region.id});
      }
    }
  }).observe(document, {childList: true, subtree: true});
}

// Opens the page in a fresh tab, with these scripts run before the page's own.
export async function openpage(session, {before = []} = {}) {
  const page = await session.browser.newPage();
  page.on('pageerror', (error) => page.errors.push(String(error)));
  page.errors = [];
  for (const script of before) await page.evaluateOnNewDocument(script);
  await page.goto(session.url);
  return page;
}

// The terminal's 25 rows as it draws them, blanks at the end of rows and
// empty rows at the bottom left out.
export async function screen(page) {
  const rows = await page.$$eval('.xterm-rows > div',
                                 (divs) => divs.map((d) => d.textContent));
  const lines = rows.map((row) => row.replace(/\u00a0/g, ' ').trimEnd());
  while (lines.length && lines[lines.length - 1] === '') lines.pop();
  return lines.join('\n');
}

// Waits until the screen shows exactly this text; fails with the screen it
// last saw.
export async function expectscreen(page, expected, timeout = 10000) {
  const want = expected.replace(/^\n/, '').replace(/\n$/, '');
  const until = Date.now() + timeout;
  let seen;
  for (;;) {
    seen = await screen(page);
    if (seen === want) return;
    if (Date.now() > until) break;
    await pause(25);
  }
  throw new Error(`screen differs\n--- expected\n${want}\n--- seen\n${seen}\n---`);
}

// Types text into the terminal as the player would, key after key.
export async function type(page, text) {
  for (const key of text) {
    if (key === '\n') await page.keyboard.press('Enter');
    else await page.keyboard.type(key);
  }
}

// A key pressed with Control held.
export async function ctrl(page, key) {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
}

// Text arriving at once, as a paste does: keys typed ahead of the game.
export async function paste(page, text) {
  await page.$eval('.xterm-helper-textarea', (area, pasted) => {
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                    cancelable: true}));
  }, text);
}

export async function status(page, expected, timeout = 10000) {
  await page.waitForFunction((want) => document.getElementById('status').textContent === want,
                             {timeout}, expected);
}

// Exports the knight of this name into the folder; the file's bytes.
export async function exportknight(page, name, folder) {
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: folder});
  await rm(join(folder, name), {force: true});
  await page.select('#knights', name);
  await page.click('#export');
  // The file is there, empty, a moment before its bytes are.
  for (let i = 0; i < 400; i++) {
    const bytes = await readFile(join(folder, name)).catch(() => null);
    if (bytes?.length) return bytes;
    await pause(25);
  }
  throw new Error(`no download of ${name}`);
}

export async function importknight(page, path) {
  const input = await page.$('#import');
  await input.uploadFile(path);
}
