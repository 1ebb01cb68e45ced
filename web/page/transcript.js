// The game's words: the plain lines it sends beside its screen (page.words),
// with no frames, no block letters and no rules, kept in a log. Screen
// readers hear each new part once, whole, as it arrives (the log is a live
// region), and can read back over the game; where the terminal's text would
// be too small to read, the log shows the current screen in its place
// (plainview.js). A long game's oldest screens are dropped, never the
// current one.

import {textonly} from './echo.js';

const keptscreens = 100;

// The lines of a part of the words, a paragraph each; a line after a blank
// one stands apart ("after"). The last is open (a prompt) where the text
// does not end its line.
export function paragraphs(text, first) {
  const lines = text.split('\n').map(textonly);
  const shown = [];
  let gap = false;
  for (const [i, line] of lines.entries()) {
    if (!line.trim()) {
      gap = i < lines.length - 1;
      continue;
    }
    shown.push({line, after: gap && (shown.length > 0 || !first), open: i === lines.length - 1});
    gap = false;
  }
  return shown;
}

export function transcript(log) {
  // The current screen's block in the log, and whether the next words
  // begin a new one.
  let screen = null;
  let fresh = true;
  // The open line's answer, as the player types it: shown, not said again.
  let answer = null;

  // Where the log shows the screen, its last lines in sight, as on a
  // terminal: the prompt and the line typed after it.
  const showend = () => { log.scrollTop = log.scrollHeight; };

  // The line the player types after the open line's prompt, so far, and
  // then whole (null: none).
  function typing(text) {
    if (!answer) return;
    answer.textContent = textonly(text ?? '');
    showend();
  }

  function words(text) {
    const part = document.createElement('div');
    answer = null;
    for (const {line, after, open} of paragraphs(text, fresh)) {
      const shown = document.createElement('p');
      shown.textContent = line;
      if (after) shown.className = 'after';
      if (open) {
        answer = document.createElement('span');
        answer.setAttribute('aria-hidden', 'true');
        shown.append(answer);
      }
      part.append(shown);
    }
    if (!part.childElementCount) return;
    if (fresh) {
      screen = document.createElement('div');
      screen.append(part);
      log.append(screen);
      fresh = false;
      while (log.childElementCount > keptscreens) log.firstElementChild.remove();
    } else {
      screen.append(part);
    }
    showend();
  }

  return {
    words,
    // The game cleared its screen: the words after this are the next one's.
    newscreen() {
      fresh = true;
    },
    typing,
    answered(line) {
      typing(line?.replace(/\n$/, ''));
      answer = null;
    },
    // The current screen's words, a line each.
    current: () => [...(screen?.querySelectorAll('p') ?? [])]
      .map((line) => line.textContent).join('\n'),
  };
}
