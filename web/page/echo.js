// The line the player types, as the terminal echoes it (keys.js edits it),
// for the game's words: from where the cursor stood when the line was asked
// to where it stands now.
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
