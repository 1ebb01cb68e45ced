// The page's benchmark of large pastes (not a test): how long a paste at
// the name prompt holds the page, and how soon the game answers it; and
// how long the game takes to go through pastes of many lines and keys.
//   node web/bench/paste.mjs [runs] [patience in seconds]   (default 5, 60)
// Each run is a fresh page. At the name prompt the paste is a name line of
// the given size and its Enter: "taken in" is the time the page's paste
// handler runs (the page takes no other event meanwhile); "answered" runs
// on to the first frame that shows the game's welcome. At the main menu the
// paste is one of the shapes below, then a save refused: each line that
// chooses nothing is one pass of the menu, each empty line one more line
// the menu's prompt reads, and letters rubbed out leave the line empty.
// "held" is the longest task meanwhile (the longest the page took no event),
// and "busy" the page's main thread's time in tasks, which a loaded machine
// stretches less than the time to the answer.
import {openpage, startbrowser, type, versionline} from '../tests/browser.mjs';

const runs = Math.max(1, Number(process.argv[2] ?? 5));
const patience = Math.max(1, Number(process.argv[3] ?? 60)) * 1000;
const sizes = [[50, '50 KB'], [150, '150 KB'], [1024, '1 MB']];
const shapes = [
  ['2,000 empty lines', '\n'.repeat(2000)],
  ['2,000 lines "x"', 'x\n'.repeat(2000)],
  ['50,000 letter + Backspace pairs (100 KB)', 'x\x7f'.repeat(50000)],
  ['1 MB of 10-byte lines', 'xxxxxxxxx\n'.repeat(104858)],
];

// A paste on a fresh page, once the game shows `prompt` after the keys
// `before`: how long the paste handler held the page ("taken"), and how
// long until the first frame that shows `answer` ("answered"), the longest
// task and the main thread's time in tasks; null when no frame shows it
// within the patience.
async function pasteonce(session, before, prompt, text, answer) {
  const page = await openpage(session);
  const cdp = await page.createCDPSession();
  await cdp.send('Performance.enable', {timeDomain: 'threadTicks'});
  const busy = async () => (await cdp.send('Performance.getMetrics')).metrics
    .find((metric) => metric.name === 'TaskDuration').value * 1000;
  const shows = (wanted) => page.waitForFunction(
    (seen) => document.querySelector('.xterm-rows')?.textContent.includes(seen), {}, wanted);
  await shows(versionline);
  await type(page, before);
  await shows(prompt);
  const busybefore = await busy();
  const times = await page.evaluate((pasted, wanted, patience) => new Promise((resolve) => {
    let held = 0;
    new PerformanceObserver((list) => {
      for (const task of list.getEntries()) held = Math.max(held, task.duration);
    }).observe({type: 'longtask'});
    const area = document.querySelector('.xterm-helper-textarea');
    const data = new DataTransfer();
    data.setData('text/plain', pasted);
    const start = performance.now();
    area.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                    cancelable: true}));
    const taken = performance.now() - start;
    const answered = () => {
      if (document.querySelector('.xterm-rows').textContent.includes(wanted)) {
        const answeredat = performance.now() - start;
        // The last long tasks are reported a moment later.
        setTimeout(() => resolve({taken, answered: answeredat, held}), 100);
      } else if (performance.now() - start > patience) {
        resolve(null);
      } else {
        requestAnimationFrame(answered);
      }
    };
    requestAnimationFrame(answered);
  }), text, answer, patience);
  if (times) times.busy = await busy() - busybefore;
  if (page.errors.length) throw new Error(`page errors: ${page.errors.join('; ')}`);
  await page.close();
  return times;
}

// A name line of this size and its Enter, at the name prompt.
function namepaste(session, kilobytes) {
  return pasteonce(session, 'k n\n', 'Enter character name:',
                   `Sir Paste${'x'.repeat(kilobytes * 1024 - 10)}\n`, 'Welcome, Sir Paste');
}

// A shape at the main menu, then a save refused.
async function menupaste(session, shape) {
  const times = await pasteonce(session, 'k n\nLines\nk', '(E)xit', `${shape}a\nn\n`, 'not saved');
  return times ?? {answered: Infinity, held: NaN, busy: NaN};
}

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

const session = await startbrowser();
try {
  for (const [kilobytes, label] of sizes) {
    const results = [];
    for (let i = 0; i < runs; i++) results.push(await namepaste(session, kilobytes));
    const taken = results.map((r) => r.taken);
    const answered = results.map((r) => r.answered);
    console.log(`paste of ${label} at the name prompt, median of ${runs}: taken in ` +
                `${median(taken).toFixed(1)} ms (slowest ${Math.max(...taken).toFixed(1)} ms), ` +
                `answered in ${median(answered).toFixed(0)} ms (target: well under 1000 ms)`);
  }
  for (const [label, shape] of shapes) {
    const results = [];
    for (let i = 0; i < runs; i++) results.push(await menupaste(session, shape));
    const time = median(results.map((r) => r.answered));
    const held = Math.max(...results.map((r) => r.held));
    console.log(`paste of ${label} at the main menu, median of ${runs}: answered ` +
                (time === Infinity ? `not within ${patience / 1000} s`
                                   : `in ${time.toFixed(0)} ms (target: under 1000 ms), held ` +
                                     `at most ${held.toFixed(0)} ms, busy ` +
                                     `${median(results.map((r) => r.busy)).toFixed(0)} ms`));
  }
} finally {
  await session.close();
}
