// Emberfell's page: the terminal the game runs in, the player's keys and
// typed lines, the saves kept in the browser, and a new game after the end.
'use strict';

(() => {
  const cols = 80;
  const rows = 25;
  const longestline = 4095; // as a terminal's line editing allows
  const savesdir = '/saves';

  const statusline = document.getElementById('status');
  const knights = document.getElementById('knights');
  const exportbutton = document.getElementById('export');
  const importfile = document.getElementById('import');
  const terminalbox = document.getElementById('terminal');

  // The game's code, compiled once (in index.html) for every game played
  // on this page.
  const compiled = window.emberfellcompiled;

  const term = new Terminal({
    cols,
    rows,
    convertEol: true,
    screenReaderMode: true,
    cursorBlink: true,
    fontFamily: '"DejaVu Sans Mono", "Cascadia Mono", Consolas, "Liberation Mono", monospace',
    fontSize: 16,
    theme: {background: '#000000', foreground: '#cccccc'},
  });
  term.open(terminalbox);
  // Backspace at the left edge goes back onto the line above, so that a
  // long typed answer can be rubbed out whole.
  term.write('\x1b[?45h');
  fitterminal();
  window.addEventListener('resize', fitterminal);
  term.focus();
  // A click anywhere but on the saves' controls goes to the terminal.
  document.addEventListener('click', (event) => {
    if (!event.target.closest('#saves')) term.focus();
  });

  function say(text) {
    statusline.textContent = text;
  }

  // The terminal keeps its 80 columns and 25 rows; its font grows or
  // shrinks until the whole of it fits the window.
  function fitterminal() {
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

  // --- What the player types ---------------------------------------------

  // Keys typed and not yet taken by the game, in order; what the game waits
  // for (a key or a line); the line being typed.
  const typed = [];
  let waiting = null;
  let editing = '';
  let over = false;

  // One key press per entry: an escape sequence (an arrow, a function key,
  // Alt with a key) is one key, and so is a letter beyond the BMP.
  function splitkeys(data) {
    const keys = [];
    for (let i = 0; i < data.length;) {
      let end = i + 1;
      if (data[i] === '\x1b' && i + 1 < data.length) {
        if (data[i + 1] === '[') {
          end = i + 2;
          while (end < data.length && !/[\x40-\x7e]/.test(data[end])) end++;
          end = Math.min(end + 1, data.length);
        } else if (data[i + 1] === 'O') {
          end = Math.min(i + 3, data.length);
        } else {
          end = i + 2;
        }
      } else if (data.codePointAt(i) > 0xffff) {
        end = i + 2;
      }
      keys.push(data.slice(i, end));
      i = end;
    }
    return keys;
  }

  term.onData((data) => {
    if (over) {
      begin();
      return;
    }
    typed.push(...splitkeys(data));
    serve();
  });

  // Hand typed keys to whatever the game waits for.
  function serve() {
    while (waiting && typed.length) {
      const key = typed.shift();
      if (waiting.kind === 'key') {
        answer(undefined);
      } else {
        editline(key);
      }
    }
  }

  function answer(value) {
    const {resolve} = waiting;
    waiting = null;
    resolve(value);
  }

  function rubout(count) {
    term.write('\b \b'.repeat(count));
  }

  // Line editing with echo, as on a terminal.
  function editline(key) {
    const letters = [...editing];
    if (key === '\r' || key === '\n') {
      term.write('\r\n');
      editing = '';
      answer(letters.join('') + '\n');
    } else if (key === '\x7f' || key === '\b') {
      if (letters.length) {
        letters.pop();
        editing = letters.join('');
        rubout(1);
      }
    } else if (key === '\x15') {
      rubout(letters.length);
      editing = '';
    } else if (key === '\x04') {
      // Ctrl-D: the end of input on an empty line, else the line so far.
      editing = '';
      answer(letters.length ? letters.join('') : null);
    } else if (key >= ' ' && key[0] !== '\x1b' && letters.length < longestline) {
      editing += key;
      term.write(key);
    }
  }

  function waitfor(kind) {
    return new Promise((resolve) => {
      waiting = {kind, resolve};
      serve();
    });
  }

  // --- Saves -------------------------------------------------------------

  let game = null;
  // The saves directory read from the browser's storage; the game starts
  // at once, and takes no typed line (no name to load) before this is done.
  let storageready = null;
  // Whether the browser keeps the saves; when it does not, the saves of
  // this page's games live in memory until the page is closed.
  let lasting = false;
  let memorysaves = new Map();

  function savefiles() {
    return game.saves.list(savesdir);
  }

  function listknights() {
    const names = savefiles().sort();
    const options = names.map((name) => new Option(name, name));
    if (!names.length) options.push(new Option('none saved', ''));
    knights.replaceChildren(...options);
    knights.disabled = exportbutton.disabled = names.length === 0;
  }

  function keepinmemory() {
    memorysaves = new Map(savefiles().map((name) => [name, game.saves.read(`${savesdir}/${name}`)]));
  }

  // True when the saves directory and the browser's storage agree. A sync
  // that neither succeeds nor fails in time (storage that errs in ways the
  // sync does not report) counts as failed, so the game never waits for ever.
  const syncwait = 10000;

  function syncsaves(fromstorage) {
    return new Promise((resolve) => {
      const timer = setTimeout(() => resolve(false), syncwait);
      const finish = (ok) => {
        clearTimeout(timer);
        resolve(ok);
      };
      try {
        game.saves[fromstorage ? 'load' : 'store'](savesdir, (error) => finish(!error));
      } catch {
        finish(false);
      }
    });
  }

  async function mountsaves() {
    game.saves.mount(savesdir);
    lasting = await syncsaves(true);
    if (!lasting) {
      for (const [name, bytes] of memorysaves) game.saves.write(`${savesdir}/${name}`, bytes);
      say('This browser keeps nothing for this page: saved knights last only until the page is ' +
          'closed. Export a knight to keep it.');
    }
    listknights();
  }

  // The saves directory as it is now into the browser's storage.
  async function persist() {
    await storageready;
    listknights();
    if (!lasting) {
      keepinmemory();
      return true;
    }
    const stored = await syncsaves(false);
    if (!stored) say('The browser refused to store the save.');
    return stored;
  }

  exportbutton.addEventListener('click', async () => {
    const name = knights.value;
    if (!game || !name) return;
    await storageready;
    const bytes = game.saves.read(`${savesdir}/${name}`);
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    term.focus();
  });

  // The knight's name is the save's 29th line (without a CR before its line
  // end, at most 25 bytes, up to any NUL); a file without one is named
  // after the file itself.
  function knightname(bytes, filename) {
    const decoder = new TextDecoder();
    let start = 0;
    for (let line = 1; line < 29 && start < bytes.length; line++) {
      const end = bytes.indexOf(10, start);
      start = end < 0 ? bytes.length : end + 1;
    }
    let end = bytes.indexOf(10, start);
    if (end < 0) end = bytes.length;
    let name = bytes.subarray(start, end);
    if (name.length && name[name.length - 1] === 13) name = name.subarray(0, name.length - 1);
    name = name.subarray(0, 25);
    const nul = name.indexOf(0);
    if (nul >= 0) name = name.subarray(0, nul);
    const fromfile = new TextEncoder().encode(filename).subarray(0, 25);
    return decoder.decode(name.length ? name : fromfile);
  }

  const largestsave = 65536;

  importfile.addEventListener('change', async () => {
    const file = importfile.files[0];
    importfile.value = '';
    term.focus();
    if (!file || !game) return;
    await storageready;
    if (file.size > largestsave) {
      say(`${file.name} is far too large to be a save of this game.`);
      return;
    }
    const bytes = new Uint8Array(await file.arrayBuffer());
    const name = knightname(bytes, file.name);
    if (name === '' || name === '.' || name === '..' || name.includes('/')) {
      say(`${file.name} names no knight that can be saved here.`);
      return;
    }
    const replaced = savefiles().includes(name);
    game.saves.write(`${savesdir}/${name}`, bytes);
    if (!(await persist())) return;
    say(`${replaced ? 'Replaced' : 'Imported'} ${name}: choose (L)oad Game and type ${name}.`);
  });

  // --- The game ----------------------------------------------------------

  const pageside = {
    write: (bytes) => term.write(bytes),
    key: () => waitfor('key'),
    async line() {
      const line = await waitfor('line');
      await storageready;
      return line;
    },
    persist,
    over() {
      over = true;
      typed.length = 0;
      waiting = null;
      editing = '';
      if (!lasting) keepinmemory();
      say('The game is over. Press any key for a new game.');
    },
  };

  async function startgame() {
    over = false;
    say('');
    term.reset();
    term.write('\x1b[?45h');
    const module = await compiled;
    game = await createEmberfell({
      page: pageside,
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module));
        return {};
      },
    });
    storageready = mountsaves();
    game.callMain([]);
  }

  function begin() {
    startgame().catch((error) => say(`The game could not start: ${error}`));
  }

  begin();
})();
