#!/usr/bin/env node
// Generates resources/quran_id.txt, the translation text that the program embeds
// (packed with bzip2 at build time) as its "QRN"/"INDO" resource.
//
// Source: dist/quran_id.json of the npm package quran-json 3.1.2 (CC BY-SA 4.0).
// Output: one verse line per verse, "s:a. text", CR LF after every line, 6236
// lines in mushaf order, printable 7-bit ASCII only.
//
// Every character outside printable ASCII is mapped deliberately through the
// table below; a character the table does not know stops the tool, so a new
// package version cannot slip a byte above 127 into the program unnoticed.
// Nothing else is changed: no blanks are collapsed, no punctuation touched.
//
// Usage:
//   node gen-corpus.mjs            write ../resources/quran_id.txt
//   node gen-corpus.mjs --check    regenerate in memory and fail unless the
//                                  committed file is byte-identical
//   node gen-corpus.mjs --out FILE write somewhere else

import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const packageDir = join(here, 'node_modules', 'quran-json');
const sourceFile = join(packageDir, 'dist', 'quran_id.json');
const expectedVersion = '3.1.2';
const defaultOut = join(here, '..', 'resources', 'quran_id.txt');

// Zero-based index of the first verse of surah s, s = 1..115; entry 115 is the
// end sentinel. Verse counts are the differences. Index 0 is unused.
const surahStart = [
  -1,
  0, 7, 293, 493, 669, 789, 954, 1160, 1235, 1364,
  1473, 1596, 1707, 1750, 1802, 1901, 2029, 2140, 2250, 2348,
  2483, 2595, 2673, 2791, 2855, 2932, 3159, 3252, 3340, 3409,
  3469, 3503, 3533, 3606, 3660, 3705, 3788, 3970, 4058, 4133,
  4218, 4272, 4325, 4414, 4473, 4510, 4545, 4583, 4612, 4630,
  4675, 4735, 4784, 4846, 4901, 4979, 5075, 5104, 5126, 5150,
  5163, 5177, 5188, 5199, 5217, 5229, 5241, 5271, 5323, 5375,
  5419, 5447, 5475, 5495, 5551, 5591, 5622, 5672, 5712, 5758,
  5800, 5829, 5848, 5884, 5909, 5931, 5948, 5967, 5993, 6023,
  6043, 6058, 6079, 6090, 6098, 6106, 6125, 6130, 6138, 6146,
  6157, 6168, 6176, 6179, 6188, 6193, 6197, 6204, 6207, 6213,
  6216, 6221, 6225, 6230, 6236,
];
const surahCount = 114;
const totalVerses = 6236;
const verseCount = (s) => surahStart[s + 1] - surahStart[s];
const surahTableSource = join(here, '..', 'corpus', 'SurahTable.cpp');

// Every non-ASCII character that occurs in the source, with what it becomes.
// Footnote marks are not in this table: they are removed together with the
// footnote numbers (see removeFootnoteMarks).
const charMap = new Map([
  ['\u0101', ['a', 'macron vowel']], // a with macron
  ['\u0100', ['A', 'macron vowel']], // A with macron
  ['\u012B', ['i', 'macron vowel']], // i with macron
  ['\u016B', ['u', 'macron vowel']], // u with macron
  ['\u1E25', ['h', 'dotted letter']], // h with dot below
  ['\u1E24', ['H', 'dotted letter']], // H with dot below
  ['\u1E6D', ['t', 'dotted letter']], // t with dot below
  ['\u1E6C', ['T', 'dotted letter']], // T with dot below
  ['\u1E63', ['s', 'dotted letter']], // s with dot below
  ['\u1E62', ['S', 'dotted letter']], // S with dot below
  ['\u1E93', ['z', 'dotted letter']], // z with dot below
  ['\u1E61', ['s', 'dotted letter']], // s with dot above
  ['\u017C', ['z', 'dotted letter']], // z with dot above
  ['\u017B', ['Z', 'dotted letter']], // Z with dot above
  ['\u00AD', ['', 'soft hyphen']],
  ['\u2013', ['-', 'en dash']],
  ['\u2018', ["'", 'curly quote']], // left single quotation mark
  ['\u2019', ["'", 'curly quote']], // right single quotation mark
]);
const superscriptMarks = '\u00B3'; // superscript three, a footnote mark

