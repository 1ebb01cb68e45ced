// Emberfell's page: the terminal the game runs in, and a new game after the
// end. The player's keys (keys.js), the saved knights (saves.js) and the
// terminal's size (fit.js) each have a file of their own.
import {keepfitted} from './fit.js';
import {keyboard} from './keys.js';
import {savedknights} from './saves.js';
import {touchinput} from './touch.js';

const statusline = document.getElementById('status');
const terminalbox = document.getElementById('terminal');

// The game's code, compiled once (in index.html) for every game played on
// this page.
const compiled = window.emberfellcompiled;

const term = new Terminal({
  cols: 80,
  rows: 25,
  convertEol: true,
  screenReaderMode: true,
  cursorBlink: true,
  fontFamily: '"DejaVu Sans Mono", "Cascadia Mono", Consolas, "Liberation Mono", monospace',
  fontSize: 16,
  theme: {background: '#000000', foreground: '#cccccc'},
});
term.open(terminalbox);
// Backspace at the left edge goes back onto the line above, so that a long
// typed answer can be rubbed out whole.
term.write('\x1b[?45h');
keepfitted(term, terminalbox);
term.focus();
// A click anywhere but on the saves' controls goes to the terminal.
document.addEventListener('click', (event) => {
  if (!event.target.closest('#saves')) term.focus();
});

function say(text) {
  statusline.textContent = text;
}

const keys = touchinput(term, keyboard(term), terminalbox);
const saves = savedknights({say, focus: () => term.focus()});
let over = false;

term.onData((data) => {
  if (over) {
    begin();
    return;
  }
  keys.take(data);
});

// What the game asks of the page (web_console.cpp).
const pageside = {
  write: (bytes) => term.write(bytes),
  key: () => keys.waitfor('key'),
  async line() {
    const line = await keys.waitfor('line');
    await saves.nextline();
    return line;
  },
  persist: () => saves.persist(),
  over() {
    over = true;
    keys.reset();
    saves.gameover();
    say('The game is over. Press any key for a new game.');
  },
};

async function startgame() {
  over = false;
  say('');
  term.reset();
  term.write('\x1b[?45h');
  const module = await compiled;
  const game = await createEmberfell({
    page: pageside,
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
      return {};
    },
  });
  saves.attach(game);
  game.callMain([]);
}

function begin() {
  startgame().catch((error) => say(`The game could not start: ${error}`));
}

begin();
// Offline play and updates, once the page is up.
window.addEventListener('load', () =>
  import('./offline.js').then((offline) => offline.keepoffline(), () => {}));
