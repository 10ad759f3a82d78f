#!/usr/bin/env node
// Generates the two texts that the program embeds (packed with bzip2 at build
// time): resources/quran_id.txt, the translation, as its "QRN"/"INDO" resource,
// and resources/quran_ar.txt, the Arabic text, as its "QRN"/"ARAB" resource.
//
// Source: dist/quran_id.json of the npm package quran-json 3.1.2 (CC BY-SA 4.0).
// Output, both files: one line per verse, 6236 lines in mushaf order, CR LF
// after every line.
// - quran_id.txt: "s:a. text", printable 7-bit ASCII only. Every character
//   outside printable ASCII is mapped deliberately through charMap; a
//   character the table does not know stops the tool, so a new package
//   version cannot slip a byte above 127 into the program unnoticed. Nothing
//   else is changed: no blanks are collapsed, no punctuation touched.
// - quran_ar.txt: the verse's "text" field exactly as the package holds it,
//   UTF-8 without BOM, no number prefix, no normalisation. Nothing is mapped;
//   a code point outside arabicChars stops the tool instead.
//
// Usage:
//   node gen-corpus.mjs                   write both files into ../resources
//   node gen-corpus.mjs --check           regenerate in memory and fail unless
//                                         both committed files are byte-identical
//   node gen-corpus.mjs --out FILE        write (or check) the translation elsewhere
//   node gen-corpus.mjs --out-arabic FILE the same for the Arabic text

import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const packageDir = join(here, 'node_modules', 'quran-json');
const sourceFile = join(packageDir, 'dist', 'quran_id.json');
const expectedVersion = '3.1.2';
const defaultOut = join(here, '..', 'resources', 'quran_id.txt');
const defaultArabicOut = join(here, '..', 'resources', 'quran_ar.txt');

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

