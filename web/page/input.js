// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A number box keeps only what the core's key filter keeps, and takes a
// paste only when it is a clean number, as the windows' boxes do.

export function guardNumberBox(box, core, { onEdit, onRefused }) {
  const accepts = (text) => {
    for (let i = 0; i < text.length; i += 1) {
      if (!core.acceptsKey(text.charCodeAt(i))) return false;
    }
    return true;
  };
  let kept = box.value;

  const refuseUnclean = (event, text) => {
    const note = core.pasteNote(text);
    if (note === null) return;
    event.preventDefault();
    onRefused(note);
  };

  // The core trims a paste as the windows do; the page inserts what it keeps.
  box.addEventListener('paste', (event) => {
    const offered = event.clipboardData?.getData('text/plain') ?? '';
    refuseUnclean(event, offered);
    if (event.defaultPrevented) return;
    event.preventDefault();
    const text = core.pastedText(offered);
    if (text === '') return;
    box.setRangeText(text, box.selectionStart ?? box.value.length, box.selectionEnd ?? box.value.length, 'end');
    box.dispatchEvent(new Event('input', { bubbles: true }));
  });
  box.addEventListener('beforeinput', (event) => {
    if (event.inputType === 'insertFromPaste') return;  // judged whole by the paste listener
    if (event.inputType === 'insertFromDrop') {
      refuseUnclean(event, event.data ?? event.dataTransfer?.getData('text/plain') ?? '');
      return;
    }
    if (event.data && event.cancelable && !accepts(event.data)) event.preventDefault();
  });
  box.addEventListener('input', () => {
    // An input method's composition cannot be cancelled before it lands.
    if (!accepts(box.value)) {
      box.value = kept;
      return;
    }
    kept = box.value;
    onEdit(box.value);
  });

  return {
    write(text) {
      box.value = text;
      kept = text;
    },
  };
}
