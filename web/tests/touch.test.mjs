// The game on a phone: played by taps, with lines typed in the page's
// field, and the text that on-screen keyboards send as input events
// reaching the game once each.
import assert from 'node:assert/strict';
import {test} from 'node:test';
import {KnownDevices} from 'puppeteer-core';
import {expectscreen, openpage} from './browser.mjs';
import {heading, mainmenu, savedscreen, startmenu, titleshown, usesession} from './screens.mjs';

const shared = usesession();

// Where this text's middle is on the terminal's screen, once the
// terminal's font has settled on this screen's columns.
async function pointat(page, text) {
  return page.evaluate(async (wanted) => {
    const frame = () => new Promise((resolve) => requestAnimationFrame(resolve));
    const size = () => JSON.stringify(document.querySelector('.xterm-screen').getBoundingClientRect());
    let before;
    do {
      before = size();
      await frame();
      await frame();
    } while (size() !== before);
    const rows = [...document.querySelectorAll('.xterm-rows > div')]
      .map((row) => row.textContent.replace(/\u00a0/g, ' '));
    const row = rows.findIndex((line) => line.includes(wanted));
    if (row < 0) return null;
    const column = rows[row].indexOf(wanted) + wanted.length / 2;
    const screen = document.querySelector('.xterm-screen').getBoundingClientRect();
    return {x: screen.left + column * screen.width / 80,
            y: screen.top + (row + 0.5) * screen.height / 25};
  }, text);
}

// A finger on the middle of this text, once it is on the terminal's screen.
async function tapon(page, text) {
  let point = null;
  for (let i = 0; i < 100 && !point; i++) point = await pointat(page, text);
  assert.ok(point, `no ${text} on the screen`);
  await page.touchscreen.tap(point.x, point.y);
}

// The line field's prompt, once it asks for a line; which of its buttons
// (Enter, Yes, No) show.
async function fieldasks(page, prompt, buttons) {
  await page.waitForFunction((wanted) => {
    const field = document.getElementById('touchline');
    return !field.classList.contains('idle') && field.querySelector('label').textContent === wanted;
  }, {timeout: 10000}, prompt);
  assert.deepEqual(await page.$$eval('#touchline button', (all) => all.map((b) => !b.hidden)),
                   buttons);
}

test('a game played by taps on a phone, lines typed in the line field', async () => {
  const page = await openpage(shared.session);
  await page.emulate(KnownDevices['Pixel 5']);
  await page.reload();
  await titleshown(page);
  // A tap anywhere goes on after a text, the title's too.
  await tapon(page, 'Version');
  await expectscreen(page, startmenu);
  await fieldasks(page, '(N)ew Game, (L)oad Game, (S)tory, (I)nstructions, (C)redits',
                  [true, false, false]);
  await tapon(page, '(N)ew Game');
  await fieldasks(page, 'Enter character name:', [true, false, false]);
  await page.tap('#touchtext');
  // A control code (C1 CSI) and a direction control typed in the field are no commands.
  await page.keyboard.type('Sir \u009bTa\u202ep');
  await page.keyboard.press('Enter');
  await expectscreen(page, `${heading}
Enter character name: Sir Tap
Welcome, Sir Tap, your adventure is just beginning...`);
  // Below the terminal and the page's controls, where a thumb lands.
  await page.touchscreen.tap(200, 700);
  await expectscreen(page, mainmenu);
  // A tap on the prompt, where no choice is, takes nothing; Yes answers
  // the game's question.
  await tapon(page, '?');
  await tapon(page, 'S(a)ve');
  await fieldasks(page, 'Are you sure you want to save?', [true, true, true]);
  await page.tap('#touchline button[value=y]');
  await expectscreen(page, savedscreen);
  await tapon(page, 'saved');
  // A choice in the monster menu's second column.
  await tapon(page, '(M)onsters');
  await tapon(page, '16) Corrupted Knight');
  await expectscreen(page, `${heading}\nYou found one of the corrupted knights`);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Text as on-screen keyboards and voice input send it, with no key events
// or with a key event that names no key; each must reach the game once.
async function inserttext(cdp, text, {keyed = false} = {}) {
  const key = {windowsVirtualKeyCode: 229, key: 'Unidentified'};
  if (keyed) await cdp.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', ...key});
  await cdp.send('Input.insertText', {text});
  if (keyed) await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
}

test('text from keyboards that send input events, and a mouse click on a choice', async () => {
  const page = await openpage(shared.session);
  // A window whose terminal is shown, not the game's words (plainview.js).
  await page.setViewport({width: 1024, height: 768});
  const cdp = await page.createCDPSession();
  await titleshown(page);
  // Inserted with no key event: voice input.
  await inserttext(cdp, 'k');
  await expectscreen(page, startmenu);
  // A drag over a choice selects its text and takes nothing; a click on
  // one takes it.
  const from = await pointat(page, '(L)oad Game');
  await page.mouse.move(from.x - 30, from.y);
  await page.mouse.down();
  await page.mouse.move(from.x + 30, from.y, {steps: 4});
  await page.mouse.up();
  await expectscreen(page, startmenu);
  const to = await pointat(page, '(N)ew Game');
  await page.mouse.click(to.x, to.y);
  await expectscreen(page, `${heading}\nEnter character name:`);
  // A phone keyboard's key (a key event that names no key, then the text)
  // and its Backspace, sent as a deletion.
  await inserttext(cdp, 'x', {keyed: true});
  await expectscreen(page, `${heading}\nEnter character name: x`);
  await page.$eval('.xterm-helper-textarea', (area) => area.dispatchEvent(
    new InputEvent('beforeinput', {inputType: 'deleteContentBackward', bubbles: true})));
  // A composition and its commit, then Enter as a line break.
  await cdp.send('Input.imeSetComposition', {text: 'Sir', selectionStart: 3, selectionEnd: 3});
  await cdp.send('Input.imeSetComposition', {text: 'Sir Ime', selectionStart: 7, selectionEnd: 7});
  await inserttext(cdp, 'Sir Ime');
  await inserttext(cdp, '\n');
  await expectscreen(page, `${heading}
Enter character name: Sir Ime
Welcome, Sir Ime, your adventure is just beginning...`);
  await inserttext(cdp, 'k', {keyed: true});
  await expectscreen(page, mainmenu);
  // A control code (C1 CSI) sent is no command.
  await inserttext(cdp, '\u009ba');
  await inserttext(cdp, '\n');
  await expectscreen(page, `${heading}\nAre you sure you want to save?`);
  assert.deepEqual(page.errors, []);
  await page.close();
});
