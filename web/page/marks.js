// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
