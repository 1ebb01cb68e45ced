// The page's first paint, made at build time: the game itself (the built
// emberfell.js and .wasm, run here in node) draws its title screen, and the
// page's index.html gets that screen as plain HTML, with the styles it
// needs inline, so that a player sees the title before the terminal and the
// game have loaded; the terminal then takes over the same place.
//   node web/firstpaint.mjs <page source dir> <built page dir>
import {readFile, writeFile} from 'node:fs/promises';
import {join} from 'node:path';
import vm from 'node:vm';
import {readablesize} from './page/plainview.js';
import {coarse} from './page/touch.js';
import {paragraphs} from './page/transcript.js';

const [sourcedir, pagedir] = process.argv.slice(2);
const columns = 80;
const rows = 25;

// What the game writes until it first waits for the player, and its words.
async function titleoutput() {
  const code = await readFile(join(pagedir, 'emberfell.js'), 'utf8');
  const wasm = await WebAssembly.compile(await readFile(join(pagedir, 'emberfell.wasm')));
  const context = {console, WebAssembly, TextDecoder, TextEncoder, setTimeout, clearTimeout, URL,
                   performance, Date, Math, location: {href: 'http://localhost/'},
                   document: {currentScript: {src: 'http://localhost/emberfell.js'}}};
  context.window = context.self = context;
  vm.createContext(context);
  vm.runInContext(`${code}\nthis.createEmberfell = createEmberfell;`, context);
  let output = '';
  let words = '';
  const decoder = new TextDecoder();
  return new Promise((resolve, reject) => {
    const waiting = () => {
      resolve({output, words});
      return new Promise(() => {});
    };
    context.createEmberfell({
      page: {
        write: (bytes) => { output += typeof bytes === 'string' ? bytes : decoder.decode(bytes); },
        words: (text) => { words += text; },
        key: waiting,
        line: waiting,
        persist: async () => true,
        over: () => reject(new Error('the game ended before it waited for a key')),
      },
      instantiateWasm(imports, receive) {
        WebAssembly.instantiate(wasm, imports).then((instance) => receive(instance, wasm));
        return {};
      },
    }).then((game) => game.callMain([])).catch(reject);
  });
}

// The screen that output leaves, as the page's terminal shows it (line ends
// as CR LF). The title needs only these controls; any other fails the build
// rather than paint a title that differs from the terminal's.
function drawscreen(output) {
  const screen = Array.from({length: rows}, () => Array(columns).fill(' '));
  let row = 0;
  let column = 0;
  const controls = ['\x1b[H', '\x1b[2J', '\x1b[3J'];
  for (let i = 0; i < output.length;) {
    const control = controls.find((code) => output.startsWith(code, i));
    if (control) {
      if (control === '\x1b[H') row = column = 0;
      if (control === '\x1b[2J') for (const line of screen) line.fill(' ');
      i += control.length;
      continue;
    }
    const letter = String.fromCodePoint(output.codePointAt(i));
    i += letter.length;
    if (letter === '\n' || letter === '\r') {
      column = 0;
      if (letter === '\n') row++;
      if (row === rows) {
        screen.shift();
        screen.push(Array(columns).fill(' '));
        row--;
      }
    } else if (letter >= ' ' && column < columns) {
      screen[row][column++] = letter;
    } else {
      throw new Error(`the title screen has a control the first paint does not draw: ${JSON.stringify(letter)}`);
    }
  }
  return {lines: screen.map((line) => line.join('').trimEnd()), cursor: {row, column}};
}

const escape = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

// The title as a <pre>: one line a row, the cursor a block.
function titlehtml({lines, cursor}) {
  const shown = lines.map((line, row) => {
    if (row !== cursor.row) return escape(line);
    const padded = line.padEnd(cursor.column + 1);
    return escape(padded.slice(0, cursor.column)) +
           `<span class="cursor">${escape(padded[cursor.column])}</span>` +
           escape(padded.slice(cursor.column + 1).trimEnd());
  });
  // The line end after <pre> is not the pre's: the first row starts after it.
  // Screen readers hear the game's words instead (transcript.js).
  return `<pre id="title" aria-hidden="true">\n${shown.join('\n')}</pre>`;
}

