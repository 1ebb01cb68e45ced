// Saying the screen again: the button "Say the screen again", or F2 (a key
// the game never takes, and one screen readers leave to the page), puts
// the current screen's words in a live region of their own, to be heard
// once more, and gives the keys back to the game.

export function keeprepeat(button, current, focus) {
  const region = document.createElement('div');
  region.id = 'again';
  region.className = 'unseen';
  region.setAttribute('aria-live', 'polite');
  button.after(region);

  function again() {
    // A new node each time, so that the same words are said again.
    const said = document.createElement('p');
    said.textContent = current();
    region.replaceChildren(said);
    focus();
  }

  button.addEventListener('click', again);
  addEventListener('keydown', (event) => {
    const modified = event.ctrlKey || event.altKey || event.metaKey || event.shiftKey;
    if (event.key !== 'F2' || modified) return;
    event.preventDefault();
    event.stopPropagation();
    again();
  }, true);
}
