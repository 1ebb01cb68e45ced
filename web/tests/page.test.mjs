// What the page adds to the game, played in headless Chromium: the keys
// (line editing, only text echoed, keys typed ahead, a paste of a
// megabyte, the end of a game and a new one), and the knights saved in the
// browser (export and import byte for byte, two tabs, storage cleared or
// refused).
import assert from 'node:assert/strict';
import {writeFile} from 'node:fs/promises';
import {join} from 'node:path';
import {test} from 'node:test';
import {ctrl, exportknight, expectscreen, importknight, openpage, paste, status,
        type} from './browser.mjs';
import {aylasave, gameover, heading, imported, loadedscreen, mainmenu, newknight, save,
        startmenu, titleshown, usesession} from './screens.mjs';

const shared = usesession();
const file = (name) => join(shared.folder, name);

// Counts the page's reads of the browser's storage, or fails its writes.
function storagespy() {
  const {transaction} = IDBDatabase.prototype;
  const {put} = IDBObjectStore.prototype;
  window.storagereads = 0;
  IDBDatabase.prototype.transaction = function (...args) {
    window.storagereads++;
    return transaction.apply(this, args);
  };
  IDBObjectStore.prototype.put = function (...args) {
    if (window.storagefull) throw new DOMException('The quota was exceeded.', 'QuotaExceededError');
    return put.apply(this, args);
  };
}

test('line editing, only text echoed, keys typed ahead, and the end of a game', async () => {
  const page = await openpage(shared.session, {before: [storagespy]});
  await titleshown(page);
  // An arrow key is one key press: nothing of it reaches the menu's prompt.
  await page.keyboard.press('ArrowUp');
  await expectscreen(page, startmenu);
  // The part of a line typed ahead is echoed after the prompt.
  await paste(page, 'n\nAy');
  await expectscreen(page, `${heading}\nEnter character name: Ay`);
  // Pasted control codes (C1 CSI, a direction control) are no commands:
  // the rest is echoed as text, and Ctrl-U rubs it out.
  await paste(page, '\u009b2J\u009b1;1HPWNED\u009b5;1H\u202ela');
  await expectscreen(page, `${heading}\nEnter character name: Ay2J1;1HPWNED5;1Hla`);
  await ctrl(page, 'u');
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
  // "a" (save), the save's question the line "n". Then a paste of a
  // megabyte: a thousand lines that choose nothing, letters typed and
  // rubbed out, then a line that keeps its first 4095 characters, the last
  // of them the answer (a for save); the next line answers the save. No
  // line is lost, and the browser's storage is not read for each.
  await paste(page, 'xa\nn\n');
  const notsaved = `${heading}\nAre you sure you want to save? n\n\n\n${' '.repeat(32)}not saved`;
  await expectscreen(page, notsaved);
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  const reads = await page.evaluate(() => window.storagereads);
  await paste(page, `${'x\n'.repeat(1000)}${'y\x7f'.repeat(1000)}${' '.repeat(4094)}a` +
                    `${'x'.repeat(1 << 20)}\nn\n`);
  await expectscreen(page, notsaved);
  const more = await page.evaluate(() => window.storagereads) - reads;
  assert.ok(more < 100, `${more} reads of the storage for 1002 lines`);
  // A save the browser refuses.
  await page.evaluate(() => { window.storagefull = true; });
  await type(page, 'ka\ny\n');
  await status(page, 'The browser refused to store the save.');
  // Ctrl-D on an empty line is the end of input, which ends the game; a
  // key starts a new one.
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  await ctrl(page, 'd');
  await status(page, gameover);
  await type(page, 'k');
  await titleshown(page);
  await status(page, '');
  assert.deepEqual(page.errors, []);
  await page.close();
});

// A knight saved on Windows: CR LF line ends, and a name longer than a
// knight's (the game keeps 24 bytes, the 25th begins a letter of two).
const rowan = 'Rowan of Keld and Ashmor';
const windowssave = aylasave.replace('Ayla\n', `${rowan}é\n`).replace(/\n/g, '\r\n');

test('imports by the names they load by, a Windows save byte for byte', async () => {
  const page = await openpage(shared.session);
  await titleshown(page);
  // 28 numbers on 27 lines: the name is the line after the 28th number.
  await writeFile(file('Twofold.sav'), aylasave.replace('10\n1\n', '10 1\n').replace('Ayla', 'Twofold'));
  await importknight(page, file('Twofold.sav'));
  await status(page, imported('Imported', 'Twofold'));
  // Three bytes that are no letters, then 22 letters: the page spells the
  // name longer than the load prompt takes, so it cannot be loaded here.
  await writeFile(file('Stray.sav'), Buffer.concat([Buffer.from(aylasave.replace('Ayla\n', '')),
                                                    Buffer.from([0xff, 0xfe, 0xfd]),
                                                    Buffer.from(`${'a'.repeat(22)}\n`)]));
  await importknight(page, file('Stray.sav'));
  await status(page, '\u2068Stray.sav\u2069 names no knight that can be loaded here.');
  await writeFile(file('Rowan.sav'), windowssave);
  await importknight(page, file('Rowan.sav'));
  await status(page, imported('Imported', rowan));
  assert.equal((await exportknight(page, rowan, shared.folder)).toString(), windowssave);
  // The message stays for the load's two lines, and goes with the name.
  await type(page, 'k l\n');
  await expectscreen(page, `${heading}\nEnter character name to load:`);
  await status(page, imported('Imported', rowan));
  await type(page, `${rowan}\n`);
  await expectscreen(page, loadedscreen(rowan));
  await status(page, '');
  assert.deepEqual(page.errors, []);
  await page.close();
});

// Waits until the page lists these knights (in a tab in front or behind).
async function knightslisted(page, names) {
  await page.waitForFunction((want) => {
    const listed = [...document.querySelectorAll('#knights option')].map((o) => o.value);
    return want.every((name) => listed.includes(name));
  }, {polling: 50, timeout: 10000}, names);
}

const exported = async (page, name) =>
  (await exportknight(page, name, shared.folder)).toString('latin1');

test('two tabs: each keeps and sees the other\'s knights, whatever the clocks; export and ' +
     'import byte for byte; storage cleared',
     async () => {
  const first = await openpage(shared.session);
  const second = await openpage(shared.session);
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
  await writeFile(file('richer'), richer);
  await importknight(first, file('richer'));
  await status(first, imported('Replaced', 'Twin Two'));
  await second.bringToFront();
  await type(second, 'l\nTwin Two\n');
  await expectscreen(second, loadedscreen('Twin Two'));
  await type(second, 'k');
  await save(second);
  assert.equal(await exported(second, 'Twin Two'), richer);
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
  await second.bringToFront();
  await second.reload();
  await knightslisted(second, ['Twin Two']);
  assert.equal(await exported(second, 'Twin Two'), aylasave.replace('Ayla', 'Twin Two'));
  // The site's data cleared while the game runs: the next save stores the
  // knight again, and every other knight the tab holds.
  await first.bringToFront();
  const cdp = await first.createCDPSession();
  await cdp.send('Storage.clearDataForOrigin', {origin: new URL(shared.session.url).origin,
                                                storageTypes: 'all'});
  await save(first);
  await second.reload();
  await knightslisted(second, ['Twin One', 'Twin Two']);
  assert.deepEqual([...first.errors, ...second.errors], []);
  await first.close();
  await second.close();
});

test('without the browser\'s storage the game still plays; a refused save says so', async () => {
  const nostorage = await openpage(shared.session, {before: [() => {
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

});
