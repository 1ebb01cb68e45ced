// The knights saved in the browser: the game's saves directory kept in the
// browser's storage (or, where the browser keeps nothing, in memory until
// the page is closed), the list of knights, export and import.

const savesdir = '/saves';

// True when the saves directory and the browser's storage agree. A sync
// that neither succeeds nor fails in time (storage that errs in ways the
// sync does not report) counts as failed, so the game never waits for ever.
const syncwait = 10000;

// As large a file as the game reads as a save.
const largestsave = 1 << 20;

// Every tab of the page tells the others when it has stored a save.
const savenews = 'emberfell-saves';

// The saves of the games on this page. `say` puts a line in the page's
// status; `focus` gives the keys back to the game after a control is used.
export function savedknights({say, focus}) {
  const knights = document.getElementById('knights');
  const exportbutton = document.getElementById('export');
  const importfile = document.getElementById('import');

  let game = null;
  // The saves directory read from the browser's storage; the game starts
  // at once, and takes no typed line (no name to load) before this is done.
  let ready = null;
  // The browser's storage is read and written one sync at a time.
  let syncing = Promise.resolve();
  const news = typeof BroadcastChannel === 'function' ? new BroadcastChannel(savenews) : null;
  // Whether the browser keeps the saves; when it does not, the saves of
  // this page's games live in memory until the page is closed.
  let lasting = false;
  let memorysaves = new Map();

  function savefiles() {
    return game.saves.list(savesdir);
  }

  // The list of knights, the one chosen kept chosen.
  function listknights() {
    const names = savefiles().sort();
    const options = names.map((name) => new Option(name, name, false, name === knights.value));
    if (!names.length) options.push(new Option('none saved', ''));
    const listed = [...knights.options].map((option) => option.text);
    if (options.map((option) => option.text).join('/') === listed.join('/')) return;
    knights.replaceChildren(...options);
    knights.disabled = exportbutton.disabled = names.length === 0;
  }

  function keepinmemory() {
    memorysaves = new Map(savefiles().map((name) => [name, game.saves.read(`${savesdir}/${name}`)]));
  }

  function synconce(saves, fromstorage) {
    return new Promise((resolve) => {
      const timer = setTimeout(() => resolve(false), syncwait);
      const finish = (ok) => {
        clearTimeout(timer);
        resolve(ok);
      };
      try {
        saves[fromstorage ? 'load' : 'store'](savesdir, (error) => finish(!error));
      } catch {
        finish(false);
      }
    });
  }

  // A sync of this game's saves; one that fails is tried once more with
  // the storage opened anew: its data may have been cleared while the
  // game ran.
  function syncsaves(fromstorage) {
    const {saves} = game;
    const sync = syncing.then(async () => await synconce(saves, fromstorage) ||
                                          synconce(saves, fromstorage));
    syncing = sync;
    return sync;
  }

  // Every knight the storage lacks stored again, and the other tabs told.
  async function restore() {
    if (await syncsaves(false)) news?.postMessage('saved');
  }

  async function mountsaves() {
    const mounted = game;
    // The browser's storage cleared under the game: the knights the page
    // holds go back into it at once.
    game.saves.mount(savesdir, () => game === mounted && lasting && restore());
    lasting = await syncsaves(true);
    if (!lasting) {
      for (const [name, bytes] of memorysaves) game.saves.write(`${savesdir}/${name}`, bytes);
      tell('This browser keeps nothing for this page: saved knights last only until the page ' +
           'is closed. Export a knight to keep it.');
    }
    listknights();
  }

  // The save just written at this path into the browser's storage, with
  // any other the storage lacks.
  async function persist(file) {
    game.saves.hold(file);
    await ready;
    listknights();
    if (!lasting) {
      keepinmemory();
      return true;
    }
    const stored = await syncsaves(false);
    if (stored) news?.postMessage('saved');
    else tell('The browser refused to store the save.');
    return stored;
  }

  // The saves directory brought up to what the browser's storage holds now,
  // saves made in other tabs included: whenever another tab has stored one.
  async function refresh() {
    await ready;
    if (!lasting) return;
    await syncsaves(true);
    listknights();
  }

  if (news) news.onmessage = () => refresh();

  // An import's message stays for the two lines of a load (the start menu's
  // answer, then the name) and goes with the second: whatever the player
  // does, once they have gone on.
  let importlines = 0;

  function tell(text) {
    importlines = 0;
    say(text);
  }

  // Before each line the game takes: for a line the player typed while
  // the game waited, what the browser's storage holds now (another tab may
  // have saved a moment ago, its news not here yet); for lines typed ahead
  // (a paste's), the saves as up to date as the news from other tabs has
  // made them, with no look at the storage.
  async function nextline(waited) {
    await ready;
    await (waited || !news ? refresh() : syncing);
    if (importlines && --importlines === 0) say('');
  }

  exportbutton.addEventListener('click', async () => {
    const name = knights.value;
    if (!game || !name) return;
    await ready;
    const bytes = game.saves.read(`${savesdir}/${name}`);
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    focus();
  });

  importfile.addEventListener('change', async () => {
    const file = importfile.files[0];
    importfile.value = '';
    focus();
    if (!file || !game) return;
    await ready;
    if (file.size > largestsave) {
      tell(`${file.name} is far too large to be a save of this game.`);
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    // Stored under the name the game gives the knight when it loads the
    // file: the name the player types to load it. The game says whether a
    // save can be kept under it; and it must come through the load prompt
    // whole (bytes that are no letters, spelt here as U+FFFD, can make it
    // longer than a name).
    const name = game.saves.knightname(bytes, file.name);
    const typed = game.saves.knightname(new Uint8Array(), name);
    if (name === '' || typed !== name) {
      tell(`${file.name} names no knight that can be loaded here.`);
      return;
    }
    await refresh();
    const replaced = savefiles().includes(name);
    game.saves.write(`${savesdir}/${name}`, bytes);
    if (!(await persist(`${savesdir}/${name}`))) return;
    tell(`${replaced ? 'Replaced' : 'Imported'} ${name}: to play, choose (L)oad Game at the ` +
         `start menu and type ${name}`);
    importlines = 2;
  });

  return {
    // A new game's saves directory, from the browser's storage.
    attach(newgame) {
      game = newgame;
      ready = mountsaves();
    },
    // Before each typed line the game takes (waited: whether the game
    // waited for the player): resolves once the saves directory is up to
    // date.
    nextline,
    persist,
    // At the end of a game: what it saved stays for the next one, and the
    // page's message is the game's end.
    gameover() {
      importlines = 0;
      if (!lasting) keepinmemory();
    },
  };
}
