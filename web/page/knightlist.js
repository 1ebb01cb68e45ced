// The list of saved knights under the terminal, the one chosen kept
// chosen; with none saved, nothing to export.
export function knightlist(knights, exportbutton) {
  return (names) => {
    const sorted = [...names].sort();
    const options = sorted.map((name) => new Option(name, name, false, name === knights.value));
    if (!sorted.length) options.push(new Option('none saved', ''));
    const listed = [...knights.options].map((option) => option.text);
    if (options.map((option) => option.text).join('/') === listed.join('/')) return;
    knights.replaceChildren(...options);
    knights.disabled = exportbutton.disabled = sorted.length === 0;
  };
}
