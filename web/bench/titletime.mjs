// The page's benchmark (not a test): how soon a player sees the title
// screen, and how much a player downloads.
//   node web/bench/titletime.mjs [loads] [--slow]   (at least 15; default 21)
// Each load is cold: a fresh browser context with the cache off, so no
// cache, no compiled code and no storage carry over; --slow loads over an
// emulated slow 4G link. The time is from the start of the navigation to
// the first paint that shows the title: the page paints it from its own
// HTML. Loads of a plain page, the same 25 lines in a <pre> and nothing
// else, alternate with the game's, so that the figures show what the
// machine itself takes (its load counts for much on a shared machine)
// beside what the page adds. The time until the terminal has taken the
// title's place is given too.
import {mkdtemp, readdir, readFile, rm, writeFile} from 'node:fs/promises';
import {cpus, loadavg, tmpdir} from 'node:os';
import {join} from 'node:path';
import {gzipSync} from 'node:zlib';
import {PredefinedNetworkConditions} from 'puppeteer-core';
import {serve} from '../serve.mjs';
import {pagedir, startbrowser, versionline} from '../tests/browser.mjs';

const args = process.argv.slice(2);
const slow = args.includes('--slow');
const loads = Math.max(15, Number(args.find((arg) => /^\d+$/.test(arg)) ?? 21));

// The plain page: the title's 25 lines as the game's page has them.
async function plainpage() {
  const html = await readFile(join(pagedir, 'index.html'), 'utf8');
  const title = /<pre id="title">([\s\S]*?)<\/pre>/.exec(html)[1].replace(/<[^>]*>/g, '');
  return `<!doctype html>
<html lang="en"><head><meta charset="utf-8"><link rel="icon" href="data:,"><title>Emberfell</title>
</head><body><pre>${title}</pre></body></html>`;
}

// Milliseconds from the navigation to the title's first paint, and to the
// terminal's showing it in the title's place (where there is a terminal).
async function titletime(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setCacheEnabled(false);
  if (slow) await page.emulateNetworkConditions(PredefinedNetworkConditions['Slow 4G']);
  await page.goto(url, {waitUntil: 'load', timeout: 60000});
  const painted = await page.evaluate(() => new Promise((resolve) => {
    const seen = () => performance.getEntriesByName('first-contentful-paint')[0]?.startTime;
    if (seen() !== undefined) resolve(seen());
    else new PerformanceObserver(() => seen() !== undefined && resolve(seen())).observe({type: 'paint'});
  }));
  let taken;
  if (await page.$('#terminal')) {
    await page.waitForFunction((line) => !document.getElementById('title') &&
      document.querySelector('.xterm-rows')?.textContent.includes(line), {timeout: 60000}, versionline);
    taken = await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() =>
      resolve(performance.now()))));
  }
  await context.close();
  return {painted, taken};
}

async function gzipped(files) {
  let total = 0;
  for (const file of files) total += gzipSync(await readFile(join(pagedir, file)), {level: 9}).length;
  return total;
}

const median = (times) => [...times].sort((a, b) => a - b)[Math.floor(times.length / 2)];
const spread = (times) => `fastest ${Math.min(...times).toFixed(0)} ms, slowest ` +
                          `${Math.max(...times).toFixed(0)} ms`;

const plain = await mkdtemp(join(tmpdir(), 'emberfell-plain-'));
await writeFile(join(plain, 'index.html'), await plainpage());
const plainserver = await serve(plain);
const session = await startbrowser();
try {
  const plainurl = `http://127.0.0.1:${plainserver.address().port}/`;
  const game = [];
  const taken = [];
  const baseline = [];
  const loadbefore = loadavg()[0];
  for (let i = 0; i < loads; i++) {
    const load = await titletime(session.browser, session.url);
    game.push(load.painted);
    taken.push(load.taken);
    baseline.push((await titletime(session.browser, plainurl)).painted);
  }
  const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
  const link = slow ? ' over slow 4G' : '';
  console.log(`title screen painted, median of ${loads} cold loads${link}: ${median(game).toFixed(0)} ms ` +
              `(${spread(game)})`);
  console.log(`  the plain page in the same runs: ${median(baseline).toFixed(0)} ms (${spread(baseline)})`);
  console.log(`  the page against the plain page: ${(median(game) / median(baseline)).toFixed(2)}x ` +
              `(target 1.5x)`);
  console.log(`the terminal in the title's place: ${median(taken).toFixed(0)} ms (${spread(taken)})`);
  console.log(`  machine load: ${loadbefore.toFixed(1)} before, ${loadavg()[0].toFixed(1)} after, ` +
              `on ${cpus().length} cores`);
  console.log(`game .wasm + .js, gzipped: ${kb(await gzipped(['emberfell.wasm', 'emberfell.js']))} ` +
              `(target 100 KB)`);
  console.log(`whole page, gzipped: ${kb(await gzipped(await readdir(pagedir)))} (target 250 KB)`);
} finally {
  await session.close();
  await new Promise((done) => plainserver.close(done));
  await rm(plain, {recursive: true, force: true});
}
