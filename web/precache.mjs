// The page's service worker: every file of the built page kept in the
// browser's cache under a revision made from its content, so that after
// one visit the page loads and plays with no network, and a rebuilt page
// (any file's content changed) is installed beside the old one and offered
// to the player (offline.js).
//   node web/precache.mjs <built page folder>
import {join} from 'node:path';
import {generateSW} from 'workbox-build';

const folder = process.argv[2];
const {count, size, warnings} = await generateSW({
  globDirectory: folder,
  globPatterns: ['**/*'],
  globIgnores: ['sw.js', '**/*.map'],
  swDest: join(folder, 'sw.js'),
  // One file: the worker and the code it runs.
  inlineWorkboxRuntime: true,
  sourcemap: false,
  cleanupOutdatedCaches: true,
  maximumFileSizeToCacheInBytes: 16 * 1024 * 1024,
  mode: 'production',
});
for (const warning of warnings) console.warn(warning);
console.log(`Service worker: ${count} files, ${size} bytes kept for offline play`);
