// Touch screens and on-screen keyboards. A tap on a choice takes it, and
// on a touch screen any tap goes on after a text; a line (a name, a
// number) is typed in a text field of the page's own that stays above the
// on-screen keyboard, with Yes and No beside it where the game asks; and
// text that keyboards send as input events rather than key presses (voice
// input, many phone keyboards) reaches the game like typed keys.

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

// The game's yes-or-no questions: "Are you sure you want to save?",
// "Would you like to rest?", "Are you going to run away?".
export function yesorno(question) {
  return /^(are|would|will|do|shall)\b.*\?$/i.test(question.trim());
}

const touchscreen = () => matchMedia('(pointer: coarse)').matches;

// The farthest a finger or the mouse may move between press and release
// for a tap, in pixels; farther is a scroll or a selection.
const tapslop = 10;

// Wraps the player's keyboard (keys.js) so that taps, the line field and
// input events feed the same queue: what they send goes through
// term.input(), as typed keys do. Returns the keyboard for the game, which
// also tells here what the game waits for.
export function touchinput(term, keys, terminalbox) {
  // What the game waits for now and no tap has answered yet: 'key',
  // 'line' or null.
  let waiting = null;
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

  // The question the game waits on: the cursor's row, or the row above
  // when the prompt is a bare "?" under a question.
  function question() {
    const cursor = term.buffer.active.cursorY;
    const prompt = row(cursor).trim();
    const above = row(cursor - 1).trim();
    return prompt === '?' && above.endsWith('?') ? above : prompt;
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
  let press = null;
  terminalbox.addEventListener('pointerdown', (event) => {
    press = {x: event.clientX, y: event.clientY, finger: event.pointerType !== 'mouse'};
  });
  terminalbox.addEventListener('pointerup', (event) => {
    const moved = press && Math.hypot(event.clientX - press.x, event.clientY - press.y);
    if (moved > tapslop) press = null;
  });
  terminalbox.addEventListener('click', () => {
    const start = press;
    press = null;
    if (start && !term.hasSelection()) tap(start.x, start.y, start.finger);
  });

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
      // The prompt is on the screen once the terminal has drawn what the
      // game wrote before waiting.
      if (kind === 'line' && field) {
        term.write('', () => waiting === 'line' && field.ask(question()));
      }
      return keys.waitfor(kind).finally(() => {
        if (waiting === kind) waiting = null;
        // The next wait, if it comes at once, keeps the field up.
        setTimeout(() => waiting || field?.idle(), 0);
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

// Text that xterm.js leaves out: in screen reader mode it takes keys from
// key events only, so text inserted with no key pressed (voice input,
// keyboards that send no key events) and Enter sent as a line break never
// reach the game; it loses a composition's text where the helper textarea
// held a selection, and sends it after a key that followed; and it reads
// the text of a phone keyboard's key (a key event naming no key) from the
// textarea a moment later, missing it when the text comes later still.
// All of these are taken here from the input events, whole and once: a key
// event naming a key stays xterm.js's, and so does the input that follows
// it; xterm.js sees nothing of compositions and of keys named by no key.
function keepinputevents(term, terminalbox) {
  const textarea = terminalbox.querySelector('.xterm-helper-textarea');
  let keyed = false;
  let composing = false;
  const mine = (event) => event.target === textarea;
  terminalbox.addEventListener('keydown', (event) => {
    if (!mine(event)) return;
    if (composing || event.isComposing || event.keyCode === 229) {
      event.stopPropagation();
    } else {
      keyed = true;
    }
  }, true);
  terminalbox.addEventListener('keyup', () => { keyed = false; }, true);
  terminalbox.addEventListener('focusout', () => { keyed = false; }, true);
  terminalbox.addEventListener('compositionstart', (event) => {
    if (!mine(event)) return;
    composing = true;
    event.stopPropagation();
  }, true);
  terminalbox.addEventListener('compositionupdate', (event) => {
    if (mine(event)) event.stopPropagation();
  }, true);
  terminalbox.addEventListener('compositionend', (event) => {
    if (!mine(event)) return;
    composing = false;
    event.stopPropagation();
    if (event.data) term.input(event.data);
  }, true);
  // The text to come, whole: the input events that follow may split it.
  terminalbox.addEventListener('beforeinput', (event) => {
    const pressed = keyed;
    keyed = false;
    if (pressed || composing || event.isComposing || !mine(event)) return;
    if (event.inputType === 'insertText' && event.data) {
      term.input(event.data.replace(/\r?\n/g, '\r'));
    } else if (event.inputType === 'insertLineBreak' || event.inputType === 'insertParagraph') {
      term.input('\r');
    } else if (event.inputType === 'deleteContentBackward') {
      term.input('\x7f');
    }
  }, true);
}

// The text field for a line on touch screens, under the terminal: its
// label is the game's prompt, Enter (or the button) sends the line, and
// Yes and No answer the game's questions. While the on-screen keyboard
// is up, the field sits on the keyboard, at the foot of what is visible.
function linefield(send, backtoterminal) {
  const form = document.createElement('form');
  form.id = 'touchline';
  form.className = 'idle';
  form.innerHTML = `<label for="touchtext"></label>
<input id="touchtext" enterkeyhint="done" autocapitalize="words" autocomplete="off"
 autocorrect="off" spellcheck="false">
<button type="submit">Enter</button>
<button type="button" value="y">Yes</button><button type="button" value="n">No</button>`;
  const [label, text, enter, yes, no] = form.querySelectorAll('label, input, button');
  const controls = [text, enter, yes, no];

  // Whether the game waits for the line asked; one answer each.
  let open = false;

  function answer(line) {
    if (!open) return;
    open = false;
    text.value = '';
    send(`${line}\r`);
  }

  form.addEventListener('submit', (event) => {
    event.preventDefault();
    answer(text.value);
  });
  for (const button of [yes, no]) button.addEventListener('click', () => answer(button.value));
  // The page sends other clicks to the terminal; these stay here.
  form.addEventListener('click', (event) => event.stopPropagation());

  // Pinned at the foot of the visible part of the page while the
  // on-screen keyboard covers the rest.
  function pin() {
    const visible = window.visualViewport;
    const covered = visible && document.activeElement === text &&
      visible.height < window.innerHeight - 100;
    form.classList.toggle('pinned', Boolean(covered));
    form.style.top = covered ? `${visible.offsetTop + visible.height - form.offsetHeight}px` : '';
  }
  window.visualViewport?.addEventListener('resize', pin);
  window.visualViewport?.addEventListener('scroll', pin);
  text.addEventListener('focus', pin);
  text.addEventListener('blur', () => setTimeout(pin, 0));

  return {
    place(terminalbox) {
      terminalbox.after(form);
    },
    ask(prompt) {
      label.textContent = prompt;
      const question = yesorno(prompt);
      yes.hidden = no.hidden = !question;
      for (const control of controls) control.disabled = false;
      form.classList.remove('idle');
      open = true;
    },
    // Keys typed on a keyboard plugged in go to the terminal again.
    idle() {
      if (form.contains(document.activeElement)) backtoterminal();
      open = false;
      form.classList.add('idle');
      for (const control of controls) control.disabled = true;
    },
  };
}
