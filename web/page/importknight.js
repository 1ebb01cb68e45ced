// A save file imported, from any build of the game. game() resolves with
// the game once its saves are ready (null: no game); store(name, bytes)
// keeps the knight; tell() says what went wrong.
import {isolated} from './echo.js';

// As large a file as the game reads as a save.
const largestsave = 1 << 20;

export function keepimport(input, {game, store, tell, focus}) {
  input.addEventListener('change', async () => {
    const file = input.files[0];
    input.value = '';
    focus();
    const current = file ? await game() : null;
    if (!current) return;
    const shown = isolated(file.name);
    if (file.size > largestsave) {
      tell(`${shown} is far too large to be a save of this game.`);
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    // Stored under the name the game gives the knight when it loads the
    // file: the name the player types to load it. The game says whether a
    // save can be kept under it; and it must come through the load prompt
    // whole (bytes that are no letters, spelt here as U+FFFD, can make it
    // longer than a name).
    const name = current.saves.knightname(bytes, file.name);
    const typed = current.saves.knightname(new Uint8Array(), name);
    if (name === '' || typed !== name) {
      tell(`${shown} names no knight that can be loaded here.`);
      return;
    }
    await store(name, bytes);
  });
}
