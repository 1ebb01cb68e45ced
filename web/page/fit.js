// The terminal's size on the page: it keeps its 80 columns and 25 rows;
// its font grows or shrinks until the whole of it fits its box.

export function fitterminal(term, terminalbox) {
  const screen = terminalbox.querySelector('.xterm-screen');
  for (let i = 0; i < 4; i++) {
    const width = screen.offsetWidth;
    const height = screen.offsetHeight;
    if (!width || !height) return;
    const scale = Math.min(terminalbox.clientWidth / width, terminalbox.clientHeight / height);
    const size = Math.max(6, Math.floor(term.options.fontSize * scale));
    if (size === term.options.fontSize) return;
    term.options.fontSize = size;
  }
}

// Fit now and whenever the window changes size.
export function keepfitted(term, terminalbox) {
  const fit = () => fitterminal(term, terminalbox);
  fit();
  window.addEventListener('resize', fit);
  return fit;
}
