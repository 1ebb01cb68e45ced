// The player's keys: what is typed waits in one queue, in order, until the
// game takes it; a key wait takes one key, a read of a line takes keys
// until Enter, with the line edited and echoed here as on a terminal.

const longestline = 4095; // as a terminal's line editing allows

// One key press per entry: an escape sequence (an arrow, a function key,
// Alt with a key) is one key, and so is a letter beyond the BMP.
export function splitkeys(data) {
  const keys = [];
  for (let i = 0; i < data.length;) {
    let end = i + 1;
    if (data[i] === '\x1b' && i + 1 < data.length) {
      if (data[i + 1] === '[') {
        end = i + 2;
        while (end < data.length && !/[\x40-\x7e]/.test(data[end])) end++;
        end = Math.min(end + 1, data.length);
      } else if (data[i + 1] === 'O') {
        end = Math.min(i + 3, data.length);
      } else {
        end = i + 2;
      }
    } else if (data.codePointAt(i) > 0xffff) {
      end = i + 2;
    }
    keys.push(data.slice(i, end));
    i = end;
  }
  return keys;
}

// The keyboard of one terminal: take() what the player types, waitfor()
// what the game waits for ('key' resolves with nothing, 'line' with the
// line and its line end, or null at the end of input), reset() at the end
// of a game.
export function keyboard(term) {
  const typed = [];
  let waiting = null;
  let editing = '';

  function answer(value) {
    const {resolve} = waiting;
    waiting = null;
    resolve(value);
  }

  function rubout(count) {
    term.write('\b \b'.repeat(count));
  }

  // Line editing with echo, as on a terminal.
  function editline(key) {
    const letters = [...editing];
    if (key === '\r' || key === '\n') {
      term.write('\r\n');
      editing = '';
      answer(letters.join('') + '\n');
    } else if (key === '\x7f' || key === '\b') {
      if (letters.length) {
        letters.pop();
        editing = letters.join('');
        rubout(1);
      }
    } else if (key === '\x15') {
      rubout(letters.length);
      editing = '';
    } else if (key === '\x04') {
      // Ctrl-D: the end of input on an empty line, else the line so far.
      editing = '';
      answer(letters.length ? letters.join('') : null);
    } else if (key >= ' ' && key[0] !== '\x1b' && letters.length < longestline) {
      editing += key;
      term.write(key);
    }
  }

  // Hand typed keys to whatever the game waits for.
  function serve() {
    while (waiting && typed.length) {
      const key = typed.shift();
      if (waiting.kind === 'key') {
        answer(undefined);
      } else {
        editline(key);
      }
    }
  }

  return {
    take(data) {
      typed.push(...splitkeys(data));
      serve();
    },
    waitfor(kind) {
      return new Promise((resolve) => {
        waiting = {kind, resolve};
        serve();
      });
    },
    reset() {
      typed.length = 0;
      waiting = null;
      editing = '';
    },
  };
}
