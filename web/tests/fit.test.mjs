// The page on every screen: the terminal's 25 rows and cursor in sight
// whatever was shown before and whatever the page says, the keys with the
// game, and the title painted from the page's HTML, taken over by the
// terminal without a jump and without losing a key.
import assert from 'node:assert/strict';
import {writeFile} from 'node:fs/promises';
import {join} from 'node:path';
import {test} from 'node:test';
import {expectscreen, importknight, openpage, pause, screen, status, type} from './browser.mjs';
import {gameover, heading, mainmenu, newknight, titleshown, usesession} from './screens.mjs';

const shared = usesession();

// Laptops and desktops, a phone on its side (also with its on-screen
// keyboard up) and upright; the least font size in CSS pixels on each
// (upright, for screens of at most 64 columns).
const windows = [
  {width: 1024, height: 600, least: 12},
  {width: 1366, height: 768, least: 12},
  {width: 1920, height: 1080, least: 12},
  {width: 844, height: 390, least: 12},
  {width: 844, height: 215, least: 6},
  {width: 390, height: 844, least: 10, upto: 64},
];

// Where the terminal's rows, its cursor and the columns the screen uses
// stand, against its box and the window.
async function layout(page) {
  const text = await screen(page);
  const used = Math.max(...text.split('\n').map((line) => [...line].length));
  return page.evaluate((usedtext) => {
    const rect = (element) => element.getBoundingClientRect().toJSON();
    const rows = [...document.querySelectorAll('.xterm-rows > div')].map(rect);
    const cursor = document.querySelector('.xterm-rows .xterm-cursor');
    const cell = rows[0].width / 80;
    const middle = ({left, top, width, height}) => ({left: left + width / 2, right: left + width / 2,
                                                     top: top + height / 2, bottom: top + height / 2});
    return {
      rows: rows.length,
      text: {left: rows[0].left, right: rows[0].left + usedtext * cell, top: rows[0].top,
             bottom: rows[rows.length - 1].bottom},
      cursor: cursor && rect(cursor),
      box: rect(document.getElementById('terminal')),
      window: {left: 0, top: 0, right: innerWidth, bottom: innerHeight},
      font: parseFloat(getComputedStyle(document.querySelector('.xterm-rows')).fontSize),
      used: usedtext,
      status: middle(rect(document.getElementById('status'))),
    };
  }, used);
}

const inside = (inner, outer) => inner.left >= outer.left - 0.01 && inner.right <= outer.right + 0.01 &&
                                 inner.top >= outer.top - 0.01 && inner.bottom <= outer.bottom + 0.01;

// At every window size: all 25 rows, the screen's text and the cursor
// inside the window and inside the terminal's box, the text large enough;
// at the end of a game, the page's words over the terminal.
async function insight(page, when, over = false) {
  for (const size of windows) {
    await page.setViewport({width: size.width, height: size.height});
    let seen;
    const fits = async () => {
      seen = await layout(page);
      return seen.rows === 25 && seen.cursor && [seen.text, seen.cursor].every((part) =>
        inside(part, seen.box) && inside(part, seen.window)) &&
        (seen.used > (size.upto ?? 80) || seen.font >= size.least) &&
        (!over || inside(seen.status, seen.box));
    };
    // The fit follows a resize within a frame or two.
    for (let i = 0; i < 20 && !(await fits()); i++) await pause(25);
    assert.ok(await fits(), `${when}, ${size.width}x${size.height}: ${JSON.stringify(seen)}`);
  }
}

