// The game's words: the plain lines it sends beside its screen (page.words),
// with no frames, no block letters and no rules, kept in a log. Screen
// readers hear each new part once, whole, as it arrives (the log is a live
// region), and can read back over the game; where the terminal's text would
// be too small to read, the log shows the current screen in its place
// (plainview.js). A long game's oldest screens are dropped, never the
// current one.

import {blank, textonly} from './echo.js';

const keptscreens = 100;
// While the game goes through more parts between two drawings than anyone
// reads (a paste's lines at a menu), the log is drawn once the parts have
// stopped coming for this long, in ms: what it keeps in the end is the same.
const floodparts = 20;
const floodpause = 250;

// Where the game's words put the answer to a prompt that the game took at
// once (typed ahead), after the prompt.
const answermark = '\x1e';

// The lines of a part of the words, a paragraph each; a line after a blank
// one stands apart ("after"). The last is open (a prompt) where the text
// does not end its line; a prompt the game took an answer to at once has
// it ("answer").
export function paragraphs(text, first) {
  const lines = text.split('\n');
  const shown = [];
  let gap = false;
  for (const [i, printed] of lines.entries()) {
    const [said, answer] = printed.split(answermark).map(textonly);
    if (!said.trim()) {
      gap = i < lines.length - 1;
      continue;
    }
    shown.push({line: said, after: gap && (shown.length > 0 || !first),
                open: i === lines.length - 1, answer});
    gap = false;
  }
  return shown;
}

// The words come in parts, a screen's or less; they are drawn into the log
// a task later, so that a paste that goes through a thousand screens draws
// only those the log keeps.
export function transcript(log) {
  // The current screen's block in the log, and whether the next words
  // begin a new one.
  let screen = null;
  let fresh = true;
  // The open line's answer, as the player types it: shown, not said again.
  let answer = null;
  // The parts not drawn yet: {fresh, text, typed, done}.
  let pending = [];

  // The log's end in view where it is shown (plainview.js, which shows it
  // there when it begins to show), once a frame: never a layout of the log
  // for each line typed or drawn.
  let showing = false;
  function showend() {
    if (showing || !document.body.classList.contains('plain')) return;
    showing = true;
    requestAnimationFrame(() => {
      showing = false;
      log.scrollTop = log.scrollHeight;
    });
  }

  function draw(part) {
    const block = document.createElement('div');
    answer = null;
    for (const {line, after, open, answer: takenahead} of paragraphs(part.text, part.fresh)) {
      const shown = document.createElement('p');
      shown.textContent = line;
      if (after) shown.className = 'after';
      if (open || takenahead !== undefined) {
        const typed = document.createElement('span');
        typed.setAttribute('aria-hidden', 'true');
        typed.textContent = takenahead ?? textonly(part.typed ?? '');
        shown.append(typed);
        if (open && !part.done) answer = typed;
      }
      block.append(shown);
    }
    // A new screen goes into the log whole: one addition, heard once.
    if (!part.fresh) {
      screen.append(block);
      return;
    }
    screen = document.createElement('div');
    screen.append(block);
    log.append(screen);
  }

  // Whether the last drawing was of a flood, and when the last part came.
  let flooded = false;
  let lastpart = 0;

  // The parts of the screens the log keeps; the others it would drop at once.
  function keptparts() {
    for (let i = pending.length - 1, screens = 0; i >= 0; i--) {
      if (pending[i].fresh && ++screens === keptscreens) return pending.slice(i);
    }
    return pending;
  }

  function drawpending() {
    flooded = pending.length > floodparts;
    for (const part of keptparts()) draw(part);
    pending = [];
    while (log.childElementCount > keptscreens) log.firstElementChild.remove();
    showend();
  }

  // The parts since the last drawing, a task later; in a flood, once it
  // has stopped.
  function flush() {
    if (!flooded || performance.now() - lastpart >= floodpause) {
      drawpending();
      return;
    }
    pending = keptparts();
    setTimeout(flush, floodpause);
  }

  // A part's lines are made when it is drawn, so that the parts the log
  // drops cost nothing; a part of blank lines leaves the next one fresh.
  function part(text) {
    if (blank(text)) return;
    if (!pending.length) setTimeout(flush, flooded ? floodpause : 0);
    lastpart = performance.now();
    pending.push({fresh, text, typed: null, done: false});
    fresh = false;
  }

  // The game's words, a form feed where it cleared the screen.
  function words(text) {
    for (const [i, screentext] of text.split('\f').entries()) {
      if (i > 0) fresh = true;
      part(screentext);
    }
  }

  // The line the player types after the open line's prompt, so far, and
  // then whole (null: none).
  function typing(text) {
    const last = pending.at(-1);
    if (last) {
      if (!last.done) last.typed = text;
      return;
    }
    if (!answer) return;
    answer.textContent = textonly(text ?? '');
    showend();
  }

  return {
    words,
    // A new game: the words after this are its first screen's.
    newscreen() {
      fresh = true;
    },
    typing,
    answered(line) {
      typing(line?.replace(/\n$/, ''));
      const last = pending.at(-1);
      if (last) last.done = true;
      answer = null;
    },
    // The current screen's words, a line each.
    current() {
      if (pending.length) drawpending();
      return [...(screen?.querySelectorAll('p') ?? [])].map((line) => line.textContent).join('\n');
    },
  };
}
