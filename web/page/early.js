// Before the terminal: the title is already on the page (painted from its
// HTML); the terminal's and the game's scripts load after that first paint,
// and keys the player presses meanwhile wait, in order, for the game.
(() => {
  const named = {Enter: '\r', Backspace: '\x7f', Escape: '\x1b', ArrowUp: '\x1b[A',
                 ArrowDown: '\x1b[B', ArrowRight: '\x1b[C', ArrowLeft: '\x1b[D'};
  const keys = [];
  const early = (event) => {
    if (event.target.closest?.('form') || event.altKey || event.metaKey) return;
    let data = named[event.key] ?? '';
    if (event.ctrlKey) {
      data = /^[a-z]$/i.test(event.key) ? String.fromCharCode(event.key.toUpperCase().charCodeAt(0) - 64) : '';
    } else if (!data && [...event.key].length === 1) {
      data = event.key;
    }
    if (!data) return;
    event.preventDefault();
    keys.push(data);
  };
  addEventListener('keydown', early);
  // The terminal's side takes the keys so far, and all later ones.
  window.earlykeys = () => {
    removeEventListener('keydown', early);
    return keys.join('');
  };

  const load = (tag, attributes) => new Promise((resolve, reject) => {
    const element = Object.assign(document.createElement(tag), attributes);
    element.onload = resolve;
    element.onerror = reject;
    document.head.append(element);
  });
  let started;
  const start = () => {
    // The game's code, fetched and compiled while the scripts load.
    const code = fetch('emberfell.wasm');
    window.emberfellcompiled = WebAssembly.compileStreaming(code).catch(() =>
      code.then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
    started ??= Promise.all([
      load('link', {rel: 'stylesheet', href: 'xterm.css'}),
      load('script', {src: 'xterm.js', async: false}),
      load('script', {src: 'emberfell.js', async: false}),
    ]);
    // The modules page.js imports, fetched with it rather than after it.
    const modules = []; // every module page.js imports, listed by firstpaint.mjs
    for (const module of modules) {
      document.head.append(Object.assign(document.createElement('link'),
                                         {rel: 'modulepreload', href: module}));
    }
    load('script', {type: 'module', src: 'page.js'});
  };
  window.terminalready = new Promise((resolve) => {
    const go = () => {
      if (!started) start();
      resolve(started);
    };
    // Once the first paint is on the screen (the browser reports it after
    // the frame is shown); by a timer where the browser reports none.
    try {
      new PerformanceObserver(go).observe({type: 'paint'});
    } catch {
      requestAnimationFrame(() => setTimeout(go));
    }
    setTimeout(go, 500);
  });
})();
