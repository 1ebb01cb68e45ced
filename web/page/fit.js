// The terminal's size on the page. The game keeps its 80 columns and 25
// rows; the font is the largest whose cells, as the terminal measures them,
// fit the box: all 25 rows, and in width every column the screen uses. When
// all 80 columns fit, the terminal stands in the middle of its box;
// otherwise (an upright phone) its left edge stands at the box's, and the
// blank columns at the right are cut off. The box clips, never scrolls.
// Upright, the box is as tall as the terminal's rows (page.css reads
// --rows), so the font fits the room the page leaves it, not the box.

const smallest = 4;
const largest = 96;

// The columns the screen uses: up to the last letter on any row, and the
// cursor's.
function usedcolumns(term) {
  const buffer = term.buffer.active;
  let used = buffer.cursorX + 1;
  for (let row = 0; row < term.rows; row++) {
    const line = buffer.getLine(buffer.viewportY + row);
    for (let column = term.cols - 1; line && column >= used; column--) {
      const letter = line.getCell(column)?.getChars();
      if (letter && letter !== ' ') {
        used = column + 1;
        break;
      }
    }
  }
  return Math.min(used, term.cols);
}

// The terminal's cell at its present font size, as it lays it out.
function cellsize(term, screen) {
  return {width: screen.offsetWidth / term.cols, height: screen.offsetHeight / term.rows};
}

// The largest font size whose cells fit: a first guess from the cell at
// the present size, then one size at a time, measured.
function largestsize(term, screen, room) {
  const fits = () => {
    const cell = cellsize(term, screen);
    return cell.width * room.columns <= room.width && cell.height * term.rows <= room.height;
  };
  const setsize = (size) => {
    if (term.options.fontSize !== size) term.options.fontSize = size;
  };
  const cell = cellsize(term, screen);
  let size = term.options.fontSize;
  if (cell.width && cell.height) {
    const scale = Math.min(room.width / (cell.width * room.columns),
                           room.height / (cell.height * term.rows));
    size = Math.min(largest, Math.max(smallest, Math.floor(size * scale)));
  }
  setsize(size);
  while (size > smallest && !fits()) setsize(--size);
  while (size < largest) {
    setsize(size + 1);
    if (!fits()) {
      setsize(size);
      break;
    }
    size++;
  }
  return size;
}

function fitterminal(term, terminalbox) {
  const screen = terminalbox.querySelector('.xterm-screen');
  // The room: the box as tall as the page lets it be, for the measure.
  terminalbox.style.setProperty('--rows', '100dvh');
  const room = {width: terminalbox.clientWidth, height: terminalbox.clientHeight,
                columns: usedcolumns(term)};
  if (!screen || !room.width || !room.height) return null;
  // A new font size can leave the terminal scrolled back by a row or two;
  // a terminal that showed its last rows shows them after.
  const buffer = term.buffer.active;
  const atbottom = buffer.viewportY === buffer.baseY;
  const size = largestsize(term, screen, room);
  terminalbox.style.setProperty('--rows', `${screen.getBoundingClientRect().height}px`);
  if (atbottom) {
    term.scrollToBottom();
    requestAnimationFrame(() => term.scrollToBottom());
  }
  const left = Math.max(0, Math.floor((room.width - screen.offsetWidth) / 2));
  screen.closest('.xterm').style.marginLeft = `${left}px`;
  return size;
}

// Fit now, whenever the box or the room about it changes size (the window,
// a line of status, an on-screen keyboard) and whenever the screen uses
// other columns; fitted() is told each font size found.
export function keepfitted(term, terminalbox, fitted) {
  let used = 0;
  const fit = () => {
    used = usedcolumns(term);
    const size = fitterminal(term, terminalbox);
    if (size) fitted(size);
  };
  const refit = () => {
    if (usedcolumns(term) !== used) fit();
  };
  fit();
  const resized = new ResizeObserver(fit);
  for (const element of [terminalbox.parentElement, ...terminalbox.parentElement.children]) {
    resized.observe(element);
  }
  term.onWriteParsed(refit);
  term.onCursorMove(refit);
  return fit;
}
