// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module imports nothing, exports every function core.js calls, stays
// within its size, and core.js offers the page's whole contract over it.
// Usage: node check_module.mjs <core.js> <mostaric.wasm> <largest size in bytes>

import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';

const [coreJs, wasm, largest] = process.argv.slice(2);
const bytes = readFileSync(wasm);
const failures = [];
const check = (ok, what) => { if (!ok) failures.push(what); };

const module = new WebAssembly.Module(bytes);
const imports = WebAssembly.Module.imports(module);
check(imports.length === 0, `imports ${JSON.stringify(imports)}`);
const exported = new Set(WebAssembly.Module.exports(module).map((entry) => entry.name));
const used = new Set(readFileSync(coreJs, 'utf8').match(/exports\.\w+/g).map((use) => use.slice(8)));
for (const name of used) {
  if (name !== '_initialize') check(exported.has(name), `no export ${name}`);
}
console.log(`mostaric.wasm: ${bytes.length} bytes (at most ${largest})`);
check(bytes.length <= Number(largest), `larger than ${largest} bytes`);

const { createCore } = await import(pathToFileURL(coreJs).href);
const core = await createCore(bytes);
for (const name of ['listEntries', 'setCaptions', 'startUp', 'edit', 'choose', 'calculate',
                    'acceptsKey', 'pasteNote'])
  check(typeof core[name] === 'function', `core.${name} is not a function`);
const kinds = new Set(['input', 'result', 'list', 'hidden']);
check(core.fields.length > 0 && core.fields.every((field) => kinds.has(field.kind)), 'fields');
const lists = core.fields.filter((field) => field.kind === 'list').map((field) => field.name);
check(lists.every((name) => core.listEntries(name).length > 0), 'list entries');
let refused = false;
try { core.edit('tangdu', '1'); } catch { refused = true; }
check(refused, 'an edit of a result is refused');
const outcome = core.startUp();
check(outcome.writes.length === core.fields.length && outcome.note === null
      && Array.isArray(outcome.marks), `start-up outcome ${JSON.stringify(outcome)}`);

if (failures.length > 0) {
  console.error(`FAIL: ${failures.join('; ')}`);
  process.exit(1);
}
