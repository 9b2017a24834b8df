// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web side of the module's check: the seeded batches of
// batch_driver.cpp, run through core.js and the module, every outcome
// printed as JSON.stringify writes it.
// Usage: node batches.mjs <core.js> <mostaric.wasm> <batches> <output file>

import { readFileSync, writeFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const [coreJs, wasm, count, output] = process.argv.slice(2);
const { createCore } = await import(pathToFileURL(coreJs).href);
const core = await createCore(readFileSync(wasm));

// The same xorshift32 as batch_driver.cpp.
class Random {
  constructor(batch) { this.state = Math.imul(batch + 1, 0x9e3779b1) >>> 0; }
  below(n) {
    let x = this.state;
    x = (x ^ (x << 13)) >>> 0;
    x = (x ^ (x >>> 17)) >>> 0;
    x = (x ^ (x << 5)) >>> 0;
    this.state = x;
    return x % n;
  }
}

const digits = (random, count) => {
  let text = '';
  for (let i = 0; i < count; ++i) text += String.fromCharCode(48 + random.below(10));
  return text;
};

const unreadable = ['.', '1.2.3', '..', '-', '1,5', '1e5', ' 12', '葡萄', '😀'];
function inputText(random) {
  switch (random.below(9)) {
    case 3: return '';
    case 4: return unreadable[random.below(9)];
    case 5: return '9'.repeat(250 + random.below(100));
    case 6: {
      const zeros = '0'.repeat(random.below(330));
      return '0.' + zeros + digits(random, 1 + random.below(3));
    }
    case 7: return '-' + digits(random, 1 + random.below(2));
    case 8: {
      const text = digits(random, random.below(3)) + '.';
      return text + digits(random, 20 + random.below(20));
    }
    default: {
      let text = digits(random, 1 + random.below(3));
      if (random.below(2) === 1) text += '.' + digits(random, random.below(4));
      return text;
    }
  }
}

const inputs = ['weit', 'Tt2', 's1', 'jiaomu1'];
const lists = ['pinzhong', 'bizhong', 'xiguan'];
const calculations = ['sugar', 'sulfite', 'yeast'];
const entries = Object.fromEntries(lists.map((name) => [name, core.listEntries(name)]));

core.setCaptions({
  weit: { caption: '葡萄浆重量', unit: 'Kg' },
  Tt2: { caption: '理想酒精度', unit: '' },
  Tt1: { caption: '您需要加入', unit: 'Kg糖' },
  pinzhong: { caption: '葡萄品种', unit: '' },
  s2: { caption: '您需要加入', unit: 'g' },
});

const lines = [];
const json = (value) => JSON.stringify(value);
for (let batch = 0; batch < Number(count); ++batch) {
  const random = new Random(batch);
  lines.push(`batch ${batch} start ${json(core.startUp())}`);
  const operations = 2 + random.below(10);
  for (let i = 0; i < operations; ++i) {
    const operation = random.below(10);
    if (operation < 4) {
      const name = inputs[random.below(4)];
      lines.push(`edit ${name} ${json(core.edit(name, inputText(random)))}`);
    } else if (operation < 7) {
      const list = lists[random.below(3)];
      const index = random.below(entries[list].length + 1);
      const entry = index < entries[list].length ? entries[list][index] : '0';
      lines.push(`choose ${list} ${json(core.choose(list, entry))}`);
    } else {
      const which = calculations[random.below(3)];
      lines.push(`calculate ${which} ${json(core.calculate(which))}`);
    }
  }
  for (const which of calculations) lines.push(`calculate ${which} ${json(core.calculate(which))}`);
  const pasted = inputText(random);
  lines.push(`paste ${json(core.pasteNote(pasted))} ${json(core.pastedText(pasted))}`);
  const key = random.below(65536);
  lines.push(`key ${key} ${core.acceptsKey(key)}`);
}
writeFileSync(output, lines.join('\n') + '\n');
