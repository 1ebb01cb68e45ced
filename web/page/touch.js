// Touch screens. A tap on a choice takes it, and on a touch screen a tap
// anywhere but on the page's controls goes on after a text; a line (a name, a number) is typed in a text field
// of the page's own (linefield.js); and text that keyboards send as input
// events rather than key presses reaches the game like typed keys
// (inputevents.js).
import {keepinputevents} from './inputevents.js';
import {linefield} from './linefield.js';

// A choice on a row of the screen: a letter in parentheses, "Ma(g)ic Shop",
// or a number before ")", "16) Corrupted Knight". A choice runs from the
// start of its word to the next choice on the row.
const choicepattern = /\S*\(([^\s()])\)|(?<=^|\s)(\d+)\)/g;

// What a tap at this column of a row answers: the choice under it, or null
// on a row without choices.
export function choiceat(row, column) {
  let answer = null;
  for (const match of row.matchAll(choicepattern)) {
    if (match.index > column && answer !== null) break;
    answer = match[1] ?? match[2];
  }
  return answer;
}

// A touch screen, as the page's scripts and its styles (made by
// firstpaint.mjs) tell it.
export const coarse = '(pointer: coarse)';
export const touchscreen = () => matchMedia(coarse).matches;

// The farthest a finger or the mouse may move between press and release
// for a tap, in pixels; farther is a scroll or a selection.
const tapslop = 10;

// Wraps the player's keyboard (keys.js) so that taps, the line field and
// input events feed the same queue: what they send goes through
// term.input(), as typed keys do. Returns the keyboard for the game, which
// also tells here what the game waits for; asked() is what the game asks
// (prompt.js).
export function touchinput(term, keys, terminalbox, asked) {
  // What the game waits for now and no tap has answered yet: 'key',
  // 'line' or null.
  let waiting = null;
  let idling = null;
  const field = touchscreen() ? linefield(send, () => term.focus()) : null;

  // What answers the game's wait; the field stays up until the game's
  // next wait is known, so that it keeps the on-screen keyboard for a
  // line that follows a line.
  function send(data) {
    waiting = null;
    term.input(data);
  }

  function row(index) {
    const buffer = term.buffer.active;
    return buffer.getLine(buffer.viewportY + index)?.translateToString(true) ?? '';
  }

  function tap(x, y, finger) {
    if (waiting === 'key') {
      if (finger) send('\r');
      return;
    }
    if (waiting !== 'line') return;
    const screen = terminalbox.querySelector('.xterm-screen').getBoundingClientRect();
    const line = Math.floor((y - screen.top) / (screen.height / term.rows));
    const column = Math.floor((x - screen.left) / (screen.width / term.cols));
    if (line < 0 || line >= term.rows || column < 0 || column >= term.cols) return;
    const answer = choiceat(row(line), column);
    if (answer !== null) send(`${answer}\r`);
  }

  // A click comes after a tap, not after a scroll; one that ends a
  // selection or a drag is not a tap either. The tap is where the finger
  // went down: the browser may move a touch's click to a nearby spot.
  // Anywhere on the page but on its controls: below the terminal, where a
  // thumb lands, a tap goes on after a text too.
  let press = null;
  document.addEventListener('pointerdown', (event) => {
    press = {x: event.clientX, y: event.clientY, finger: event.pointerType !== 'mouse'};
  });
  document.addEventListener('pointerup', (event) => {
    const moved = press && Math.hypot(event.clientX - press.x, event.clientY - press.y);
    if (moved > tapslop) press = null;
  });
  document.addEventListener('click', (event) => {
    const start = press;
    press = null;
    // The line field and its buttons stand in the terminal's box; the
    // terminal's own input there is no control.
    const control = event.target.closest?.('a, button, input, select, textarea, label') &&
      !event.target.closest('.xterm');
    // The game's words, shown in the terminal's place, take their own taps
    // (plainview.js).
    const words = document.body.classList.contains('plain') &&
      event.target.closest?.('#transcript');
    if (words) return;
    if (start && !control && !term.hasSelection()) tap(start.x, start.y, start.finger);
  }, true);

  keepinputevents(term, terminalbox);
  if (field) {
    // Taps on the terminal do not raise the on-screen keyboard over it;
    // lines are typed in the field, and a keyboard plugged in still types.
    terminalbox.querySelector('.xterm-helper-textarea').inputMode = 'none';
    field.place(terminalbox);
  }

  return {
    ...keys,
    waitfor(kind) {
      waiting = kind;
      if (kind === 'line' && field) field.ask(asked());
      return keys.waitfor(kind).finally(() => {
        if (waiting === kind) waiting = null;
        // The next wait, if it comes at once, keeps the field up (one
        // look for however many waits a paste answers meanwhile).
        if (field && !idling) {
          idling = setTimeout(() => {
            idling = null;
            if (!waiting) field.idle();
          }, 0);
        }
      });
    },
    // At the end of a game any key, and so any tap, starts the next.
    reset() {
      keys.reset();
      field?.idle();
      waiting = 'key';
    },
  };
}
