// On-screen keyboards and voice input: the text they send as input events
// rather than key presses reaches the game once, as typed keys do.

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
export function keepinputevents(term, terminalbox) {
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
    // Taken here alone: xterm.js, out of screen reader mode, would take
    // the input event's text too.
    if (/^(insertText|insertLineBreak|insertParagraph|deleteContentBackward)$/.test(event.inputType)) {
      event.preventDefault();
    }
    if (event.inputType === 'insertText' && event.data) {
      term.input(event.data.replace(/\r?\n/g, '\r'));
    } else if (event.inputType === 'insertLineBreak' || event.inputType === 'insertParagraph') {
      term.input('\r');
    } else if (event.inputType === 'deleteContentBackward') {
      term.input('\x7f');
    }
  }, true);
}
