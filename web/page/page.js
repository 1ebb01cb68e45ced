// Emberfell's page: the terminal the game runs in, and a new game after the
// end. The player's keys (keys.js), taps (touch.js), on-screen keyboards
// (inputevents.js) and the line field of touch screens (linefield.js), the
// saved knights (saves.js), the terminal's size (fit.js), pastes of many
// lines (flow.js),
// offline play (offline.js) and the page before the terminal is there
// (early.js, inline in index.html) each have a file of their own; so do
// the game's words for listening (transcript.js, plainview.js, prompt.js,
// repeat.js, scene.js, echo.js) and the keys the page keeps (tabs.js, motion.js).
import {keepfitted} from './fit.js';
import {breathdue, breathe, gatherwrites} from './flow.js';
import {keyboard} from './keys.js';
import {keepstill} from './motion.js';
import {plainview} from './plainview.js';
import {prompter} from './prompt.js';
import {keeprepeat} from './repeat.js';
import {savedknights} from './saves.js';
import {namescene} from './scene.js';
import {keeptabs} from './tabs.js';
import {touchinput} from './touch.js';
import {transcript} from './transcript.js';

const statusline = document.getElementById('status');
const terminalbox = document.getElementById('terminal');
// The title the page painted from its HTML, until the terminal shows it.
let painted = document.getElementById('title');

// The terminal's stylesheet and script and the game's, loaded after the
// first paint (early.js).
await window.terminalready;

// The game's code, compiled once (in index.html) for every game played on
// this page.
const compiled = window.emberfellcompiled;

const term = new Terminal({
  cols: 80,
  rows: 25,
  convertEol: true,
  fontFamily: getComputedStyle(document.documentElement).getPropertyValue('--terminal-font').trim(),
  fontSize: 16,
  theme: {background: '#000000', foreground: '#cccccc'},
});
term.open(terminalbox);
gatherwrites(term);
// Backspace at the left edge goes back onto the line above, so that a long
// typed answer can be rubbed out whole.
term.write('\x1b[?45h');
keepstill(term);
const log = document.getElementById('transcript');
const words = transcript(log);
const prompt = prompter(term, words);
keepfitted(term, terminalbox, plainview(log, prompt));
keeptabs(terminalbox);
const keys = touchinput(term, keyboard(term), terminalbox, () => prompt.asked);
keeprepeat(document.getElementById('repeat'), words.current, () => term.focus());
// The keys pressed before the terminal was there come first.
keys.take(window.earlykeys());
term.focus();
// A click anywhere but on the saves' controls goes to the terminal.
document.addEventListener('click', (event) => {
  if (!event.target.closest('#saves')) term.focus();
});
// Once a knight is chosen in the list with the mouse, the keys go to the
// game again; the arrows choose in the list and keep the focus there; a
// letter typed on the list goes to the game.
const knightlist = document.getElementById('knights');
let keyed = false;
knightlist.addEventListener('pointerdown', () => { keyed = false; });
knightlist.addEventListener('change', () => keyed || term.focus());
knightlist.addEventListener('keydown', (event) => {
  keyed = true;
  if ([...event.key].length !== 1 || event.key === ' ' || event.ctrlKey || event.altKey ||
      event.metaKey) {
    return;
  }
  event.preventDefault();
  term.focus();
  typed(event.key);
});

// The terminal takes the painted title's place once it shows the game's
// first screen: in the frame after it drew it.
function takeover() {
  if (!painted) return;
  term.write('', () => requestAnimationFrame(() => {
    document.getElementById('plaintitle')?.remove();
    painted?.remove();
    painted = null;
  }));
}

function say(text) {
  statusline.textContent = text;
}

const saves = savedknights({say, focus: () => term.focus()});
let over = false;
// Whether the player has typed since the game asked for a line: a line
// typed while the game waited, not one typed ahead (a paste's later lines).
let heard = false;

function typed(data) {
  heard = true;
  if (over) {
    begin();
    return;
  }
  keys.take(data);
}
term.onData(typed);

// What the game asks of the page (src/web/console.cpp).
const pageside = {
  write: (bytes) => term.write(bytes),
  async key() {
    takeover();
    await keys.waitfor('key');
    await breathe();
  },
  async line() {
    takeover();
    heard = false;
    const line = await keys.waitfor('line');
    prompt.answered(line);
    await saves.nextline(heard);
    await breathe();
    return line;
  },
  // A line typed ahead (a paste's later lines) is taken without the game
  // waiting, when there is nothing to wait for: no storage to read and no
  // turn of the browser due; the game echoes it. Undefined sends the game
  // to line().
  readyline() {
    if (over || !saves.quiet() || breathdue()) return undefined;
    const line = keys.readyline();
    if (line === undefined) return undefined;
    takeover();
    prompt.takenahead();
    saves.linetaken();
    return line;
  },
  persist: (file) => saves.persist(file),
  words: words.words,
  scene: namescene,
  asks: prompt.asks,
  over() {
    over = true;
    keys.reset();
    document.body.classList.add('over');
    saves.gameover();
    say('The game is over. Press any key for a new game.');
    namescene('the game is over');
  },
};

async function startgame() {
  over = false;
  document.body.classList.remove('over');
  say('');
  namescene('');
  words.newscreen();
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
function keepoffline() {
  import('./offline.js').then((offline) => offline.keepoffline(), () => {});
}
if (document.readyState === 'complete') keepoffline();
else window.addEventListener('load', keepoffline);
