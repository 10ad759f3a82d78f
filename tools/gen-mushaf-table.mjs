#!/usr/bin/env node
// Generates corpus/MushafData.h, the constant table of where the divisions of the
// mushaf begin, which the program compiles in (corpus/MushafTable.h reads it):
// - the first verse of each of the 30 juz;
// - the first verse of each of the 604 pages of the Madinah mushaf;
// - the 15 verses of prostration (sajda).
// Every entry is a Corpus index (zero-based, mushaf order, as corpus/SurahTable.cpp
// counts), written with its surah and verse beside it where the list is short.
//
// Source: the Hafs tables of the npm package quran-meta 6.0.17 (MIT): JuzList,
// PageList and SajdaList, which count verses by their global number from 1. The
// tool refuses a package of another version, lists of another length, starts
// that do not rise, and surah starts that differ from corpus/SurahTable.cpp: a
// verse numbered otherwise would put every division in the wrong place.
//
// Usage:
//   node gen-mushaf-table.mjs               write ../corpus/MushafData.h
//   node gen-mushaf-table.mjs --check       generate in memory and fail unless the
//                                           committed file is byte-identical
//   node gen-mushaf-table.mjs --out FILE    write (or check) another file

import { readFileSync, writeFileSync, existsSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const packageDir = join(here, 'node_modules', 'quran-meta');
const expectedVersion = '6.0.17';
const defaultOut = join(here, '..', 'corpus', 'MushafData.h');
const surahTableSource = join(here, '..', 'corpus', 'SurahTable.cpp');

const totalVerses = 6236;
const surahCount = 114;
const juzCount = 30;
const pageCount = 604;
const sajdaCount = 15;

function fail(message) {
  console.error(`gen-mushaf-table: ${message}`);
  process.exit(1);
}

async function loadPackage() {
  const manifest = join(packageDir, 'package.json');
  if (!existsSync(manifest)) fail(`${manifest} not found; run "npm ci" in tools/ first`);
  const pkg = JSON.parse(readFileSync(manifest, 'utf8'));
  if (pkg.version !== expectedVersion) fail(`quran-meta is ${pkg.version}, expected ${expectedVersion}`);
  return import(pathToFileURL(join(packageDir, 'dist', 'hafs.js')).href);
}

// The surah starts the program compiles in, as Corpus indices, with the end
// (6236) last.
function programSurahStarts() {
  if (!existsSync(surahTableSource)) fail(`${surahTableSource} not found`);
  const source = readFileSync(surahTableSource, 'utf8');
  const body = /\bstarts\s*=\s*\{([^}]*)\}/.exec(source);
  if (!body) fail(`no "starts = {...}" table in ${surahTableSource}`);
  return body[1].replace(/\/\/[^\n]*/g, '').match(/\d+/g).map(Number);
}

// The surah and verse of a Corpus index, from the program's surah starts.
function verseOf(starts, index) {
  let s = 1;
  while (starts[s] <= index) s++;
  return `${s}:${index - starts[s - 1] + 1}`;
}

// A list of starts of the package's kind: entry 0 unused, then the global verse
// number (from 1) of the first verse of each division, then the end (6237).
// Gives the Corpus indices, the end last.
function startsOf(name, list, count) {
  if (!Array.isArray(list) || list.length !== count + 2) {
    fail(`${name} has ${list?.length} entries, expected ${count + 2}`);
  }
  const starts = list.slice(1).map((id) => id - 1);
  if (starts[0] !== 0) fail(`${name} does not start at the first verse`);
  if (starts[count] !== totalVerses) fail(`${name} does not end after verse ${totalVerses}`);
  starts.forEach((v, i) => {
    if (!Number.isInteger(v)) fail(`${name}[${i + 1}] is not a whole number`);
    if (i > 0 && v <= starts[i - 1]) fail(`${name}[${i + 1}] does not come after the one before`);
  });
  return starts;
}

function sajdaOf(list) {
  if (!Array.isArray(list) || list.length !== sajdaCount) {
    fail(`SajdaList has ${list?.length} entries, expected ${sajdaCount}`);
  }
  const verses = list.map((entry) => (Array.isArray(entry) ? entry[0] : entry) - 1);
  verses.forEach((v, i) => {
    if (!Number.isInteger(v) || v < 0 || v >= totalVerses) fail(`SajdaList[${i}] is no verse`);
    if (i > 0 && v <= verses[i - 1]) fail(`SajdaList[${i}] does not come after the one before`);
  });
  return verses;
}

