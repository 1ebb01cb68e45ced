// eslint over the page (browser modules; early.js is a plain script, inlined
// into index.html), its build scripts and server (Node modules), and its
// browser tests and benchmarks (Node modules whose callbacks puppeteer also
// runs in the page): eslint's recommended rules. `npx eslint` in web/.
import js from '@eslint/js';
import globals from 'globals';

export default [
  {ignores: ['node_modules/']},
  js.configs.recommended,
  {
    files: ['page/**/*.js'],
    languageOptions: {
      sourceType: 'module',
      // xterm.js's Terminal and the game's module factory (emberfell.js)
      // are loaded as plain scripts beside the page's modules.
      globals: {...globals.browser, Terminal: 'readonly', createEmberfell: 'readonly'},
    },
  },
  {files: ['page/early.js'], languageOptions: {sourceType: 'script'}},
  {files: ['*.mjs'], languageOptions: {globals: globals.node}},
  {
    files: ['tests/**/*.mjs', 'bench/**/*.mjs'],
    languageOptions: {globals: {...globals.node, ...globals.browser}},
  },
];