// The title's words, as the page shows them where the terminal's text
// would be too small to read (plainview.js, transcript.js).
function plainhtml(words) {
  const shown = paragraphs(words, true).map(({line, after}) =>
    `<p${after ? ' class="after"' : ''}>${escape(line)}</p>`);
  return shown.length ? `<div id="plaintitle" aria-hidden="true">${shown.join('')}</div>` : '';
}

// The terminal's cell for each font size, as xterm.js measures it in the
// page's first font (DejaVu Sans Mono: advance 1233, ascent 1901, descent
// 483 in 2048 units; the width of the whole row rounded to a pixel, the
// ascent and descent each), as page.css lays out the title with them. The title's font size is the
// largest whose cells fit the terminal's box: rules for each size, the
// larger later, on the box's height (25 rows) and width (the columns the
// title uses). Upright, the box is as tall as the title's rows at the size
// its width allows (page.css): rules on the page's width, which is the
// box's.
// The title's words show in its place where its font would be smaller
// than the page's readable size (plainview.js).
const font = {advance: 1233 / 2048, ascent: 1901 / 2048, descent: 483 / 2048};

function sizerules(used) {
  // The font's metrics for page.css, and the help of touch screens.
  let rules = `#title{--advance-em:${font.advance};--ascent-em:${font.ascent};` +
              `--descent-em:${font.descent}}\n` +
              `@media ${coarse}{.touchhelp{display:inline}.keyboardhelp{display:none}}\n`;
  const room = (size) => {
    const width = Math.round(columns * size * font.advance) / columns;
    const height = Math.round(size * font.ascent) + Math.round(size * font.descent);
    return {width: width * used, height: height * rows};
  };
  for (let size = 4; size <= 96; size++) {
    const {width, height} = room(size);
    rules += `@container terminal (min-height:${height}px){#title{--byheight:${size}px}}` +
             `@container terminal (min-width:${width}px){#title{--bywidth:${size}px}}` +
             `@container page (min-width:${width}px){#terminal{--titlerows:${height}px}}\n`;
  }
  for (const [media, size] of [[coarse, readablesize.touch], [`not ${coarse}`, readablesize.other]]) {
    const {width, height} = room(size);
    rules += `@media ${media}{@container terminal not ((min-width:${width}px) and ` +
             `(min-height:${height}px)){#plaintitle{display:block}}}\n`;
  }
  return rules;
}

// The modules page.js imports, and theirs: early.js has the browser fetch
// them with page.js rather than after it.
async function imported(file, found = []) {
  const code = await readFile(join(sourcedir, file), 'utf8');
  for (const [, module] of code.matchAll(/^(?:import|export) [^;]*? from '\.\/([\w.]+)';$/gm)) {
    if (!found.includes(module)) {
      found.push(module);
      await imported(module, found);
    }
  }
  return found;
}

const modules = await imported('page.js');
const {output, words} = await titleoutput();
const title = drawscreen(output);
let html = await readFile(join(sourcedir, 'index.html'), 'utf8');
const inline = async (pattern, make) => {
  const [tag, file] = html.match(pattern) ?? [];
  if (!tag) throw new Error(`index.html has no ${pattern}`);
  html = html.replace(tag, make((await readFile(join(sourcedir, file), 'utf8')).trimEnd()));
};
// The columns the title uses, the cursor's among them.
const used = Math.max(title.cursor.column + 1, ...title.lines.map((line) => [...line].length));
await inline(/<link rel="stylesheet" href="(page\.css)">/,
             (css) => `<style>\n${css}\n${sizerules(used)}</style>`);
await inline(/<script src="(early\.js)"><\/script>/, (js) => {
  const list = 'const modules = [];';
  if (!js.includes(list)) throw new Error(`early.js has no ${list}`);
  return `<script>\n${js.replace(list, `const modules = ${JSON.stringify(modules)};`)}\n</script>`;
});
if (!html.includes('<!-- title -->')) throw new Error('index.html has no place for the title');
html = html.replace('<!-- title -->', titlehtml(title) + plainhtml(words));
await writeFile(join(pagedir, 'index.html'), html);
