// Where the terminal's text would be too small to read (a zoomed page, a
// narrow window, a phone upright on a screen as wide as the terminal), the
// page shows the game's words of the current screen instead (transcript.js),
// reflowed in a readable size, over the terminal, which keeps the keys.
// Taps and clicks on the words answer as on the terminal: a choice takes
// it, and after a text a tap goes on.
import {choiceat, touchscreen} from './touch.js';

// The least font size, in CSS pixels, at which the terminal is shown. A
// phone is held near the eyes; elsewhere, zooming the page in must make
// the game's text larger, so the words are shown as soon as the terminal's
// would be smaller than they are. The first paint keeps the same sizes
// (firstpaint.mjs).
export const readablesize = {touch: 12, other: 16};
const readable = () => readablesize[touchscreen() ? 'touch' : 'other'];

// The choice under this point of the words, or null.
function choicefrom(x, y) {
  let node;
  let offset;
  if (document.caretPositionFromPoint) {
    ({offsetNode: node, offset} = document.caretPositionFromPoint(x, y) ?? {});
  } else {
    ({startContainer: node, startOffset: offset} = document.caretRangeFromPoint?.(x, y) ?? {});
  }
  return node?.nodeType === Node.TEXT_NODE ? choiceat(node.textContent, offset) : null;
}

// Shows the log (the transcript) in place of the terminal while fit.js
// finds the terminal's text too small; returns what fit.js tells each
// size it fits. prompt is what the game waits for (prompt.js).
export function plainview(log, prompt) {
  let plain = false;
  let finger = false;
  log.addEventListener('pointerdown', (event) => { finger = event.pointerType !== 'mouse'; });
  log.addEventListener('click', (event) => {
    if (!plain || !getSelection().isCollapsed) return;
    if (prompt.waiting === 'key' && finger) prompt.answer('\r');
    if (prompt.waiting !== 'line') return;
    const choice = choicefrom(event.clientX, event.clientY);
    if (choice !== null) prompt.answer(`${choice}\r`);
  });

  return (size) => {
    const upright = innerHeight > innerWidth && touchscreen();
    document.body.classList.toggle('turn', size < readable() && upright);
    if (plain === size < readable()) return;
    plain = !plain;
    document.body.classList.toggle('plain', plain);
    // Scrolled with the keys too, where the screen is longer than the room;
    // its end, the prompt, in view.
    if (plain) {
      log.tabIndex = 0;
      log.scrollTop = log.scrollHeight;
    } else {
      log.removeAttribute('tabindex');
    }
  };
}
