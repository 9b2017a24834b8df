// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
