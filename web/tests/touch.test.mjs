// The game on a phone: played by taps, with lines typed in the page's
// field, and the text that on-screen keyboards send as input events
// reaching the game once each.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {KnownDevices} from 'puppeteer-core';
import {expectscreen, openpage, rolls, startbrowser} from './browser.mjs';
import {heading, startmenu, mainmenu} from './screens.mjs';

let session;

before(async () => {
  session = await startbrowser();
});

after(async () => {
  await session?.close();
});

const monstermenu = `${heading}
1) Rabid Squirrel         16) Corrupted Knight
2) Killer Rabbit          17) Evil Wizard
3) Snake                  18) Golem
4) Imp                    19) Giant
5) Goblin                 20) Basilisk
6) Bear                   21) Wind Elemental
7) Night Stalker          22) Demon
8) Water Elemental        23) Destruction Elemental
9) Thief                  24) Sapphire Dragon
10) Ogre                  25) Emerald Dragon
11) Fire Elemental        26) Ruby Dragon
12) Genie                 27) Diamond Dragon
13) Centaur               28) Onyx Dragon
14) Harpy                 29) Gold Dragon
15) Earth Elemental       30) Moon Dragon
00) I do not wish to fight at this time
Enter monster number:`;

const fightmenu = `
1) Attack
2) Magic
3) Run
?`;

// The page on a phone, taps and all, from its first load.
async function openphone() {
  const page = await openpage(session);
  await page.emulate(KnownDevices['Pixel 5']);
  await page.reload();
  return page;
}

// A finger on the middle of this text on the terminal's screen.
async function tapon(page, text) {
  const point = await pointat(page, text);
  assert.ok(point, `no ${text} on the screen`);
  await page.touchscreen.tap(point.x, point.y);
}

// The line field's prompt, once it asks for a line.
async function fieldasks(page, prompt) {
  await page.waitForFunction((wanted) => {
    const field = document.getElementById('touchline');
    return !field.classList.contains('idle') && field.querySelector('label').textContent === wanted;
  }, {timeout: 10000}, prompt);
}

test('a game played by taps on a phone, a name typed in the line field', async () => {
  const page = await openphone();
  await page.waitForFunction(() => document.querySelector('.xterm-rows')
    ?.textContent.includes('Version: 1.0.1'));
  // A tap anywhere goes on after a text, the title's too.
  await tapon(page, 'Version');
  await expectscreen(page, startmenu);
  await fieldasks(page, '(N)ew Game, (L)oad Game, (S)tory, (I)nstructions, (C)redits');
  await tapon(page, '(N)ew Game');
  await expectscreen(page, `${heading}\nEnter character name:`);
  await fieldasks(page, 'Enter character name:');
  // No Yes or No where the game asks for a name.
  assert.deepEqual(await page.$$eval('#touchline button', (buttons) =>
    buttons.map((button) => button.hidden)), [false, true, true]);
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
  // A tap on the prompt, where no choice is, takes nothing.
  await tapon(page, '?');
  await tapon(page, '(M)onsters');
  await expectscreen(page, monstermenu);
  await tapon(page, 'Rabid Squirrel');
  await expectscreen(page, `${heading}\nYou found a rabid squirrel`);
  await tapon(page, 'squirrel');
  await expectscreen(page, `${heading}\nHP: 10/10\nMP: 5/5${fightmenu}`);
  await rolls(page, [3, 1]);
  await tapon(page, '1) Attack');
  await expectscreen(page, `${heading}\nHP: 10/10\nMP: 5/5${fightmenu} 1
You attack
 Slash: -6 enemy HP

Enemy attacks
 Claw: -3 HP
Defense value: 2`);
  await tapon(page, 'Slash');
  await expectscreen(page, `${heading}\nHP: 9/10\nMP: 5/5${fightmenu}`);
  await tapon(page, '3) Run');
  await expectscreen(page, `${heading}
You will have to leave 2 gold behind to distract the monsters.
Are you going to run away?
?`);
  await fieldasks(page, 'Are you going to run away?');
  await page.tap('#touchline button[value=y]');
  await expectscreen(page, `${heading}
You will have to leave 2 gold behind to distract the monsters.
Are you going to run away?
? y

not enough money!!`);
  // The fight to its end, and the monster menu's second column.
  await tapon(page, 'money');
  await expectscreen(page, `${heading}\nHP: 9/10\nMP: 5/5${fightmenu}`);
  await rolls(page, [3]);
  await tapon(page, '1) Attack');
  await expectscreen(page, `${heading}\nHP: 9/10\nMP: 5/5${fightmenu} 1
You attack
 Slash: -6 enemy HP

Enemy defeated!!`);
  await tapon(page, 'defeated');
  await expectscreen(page, `${heading}

You kick some dirt over the still body of the squirrel

Found 2 gold
Gained 1 experience`);
  await tapon(page, 'gold');
  await expectscreen(page, mainmenu);
  await tapon(page, '(M)onsters');
  await expectscreen(page, monstermenu);
  await tapon(page, '16) Corrupted Knight');
  await expectscreen(page, `${heading}\nYou found one of the corrupted knights`);
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Where this text's middle is on the terminal's screen.
async function pointat(page, text) {
  return page.evaluate(async (wanted) => {
    // Once the terminal's font has settled on this screen's columns.
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

// Text as on-screen keyboards and voice input send it, with no key events
// or with a key event that names no key; each must reach the game once.
async function inserttext(cdp, text, {keyed = false} = {}) {
  const key = {windowsVirtualKeyCode: 229, key: 'Unidentified'};
  if (keyed) await cdp.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', ...key});
  await cdp.send('Input.insertText', {text});
  if (keyed) await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
}

test('text from keyboards that send input events, and a mouse click on a choice', async () => {
  const page = await openpage(session);
  // A window whose terminal is shown, not the game's words (plainview.js).
  await page.setViewport({width: 1024, height: 768});
  const cdp = await page.createCDPSession();
  await page.waitForFunction(() => document.querySelector('.xterm-rows')
    ?.textContent.includes('Version: 1.0.1'));
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
  await inserttext(cdp, 'n\n');
  await expectscreen(page, `${heading}
Are you sure you want to save? n


                                not saved`);
  assert.deepEqual(page.errors, []);
  await page.close();
});
