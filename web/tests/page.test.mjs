// The game in its web page, played in headless Chromium as a player plays
// it: whole screens compared as the terminal shows them.
import assert from 'node:assert/strict';
import {mkdtemp, rm, writeFile} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';
import {exportknight, expectscreen, importknight, openpage, paste, rolls, startbrowser, status,
        type} from './browser.mjs';
import {aylasave, titlescreen, heading, startmenu, mainmenu} from './screens.mjs';

let session;
let downloads;

before(async () => {
  session = await startbrowser();
  downloads = await mkdtemp(join(tmpdir(), 'emberfell-downloads-'));
});

after(async () => {
  await session?.close();
  await rm(downloads, {recursive: true, force: true});
});

const gameover = 'The game is over. Press any key for a new game.';

// A new knight of this name, up to the main menu.
async function newknight(page, name) {
  await expectscreen(page, titlescreen);
  await type(page, `k n\n${name}\n`);
  await type(page, 'k');
  await expectscreen(page, `${mainmenu}`);
}

test('title, start menu, line editing, keys typed ahead, and the end of a game', async () => {
  const page = await openpage(session, {before: [() => {
    const transaction = IDBDatabase.prototype.transaction;
    window.storagereads = 0;
    IDBDatabase.prototype.transaction = function (...args) {
      window.storagereads++;
      return transaction.apply(this, args);
    };
  }]});
  await expectscreen(page, titlescreen);
  // An arrow key is one key press: nothing of it reaches the menu's prompt.
  await page.keyboard.press('ArrowUp');
  await expectscreen(page, startmenu);
  await type(page, 'n\n');
  await expectscreen(page, `${heading}\nEnter character name:`);
  // Pasted control codes (C1 CSI, a direction control) are no commands:
  // the rest is echoed as text, and Ctrl-U rubs it out.
  await paste(page, 'Ay\u009b2J\u009b1;1HPWNED\u009b5;1H\u202ela');
  await expectscreen(page, `${heading}\nEnter character name: Ay2J1;1HPWNED5;1Hla`);
  await page.keyboard.down('Control');
  await page.keyboard.press('u');
  await page.keyboard.up('Control');
  // Nor is one typed.
  const cdp = await page.createCDPSession();
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyDown', text: '\u009b'});
  await type(page, 'Sir Az');
  await page.keyboard.press('Backspace');
  await type(page, 'yla\n');
  await expectscreen(page, `${heading}
Enter character name: Sir Ayla
Welcome, Sir Ayla, your adventure is just beginning...`);
  // Typed at once: the key wait takes x, the main menu's prompt the line
  // "a" (save), the save's question the line "n".
  await paste(page, 'xa\nn\n');
  const notsaved = `${heading}
Are you sure you want to save? n


                                not saved`;
  await expectscreen(page, notsaved);
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  // A paste of a megabyte: a thousand lines that choose nothing, letters
  // typed and rubbed out, then a line that keeps its first 4095 characters,
  // the last of them the answer (a for save); the next line answers the
  // save. No line is lost, and the browser's storage is not read for each.
  const reads = await page.evaluate(() => window.storagereads);
  await paste(page, `${'x\n'.repeat(1000)}${'y\x7f'.repeat(1000)}${' '.repeat(4094)}a` +
                    `${'x'.repeat(1 << 20)}\nn\n`);
  await expectscreen(page, notsaved);
  assert.ok(await page.evaluate(() => window.storagereads) < reads + 10);
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  await type(page, 'e\n');
  await expectscreen(page, `${mainmenu} e

Goodbye!!`);
  await type(page, 'k');
  await status(page, gameover);
  await type(page, 'k');
  await expectscreen(page, titlescreen);
  // Ctrl-D on an empty line is the end of input, which ends the game too.
  await type(page, 'k');
  await expectscreen(page, startmenu);
  await page.keyboard.down('Control');
  await page.keyboard.press('d');
  await page.keyboard.up('Control');
  await status(page, gameover);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a death ends the game, and a key starts a new one', async () => {
  const page = await openpage(session);
  await newknight(page, 'Brom');
  await type(page, 'm\n5\n');
  await expectscreen(page, `${heading}\nYou found a goblin`);
  await type(page, 'k');
  // A blow of 4 leaves the goblin alive; its Chop (20) fells a new knight.
  await rolls(page, [1, 3, 2]);
  await type(page, '1\n');
  const death = `${heading}
Your stomach is sliced open
and you are left alone to stare in
disbelief as your insides fall out into
your hands.`;
  await expectscreen(page, death);
  await type(page, 'k');
  await expectscreen(page, `${death}










              Game Over`);
  await type(page, 'k');
  await status(page, gameover);
  await type(page, 'k');
  await expectscreen(page, titlescreen);
  await status(page, '');
  assert.deepEqual(page.errors, []);
  await page.close();
});

