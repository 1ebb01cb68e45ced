// The player's keys: what is typed waits in one queue, in order, until the
// game takes it; a key wait takes one key, a read of a line takes keys
// until Enter, with the line edited and echoed here as on a terminal.
import {plainrun, wellformed} from './echo.js';

const longestline = 4095; // as a terminal's line editing allows

// Where the key that starts at i in this text ends. An escape sequence (an
// arrow, a function key, Alt with a key) is one key press, and so is a
// letter beyond the BMP.
function keyend(data, i) {
  if (data[i] === '\x1b' && i + 1 < data.length) {
    if (data[i + 1] === '[') {
      let end = i + 2;
      while (end < data.length && !/[\x40-\x7e]/.test(data[end])) end++;
      return Math.min(end + 1, data.length);
    }
    if (data[i + 1] === 'O') return Math.min(i + 3, data.length);
    return i + 2;
  }
  return data.codePointAt(i) > 0xffff ? i + 2 : i + 1;
}

// Letters typed one after another with nothing to edit among them: no
// control key, no escape sequence (echo.js). A paste is mostly one such
// run, taken in at once. Every way text comes in comes here, and only such
// runs are echoed.

// The first `room` letters of a run (a letter beyond the BMP is one
// letter); the whole run when it has no more.
function firstletters(run, room) {
  let end = 0;
  for (let count = 0; count < room && end < run.length; count++) {
    end += run.codePointAt(end) > 0xffff ? 2 : 1;
  }
  return run.slice(0, end);
}

// The keyboard of one terminal: take() what the player types, waitfor()
// what the game waits for ('key' resolves with nothing, 'line' with the
// line and its line end, or null at the end of input), readyline() a line
// typed ahead, reset() at the end of a game.
export function keyboard(term) {
  // The typed text not yet taken, as it came, and how far into the first
  // piece the game has taken.
  const typed = [];
  let taken = 0;
  let waiting = null;
  // Where the keys are echoed: the terminal, but for a line typed ahead
  // (readyline).
  const silent = {write() {}};
  let echo = term;
  // The line being edited, and its length in letters.
  let editing = '';
  let letters = 0;

  function answer(value) {
    const {resolve} = waiting;
    waiting = null;
    resolve(value);
  }

  function rubout(count) {
    echo.write('\b \b'.repeat(count));
  }

  // The next piece of typed text starts here; the pieces taken are gone.
  function skip(end) {
    taken = end;
    if (taken >= typed[0].length) {
      typed.shift();
      taken = 0;
    }
  }

  function takekey() {
    const data = typed[0];
    const start = taken;
    const end = keyend(data, start);
    skip(end);
    return data.slice(start, end);
  }

  // Letters up to the line's limit go into the line and are echoed at
  // once; the ones beyond it are dropped, as a terminal drops them.
  function takerun() {
    plainrun.lastIndex = taken;
    if (!plainrun.test(typed[0])) return false;
    const run = typed[0].slice(taken, plainrun.lastIndex);
    skip(plainrun.lastIndex);
    const kept = firstletters(run, longestline - letters);
    if (kept) {
      editing += kept;
      letters += [...kept].length;
      echo.write(kept);
    }
    return true;
  }

  // The last letter's length in the line's text: 2 beyond the BMP.
  function lastletter() {
    return editing.codePointAt(editing.length - 2) > 0xffff ? 2 : 1;
  }

  // Line editing with echo, as on a terminal.
  function editline(key) {
    if (key === '\r' || key === '\n') {
      echo.write('\r\n');
      const line = wellformed(editing);
      editing = '';
      letters = 0;
      answer(line + '\n');
    } else if (key === '\x7f' || key === '\b') {
      if (letters) {
        editing = editing.slice(0, editing.length - lastletter());
        letters--;
        rubout(1);
      }
    } else if (key === '\x15') {
      rubout(letters);
      editing = '';
      letters = 0;
    } else if (key === '\x04') {
      // Ctrl-D: the end of input on an empty line, else the line so far.
      const line = wellformed(editing);
      editing = '';
      letters = 0;
      answer(line || null);
    }
  }

  // Hand typed keys to whatever the game waits for.
  function serve() {
    while (waiting && typed.length) {
      if (waiting.kind === 'key') {
        takekey();
        answer(undefined);
      } else if (!takerun()) {
        editline(takekey());
      }
    }
  }

  return {
    take(data) {
      if (!data) return;
      typed.push(data);
      serve();
    },
    // The next line at once, when it is typed whole (a paste's lines typed
    // ahead), not echoed: the game echoes it after its prompt. Undefined
    // when it is not, and nothing is taken.
    readyline() {
      if (waiting) return undefined;
      const before = {pieces: [...typed], taken, editing, letters};
      let line;
      waiting = {kind: 'line', resolve: (value) => { line = value; }};
      echo = silent;
      serve();
      echo = term;
      waiting = null;
      if (line === undefined) {
        typed.splice(0, typed.length, ...before.pieces);
        ({taken, editing, letters} = before);
      }
      return line;
    },
    waitfor(kind) {
      return new Promise((resolve) => {
        waiting = {kind, resolve};
        serve();
      });
    },
    reset() {
      typed.length = 0;
      taken = 0;
      waiting = null;
      editing = '';
      letters = 0;
    },
  };
}
