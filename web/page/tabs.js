// Tab and Shift+Tab move the focus between the game and the page's
// controls, as on any page: the terminal never takes them as keys.
export function keeptabs(terminalbox) {
  terminalbox.addEventListener('keydown', (event) => {
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.stopPropagation();
    }
  }, true);
}
