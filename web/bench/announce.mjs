// The page's benchmark of announcements (not a test): how soon a screen
// reader is told the game's new text. Over whole plays (a new knight, a
// wrong answer, the monster list, a goblin fought to its end, the
// blacksmith, the inn, the character sheet, the end of the game), each
// part of the game's words is timed from the moment the game hands the page
// its text to the first frame after that text is in the page's live region
// (a screen reader hears a live region's text once the browser's
// accessibility tree has it, which it brings up to date at each frame).
//   node web/bench/announce.mjs [plays]      (default 5)
import {listening, openpage, pause, startbrowser, type} from '../tests/browser.mjs';

// The roll the game draws at a time in whole seconds: its C library's
// generator seeded with that time, the first number taken, modulo 3, plus 1.
function rollat(seconds) {
  const mask = (1n << 64n) - 1n;
  const seed = (BigInt(seconds >>> 0) - 1n) & mask;
  const next = (6364136223846793005n * seed + 1n) & mask;
  return Number((next >> 33n) % 3n) + 1;
}

// A time, in milliseconds, at which the game draws this roll.
function timefor(roll) {
  for (let s = 1800000000; ; s++) if (rollat(s) === roll) return s * 1000;
}

// The game's next draws of the dice, in order (1, 2 or 3 each).
async function rolls(page, list) {
  await page.evaluate((times) => window.chosentimes.push(...times), list.map(timefor));
}

// The game reads the clock only to seed a roll; the times queued by
// rolls() go to the game's own reads, every other reader has the real one.
function chosenclock() {
  const realnow = Date.now;
  window.chosentimes = [];
  Date.now = () => {
    if (window.chosentimes.length && new Error().stack.includes('emberfell.js')) {
      return window.chosentimes.shift();
    }
    return realnow();
  };
}

const plays = Math.max(1, Number(process.argv[2] ?? 5));

// The times the game hands the page text, on the page's clock.
function timewrites() {
  window.handed = [];
  let made;
  Object.defineProperty(window, 'createEmberfell', {
    configurable: true,
    get: () => made,
    set(create) {
      made = (options) => {
        const page = options.page;
        for (const name of ['write', 'words']) {
          const passon = page[name];
          page[name] = (...args) => {
            window.handed.push(performance.now());
            return passon(...args);
          };
        }
        return create(options);
      };
    },
  });
  // The first frame after each text reaches a live region.
  window.framed = [];
  const observe = () => requestAnimationFrame(() => {
    while (window.framed.length < window.announced.length) window.framed.push(performance.now());
    observe();
  });
  observe();
}

// The keys of one play, each sent once the game has said what came before
// it; a list of numbers is the dice's next rolls.
const path = ['k', 'n\n', 'Bench\n', 'k', 'x\n', 'm\n', '1\n', 'k', [3, 1], '1\n', 'k', [3], '1\n',
              'k', 'k', 'b\n', '0\n', 'k', 's\n', 'k', 'k', 'k', 'i\n', 'n\n', 'k', 'a\n', 'n\n', 'k',
              'e\n', 'k'];

async function play(session) {
  const page = await openpage(session, {before: [chosenclock, listening, timewrites]});
  const cdp = await page.createCDPSession();
  await cdp.send('Accessibility.enable');
  await page.waitForFunction(() => window.announced.length > 0);
  for (const keys of path) {
    if (Array.isArray(keys)) {
      await rolls(page, keys);
      continue;
    }
    const before = await page.evaluate(() => window.announced.length);
    await type(page, keys);
    await page.waitForFunction((count) => window.announced.length > count, {timeout: 10000}, before);
  }
  await pause(100);
  const delays = await page.evaluate(() => window.announced.flatMap((said, i) => {
    if (said.region !== 'transcript') return [];
    const handed = window.handed.filter((at) => at <= said.at).at(-1);
    return [window.framed[i] - handed];
  }));
  await page.close();
  return delays;
}

const session = await startbrowser();
try {
  const delays = [];
  for (let i = 0; i < plays; i++) delays.push(...(await play(session)));
  delays.sort((a, b) => a - b);
  const at = (share) => delays[Math.min(delays.length - 1, Math.floor(share * delays.length))];
  console.log(`announcements over ${plays} plays: ${delays.length}; from the game's text to the ` +
              `frame that has it in the live region: median ${at(0.5).toFixed(0)} ms, 90th ` +
              `percentile ${at(0.9).toFixed(0)} ms, slowest ${delays.at(-1).toFixed(0)} ms ` +
              '(targets 250 ms and 500 ms)');
} finally {
  await session.close();
}
