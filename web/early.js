// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Runs before anything else of the page, in any browser, old ones included. Until the calculator is
// ready, it keeps what the user does that the calculator must answer (a click on a button, a tab's
// among them; the Tab key, and any key on the tab strip) for the calculator to answer once it is.
// Typing into a box goes on as usual meanwhile, until something is kept: from then on every key and
// click is kept too, in order, and the focus stays where it was, so that the calculator answers each
// from the control the one before it left the focus at. Where the calculator cannot start (a browser
// too old for it, WebAssembly switched off, a site's security policy that refuses its core, or a core
// that fails to load), it says why and shows the window as not working.
var lirevoxEarly = (function () {
  var kept = [];
  var keeping = false;
  var done = false;
  var failed = false;
  var refused = false;
  function needsCalculator(event) {
    if (event.type === 'keydown') return event.key === 'Tab' || event.target.getAttribute('role') === 'tab';
    return event.type === 'click' && !!event.target.closest('button');
  }
  function keep(event) {
    var target = event.target;
    if (done || !target.closest || !target.closest('#Frm_main')) return;
    if (!keeping && !needsCalculator(event)) return;
    keeping = true;
    // A key typed, a box or button focused by a press, a radio or a label's control clicked: each
    // waits to be answered in its turn.
    event.preventDefault();
    if (event.type !== 'mousedown') kept.push(event);
  }
  // A browser without WebAssembly that has what came years after it has it switched off.
  function reason() {
    if (refused) return 'blocked';
    if (typeof WebAssembly === 'undefined' && typeof DecompressionStream !== 'undefined') return 'no-webassembly';
    return 'old-browser';
  }
  function cannotRun() {
    if (done) return;
    done = true;
    failed = true;
    document.documentElement.className = 'cannot-run ' + reason();
    var controls = document.querySelectorAll('#Frm_main input, #Frm_main button');
    for (var i = 0; i < controls.length; i++) controls[i].disabled = true;
    document.getElementById('Frm_main').setAttribute('aria-disabled', 'true');
  }
  var kinds = ['mousedown', 'click', 'keydown'];
  document.documentElement.className = '';
  for (var i = 0; i < kinds.length; i++) document.addEventListener(kinds[i], keep, true);
  window.addEventListener('error', cannotRun);
  window.addEventListener('unhandledrejection', cannotRun);
  // The report of a refusal may come after the failure it caused.
  document.addEventListener('securitypolicyviolation', function () {
    refused = true;
    if (failed) document.documentElement.className = 'cannot-run blocked';
  });
  return {
    cannotRun: cannotRun,
    // The calculator is ready: what was kept, in order, for it to answer.
    ready: function () {
      done = true;
      for (var i = 0; i < kinds.length; i++) document.removeEventListener(kinds[i], keep, true);
      window.removeEventListener('error', cannotRun);
      window.removeEventListener('unhandledrejection', cannotRun);
      return kept;
    },
  };
})();
