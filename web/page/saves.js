// The knights saved in the browser: the game's saves directory kept in the
// browser's storage (savestorage.js), the news of saves between tabs
// (savenews.js), the list of knights (knightlist.js), export
// (exportknight.js) and import (importknight.js), wired here.
import {isolated} from './echo.js';
import {keepexport} from './exportknight.js';
import {keepimport} from './importknight.js';
import {knightlist} from './knightlist.js';
import {savenews} from './savenews.js';
import {savesdir, savestorage} from './savestorage.js';

// The saves of the games on this page. `say` puts a line in the page's
// status; `focus` gives the keys back to the game after a control is used.
export function savedknights({say, focus}) {
  const knights = document.getElementById('knights');
  const exportbutton = document.getElementById('export');
  const listknights = knightlist(knights, exportbutton);
  const storage = savestorage();
  const news = savenews(() => refresh());

  let game = null;
  // The saves directory read from the browser's storage, and whether that
  // is done; the game starts at once, and takes no typed line (no name to
  // load) before it is.
  let ready = null;
  let mounted = false;
  // The reads of the storage asked for (refresh) and not yet done.
  let refreshing = 0;

  const savefiles = () => game.saves.list(savesdir);

  // An import's message stays for the two lines of a load (the start menu's
  // answer, then the name) and goes with the second: whatever the player
  // does, once they have gone on.
  let importlines = 0;

  function tell(text) {
    importlines = 0;
    say(text);
  }

  // Every knight the storage lacks stored again, and the other tabs told.
  async function restore() {
    if (await storage.sync(game, false)) news.tell();
  }

  async function mountsaves() {
    const mounted = game;
    // The browser's storage cleared under the game: the knights the page
    // holds go back into it at once.
    if (!(await storage.mount(game, () => game === mounted && restore()))) {
      tell('This browser keeps nothing for this page: saved knights last only until the page ' +
           'is closed. Export a knight to keep it.');
    }
    listknights(savefiles());
  }

  // The save just written at this path into the browser's storage, with
  // any other the storage lacks.
  async function persist(file) {
    game.saves.hold(file);
    await ready;
    listknights(savefiles());
    if (!storage.lasting) {
      storage.keepinmemory(game);
      return true;
    }
    const stored = await storage.sync(game, false);
    if (stored) news.tell();
    else tell('The browser refused to store the save.');
    return stored;
  }

  // The saves directory brought up to what the browser's storage holds now,
  // saves made in other tabs included: whenever another tab has stored one.
  async function refresh() {
    refreshing++;
    try {
      await ready;
      if (!storage.lasting) return;
      await storage.sync(game, true);
      listknights(savefiles());
    } finally {
      refreshing--;
    }
  }

  // An import's message goes with the second line the game takes after it.
  function linetaken() {
    if (importlines && --importlines === 0) say('');
  }

  // Before each line the game takes: for a line the player typed while
  // the game waited, what the browser's storage holds now (another tab may
  // have saved a moment ago, its news not here yet); for lines typed ahead
  // (a paste's), the saves as up to date as the news from other tabs has
  // made them, with no look at the storage.
  async function nextline(waited) {
    await ready;
    await (waited || !news.comes ? refresh() : storage.settled());
    linetaken();
  }

  // Whether a line typed ahead may be taken at once, with nothing to wait
  // for: the saves as up to date as nextline(false) would bring them.
  function quiet() {
    return mounted && !refreshing && storage.idle && (news.comes || !storage.lasting);
  }

  // The game, once its saves are ready (null: none yet).
  async function readygame() {
    if (!game) return null;
    await ready;
    return game;
  }

  keepexport(exportbutton, knights, async (name) =>
    (await readygame())?.saves.read(`${savesdir}/${name}`) ?? null, focus);

  keepimport(document.getElementById('import'), {
    game: readygame,
    tell,
    focus,
    async store(name, bytes) {
      await refresh();
      const replaced = savefiles().includes(name);
      game.saves.write(`${savesdir}/${name}`, bytes);
      if (!(await persist(`${savesdir}/${name}`))) return;
      const shown = isolated(name);
      tell(`${replaced ? 'Replaced' : 'Imported'} ${shown}: to play, choose (L)oad Game at the ` +
           `start menu and type ${shown}`);
      importlines = 2;
    },
  });

  return {
    // A new game's saves directory, from the browser's storage.
    attach(newgame) {
      game = newgame;
      mounted = false;
      const mounting = mountsaves();
      ready = mounting;
      mounting.then(() => {
        if (ready === mounting) mounted = true;
      });
    },
    // Before each typed line the game takes (waited: whether the game
    // waited for the player): resolves once the saves directory is up to
    // date.
    nextline,
    // A line typed ahead, taken at once when quiet() allows it.
    quiet,
    linetaken,
    persist,
    // At the end of a game: what it saved stays for the next one, and the
    // page's message is the game's end.
    gameover() {
      importlines = 0;
      if (!storage.lasting) storage.keepinmemory(game);
    },
  };
}