function fail(message) {
  console.error(`gen-corpus: ${message}`);
  process.exit(1);
}

function count(stats, kind, n = 1) {
  stats.set(kind, (stats.get(kind) ?? 0) + n);
}

function isAsciiAlnum(ch) {
  return ch !== undefined && /^[A-Za-z0-9]$/.test(ch);
}

// Maps the characters of the table; an unknown non-ASCII or control character
// is fatal. Superscript marks pass through to removeFootnoteMarks.
function mapCharacters(text, where, stats) {
  let out = '';
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (code >= 32 && code <= 126) {
      out += ch;
    } else if (charMap.has(ch)) {
      const [replacement, kind] = charMap.get(ch);
      out += replacement;
      count(stats, kind);
    } else if (superscriptMarks.includes(ch)) {
      out += ch;
    } else {
      const hex = code.toString(16).toUpperCase().padStart(4, '0');
      fail(`${where}: unknown character U+${hex} ${JSON.stringify(ch)}; add it to charMap deliberately`);
    }
  }
  return out;
}

// The source marks footnotes with their number and a closing parenthesis right
// after the word ("Rabbi,31) siapa") and once with a superscript digit. Removing
// the mark must neither leave a double blank nor glue two words together:
// - a blank before the mark goes with it when a blank or the end follows;
// - a mark wedged between two words ("Sabtu468)hanya") becomes one blank.
// Every number in this text is such a mark; they rise strictly through the
// whole book, which the caller checks through `numbers`.
function removeFootnoteMarks(text, stats, numbers) {
  return text.replace(/( ?)(\d+\)|[\u00B3])/g, (match, blank, mark, offset, whole) => {
    const after = whole[offset + match.length];
    const before = blank ? ' ' : whole[offset - 1];
    if (mark.endsWith(')')) {
      numbers.push(Number(mark.slice(0, -1)));
      count(stats, 'footnote number');
    } else {
      count(stats, 'superscript mark');
    }
    if (blank) return after === undefined || after === ' ' ? '' : ' ';
    if (before !== undefined && before !== ' ' && isAsciiAlnum(after)) {
      count(stats, 'footnote mark between words (became a blank)');
      return ' ';
    }
    return '';
  });
}

function normalise(text, where, stats, numbers) {
  return removeFootnoteMarks(mapCharacters(text, where, stats), stats, numbers);
}

function loadSource() {
  if (!existsSync(sourceFile)) fail(`${sourceFile} not found; run "npm ci" in tools/ first`);
  const pkg = JSON.parse(readFileSync(join(packageDir, 'package.json'), 'utf8'));
  if (pkg.version !== expectedVersion) fail(`quran-json is ${pkg.version}, expected ${expectedVersion}`);
  const data = JSON.parse(readFileSync(sourceFile, 'utf8'));
  if (!Array.isArray(data) || data.length !== surahCount) fail(`expected ${surahCount} surahs`);
  return data;
}

function buildLines(data, stats) {
  const lines = [];
  const numbers = [];
  data.forEach((surah, k) => {
    const s = k + 1;
    if (surah.id !== s) fail(`surah at position ${k} has id ${surah.id}`);
    if (surah.verses.length !== verseCount(s) || surah.total_verses !== verseCount(s)) {
      fail(`surah ${s} has ${surah.verses.length} verses, the surah table says ${verseCount(s)}`);
    }
    surah.verses.forEach((verse, j) => {
      const a = j + 1;
      if (verse.id !== a) fail(`surah ${s}: verse at position ${j} has id ${verse.id}`);
      lines.push(`${s}:${a}. ${normalise(verse.translation, `${s}:${a}`, stats, numbers)}`);
    });
  });
  numbers.forEach((n, i) => {
    if (i > 0 && n <= numbers[i - 1]) fail(`footnote number ${n} follows ${numbers[i - 1]}: not a footnote mark?`);
  });
  return lines;
}

