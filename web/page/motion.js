// The cursor blinks only while the player's system does not ask for less
// motion; nothing else on the page moves by itself.
export function keepstill(term) {
  const reduce = matchMedia('(prefers-reduced-motion: reduce)');
  const set = () => { term.options.cursorBlink = !reduce.matches; };
  set();
  reduce.addEventListener('change', set);
}
