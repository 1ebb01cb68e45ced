// The page with no network after one visit, its manifest and icon as
// Chromium judges them for installing, and a rebuilt page reaching the
// player through the offer to reload, in every tab.
import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {cp, readFile, writeFile} from 'node:fs/promises';
import {join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {promisify} from 'node:util';
import {after, test} from 'node:test';
import {serve} from '../serve.mjs';
import {expectscreen, openpage, pagedir, type} from './browser.mjs';
import {loadedscreen, mainmenu, newknight, save, titleshown, usesession} from './screens.mjs';

const shared = usesession();
let server;

async function stop() {
  server.closeAllConnections();
  await new Promise((done) => server.close(done));
}

after(async () => {
  if (server?.listening) await stop();
});

test('after one visit the page plays offline, installs, and offers a rebuilt page', async () => {
  // A copy of the built page, to rebuild while the player has it open.
  const folder = shared.folder;
  await cp(pagedir, folder, {recursive: true});
  server = await serve(folder);
  const {port} = server.address();
  const site = {browser: shared.session.browser, url: `http://127.0.0.1:${port}/`};
  // A tab of the first visit, before the worker is there: it never
  // controls this tab.
  const early = await openpage(site);
  await titleshown(early);
  const page = await openpage(site);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));

  const cdp = await page.createCDPSession();
  assert.deepEqual(await cdp.send('Page.getInstallabilityErrors'), {installabilityErrors: []});

  await newknight(page, 'Sir Offline');
  await save(page);

  // No network at all: the server gone and the browser offline.
  await stop();
  await page.setOfflineMode(true);
  await page.reload();
  await titleshown(page);
  await type(page, 'k l\nSir Offline\n');
  await expectscreen(page, loadedscreen('Sir Offline'));
  await type(page, 'k');
  await expectscreen(page, mainmenu);
  assert.equal(await page.$('#update'), null);

  // The page rebuilt: one file's content changed, the service worker made
  // again as the build makes it.
  const index = join(folder, 'index.html');
  await writeFile(index, (await readFile(index, 'utf8'))
    .replace('>Emberfell</h1>', '>Emberfell rebuilt</h1>'));
  const precache = fileURLToPath(new URL('../precache.mjs', import.meta.url));
  await promisify(execFile)(process.execPath, [precache, folder]);
  server = await serve(folder, port);
  await page.setOfflineMode(false);
  await page.reload();
  await titleshown(page);
  const h1 = (tab) => tab.$eval('h1', (element) => element.textContent);
  assert.equal(await h1(page), 'Emberfell');
  await page.waitForSelector('#update button', {timeout: 10000});
  // Both tabs offer it; the one the worker does not control reloads into
  // it first, then the other, which the new worker controls by then.
  await early.bringToFront();
  await early.waitForSelector('#update button', {timeout: 10000});
  await Promise.all([early.waitForNavigation(), early.click('#update button')]);
  assert.equal(await h1(early), 'Emberfell rebuilt');
  await page.bringToFront();
  await Promise.all([page.waitForNavigation(), page.click('#update button')]);
  assert.equal(await h1(page), 'Emberfell rebuilt');
  await titleshown(page);
  assert.deepEqual([...early.errors, ...page.errors], []);
  await early.close();
  await page.close();
});