// The checks the program relies on; any failure refuses the output.
// The program carries its own copy of the start indices; the text is only
// usable if both copies agree.
function crossCheckSurahTable() {
  if (!existsSync(surahTableSource)) return;
  const source = readFileSync(surahTableSource, 'utf8');
  const body = /\bstarts\s*=\s*\{([^}]*)\}/.exec(source);
  if (!body) {
    console.warn(`gen-corpus: no "starts = {...}" table in ${surahTableSource}; not compared`);
    return;
  }
  const values = body[1].replace(/\/\/[^\n]*/g, '').match(/\d+/g).map(Number);
  const ours = surahStart.slice(1);
  if (values.length !== ours.length || values.some((v, i) => v !== ours[i])) {
    fail(`start indices in ${surahTableSource} differ from this tool's table`);
  }
}

function validate(lines) {
  if (lines.length !== totalVerses) fail(`${lines.length} lines, expected ${totalVerses}`);
  const prefix = /^([1-9][0-9]*):([1-9][0-9]*)\. /;
  for (let s = 1; s <= surahCount; s++) {
    for (let a = 1; a <= verseCount(s); a++) {
      const i = surahStart[s] + a - 1;
      const line = lines[i];
      const m = prefix.exec(line);
      if (!m || Number(m[1]) !== s || Number(m[2]) !== a) fail(`line ${i} should start "${s}:${a}. ": ${line.slice(0, 40)}`);
      const text = line.slice(m[0].length);
      if (text.length === 0) fail(`line ${i} (${s}:${a}) has no translation text`);
      if (text.startsWith(' ') || text.endsWith(' ')) fail(`line ${i} (${s}:${a}) has a leading or trailing blank`);
      if (/[0-9]/.test(text)) fail(`line ${i} (${s}:${a}) still holds a digit: ${text}`);
      for (let p = 0; p < line.length; p++) {
        const c = line.charCodeAt(p);
        if (c < 32 || c > 126) fail(`line ${i} (${s}:${a}) has byte ${c} at ${p}`);
      }
    }
  }
}

function main() {
  const args = process.argv.slice(2);
  const check = args.includes('--check');
  const outIndex = args.indexOf('--out');
  const out = outIndex >= 0 ? args[outIndex + 1] : defaultOut;
  if (outIndex >= 0 && !out) fail('--out needs a file name');

  const stats = new Map();
  crossCheckSurahTable();
  const lines = buildLines(loadSource(), stats);
  validate(lines);
  const content = lines.map((l) => `${l}\r\n`).join('');
  const bytes = Buffer.from(content, 'latin1');

  const lengths = lines.map((l) => l.length);
  const minLen = Math.min(...lengths);
  const maxLen = Math.max(...lengths);
  const doubleBlanks = lines.filter((l) => l.includes('  ')).length;
  console.log(`lines: ${lines.length}`);
  console.log(`bytes: ${bytes.length}`);
  console.log(`line length without CR LF: min ${minLen} (${lines[lengths.indexOf(minLen)].split(' ')[0]}), ` +
    `max ${maxLen} (${lines[lengths.indexOf(maxLen)].split(' ')[0]})`);
  console.log(`lines holding two blanks in a row: ${doubleBlanks}`);
  console.log('replacements:');
  for (const [kind, n] of [...stats].sort()) console.log(`  ${kind}: ${n}`);

  if (check) {
    if (!existsSync(out) || !readFileSync(out).equals(bytes)) fail(`${out} differs from the generated text`);
    console.log(`${out} is up to date`);
  } else {
    writeFileSync(out, bytes);
    console.log(`wrote ${out}`);
  }
}

main();
