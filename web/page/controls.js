// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page's controls do besides handing texts to the core: the number
// boxes' key and paste filter, the marks, and the explanation view. One
// module, not three: on a slow network every further request the page waits
// for costs a round trip once the browser's few connections are busy.

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

// Draws the core's marks on the fields: a red or amber frame or greyed text,
// and the mark's note under the field as its description. The core hands
// over the complete set after every operation, so whatever is not in it goes.

export class Marks {
  constructor(doc) {
    this.doc = doc;
    this.marked = new Set();
    this.shownNotes = new Set();
    this.announcer = doc.getElementById('announce');
  }

  noteElement(field) {
    return this.doc.getElementById(`note-${field}`) ?? this.doc.getElementById('note-page');
  }

  // The complete set of marks, and the operation's note if it had one.
  render(marks, note) {
    for (const field of this.marked) this.unmark(field);
    this.marked.clear();
    this.hideNotes();
    for (const mark of marks) {
      const control = this.doc.getElementById(mark.field);
      const element = this.noteElement(mark.field);
      this.showNote(element, mark.note, mark.kind);
      if (control === null) continue;  // the hidden juice yield: the page's note says it
      control.dataset.mark = mark.kind;
      if (mark.kind === 'failure') control.setAttribute('aria-invalid', 'true');
      this.describe(control, element.id);
      this.marked.add(mark.field);
    }
    if (note) this.say(note.field, note.text);
  }

  // A note with no mark of its own (a refused paste), until the next operation.
  say(field, text) {
    const element = this.noteElement(field);
    const shown = !element.hidden && element.textContent === text;
    if (!shown) {
      const free = element.hidden ? element : this.doc.getElementById('note-page');
      this.showNote(free, text, 'note');
    }
    this.announce(text);
  }

  announce(text) {
    // Emptied first, so that the same words twice are announced twice.
    this.announcer.textContent = '';
    requestAnimationFrame(() => { this.announcer.textContent = text; });
  }

  showNote(element, text, kind) {
    element.textContent = text;
    element.dataset.kind = kind;
    element.hidden = false;
    this.shownNotes.add(element);
  }

  hideNotes() {
    for (const element of this.shownNotes) {
      element.hidden = true;
      element.textContent = '';
      delete element.dataset.kind;
    }
    this.shownNotes.clear();
  }

  describe(control, noteId) {
    const ids = [control.dataset.hint, noteId].filter(Boolean);
    control.setAttribute('aria-describedby', ids.join(' '));
  }

  unmark(field) {
    const control = this.doc.getElementById(field);
    if (control === null) return;
    delete control.dataset.mark;
    control.removeAttribute('aria-invalid');
    if (control.dataset.hint) control.setAttribute('aria-describedby', control.dataset.hint);
    else control.removeAttribute('aria-describedby');
  }
}

// The explanation page is a second view of the same page: the main view is
// only hidden meanwhile, so every field is as it was on return. A history
// entry lets the phone's back button return as "返  回" does.

export function bindViews(doc, win) {
  const main = doc.getElementById('main-view');
  const explain = doc.getElementById('explain');
  const open = doc.getElementById('explain_c');
  const back = doc.getElementById('goback');

  const show = (explaining) => {
    main.hidden = explaining;
    explain.hidden = !explaining;
    win.scrollTo(0, 0);
    (explaining ? back : open).focus();
  };

  open.addEventListener('click', () => {
    win.history.pushState({ view: 'explain' }, '', '#explain');
    show(true);
  });
  back.addEventListener('click', () => {
    if (win.history.state?.view === 'explain') {
      win.history.back();  // popstate shows the main view
    } else {
      win.history.replaceState(null, '', win.location.pathname + win.location.search);
      show(false);
    }
  });
  win.addEventListener('popstate', (event) => show(event.state?.view === 'explain'));

  // A reload on the explanation keeps it, with no entry to go back to.
  if (win.location.hash === '#explain') {
    main.hidden = true;
    explain.hidden = false;
  }
}
