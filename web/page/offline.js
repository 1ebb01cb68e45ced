// Offline play: a service worker (sw.js, made at build time by
// precache.mjs) keeps every file of the page, so that after one visit the
// page loads and plays with no network. A rebuilt page is fetched in the
// background and offered to the player, who reloads into it when it suits
// them rather than when every tab of the old one is closed. This file is
// loaded after the page, so none of it delays the first screen.
import {Workbox} from './workbox-window.js';

// How often a page left open looks for a new version.
const updateevery = 60 * 60 * 1000;

const offered = 'A new version of Emberfell is ready; a game not saved is lost on reloading.';

export function keepoffline() {
  // The browser is asked to keep the saved knights even when it runs out
  // of room.
  navigator.storage?.persist?.().catch(() => {});
  if (!('serviceWorker' in navigator)) return;
  const worker = new Workbox('sw.js');
  let registration = null;
  worker.addEventListener('waiting', () => offer(() => reload(registration)));
  // A new worker took over this page from the one it was loaded with:
  // another tab reloaded into the new version, and this one is the old.
  let controlled = Boolean(navigator.serviceWorker.controller);
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (controlled) offer(() => reload(registration));
    controlled = true;
  });
  worker.register().then((registered) => {
    registration = registered;
  }, () => {});
  const update = () => worker.update().catch(() => {});
  setInterval(update, updateevery);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') update();
  });
}

// The page loaded again from the new version: the worker that waits with
// it, if one still does (no other tab has reloaded into it yet), is made
// the active one first, whether or not it will control this page.
async function reload(registration) {
  const waiting = registration?.waiting;
  if (waiting) {
    const active = new Promise((resolve) => {
      const settled = () => ['activated', 'redundant'].includes(waiting.state) && resolve();
      waiting.addEventListener('statechange', settled);
      settled();
    });
    waiting.postMessage({type: 'SKIP_WAITING'});
    await active;
  }
  window.location.reload();
}

// The offer, under the page's status line.
function offer(reload) {
  if (document.getElementById('update')) return;
  const line = document.createElement('p');
  line.id = 'update';
  line.setAttribute('role', 'status');
  line.textContent = `${offered} `;
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = 'Reload';
  button.addEventListener('click', (event) => {
    event.stopPropagation();
    button.disabled = true;
    reload();
  });
  line.append(button);
  document.getElementById('status').after(line);
}
