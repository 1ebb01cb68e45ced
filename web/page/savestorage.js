// The browser's storage of the game's saves directory (IndexedDB, mounted
// by the game's glue), read and written one sync at a time; where the
// browser keeps nothing, the saves live in memory until the page is closed.

export const savesdir = '/saves';

// True when the saves directory and the browser's storage agree. A sync
// that neither succeeds nor fails in time (storage that errs in ways the
// sync does not report) counts as failed, so the game never waits for ever.
const syncwait = 10000;

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

export function savestorage() {
  let syncing = Promise.resolve();
  // The syncs asked and not yet done.
  let unsettled = 0;
  // Whether the browser keeps the saves.
  let lasting = false;
  let memorysaves = new Map();

  // A sync of this game's saves; one that fails is tried once more with
  // the storage opened anew: its data may have been cleared while the
  // game ran.
  function sync(game, fromstorage) {
    const {saves} = game;
    syncing = syncing.then(async () => await synconce(saves, fromstorage) ||
                                        synconce(saves, fromstorage));
    unsettled++;
    syncing.then(() => unsettled--);
    return syncing;
  }

  return {
    sync,
    get lasting() {
      return lasting;
    },
    // Once the syncs asked so far are done.
    settled: () => syncing,
    // Whether every sync asked so far is done.
    get idle() {
      return unsettled === 0;
    },
    // A new game's saves directory, from the browser's storage (or from
    // memory); resolves with whether the browser keeps it. cleared() is
    // called when the browser's storage is cleared under the game.
    async mount(game, cleared) {
      game.saves.mount(savesdir, () => lasting && cleared());
      lasting = await sync(game, true);
      if (!lasting) {
        for (const [name, bytes] of memorysaves) game.saves.write(`${savesdir}/${name}`, bytes);
      }
      return lasting;
    },
    // Where the browser keeps nothing: the game's saves, for the next game.
    keepinmemory(game) {
      const names = game.saves.list(savesdir);
      memorysaves = new Map(names.map((name) => [name, game.saves.read(`${savesdir}/${name}`)]));
    },
  };
}