test('every row and the cursor in sight on every screen, the keys with the game', async () => {
  const page = await openpage(shared.session);
  await titleshown(page);
  await insight(page, 'the title');
  await newknight(page, 'Brom');
  await page.setViewport({width: 1366, height: 768});
  const controls = await page.$eval('#export', (button) => button.getBoundingClientRect().left);
  // The blacksmith's list fills the terminal; the player types on its last row.
  await type(page, 'b\n');
  await page.waitForFunction(() => document.querySelector('.xterm-rows')
    .textContent.includes('Gold:'));
  await type(page, '99');
  await insight(page, 'the blacksmith');
  await type(page, '\nk');
  await expectscreen(page, mainmenu);
  await insight(page, 'the main menu after the blacksmith');
  // Upright, what follows the terminal stands right under its last row, and
  // the whole page fits the window.
  const upright = await page.evaluate(() => {
    const rows = document.querySelector('.xterm-screen').getBoundingClientRect();
    const below = document.getElementById('terminal').nextElementSibling.getBoundingClientRect();
    return {gap: below.top - rows.bottom, row: rows.height / 25,
            page: document.documentElement.scrollHeight, window: innerHeight};
  });
  assert.ok(upright.gap < 2 * upright.row && upright.page <= upright.window, JSON.stringify(upright));
  // A line of status below the terminal: a file larger than the game
  // reads as a save.
  const large = join(shared.folder, 'large');
  await writeFile(large, Buffer.alloc((1 << 20) + 1, 'x'));
  await importknight(page, large);
  await status(page, '\u2068large\u2069 is far too large to be a save of this game.');
  await insight(page, 'a status');
  // A knight in the list moves none of the controls; once the list is used,
  // the keys go to the game.
  await type(page, 'a\ny\n');
  await page.waitForFunction(() => document.getElementById('knights').value === 'Brom');
  await page.setViewport({width: 1366, height: 768});
  assert.equal(await page.$eval('#export', (button) => button.getBoundingClientRect().left), controls);
  await page.select('#knights', 'Brom');
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  await page.focus('#knights');
  await type(page, 'e\nk');
  // The end of the game shows over the terminal.
  await status(page, gameover);
  await insight(page, 'the end of a game', true);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Opens the page with the terminal's script held back until release().
async function openheld(size) {
  const page = await shared.session.browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.setViewport(size);
  const held = [];
  let holding = true;
  // The files come from the server, where they can be held, not from the
  // service worker an earlier play installed.
  await page.setBypassServiceWorker(true);
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (holding && request.url().endsWith('/xterm.js')) held.push(request);
    else request.continue();
  });
  page.release = () => {
    holding = false;
    for (const request of held.splice(0)) request.continue();
  };
  await page.goto(shared.session.url);
  await page.waitForSelector('#title');
  return page;
}

// The pixels that differ between two screenshots of the same place, but
// for those in the cursor's cell (the terminal's blinks).
function differing(page, first, second, cursor) {
  return page.evaluate(async (images, skip) => {
    const pixels = await Promise.all(images.map(async (image) => {
      const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${image}`)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return context.getImageData(0, 0, bitmap.width, bitmap.height);
    }));
    const [a, b] = pixels;
    if (a.width !== b.width || a.height !== b.height) return a.width * a.height;
    let count = 0;
    for (let y = 0; y < a.height; y++) {
      for (let x = 0; x < a.width; x++) {
        if (x >= skip.left && x < skip.right && y >= skip.top && y < skip.bottom) continue;
        const i = (y * a.width + x) * 4;
        if (a.data[i] !== b.data[i] || a.data[i + 1] !== b.data[i + 1] || a.data[i + 2] !== b.data[i + 2]) count++;
      }
    }
    return count;
  }, [first, second], cursor);
}

test('the title painted from the page, taken over by the terminal in place, keys kept', async () => {
  for (const size of [{width: 1366, height: 768}, {width: 390, height: 844}]) {
    const page = await openheld(size);
    const box = await page.$eval('#terminal', (element) => element.getBoundingClientRect().toJSON());
    const clip = {x: box.x, y: box.y, width: box.width, height: box.height};
    const painted = await page.screenshot({clip, encoding: 'base64'});
    page.release();
    await titleshown(page);
    const cursor = await page.$eval('.xterm-rows .xterm-cursor', (element) => {
      const cell = element.getBoundingClientRect();
      const box = document.getElementById('terminal').getBoundingClientRect();
      return {left: Math.floor(cell.left - box.left), right: Math.ceil(cell.right - box.left),
              top: Math.floor(cell.top - box.top), bottom: Math.ceil(cell.bottom - box.top)};
    });
    const drawn = await page.screenshot({clip, encoding: 'base64'});
    // Nearly every pixel the same: a few differ where the terminal draws a
    // frame's letters in a span of their own, fewer than fill one cell.
    const cell = (cursor.right - cursor.left) * (cursor.bottom - cursor.top);
    const differ = await differing(page, painted, drawn, cursor);
    assert.ok(differ < cell, `${size.width}x${size.height}: ${differ} pixels differ`);
    await page.close();
  }
  // Keys pressed before the terminal is there reach the game, in order.
  const page = await openheld({width: 1366, height: 768});
  await type(page, 'k n\nAz');
  await page.keyboard.press('Backspace');
  await type(page, 'yla\n');
  page.release();
  await expectscreen(page, `${heading}
Enter character name: Ayla
Welcome, Ayla, your adventure is just beginning...`);
  assert.deepEqual(page.errors, []);
  await page.close();
});
