// The page's benchmark of large pastes (not a test): how long a paste at
// the name prompt holds the page, and how soon the game answers it; and
// how long the game takes to go through a paste of many short lines.
//   node web/bench/paste.mjs [runs]      (default 5)
// Each run is a fresh page. At the name prompt the paste is a name line of
// the given size and its Enter: "taken in" is the time the page's paste
// handler runs (the page takes no other event meanwhile); "answered" runs
// on to the first frame that shows the game's welcome. At the main menu the
// paste is 300 lines that choose nothing, then a save refused: each line
// is one pass of the menu (the saves brought up to date, the menu drawn).
import {openpage, startbrowser, type} from '../tests/browser.mjs';

const runs = Math.max(1, Number(process.argv[2] ?? 5));
const sizes = [[50, '50 KB'], [150, '150 KB'], [1024, '1 MB']];

async function pasteonce(session, kilobytes) {
  const page = await openpage(session);
  await page.waitForFunction(() => document.querySelector('.xterm-rows')?.textContent
    .includes('Version: 1.0.1'));
  await type(page, 'k n\n');
  await page.waitForFunction(() => document.querySelector('.xterm-rows').textContent
    .includes('Enter character name:'));
  const text = `Sir Paste${'x'.repeat(kilobytes * 1024 - 10)}\n`;
  const times = await page.evaluate((pasted) => new Promise((resolve) => {
    const area = document.querySelector('.xterm-helper-textarea');
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    const start = performance.now();
    area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                    cancelable: true}));
    const taken = performance.now() - start;
    const answered = () => {
      if (document.querySelector('.xterm-rows').textContent.includes('Welcome, Sir Paste')) {
        resolve({taken, answered: performance.now() - start});
      } else {
        requestAnimationFrame(answered);
      }
    };
    requestAnimationFrame(answered);
  }), text);
  if (page.errors.length) throw new Error(`page errors: ${page.errors.join('; ')}`);
  await page.close();
  return times;
}

async function linesonce(session, lines) {
  const page = await openpage(session);
  await page.waitForFunction(() => document.querySelector('.xterm-rows')?.textContent
    .includes('Version: 1.0.1'));
  await type(page, 'k n\nLines\nk');
  await page.waitForFunction(() => document.querySelector('.xterm-rows').textContent
    .includes('(E)xit'));
  const ms = await page.evaluate((pasted) => new Promise((resolve) => {
    const area = document.querySelector('.xterm-helper-textarea');
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    const start = performance.now();
    area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                    cancelable: true}));
    const answered = () => {
      if (document.querySelector('.xterm-rows').textContent.includes('not saved')) {
        resolve(performance.now() - start);
      } else {
        setTimeout(answered, 5);
      }
    };
    answered();
  }), `${'z\n'.repeat(lines)}a\nn\n`);
  await page.close();
  return ms;
}

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

const session = await startbrowser();
try {
  for (const [kilobytes, label] of sizes) {
    const results = [];
    for (let i = 0; i < runs; i++) results.push(await pasteonce(session, kilobytes));
    const taken = results.map((r) => r.taken);
    const answered = results.map((r) => r.answered);
    console.log(`paste of ${label} at the name prompt, median of ${runs}: taken in ` +
                `${median(taken).toFixed(1)} ms (slowest ${Math.max(...taken).toFixed(1)} ms), ` +
                `answered in ${median(answered).toFixed(0)} ms (target: well under 1000 ms)`);
  }
  const lines = [];
  for (let i = 0; i < runs; i++) lines.push(await linesonce(session, 300));
  console.log(`paste of 300 lines at the main menu, median of ${runs}: gone through in ` +
              `${median(lines).toFixed(0)} ms (${(median(lines) / 302).toFixed(1)} ms a line)`);
} finally {
  await session.close();
}
