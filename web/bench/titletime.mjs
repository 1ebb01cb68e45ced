// The page's benchmark (not a test): how soon a player sees the title
// screen, and how much a player downloads.
//   node web/bench/titletime.mjs [loads]      (at least 15; default 21)
// Each load is cold: a fresh browser context, so no cache, no compiled
// code and no storage carry over. The time is from the start of the
// navigation to the first frame in which the terminal shows the whole
// title screen.
import {readdir, readFile} from 'node:fs/promises';
import {cpus, loadavg} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {pagedir, startbrowser} from '../tests/browser.mjs';

const loads = Math.max(15, Number(process.argv[2] ?? 21));

async function titletime(session) {
  const context = await session.browser.createBrowserContext();
  const page = await context.newPage();
  await page.evaluateOnNewDocument(() => {
    const drawn = () => document.querySelector('.xterm-rows')?.textContent.includes('Version: 1.0.1');
    new MutationObserver((changes, observer) => {
      if (!drawn()) return;
      // Drawn into the page now; on the screen with the next frame.
      requestAnimationFrame(() => { window.titledrawn = performance.now(); });
      observer.disconnect();
    }).observe(document, {childList: true, subtree: true, characterData: true});
  });
  await page.goto(session.url);
  await page.waitForFunction(() => window.titledrawn !== undefined, {timeout: 20000});
  const ms = await page.evaluate(() => window.titledrawn);
  await context.close();
  return ms;
}

async function gzipped(files) {
  let total = 0;
  for (const file of files) total += gzipSync(await readFile(join(pagedir, file)), {level: 9}).length;
  return total;
}

const session = await startbrowser();
try {
  const times = [];
  for (let i = 0; i < loads; i++) times.push(await titletime(session));
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
  const game = await gzipped(['emberfell.wasm', 'emberfell.js']);
  const page = await gzipped(await readdir(pagedir));
  console.log(`title screen drawn, median of ${loads} cold loads: ${median.toFixed(0)} ms ` +
              `(fastest ${times[0].toFixed(0)} ms, slowest ${times[times.length - 1].toFixed(0)} ms; ` +
              `target 150 ms)`);
  console.log(`(machine load over the last minute: ${loadavg()[0].toFixed(1)} on ` +
              `${cpus().length} cores)`);
  console.log(`game .wasm + .js, gzipped: ${kb(game)} (target 100 KB)`);
  console.log(`whole page, gzipped: ${kb(page)} (target 250 KB)`);
} finally {
  await session.close();
}
