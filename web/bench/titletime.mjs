// The page's benchmark (not a test): how soon a player sees the title
// screen, and how much a player downloads.
//   node web/bench/titletime.mjs [loads]      (at least 15; default 21)
// Each load is cold: a fresh browser context, so no cache, no compiled
// code and no storage carry over. The time is from the start of the
// navigation to the first frame in which the terminal shows the whole
// title screen. Loads of a bare page, xterm.js writing the title's last
// line and nothing else, alternate with the game's, so that the figures
// show what the machine itself takes (its load counts for much on a shared
// machine) beside what the game adds.
import {mkdtemp, readdir, readFile, rm, writeFile, copyFile} from 'node:fs/promises';
import {cpus, loadavg, tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {serve} from '../serve.mjs';
import {pagedir, startbrowser} from '../tests/browser.mjs';

const loads = Math.max(15, Number(process.argv[2] ?? 21));

const barepage = `<!doctype html>
<html lang="en"><head><meta charset="utf-8"><link rel="icon" href="data:,">
<link rel="stylesheet" href="xterm.css"><script src="xterm.js" defer></script>
<script src="bare.js" defer></script></head><body><div id="terminal"></div></body></html>`;
const barescript = `const term = new Terminal({cols: 80, rows: 25, convertEol: true, screenReaderMode: true});
term.open(document.getElementById('terminal'));
term.write(' Version: 1.0.1\\n');`;

async function titletime(browser, url) {
  const context = await browser.createBrowserContext();
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
  await page.goto(url);
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

const median = (times) => [...times].sort((a, b) => a - b)[Math.floor(times.length / 2)];
const spread = (times) => `fastest ${Math.min(...times).toFixed(0)} ms, slowest ` +
                          `${Math.max(...times).toFixed(0)} ms`;

const bare = await mkdtemp(join(tmpdir(), 'emberfell-bare-'));
await writeFile(join(bare, 'index.html'), barepage);
await writeFile(join(bare, 'bare.js'), barescript);
for (const file of ['xterm.js', 'xterm.css']) await copyFile(join(pagedir, file), join(bare, file));
const bareserver = await serve(bare);
const session = await startbrowser();
try {
  const bareurl = `http://127.0.0.1:${bareserver.address().port}/`;
  const game = [];
  const baseline = [];
  const loadbefore = loadavg()[0];
  for (let i = 0; i < loads; i++) {
    game.push(await titletime(session.browser, session.url));
    baseline.push(await titletime(session.browser, bareurl));
  }
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
  console.log(`title screen drawn, median of ${loads} cold loads: ${median(game).toFixed(0)} ms ` +
              `(${spread(game)}; target 150 ms)`);
  console.log(`  the bare xterm.js page in the same runs: ${median(baseline).toFixed(0)} ms ` +
              `(${spread(baseline)})`);
  console.log(`  machine load: ${loadbefore.toFixed(1)} before, ${loadavg()[0].toFixed(1)} after, ` +
              `on ${cpus().length} cores`);
  console.log(`game .wasm + .js, gzipped: ${kb(await gzipped(['emberfell.wasm', 'emberfell.js']))} ` +
              `(target 100 KB)`);
  console.log(`whole page, gzipped: ${kb(await gzipped(await readdir(pagedir)))} (target 250 KB)`);
} finally {
  await session.close();
  await new Promise((done) => bareserver.close(done));
  await rm(bare, {recursive: true, force: true});
}
