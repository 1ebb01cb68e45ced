// What the plays of the page share: the game's screens they meet, as the
// terminal shows them (blanks at the ends of rows never count), and the
// steps every play takes: a browser, the title, a new knight, a save.
import {mkdtemp, rm} from 'node:fs/promises';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before} from 'node:test';
import {expectscreen, startbrowser, type, versionline} from './browser.mjs';

export const heading = `
                             Emberfell
`;

export const startmenu = `${heading}
(N)ew Game
(L)oad Game
(S)tory
(I)nstructions
(C)redits
?`;

export const mainmenu = `${heading}
(M)onsters
(Q)uest
(B)lacksmith
Ma(g)ic Shop
(I)nn
(S)tats
S(a)ve
(E)xit
?`;

const pad = ' '.repeat(32);
export const savedscreen = `${heading}\nAre you sure you want to save? y\n\n\n${pad}saving...\n\n${pad}saved`;
export const loadedscreen = (name) => `${heading}\nEnter character name to load: ${name}\n\n\n` +
                                      `  ${pad}loading...\n\n  ${pad}loaded`;

// A new knight's save, as the game writes it.
export const aylasave = '10\n1\n1\n1\n1\n0\n1\n0\n4\n5\n0\n10\n5\n0\n0\n0\n1\n' +
                        '0\n'.repeat(9) + '1\n1\nAyla\n';

// The page's words at the end of a game, and after an import (the names
// isolated from the words around them).
export const gameover = 'The game is over. Press any key for a new game.';
export const imported = (done, name) =>
  `${done} \u2068${name}\u2069: to play, choose (L)oad Game at the start menu and type ` +
  `\u2068${name}\u2069`;

// One browser for a file's tests (shared.session), a folder for its files.
export function usesession() {
  const shared = {};
  before(async () => {
    shared.session = await startbrowser();
    shared.folder = await mkdtemp(join(tmpdir(), 'emberfell-test-'));
  });
  after(async () => {
    await shared.session?.close();
    await rm(shared.folder, {recursive: true, force: true});
  });
  return shared;
}

// Until the terminal shows the title, in the painted title's place.
export async function titleshown(page) {
  await page.waitForFunction((line) => !document.getElementById('title') &&
    document.querySelector('.xterm-rows')?.textContent.includes(line), {timeout: 10000}, versionline);
}

// A new knight of this name, from the title to the main menu.
export async function newknight(page, name) {
  await titleshown(page);
  await type(page, `k n\n${name}\nk`);
  await expectscreen(page, mainmenu);
}

// The knight saved, from the main menu back to it.
export async function save(page) {
  await type(page, 'a\ny\n');
  await expectscreen(page, savedscreen);
  await type(page, 'k');
}
