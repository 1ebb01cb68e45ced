// Offline play: a service worker (sw.js, made at build time by
// precache.mjs) keeps every file of the page, so that after one visit the
// page loads and plays with no network. A rebuilt page is fetched in the
// background and offered to the player, who reloads into it when it suits
// them rather than when every tab of the old one is closed. This file is
// loaded after the page, so none of it delays the first screen.
import {Workbox} from './workbox-window.js';

// How often a page left open looks for a new version.
const updateevery = 60 * 60 * 1000;

export function keepoffline() {
  // The browser is asked to keep the saved knights even when it runs out
  // of room.
  navigator.storage?.persist?.().catch(() => {});
  if (!('serviceWorker' in navigator)) return;
  const worker = new Workbox('sw.js');
  worker.addEventListener('waiting', () => {
    offer('A new version of Emberfell is ready; a game not saved is lost on reloading.', () => {
      worker.addEventListener('controlling', () => window.location.reload());
      worker.messageSkipWaiting();
    });
  });
  worker.register().catch(() => {});
  const update = () => worker.update().catch(() => {});
  setInterval(update, updateevery);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') update();
  });
}

// The offer, under the page's status line.
function offer(text, reload) {
  if (document.getElementById('update')) return;
  const line = document.createElement('p');
  line.id = 'update';
  line.setAttribute('role', 'status');
  line.textContent = `${text} `;
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