// Every code point the Arabic text may hold, with its Unicode name. The text is
// copied, never mapped: a code point outside this table stops the tool, so a
// new package version cannot bring a character the program's font and drawn
// form (reader/ArabicDrawing) were never checked against. The package writes
// open tanween with older marks: U+0657 for open fathatan, U+065E for open
// dammatan, U+0656 for open kasratan.
const arabicChars = new Map([
  [0x0020, 'SPACE'],
  [0x0621, 'ARABIC LETTER HAMZA'],
  [0x0623, 'ARABIC LETTER ALEF WITH HAMZA ABOVE'],
  [0x0624, 'ARABIC LETTER WAW WITH HAMZA ABOVE'],
  [0x0625, 'ARABIC LETTER ALEF WITH HAMZA BELOW'],
  [0x0626, 'ARABIC LETTER YEH WITH HAMZA ABOVE'],
  [0x0627, 'ARABIC LETTER ALEF'],
  [0x0628, 'ARABIC LETTER BEH'],
  [0x0629, 'ARABIC LETTER TEH MARBUTA'],
  [0x062A, 'ARABIC LETTER TEH'],
  [0x062B, 'ARABIC LETTER THEH'],
  [0x062C, 'ARABIC LETTER JEEM'],
  [0x062D, 'ARABIC LETTER HAH'],
  [0x062E, 'ARABIC LETTER KHAH'],
  [0x062F, 'ARABIC LETTER DAL'],
  [0x0630, 'ARABIC LETTER THAL'],
  [0x0631, 'ARABIC LETTER REH'],
  [0x0632, 'ARABIC LETTER ZAIN'],
  [0x0633, 'ARABIC LETTER SEEN'],
  [0x0634, 'ARABIC LETTER SHEEN'],
  [0x0635, 'ARABIC LETTER SAD'],
  [0x0636, 'ARABIC LETTER DAD'],
  [0x0637, 'ARABIC LETTER TAH'],
  [0x0638, 'ARABIC LETTER ZAH'],
  [0x0639, 'ARABIC LETTER AIN'],
  [0x063A, 'ARABIC LETTER GHAIN'],
  [0x0640, 'ARABIC TATWEEL'],
  [0x0641, 'ARABIC LETTER FEH'],
  [0x0642, 'ARABIC LETTER QAF'],
  [0x0643, 'ARABIC LETTER KAF'],
  [0x0644, 'ARABIC LETTER LAM'],
  [0x0645, 'ARABIC LETTER MEEM'],
  [0x0646, 'ARABIC LETTER NOON'],
  [0x0647, 'ARABIC LETTER HEH'],
  [0x0648, 'ARABIC LETTER WAW'],
  [0x0649, 'ARABIC LETTER ALEF MAKSURA'],
  [0x064A, 'ARABIC LETTER YEH'],
  [0x064B, 'ARABIC FATHATAN'],
  [0x064C, 'ARABIC DAMMATAN'],
  [0x064D, 'ARABIC KASRATAN'],
  [0x064E, 'ARABIC FATHA'],
  [0x064F, 'ARABIC DAMMA'],
  [0x0650, 'ARABIC KASRA'],
  [0x0651, 'ARABIC SHADDA'],
  [0x0652, 'ARABIC SUKUN'],
  [0x0653, 'ARABIC MADDAH ABOVE'],
  [0x0654, 'ARABIC HAMZA ABOVE'],
  [0x0655, 'ARABIC HAMZA BELOW'],
  [0x0656, 'ARABIC SUBSCRIPT ALEF'],
  [0x0657, 'ARABIC INVERTED DAMMA'],
  [0x065C, 'ARABIC VOWEL SIGN DOT BELOW'],
  [0x065E, 'ARABIC FATHA WITH TWO DOTS'],
  [0x0670, 'ARABIC LETTER SUPERSCRIPT ALEF'],
  [0x0671, 'ARABIC LETTER ALEF WASLA'],
  [0x06D6, 'ARABIC SMALL HIGH LIGATURE SAD WITH LAM WITH ALEF MAKSURA'],
  [0x06D7, 'ARABIC SMALL HIGH LIGATURE QAF WITH LAM WITH ALEF MAKSURA'],
  [0x06D8, 'ARABIC SMALL HIGH MEEM INITIAL FORM'],
  [0x06DA, 'ARABIC SMALL HIGH JEEM'],
  [0x06DB, 'ARABIC SMALL HIGH THREE DOTS'],
  [0x06DC, 'ARABIC SMALL HIGH SEEN'],
  [0x06DE, 'ARABIC START OF RUB EL HIZB'],
  [0x06E0, 'ARABIC SMALL HIGH UPRIGHT RECTANGULAR ZERO'],
  [0x06E1, 'ARABIC SMALL HIGH DOTLESS HEAD OF KHAH'],
  [0x06E2, 'ARABIC SMALL HIGH MEEM ISOLATED FORM'],
  [0x06E4, 'ARABIC SMALL HIGH MADDA'],
  [0x06E5, 'ARABIC SMALL WAW'],
  [0x06E6, 'ARABIC SMALL YEH'],
  [0x06E7, 'ARABIC SMALL HIGH YEH'],
  [0x06E8, 'ARABIC SMALL HIGH NOON'],
  [0x06E9, 'ARABIC PLACE OF SAJDAH'],
  [0x06EC, 'ARABIC ROUNDED HIGH STOP WITH FILLED CENTRE'],
  [0x06ED, 'ARABIC SMALL LOW MEEM'],
  [0x2009, 'THIN SPACE'], // once, in 2:72, carrying U+0670 U+0654
]);

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

// Calls visit(verse, s, a) for every verse in mushaf order, after checking that
// the surahs and verses stand where the surah table says.
function forEachVerse(data, visit) {
  data.forEach((surah, k) => {
    const s = k + 1;
    if (surah.id !== s) fail(`surah at position ${k} has id ${surah.id}`);
    if (surah.verses.length !== verseCount(s) || surah.total_verses !== verseCount(s)) {
      fail(`surah ${s} has ${surah.verses.length} verses, the surah table says ${verseCount(s)}`);
    }
    surah.verses.forEach((verse, j) => {
      const a = j + 1;
      if (verse.id !== a) fail(`surah ${s}: verse at position ${j} has id ${verse.id}`);
      visit(verse, s, a);
    });
  });
}

