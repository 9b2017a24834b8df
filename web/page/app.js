// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Wires the page to the calculator core. Only texts cross: the core reads,
// computes and formats every number; the page shows what it writes.

import { loadCore } from './core.js';
import { Marks, bindViews, guardNumberBox } from './controls.js';

// The buttons that run a calculation, as the main window binds them.
const CALCULATIONS = { jisuan: 'sugar', jialiu: 'sulfite', jiaomu: 'yeast' };

const byId = (id) => document.getElementById(id);
const textOf = (id) => byId(id)?.textContent ?? '';

async function start() {
  bindViews(document, window);
  byId('count1').addEventListener('submit', (event) => event.preventDefault());

  const core = await loadCore(new URL('mostaric.wasm', import.meta.url).href);
  const kinds = new Map(core.fields.map((field) => [field.name, field.kind]));
  const marks = new Marks(document);
  const boxes = new Map();

  const captions = {};
  for (const [name, kind] of kinds) {
    if (kind !== 'hidden') captions[name] = { caption: textOf(`cap-${name}`), unit: textOf(`unit-${name}`) };
  }
  core.setCaptions(captions);

  const write = (name, text) => {
    const control = byId(name);
    if (control === null) return;  // the hidden juice yield lives in the core
    if (boxes.has(name)) boxes.get(name).write(text);
    else control.value = text;  // '' selects a list's empty entry: nothing chosen
  };

  // Results a calculation or choice wrote are read out once, caption first.
  const apply = (outcome, { announce = false } = {}) => {
    for (const [name, text] of outcome.writes) write(name, text);
    marks.render(outcome.marks, outcome.note);
    if (announce && !outcome.note) {
      const said = outcome.writes
        .filter(([name]) => kinds.get(name) === 'result')
        .map(([name, text]) => [textOf(`cap-${name}`), text, textOf(`unit-${name}`)].join(' ').trim());
      if (said.length > 0) marks.announce(said.join('；'));
    }
  };

  for (const [name, kind] of kinds) {
    const control = byId(name);
    if (control === null) continue;
    if (kind === 'list') {
      for (const entry of core.listEntries(name)) control.add(new Option(entry, entry));
      control.addEventListener('change', () => apply(core.choose(name, control.value), { announce: true }));
    } else if (kind === 'input') {
      boxes.set(name, guardNumberBox(control, core, {
        onEdit: (text) => apply(core.edit(name, text)),
        onRefused: (note) => marks.say(name, note),
      }));
    }
  }
  for (const [id, which] of Object.entries(CALCULATIONS)) {
    byId(id).addEventListener('click', () => apply(core.calculate(which), { announce: true }));
  }

  apply(core.startUp());
  document.documentElement.dataset.ready = 'true';
  performance.mark('mostaric-start-up-shown');

  // Offline from the second visit on; registered once the page is usable.
  if ('serviceWorker' in navigator) {
    navigator.serviceWorker.register('sw.js').catch((error) => console.warn(error));
  }
}

start().catch((error) => {
  document.documentElement.dataset.ready = 'failed';
  console.error(error);
});
