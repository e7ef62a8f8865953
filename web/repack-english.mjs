// Writes the speech engine with its English data only: the package's espeak-ng.js with a new
// file list, and an espeak-ng.data holding just those files. Usage: node repack-english.mjs OUT_DIR
import fs from 'fs';
import path from 'path';
import { fileURLToPath } from 'url';

const here = path.dirname(fileURLToPath(import.meta.url));
const pkg = path.join(here, 'node_modules', '@echogarden', 'espeak-ng-emscripten');
const out = process.argv[2];
if (!out) {
  console.error('usage: node repack-english.mjs OUT_DIR');
  process.exit(2);
}
const js = fs.readFileSync(path.join(pkg, 'espeak-ng.js'), 'utf8');
const data = fs.readFileSync(path.join(pkg, 'espeak-ng.data'));

// The file list the package's loader is called with, an object literal in the script.
const start = js.indexOf('loadPackage({files:');
const end = js.indexOf('})', start);
if (start < 0 || end < 0) throw new Error('the package has no file list where it is expected');
const literal = js.slice(start + 'loadPackage('.length, end + 1);
const meta = Function('"use strict"; return (' + literal + ')')();

const root = '/usr/share/espeak-ng-data/';
const keep = (name) => {
  const n = name.startsWith(root) ? name.slice(root.length) : name;
  return ['phontab', 'phonindex', 'phondata', 'intonations', 'en_dict'].includes(n) ||
         n.startsWith('lang/gmw/en') || n.startsWith('voices/!v/');
};
const files = [];
const parts = [];
let at = 0;
for (const f of meta.files) {
  if (!keep(f.filename)) continue;
  const bytes = data.subarray(f.start, f.end);
  files.push({ ...f, start: at, end: at + bytes.length });
  parts.push(bytes);
  at += bytes.length;
}
for (const need of ['phontab', 'phondata', 'en_dict', 'lang/gmw/en-US'])
  if (!files.some((f) => f.filename === root + need)) throw new Error('the package lacks ' + need);
const newMeta = { ...meta, files, remote_package_size: at };
fs.mkdirSync(out, { recursive: true });
fs.writeFileSync(path.join(out, 'espeak-ng.data'), Buffer.concat(parts));
fs.writeFileSync(path.join(out, 'espeak-ng.js'),
                 js.slice(0, start + 'loadPackage('.length) + JSON.stringify(newMeta) + js.slice(end + 1));
console.log(`English speech data: ${files.length} files, ${at} bytes`);