function buildLines(data, stats) {
  const lines = [];
  const numbers = [];
  forEachVerse(data, (verse, s, a) => {
    lines.push(`${s}:${a}. ${normalise(verse.translation, `${s}:${a}`, stats, numbers)}`);
  });
  numbers.forEach((n, i) => {
    if (i > 0 && n <= numbers[i - 1]) fail(`footnote number ${n} follows ${numbers[i - 1]}: not a footnote mark?`);
  });
  return lines;
}

// The Arabic lines are the package's texts as they are; validateArabic decides
// whether they can be used.
function buildArabicLines(data) {
  const lines = [];
  forEachVerse(data, (verse) => lines.push(verse.text));
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

// The Arabic text must arrive in the program exactly as the package has it,
// one verse a line: anything that would split, shift or silently change a line
// refuses the output.
function validateArabic(lines) {
  if (lines.length !== totalVerses) fail(`${lines.length} Arabic lines, expected ${totalVerses}`);
  const used = new Map();
  for (let s = 1; s <= surahCount; s++) {
    for (let a = 1; a <= verseCount(s); a++) {
      const i = surahStart[s] + a - 1;
      const text = lines[i];
      const where = `Arabic line ${i} (${s}:${a})`;
      if (typeof text !== 'string' || text.length === 0) fail(`${where} has no text`);
      if (/[\r\n\0]/.test(text)) fail(`${where} holds a CR, LF or NUL`);
      if (/^\s|\s$/u.test(text)) fail(`${where} has leading or trailing whitespace`);
      for (const ch of text) {
        const code = ch.codePointAt(0);
        if (!arabicChars.has(code)) {
          const hex = code.toString(16).toUpperCase().padStart(4, '0');
          fail(`${where}: unexpected code point U+${hex}; add it to arabicChars deliberately`);
        }
        used.set(code, (used.get(code) ?? 0) + 1);
      }
    }
  }
  return used;
}

// Writes bytes to out, or with check only compares; returns a complaint or null.
function writeOrCheck(out, bytes, check) {
  if (check) {
    if (!existsSync(out) || !readFileSync(out).equals(bytes)) return `${out} differs from the generated text`;
    console.log(`${out} is up to date`);
  } else {
    writeFileSync(out, bytes);
    console.log(`wrote ${out}`);
  }
  return null;
}

function main() {
  const args = process.argv.slice(2);
  const check = args.includes('--check');
  const option = (name, fallback) => {
    const index = args.indexOf(name);
    if (index < 0) return fallback;
    if (!args[index + 1]) fail(`${name} needs a file name`);
    return args[index + 1];
  };
  const out = option('--out', defaultOut);
  const arabicOut = option('--out-arabic', defaultArabicOut);

  const stats = new Map();
  crossCheckSurahTable();
  const data = loadSource();
  const lines = buildLines(data, stats);
  validate(lines);
  const content = lines.map((l) => `${l}\r\n`).join('');
  const bytes = Buffer.from(content, 'latin1');
  const arabicLines = buildArabicLines(data);
  const used = validateArabic(arabicLines);
  const arabicBytes = Buffer.from(arabicLines.map((l) => `${l}\r\n`).join(''), 'utf8');

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
  console.log(`Arabic lines: ${arabicLines.length}, bytes: ${arabicBytes.length}, ` +
    `code points used: ${used.size} of the ${arabicChars.size} in the table`);

  const complaints = [writeOrCheck(out, bytes, check), writeOrCheck(arabicOut, arabicBytes, check)];
  const failed = complaints.filter((c) => c !== null);
  if (failed.length > 0) fail(failed.join('; '));
}

main();