const savedscreen = `${heading}
Are you sure you want to save? y


                                saving...

                                saved`;

async function save(page) {
  await type(page, 'a\ny\n');
  await expectscreen(page, savedscreen);
  await type(page, 'k');
}

// Waits until the page lists these knights for export (in a tab in front
// or behind), among the knights of earlier tests.
async function knightslisted(page, names) {
  await page.waitForFunction((want) => {
    const listed = [...document.querySelectorAll('#knights option')].map((o) => o.value);
    return want.every((name) => listed.includes(name));
  }, {polling: 50, timeout: 10000}, names);
}

const loadedscreen = (name) => `${heading}
Enter character name to load: ${name}


                                  loading...

                                  loaded`;

// The page's message after an import.
const imported = (done, name) =>
  `${done} ${name}: to play, choose (L)oad Game at the start menu and type ${name}`;


test('a save lasts over a reload, and exports and imports byte for byte', async () => {
  const page = await openpage(session);
  await newknight(page, 'Ayla');
  await save(page);
  assert.equal((await exportknight(page, 'Ayla', downloads)).toString('latin1'), aylasave);

  await page.reload();
  await expectscreen(page, titlescreen);
  await type(page, 'k l\nAyla\n');
  await expectscreen(page, loadedscreen('Ayla'));
  await type(page, 'k');
  await expectscreen(page, mainmenu);

  // The exported file comes back in as it went out.
  const exported = join(downloads, 'exported-Ayla');
  await writeFile(exported, aylasave);
  await importknight(page, exported);
  await status(page, imported('Replaced', 'Ayla'));
  assert.equal((await exportknight(page, 'Ayla', downloads)).toString('latin1'), aylasave);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('a save in one tab keeps the knight another tab saved, and is seen there at once',
     async () => {
  const first = await openpage(session);
  const second = await openpage(session);
  await first.bringToFront();
  await newknight(first, 'Twin One');
  await save(first);
  await second.bringToFront();
  await knightslisted(second, ['Twin One']);
  await newknight(second, 'Twin Two');
  await save(second);
  await knightslisted(first, ['Twin One', 'Twin Two']);
  // The second tab's next game, at the start menu, then the first tab
  // replaces Twin Two: the second tab loads the knight the browser holds
  // now, and its save keeps it.
  await type(second, 'e\nk');
  await status(second, gameover);
  await type(second, 'kk');
  await expectscreen(second, startmenu);
  await first.bringToFront();
  const richer = aylasave.replace('\n0\n1\n0\n4', '\n500\n1\n0\n4').replace('Ayla', 'Twin Two');
  const file = join(downloads, 'richer');
  await writeFile(file, richer);
  await importknight(first, file);
  await status(first, imported('Replaced', 'Twin Two'));
  await second.bringToFront();
  await type(second, 'l\nTwin Two\n');
  await expectscreen(second, loadedscreen('Twin Two'));
  await type(second, 'k');
  await save(second);
  assert.equal((await exportknight(second, 'Twin Two', downloads)).toString('latin1'), richer);

  // With its clock set an hour back (a fast clock put right), the first
  // tab's new Twin Two (no gold) is saved over the stored one all the same.
  await first.bringToFront();
  await first.reload();
  await first.evaluate(() => {
    const now = Date.now;
    Date.now = () => now() - 3600000;
  });
  await newknight(first, 'Twin Two');
  await save(first);
  const poorer = aylasave.replace('Ayla', 'Twin Two');
  await second.bringToFront();
  await second.reload();
  await knightslisted(second, ['Twin Two']);
  assert.equal((await exportknight(second, 'Twin Two', downloads)).toString('latin1'), poorer);
  // The site's data cleared while the game runs: the next save stores the
  // knight again, and every other knight the tab holds.
  await first.bringToFront();
  const cdp = await first.createCDPSession();
  await cdp.send('Storage.clearDataForOrigin', {origin: new URL(session.url).origin,
                                                storageTypes: 'all'});
  await type(first, 'a\ny\n');
  await expectscreen(first, savedscreen);
  await second.reload();
  await knightslisted(second, ['Twin One', 'Twin Two']);
  assert.deepEqual([...first.errors, ...second.errors], []);
  await first.close();
  await second.close();
});

// A knight saved on Windows: CR LF line ends, and a name longer than a
// knight's (the game keeps 24 bytes, the 25th begins a letter of two).
// Strikes for 34, defense 2.
const rowan = 'Rowan of Keld and Ashmor';
const windowssave = ['100', '17', '1', '0', '1', '0', '4', '0', '25', '5', '0', '100', '5', '0',
                     '0', '0', '1', '0', '0', '0', '0', '0', '0', '0', '0', '0', '1', '1',
                     `${rowan}é`].map((line) => `${line}\r\n`).join('');

test('saves imported under the names they load by, and a whole goblin fight with chosen rolls',
     async () => {
  const page = await openpage(session);
  await expectscreen(page, titlescreen);
  // 28 numbers on 27 lines: the name is the line after the 28th number.
  const twofold = join(downloads, 'Twofold.sav');
  await writeFile(twofold, aylasave.replace('10\n1\n', '10 1\n').replace('Ayla', 'Twofold'));
  await importknight(page, twofold);
  await status(page, imported('Imported', 'Twofold'));
  // Three bytes that are no letters, then 22 letters: the page spells the
  // name longer than the load prompt takes, so it cannot be loaded here.
  const stray = join(downloads, 'Stray.sav');
  await writeFile(stray, Buffer.concat([Buffer.from(aylasave.replace('Ayla\n', '')),
                                        Buffer.from([0xff, 0xfe, 0xfd]),
                                        Buffer.from(`${'a'.repeat(22)}\n`)]));
  await importknight(page, stray);
  await status(page, 'Stray.sav names no knight that can be loaded here.');
  const file = join(downloads, 'Rowan.sav');
  await writeFile(file, windowssave);
  await importknight(page, file);
  await status(page, imported('Imported', rowan));
  assert.equal((await exportknight(page, rowan, downloads)).toString(), windowssave);

  // The message stays while the knight is loaded, and goes with its name.
  await type(page, 'k l\n');
  await expectscreen(page, `${heading}\nEnter character name to load:`);
  await status(page, imported('Imported', rowan));
  await type(page, `${rowan}\n`);
  await expectscreen(page, loadedscreen(rowan));
  await status(page, '');
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  await type(page, 'm\n5\n');
  await expectscreen(page, `${heading}\nYou found a goblin`);
  await type(page, 'k');
  const menu = `1) Attack
2) Magic
3) Run
? 1
You attack
 Slash: -34 enemy HP`;
  await rolls(page, [1, 2]);
  await type(page, '1\n');
  await expectscreen(page, `${heading}
HP: 100/100
MP: 5/5
${menu}

Enemy attacks
 Slash: -10 HP
Defense value: 2`);
  await type(page, 'k');
  await rolls(page, [1]);
  await type(page, '1\n');
  await expectscreen(page, `${heading}
HP: 92/100
MP: 5/5
${menu}

Enemy defeated!!`);
  await type(page, 'k');
  await expectscreen(page, `${heading}

You stab the goblin through the heart

Found 8 gold
Gained 6 experience`);
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  assert.deepEqual(page.errors, []);
  await page.close();
});

test('without the browser\'s storage the game still plays; a failed save says so', async () => {
  const nostorage = await openpage(session, {before: [() => {
    IDBFactory.prototype.open = () => {
      throw new DOMException('The user denied permission to access the database.',
                             'SecurityError');
    };
  }]});
  await status(nostorage, 'This browser keeps nothing for this page: saved knights last only ' +
                          'until the page is closed. Export a knight to keep it.');
  await newknight(nostorage, 'Ephemera');
  await save(nostorage);
  assert.deepEqual(nostorage.errors, []);
  await nostorage.close();

  const failing = await openpage(session, {before: [() => {
    const put = IDBObjectStore.prototype.put;
    IDBObjectStore.prototype.put = function (...args) {
      if (window.storagefull) throw new DOMException('The quota was exceeded.', 'QuotaExceededError');
      return put.apply(this, args);
    };
  }]});
  await newknight(failing, 'Overflow');
  await failing.evaluate(() => { window.storagefull = true; });
  await type(failing, 'a\ny\n');
  await expectscreen(failing, `${heading}
Are you sure you want to save? y


                                saving...

                  An error occured while writing the file`);
  await status(failing, 'The browser refused to store the save.');
  assert.deepEqual(failing.errors, []);
  await failing.close();
});
