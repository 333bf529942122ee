// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Runs before anything else of the page, in any browser, old ones included. Until the calculator is
// ready, it keeps what the user does that the calculator must answer (a click on a button; the Tab
// key, and any key on the tab strip) for the calculator to answer once it is; typing into a box goes
// on as usual meanwhile, until a key is kept: every key after it is kept too, so that none lands
// where the focus was before the kept one moves it. Where the calculator cannot start (a browser too old for it, or a core that
// fails to load), it says so and shows the window as not working.
var lirevoxEarly = (function () {
  var kept = [];
  var keyKept = false;
  var done = false;
  function keep(event) {
    var target = event.target;
    if (done || !target.closest || !target.closest('#Frm_main')) return;
    var key = event.type === 'keydown';
    var answered = key ? keyKept || event.key === 'Tab' || target.getAttribute('role') === 'tab'
      : target.closest('button');
    if (!answered) return;
    if (key) {
      event.preventDefault();
      keyKept = true;
    }
    kept.push(event);
  }
  function cannotRun() {
    if (done) return;
    done = true;
    document.documentElement.className = 'cannot-run';
    var controls = document.querySelectorAll('#Frm_main input, #Frm_main button');
    for (var i = 0; i < controls.length; i++) controls[i].disabled = true;
    document.getElementById('Frm_main').setAttribute('aria-disabled', 'true');
  }
  document.documentElement.className = '';
  document.addEventListener('click', keep, true);
  document.addEventListener('keydown', keep, true);
  window.addEventListener('error', cannotRun);
  window.addEventListener('unhandledrejection', cannotRun);
  return {
    cannotRun: cannotRun,
    // The calculator is ready: what was kept, in order, for it to answer.
    ready: function () {
      done = true;
      document.removeEventListener('click', keep, true);
      document.removeEventListener('keydown', keep, true);
      window.removeEventListener('error', cannotRun);
      window.removeEventListener('unhandledrejection', cannotRun);
      return kept;
    },
  };
})();
