// What the page echoes: only text (the one rule, below), and the line the
// player types, as the terminal echoes it, for the game's words.

// The page's one rule for text: whatever way it comes in (keys, pastes,
// input events, the line field, a file's name), only text is echoed and
// shown. Control codes (C0, DEL, C1, which the terminal would obey: U+009B
// begins a command) and the controls of text direction never reach the
// terminal or the page's words.
const controlcodes = '\\x00-\\x1f\\x7f-\\x9f\\u061c\\u200e\\u200f\\u202a-\\u202e\\u2066-\\u2069';
// A run of text: letters with no control among them.
export const plainrun = new RegExp(`[^${controlcodes}]+`, 'y');
// Text with its controls left out (every line of the game's words comes
// through here: the expression is made once).
const control = new RegExp(`[${controlcodes}]`, 'g');
export const textonly = (text) => text.replace(control, '');
// Whether text shows nothing: blanks and controls only.
const shown = new RegExp(`[^\\s${controlcodes}]`);
export const blank = (text) => !shown.test(text);
// A typed line as the game reads it: a lone half of a surrogate pair (a
// broken paste) becomes U+FFFD, as a UTF-8 encoder makes it.
const lonesurrogate = /[\ud800-\udbff](?![\udc00-\udfff])|(?<![\ud800-\udbff])[\udc00-\udfff]/g;
export const wellformed = (text) => text.replace(lonesurrogate, '\ufffd');
// A name the page shows in its own words, isolated so that it can never
// turn the direction of the words around it.
export const isolated = (name) => `\u2068${textonly(name)}\u2069`;

// The line the player types (keys.js edits it), for the game's words: from
// where the cursor stood when the line was asked to where it stands now.
export function keepecho(term, show) {
  let start = null;
  // Each line asked; a line answered at once (typed ahead) is not read on.
  let asked = 0;

  function read() {
    const buffer = term.buffer.active;
    const end = buffer.baseY + buffer.cursorY;
    let text = '';
    for (let row = start.row; row <= end; row++) {
      const line = buffer.getLine(row)?.translateToString(false) ?? '';
      const from = row === start.row ? start.column : 0;
      text += line.slice(from, row === end ? buffer.cursorX : undefined);
    }
    show(text.trimEnd());
  }

  term.onWriteParsed(() => start && read());
  return {
    // Once the terminal has drawn the prompt the game wrote.
    begin() {
      const line = ++asked;
      term.write('', () => {
        const buffer = term.buffer.active;
        if (line === asked) start = {row: buffer.baseY + buffer.cursorY, column: buffer.cursorX};
      });
    },
    end() {
      asked++;
      start = null;
    },
  };
}
