// The page as a player meets it who listens with a screen reader, who plays
// by keyboard, or who zooms: what the page's live regions say at each screen
// of a play (the game's words, each once), the focused input's name at each
// wait in the accessibility tree, Tab through every control, the knights'
// list keeping the focus, the screen said again, the scene in the page's
// title, axe-core's rules at five scenes, and the game's text at 200% zoom,
// 320 CSS pixels wide and with reduced motion.
import assert from 'node:assert/strict';
import {readFile, writeFile} from 'node:fs/promises';
import {createRequire} from 'node:module';
import {join} from 'node:path';
import {test} from 'node:test';
import {ctrl, importknight, listening, openpage, paste, pause, status, type, version} from './browser.mjs';
import {aylasave, gameover, imported, usesession} from './screens.mjs';

// axe-core, from the page's npm packages (web/node_modules).
const axe = await readFile(createRequire(import.meta.url).resolve('axe-core'), 'utf8');

const shared = usesession();

// The focused element's role and name, as the accessibility tree has them.
async function focused(page) {
  const element = await page.evaluateHandle(() => document.activeElement);
  const node = await page.accessibility.snapshot({root: element, interestingOnly: false});
  return `${node?.role}: ${node?.name}`;
}

// Waits until the game's words and the screens said again since the last
// call are these texts (or match these patterns), exactly; then the
// focused input's name is `asks`.
async function heard(page, texts, asks) {
  const match = (told) => told.length === texts.length &&
    texts.every((text, i) => (text instanceof RegExp ? text.test(told[i]) : text === told[i]));
  let told;
  for (let i = 0; i < 200; i++) {
    told = await page.evaluate(() => window.announced.slice(window.heardupto ?? 0)
      .filter((said) => said.region !== 'status').map((said) => said.text));
    if (match(told)) break;
    await pause(25);
  }
  if (!match(told)) assert.deepEqual(told, texts);
  await page.evaluate(() => { window.heardupto = window.announced.length; });
  if (typeof asks === 'string') assert.equal(await focused(page), `textbox: ${asks}`);
  else if (asks) assert.match(await focused(page), asks);
}

