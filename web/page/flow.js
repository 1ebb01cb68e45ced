// Pastes of many lines and keys: the game goes through them without a
// wait for the player, so the page gathers what is written meanwhile into
// one write, and now and then lets the browser draw and take events.

// How long the game may go on before the browser has its turn, in ms.
const breath = 50;

// The game's clear of the screen, as it writes it: the cursor home, the
// screen and the lines scrolled off it erased.
const clear = new TextEncoder().encode('\x1b[H\x1b[2J\x1b[3J');
const escape = 0x1b;
// Whether text of the page's own holds a command to the terminal (a mode):
// an escape, or a C1 control.
const command = (text) => [...text].some((letter) => letter === '\x1b' ||
                                                   (letter >= '\x80' && letter <= '\x9f'));

// Where the last clear in this text of the game's begins: -1 when it has
// none, NaN when it holds another command.
function lastclear(bytes) {
  let last = -1;
  for (let at = bytes.indexOf(escape); at >= 0; at = bytes.indexOf(escape, at + clear.length)) {
    for (let i = 1; i < clear.length; i++) {
      if (bytes[at + i] !== clear[i]) return NaN;
    }
    last = at;
  }
  return last;
}

// A run of pieces of one kind as one piece.
function joined(run) {
  if (typeof run[0] === 'string') return run.join('');
  const bytes = new Uint8Array(run.reduce((size, piece) => size + piece.length, 0));
  let at = 0;
  for (const piece of run) {
    bytes.set(piece, at);
    at += piece.length;
  }
  return bytes;
}

// Every write to the terminal (the game's text, the echo of typed keys,
// the page's own) is gathered, in order, until the page's present work is
// done, and handed to the terminal at once: the terminal parses it and
// follows the cursor once, not once a line. Text that a clear of the
// screen wipes before the terminal is handed it would never be seen, and
// is left out (a paste of a thousand lines at a menu draws the menu once);
// commands are never left out. A write's callback comes once its text is
// parsed, as before.
export function gatherwrites(term) {
  const write = term.write.bind(term);
  // The game's text (bytes) and the page's (strings), in order; the
  // pieces before the kept-th hold commands.
  let pieces = [];
  let kept = 0;
  let callbacks = [];
  function flush() {
    const done = callbacks;
    let run = [];
    for (const piece of pieces) {
      if (run.length && typeof piece !== typeof run[0]) {
        write(joined(run));
        run = [];
      }
      run.push(piece);
    }
    if (run.length) write(joined(run));
    if (done.length) write('', () => done.forEach((callback) => callback()));
    pieces = [];
    kept = 0;
    callbacks = [];
  }
  term.write = (data, callback) => {
    if (!pieces.length && !callbacks.length) soon(flush);
    const at = typeof data === 'string' ? (command(data) ? NaN : -1) : lastclear(data);
    if (at >= 0) pieces.length = kept;
    pieces.push(at > 0 ? data.subarray(at) : data);
    if (Number.isNaN(at)) kept = pieces.length;
    if (callback) callbacks.push(callback);
  };
}

// The callback, in a task of its own once the browser has done what it
// has waiting (a timer's would wait 4 ms when timers follow timers).
const turns = new MessageChannel();
const waiting = [];
turns.port1.onmessage = () => waiting.shift()();
function soon(callback) {
  waiting.push(callback);
  turns.port2.postMessage(null);
}

let breathed = performance.now();
let calls = 0;
// Whether the browser's turn is owed, until it has had it.
let owed = false;

// Whether the game has gone on for a breath since the browser's last turn
// (the clock is read at every 16th call).
export function breathdue() {
  if (!owed && ++calls % 16 === 0) owed = performance.now() - breathed >= breath;
  return owed;
}

// Nothing, or, once a breath is due, a promise resolved after the browser
// has had its turn.
export function breathe() {
  if (!breathdue()) return null;
  return new Promise(soon).then(() => {
    breathed = performance.now();
    owed = false;
  });
}
