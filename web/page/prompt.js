// What the game waits for, in words: just before each wait the game tells
// the page what it asks (the question, at a bare "?" the menu's choices,
// or at a key wait the line saying any key goes on), and the terminal's
// input, which has the focus, takes it for its name. The line the player
// types shows after the prompt in the game's words (transcript.js).
import {keepecho} from './echo.js';

export function prompter(term, words) {
  let waiting = null;
  let asked = '';
  const echo = keepecho(term, words.typing);
  return {
    asks(kind, text) {
      waiting = kind;
      if (text !== asked) term.textarea?.setAttribute('aria-label', text);
      asked = text;
      if (kind === 'line') echo.begin();
    },
    // What the last wait asked.
    get asked() {
      return asked;
    },
    // 'key', 'line', or null once answered here.
    get waiting() {
      return waiting;
    },
    // Answers the wait once, as typed keys do.
    answer(data) {
      waiting = null;
      term.input(data);
    },
    // A line the game took at once (typed ahead): its answer is in the
    // game's words.
    takenahead() {
      echo.end();
    },
    // The line the game took (null: the end of input).
    answered(line) {
      echo.end();
      words.answered(line);
    },
  };
}