// The scene in the page's title, and no rule of axe-core's broken.
async function scene(page, name) {
  assert.equal(await page.title(), `${name} - Emberfell`);
  if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(axe);
  const broken = await page.evaluate(async () => (await window.axe.run(document, {runOnly:
    ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']})).violations
    .map((rule) => `${rule.id}: ${rule.nodes.map((node) => node.target.join(' ')).join(', ')}`));
  assert.deepEqual(broken, [], name);
}

const anykey = '(Press any key.)';
const mainmenu = '(M)onsters\n(Q)uest\n(B)lacksmith\nMa(g)ic Shop\n(I)nn\n(S)tats\nS(a)ve\n(E)xit\n? ';
const mainchoices = '(M)onsters, (Q)uest, (B)lacksmith, Ma(g)ic Shop, (I)nn, (S)tats, S(a)ve, (E)xit';
const fightmenu = '1) Attack\n2) Magic\n3) Run\n? ';

// Tab from the game through every control, each showing its focus, and
// Shift+Tab back; the arrows choose in the knights' list and keep the
// focus there; the game takes none of these keys.
async function tabthrough(page) {
  const stops = ['repeat', 'knights', 'export', 'import', 'export', 'knights', 'repeat',
                 'xterm-helper-textarea'];
  for (const [i, stop] of stops.entries()) {
    if (i >= 4) await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    if (i === 1) await page.keyboard.press('ArrowDown');
    const at = await page.evaluate(() => document.activeElement.id || document.activeElement.className);
    const seen = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    assert.equal(`${at} ${seen}`, `${stop} solid`);
  }
  assert.equal(await page.$eval('#knights', (list) => list.value), 'Bryn');
  await pause(300);
  await heard(page, []);
}

// The game's text at this window size: its font size in CSS pixels (the
// words' where they show in the terminal's place), and whether the page
// scrolls sideways.
async function textsize(page, size) {
  await page.setViewport(size);
  await pause(200);
  return page.evaluate(() => ({
    font: parseFloat(getComputedStyle(document.querySelector(
      document.body.classList.contains('plain') ? '#transcript p' : '.xterm-rows')).fontSize),
    wide: document.documentElement.scrollWidth > innerWidth,
  }));
}

test('a play heard through the page, by keyboard, zoomed and narrow', async () => {
  const page = await openpage(shared.session, {before: [listening]});
  page.cdp = await page.createCDPSession();
  await page.setViewport({width: 1366, height: 768});
  const title = `Emberfell, version ${version}. Press Enter.\n(Press any key.)`;
  await heard(page, [title], anykey);
  // The painted title and the terminal's rows are not heard; the game's
  // words are a log, in a named main under one heading.
  const {nodes} = await page.cdp.send('Accessibility.getFullAXTree');
  const named = nodes.filter((node) => !node.ignored)
    .map((node) => `${node.role.value}: ${node.name?.value}`);
  assert.deepEqual(named.filter((node) => /EEEE|═|Version|^(main|heading|log):/.test(node)),
                   ['main: Emberfell', 'heading: Emberfell', "log: The game's words"]);
  await scene(page, 'Title');

  for (const name of ['Ayla', 'Bryn']) {
    await writeFile(join(shared.folder, name), aylasave.replace('Ayla', name));
    await importknight(page, join(shared.folder, name));
    await status(page, imported('Imported', name));
  }
  await page.focus('.xterm-helper-textarea');
  await tabthrough(page);
  // The screen said again, by F2 and by the button, which gives the focus
  // back to the game.
  await page.keyboard.press('F2');
  await heard(page, [title], anykey);
  await page.click('#repeat');
  await heard(page, [title], anykey);

  await type(page, 'k');
  await heard(page, ['Emberfell\n(N)ew Game\n(L)oad Game\n(S)tory\n(I)nstructions\n(C)redits\n? '],
              '(N)ew Game, (L)oad Game, (S)tory, (I)nstructions, (C)redits');
  await type(page, 'n\n');
  await heard(page, ['Enter character name: '], 'Enter character name:');
  await type(page, 'Brom\n');
  await heard(page, ['Welcome, Brom, your adventure is just beginning...\n(Press any key.)'], anykey);
  await type(page, 'k');
  await heard(page, [mainmenu], mainchoices);
  await scene(page, 'Main menu');
  // Pasted, the second line is taken at once: its answer is shown after
  // its prompt, not said.
  await paste(page, 'x\ny\n');
  await heard(page, ['That is not one of the choices.',
                     `${mainmenu}\nThat is not one of the choices.`, mainmenu], mainchoices);
  await type(page, 'b\n');
  await heard(page, [/^Listen kid[^]*\n21\) I don't want anything\nGold: 0 \? $/], /^textbox: /);
  await scene(page, 'Blacksmith');
  await type(page, '21\n');
  await heard(page, [/LEAVE!!\n\(Press any key\.\)$/], anykey);
  await type(page, 'k');
  await heard(page, [mainmenu], mainchoices);
  // The game's text at 200% zoom (half the CSS pixels, each drawn twice as
  // large): at least 1.8 times as large or at 16 CSS pixels; 320 CSS pixels
  // wide, no sideways scrolling and at least 12 CSS pixels. Where the words
  // show in the terminal's place, a click on a choice takes it.
  const normal = await textsize(page, {width: 1366, height: 768});
  const zoomed = await textsize(page, {width: 683, height: 384, deviceScaleFactor: 2});
  assert.ok(zoomed.font * 2 >= 1.8 * normal.font || zoomed.font >= 16,
            JSON.stringify({normal, zoomed}));
  const narrow = await textsize(page, {width: 320, height: 640});
  assert.ok(narrow.font >= 12 && !narrow.wide, JSON.stringify(narrow));
  const choice = await page.evaluateHandle(() => [...document.querySelectorAll('#transcript p')]
    .findLast((line) => line.textContent === '(M)onsters'));
  await choice.click();
  await heard(page, [/^1\) Rabid Squirrel 16\) Corrupted Knight\n[^]*\nEnter monster number: $/],
              'Enter monster number:');
  await textsize(page, {width: 1366, height: 768});
  await type(page, '1\n');
  await heard(page, ['You found a rabid squirrel\n(Press any key.)'], anykey);
  await type(page, 'k');
  await heard(page, [`HP: 10/10\nMP: 5/5\n${fightmenu}`], '1) Attack, 2) Magic, 3) Run');
  await scene(page, 'Fight');
  // Ctrl-D: the end of input ends the game.
  await ctrl(page, 'd');
  await status(page, gameover);
  await scene(page, 'The game is over');

  // Nothing blinks or moves with reduced motion.
  await page.emulateMediaFeatures([{name: 'prefers-reduced-motion', value: 'reduce'}]);
  await pause(100);
  assert.equal(await page.evaluate(() => document.getAnimations().length), 0);
  assert.deepEqual(page.errors, []);
  await page.close();
});
