// A knight exported: its save file, byte for byte, downloaded under the
// knight's name. read(name) resolves with the file's bytes, or null.
export function keepexport(button, knights, read, focus) {
  button.addEventListener('click', async () => {
    const name = knights.value;
    const bytes = name ? await read(name) : null;
    if (!bytes) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    focus();
  });
}
