// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator core for the web page: a WebAssembly module that imports
// nothing and holds the calculator's state. Only texts cross; JavaScript
// never computes or formats a number.
//
// Outcome = { writes: [[name, text], ...],
//             marks: [{field, kind: 'failure'|'notice'|'stale', note}],
//             note: {field, text} | null }
// `marks` is the complete set of current marks after the operation.

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Compiles while the bytes arrive when the server names the type, as a
// static host serving .wasm as application/wasm does; else from the bytes.
export async function loadCore(url) {
  const response = await fetch(url);
  if (!response.ok) throw new Error(`cannot load ${url}: ${response.status}`);
  const type = response.headers.get('Content-Type')?.split(';')[0].trim();
  if (type === 'application/wasm' && WebAssembly.instantiateStreaming) {
    return coreOf((await WebAssembly.instantiateStreaming(response, {})).instance);
  }
  return createCore(await response.arrayBuffer());
}

// The same from the module's bytes (for a page that has them, and the tests).
export async function createCore(bytes) {
  return coreOf((await WebAssembly.instantiate(bytes, {})).instance);
}

function coreOf(instance) {
  const exports = instance.exports;
  exports._initialize?.();

  // Writes the texts back to back into the module's input buffer; returns
  // their sizes in bytes.
  const put = (...texts) => {
    const encoded = texts.map((text) => encoder.encode(String(text)));
    const total = encoded.reduce((sum, bytes) => sum + bytes.length, 0);
    const at = exports.mostaric_input(total);
    const memory = new Uint8Array(exports.memory.buffer, at, total);
    let offset = 0;
    for (const bytes of encoded) {
      memory.set(bytes, offset);
      offset += bytes.length;
    }
    return encoded.map((bytes) => bytes.length);
  };
  // The JSON answer of the last call, whose pointer is `at`.
  const answer = (at) => {
    const size = exports.mostaric_output_size();
    const value = JSON.parse(decoder.decode(new Uint8Array(exports.memory.buffer, at, size)));
    if (value !== null && typeof value === 'object' && 'error' in value) throw new Error(value.error);
    return value;
  };

  return {
    fields: answer(exports.mostaric_fields()),
    listEntries: (name) => answer(exports.mostaric_list_entries(...put(name))),
    setCaptions(map) {
      for (const [name, { caption, unit = '' }] of Object.entries(map))
        answer(exports.mostaric_set_caption(...put(name, caption, unit)));
    },
    startUp: () => answer(exports.mostaric_start_up()),
    edit: (name, text) => answer(exports.mostaric_edit(...put(name, text))),
    choose: (name, text) => answer(exports.mostaric_choose(...put(name, text))),
    calculate: (which) => answer(exports.mostaric_calculate(...put(which))),
    acceptsKey: (codeUnit) => exports.mostaric_accepts_key(codeUnit & 0xffff) === 1,
    // null when the paste is a clean number (accept it), else the refusal note.
    pasteNote: (text) => answer(exports.mostaric_paste(...put(text))).note,
    // What an accepted paste inserts: the text less surrounding blanks, as
    // the windows trim; '' when nothing is to be inserted.
    pastedText(text) {
      const check = answer(exports.mostaric_paste(...put(text)));
      return check.accepted ? check.offered : '';
    },
  };
}