function crossCheckSurahs(meta, starts) {
  if (meta.meta.numAyahs !== totalVerses || meta.meta.numSurahs !== surahCount) {
    fail(`the package counts ${meta.meta.numAyahs} verses in ${meta.meta.numSurahs} surahs`);
  }
  if (starts.length !== surahCount + 1) fail(`${surahTableSource} has ${starts.length} starts`);
  for (let s = 1; s <= surahCount; s++) {
    const theirs = meta.SurahList[s][0] - 1;
    if (theirs !== starts[s - 1]) {
      fail(`surah ${s} starts at ${theirs} in the package, at ${starts[s - 1]} in ${surahTableSource}`);
    }
  }
}

// Ten entries a line, with the numbers of the first and last division on it;
// the last entry is the end.
function rowsOfTen(values) {
  const width = Math.max(...values.map((v) => String(v).length)) + 1;
  const lines = [];
  for (let i = 0; i < values.length; i += 10) {
    const row = values.slice(i, i + 10);
    const cells = row.map((v, k) => {
      const cell = `${v},`;
      return k + 1 < row.length ? cell.padEnd(width + 1) : cell;
    });
    const last = i + row.length;
    const note = last < values.length ? `${i + 1}..${last}` : `${i + 1}..${last - 1}, end`;
    lines.push({ text: `    ${cells.join('')}`, note });
  }
  return alignNotes(lines);
}

// One entry a line, each with its note.
function rowsOfOne(values, note) {
  return alignNotes(values.map((v, i) => ({ text: `    ${v},`, note: note(v, i) })));
}

// Trailing comments one column apart from the longest line, as clang-format
// aligns them.
function alignNotes(lines) {
  const column = Math.max(...lines.map((l) => l.text.length)) + 2;
  return lines.map((l) => `${l.text.padEnd(column)}// ${l.note}`).join('\n');
}

function generate(juz, pages, sajda, starts) {
  return `// The divisions of the mushaf: where each juz and each page of the Madinah mushaf begins, and
// the verses of prostration. Generated by tools/gen-mushaf-table.mjs from the Hafs tables of the
// npm package quran-meta ${expectedVersion} (MIT); do not edit. make test compares this file with the
// package (generated_tables). Every entry is a Corpus index; corpus/MushafTable.h reads them.
#pragma once

#include <array>

namespace mushaf::data {

// JuzStarts[j - 1] is the Corpus index of the first verse of juz j; the last entry closes juz ${juzCount}.
inline constexpr std::array<int, ${juzCount + 1}> JuzStarts = {
${rowsOfOne(juz, (v, i) => (i < juzCount ? `juz ${i + 1}: ${verseOf(starts, v)}` : 'end'))}
};

// PageStarts[p - 1] is the Corpus index of the first verse on page p of the Madinah mushaf; the
// last entry closes page ${pageCount}.
inline constexpr std::array<int, ${pageCount + 1}> PageStarts = {
${rowsOfTen(pages)}
};

// The Corpus indices of the verses of prostration, in order.
inline constexpr std::array<int, ${sajdaCount}> SajdaVerses = {
${rowsOfOne(sajda, (v) => verseOf(starts, v))}
};

}  // namespace mushaf::data
`;
}

async function main() {
  const args = process.argv.slice(2);
  const check = args.includes('--check');
  const outIndex = args.indexOf('--out');
  if (outIndex >= 0 && !args[outIndex + 1]) fail('--out needs a file name');
  const out = outIndex >= 0 ? args[outIndex + 1] : defaultOut;

  const meta = await loadPackage();
  const starts = programSurahStarts();
  crossCheckSurahs(meta, starts);
  if (meta.meta.numJuzs !== juzCount || meta.meta.numPages !== pageCount || meta.meta.numSajdas !== sajdaCount) {
    fail(`the package counts ${meta.meta.numJuzs} juz, ${meta.meta.numPages} pages, ${meta.meta.numSajdas} sajda`);
  }
  const juz = startsOf('JuzList', meta.JuzList, juzCount);
  const pages = startsOf('PageList', meta.PageList, pageCount);
  const sajda = sajdaOf(meta.SajdaList);
  const bytes = Buffer.from(generate(juz, pages, sajda, starts), 'utf8');

  console.log(`juz: ${juzCount}, pages: ${pageCount}, sajda: ${sajda.length}`);
  if (check) {
    if (!existsSync(out) || !readFileSync(out).equals(bytes)) fail(`${out} differs from the generated table`);
    console.log(`${out} is up to date`);
  } else {
    writeFileSync(out, bytes);
    console.log(`wrote ${out}`);
  }
}

main();
