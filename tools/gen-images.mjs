#!/usr/bin/env node
// Generates the program's small images:
//   resources/topframe1.bmp  413 x 1 band, blue, lightening towards the right third
//   resources/topframe2.bmp  413 x 1 band, blue - orange - blue
//   resources/mainicon.ico   32 x 32 icon, 24-bit colour with a 1-bit AND mask:
//                            an open book on a rounded blue ground
// No packages needed. Usage: node gen-images.mjs [output folder]

import { writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const outDir = process.argv[2] ?? join(here, '..', 'resources');

const bandWidth = 413;

// A band is a list of stops [x, [r, g, b]]; between two stops each channel
// runs linearly, rounded to the nearest integer; left of the first stop the
// first colour holds.
function band(stops) {
  const pixels = [];
  for (let x = 0; x < bandWidth; x++) {
    let colour = stops[0][1];
    for (let k = 0; k + 1 < stops.length; k++) {
      const [x0, c0] = stops[k];
      const [x1, c1] = stops[k + 1];
      if (x >= x0 && x <= x1) {
        const t = (x - x0) / (x1 - x0);
        colour = c0.map((v, i) => Math.round(v + (c1[i] - v) * t));
        break;
      }
    }
    pixels.push(colour);
  }
  return pixels;
}

const topFrame1 = band([
  [0, [98, 134, 225]],
  [108, [98, 134, 225]],
  [278, [160, 189, 246]],
  [412, [114, 148, 231]],
]);

const topFrame2 = band([
  [0, [0x63, 0x7e, 0xd4]],
  [202, [0xf7, 0x96, 0x37]],
  [412, [0x6b, 0x8c, 0xe4]],
]);

function infoHeader(width, height, imageBytes) {
  const h = Buffer.alloc(40);
  h.writeUInt32LE(40, 0); // biSize
  h.writeInt32LE(width, 4);
  h.writeInt32LE(height, 8); // positive: rows stored bottom-up
  h.writeUInt16LE(1, 12); // planes
  h.writeUInt16LE(24, 14); // bits per pixel
  h.writeUInt32LE(0, 16); // BI_RGB
  h.writeUInt32LE(imageBytes, 20);
  h.writeInt32LE(2835, 24); // 72 dpi
  h.writeInt32LE(2835, 28);
  return h;
}

// 24-bit rows, blue-green-red, each padded to a multiple of 4 bytes; rows[0]
// is the top row, so they are written in reverse.
function pixelData(rows) {
  const stride = (rows[0].length * 3 + 3) & ~3;
  const data = Buffer.alloc(stride * rows.length);
  rows.forEach((row, y) => {
    const base = (rows.length - 1 - y) * stride;
    row.forEach(([r, g, b], x) => {
      data[base + 3 * x] = b;
      data[base + 3 * x + 1] = g;
      data[base + 3 * x + 2] = r;
    });
  });
  return data;
}

function bmp(rows) {
  const data = pixelData(rows);
  const file = Buffer.alloc(14);
  file.write('BM', 0, 'latin1');
  file.writeUInt32LE(14 + 40 + data.length, 2);
  file.writeUInt32LE(14 + 40, 10); // offset of the pixels
  return Buffer.concat([file, infoHeader(rows[0].length, rows.length, data.length), data]);
}

// ---- icon ----------------------------------------------------------------

const size = 32;

function inRoundedSquare(x, y, lo, hi, radius) {
  const cx = Math.min(Math.max(x, lo + radius), hi - radius);
  const cy = Math.min(Math.max(y, lo + radius), hi - radius);
  return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius;
}

const mix = (a, b, t) => a.map((v, i) => Math.round(v + (b[i] - v) * t));

// Returns rows of [r, g, b] and a parallel mask of booleans (true = transparent).
function drawIcon() {
  const rows = [];
  const mask = [];
  // The pages sag a little at the spine, as an open book lies.
  const pageTop = (x) => (x >= 13 && x <= 18 ? 9 : 8);
  const pageHeight = 15;
  for (let y = 0; y < size; y++) {
    const row = [];
    const maskRow = [];
    for (let x = 0; x < size; x++) {
      // pixel centres are at +0.5
      const px = x + 0.5;
      const py = y + 0.5;
      if (!inRoundedSquare(px, py, 0.5, 31.5, 6)) {
        row.push([0, 0, 0]);
        maskRow.push(true);
        continue;
      }
      maskRow.push(false);
      let c = mix([86, 128, 222], [34, 66, 160], y / (size - 1));
      if (!inRoundedSquare(px, py, 1.5, 30.5, 5)) c = [22, 44, 112]; // rim

      if (x >= 4 && x <= 27) {
        const top = pageTop(x);
        const bottom = top + pageHeight;
        const outer = x === 4 || x === 27;
        // cover: shows one pixel beyond the pages at the sides and below
        if ((outer && y >= top + 1 && y <= bottom + 1) || (!outer && y === bottom + 1)) {
          c = [196, 146, 52];
        }
        if (!outer && y >= top && y <= bottom) {
          const fromSpine = Math.abs(px - 16) / 11; // 0 at the spine, 1 at the edge
          c = mix([214, 206, 186], [252, 249, 238], Math.min(1, fromSpine * 2.2));
          if (x === 15 || x === 16) c = [168, 156, 132]; // gutter
          const leftPage = x < 15;
          const inColumn = leftPage ? x >= 6 && x <= 13 : x >= 18 && x <= 25;
          const lastLine = y === 21;
          const cut = lastLine && (leftPage ? x > 10 : x > 21);
          if (inColumn && y >= 11 && y <= 21 && y % 2 === 1 && !cut) c = [118, 138, 184];
        }
        // ribbon marker hanging out of the right page, with a notched end
        if ((x === 21 || x === 22) && y >= bottom + 1 && y <= bottom + 4) {
          if (!(y === bottom + 4 && x === 21)) c = [178, 38, 52];
        }
      }
      row.push(c);
    }
    rows.push(row);
    mask.push(maskRow);
  }
  return { rows, mask };
}

function ico({ rows, mask }) {
  const xor = pixelData(rows);
  const maskStride = ((size + 31) >> 5) * 4;
  const and = Buffer.alloc(maskStride * size);
  mask.forEach((maskRow, y) => {
    const base = (size - 1 - y) * maskStride;
    maskRow.forEach((transparent, x) => {
      if (transparent) and[base + (x >> 3)] |= 0x80 >> (x & 7);
    });
  });
  // The icon's header counts both the colour rows and the mask rows.
  const image = Buffer.concat([infoHeader(size, 2 * size, xor.length + and.length), xor, and]);
  const dir = Buffer.alloc(6 + 16);
  dir.writeUInt16LE(0, 0);
  dir.writeUInt16LE(1, 2); // icon
  dir.writeUInt16LE(1, 4); // one image
  dir.writeUInt8(size, 6);
  dir.writeUInt8(size, 7);
  dir.writeUInt8(0, 8); // no palette
  dir.writeUInt8(0, 9);
  dir.writeUInt16LE(1, 10); // planes
  dir.writeUInt16LE(24, 12); // bits per pixel
  dir.writeUInt32LE(image.length, 14);
  dir.writeUInt32LE(dir.length, 18);
  return Buffer.concat([dir, image]);
}

// The bands' fixed points; a wrong stop table must not produce a file.
function expectPixel(name, pixels, x, rgb) {
  if (pixels[x].join() !== rgb.join()) {
    console.error(`gen-images: ${name} pixel ${x} is ${pixels[x]}, expected ${rgb}`);
    process.exit(1);
  }
}
expectPixel('topframe1', topFrame1, 0, [98, 134, 225]);
expectPixel('topframe1', topFrame1, 108, [98, 134, 225]);
expectPixel('topframe1', topFrame1, 278, [160, 189, 246]);
expectPixel('topframe1', topFrame1, 412, [114, 148, 231]);
expectPixel('topframe2', topFrame2, 0, [0x63, 0x7e, 0xd4]);
expectPixel('topframe2', topFrame2, 202, [0xf7, 0x96, 0x37]);
expectPixel('topframe2', topFrame2, 412, [0x6b, 0x8c, 0xe4]);

mkdirSync(outDir, { recursive: true });
const outputs = [
  ['topframe1.bmp', bmp([topFrame1])],
  ['topframe2.bmp', bmp([topFrame2])],
  ['mainicon.ico', ico(drawIcon())],
];
for (const [name, bytes] of outputs) {
  writeFileSync(join(outDir, name), bytes);
  console.log(`wrote ${join(outDir, name)} (${bytes.length} bytes)`);
}
