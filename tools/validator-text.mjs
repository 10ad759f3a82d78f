#!/usr/bin/env node
// Prints the independent imla'i text the Arabic search is measured against (the native
// accuracy test reads it; the program never ships it): the field textSimple of every verse in
// data/quran-verses.json of the npm package quran-validator 1.3.0 (MIT), one line per verse,
// "surah:ayah<TAB>text", in mushaf order. Stops on another package version, a verse given
// twice, or a text that holds a line break.
//   node validator-text.mjs

import { readFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const packageDir = join(dirname(fileURLToPath(import.meta.url)), 'node_modules', 'quran-validator');
const expectedVersion = '1.3.0';

function fail(message) {
  process.stderr.write(`validator-text: ${message}\n`);
  process.exit(1);
}

let version, verses;
try {
  version = JSON.parse(readFileSync(join(packageDir, 'package.json'), 'utf8')).version;
  verses = JSON.parse(readFileSync(join(packageDir, 'data', 'quran-verses.json'), 'utf8'));
} catch (e) {
  fail(`${e.message} (scripts/setup.sh installs it with npm ci in tools/)`);
}
if (version !== expectedVersion) fail(`quran-validator ${version}, not ${expectedVersion}`);

const seen = new Set();
for (const v of verses) {
  const key = `${v.surah}:${v.ayah}`;
  if (!Number.isInteger(v.surah) || !Number.isInteger(v.ayah)) fail(`a verse without numbers: ${key}`);
  if (seen.has(key)) fail(`verse ${key} twice`);
  seen.add(key);
  if (typeof v.textSimple !== 'string' || /[\r\n]/.test(v.textSimple)) fail(`verse ${key}: no one-line textSimple`);
}
verses.sort((a, b) => a.surah - b.surah || a.ayah - b.ayah);
process.stdout.write(verses.map((v) => `${v.surah}:${v.ayah}\t${v.textSimple}\n`).join(''));
