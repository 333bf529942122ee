// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition's window. The core, compiled to WebAssembly, decides what the window does: a
// band's units, what a compute answers, what a key does and the Tab key's next stop, how a result
// too wide for its label is drawn and its tooltip wrapped. The page's controls, and the little this
// module needs of the design, were written from the design table when the page was built
// (prerender.mjs), so that it is laid out before this module runs; the module hands the core the
// texts and keys, and shows what it answers. It keeps only the band flag, as the desktop windows do.
// What the user does before the core is ready waits for it (early.js); where the core cannot start,
// the page says so.

// The core's WebAssembly comes gzipped, for the browser reads every byte of the page before its
// first frame; as a data address, the browser's own code reads the base64, several times faster on a
// slow processor than a script's loop.
async function gunzipped(base64) {
  const carried = await fetch(`data:application/octet-stream;base64,${base64}`);
  return new Response(carried.body.pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
}

// The core compiled and started at once, as its bytes are there: a module this size compiles in a
// few milliseconds, where the browser's asynchronous compile answers only at a later task, behind
// whatever else is queued. A failure to start is thrown to the page, which says it cannot run:
// Emscripten's loader would swallow it and never settle.
function started(bytes) {
  let failure;
  const starting = createLirevoxCore({
    instantiateWasm(imports, receive) {
      try {
        receive(new WebAssembly.Instance(new WebAssembly.Module(bytes), imports));
      } catch (error) {
        failure = error;
      }
      return {};
    },
  });
  if (failure) throw failure;
  return starting;
}

// The first frame goes to the screen before the core is unpacked and compiled, which would hold it
// up on a slow processor: the core starts in the task right after the next frame. A hidden page
// draws no frames, and starts at once.
function afterNextFrame() {
  if (document.visibilityState === 'hidden') return Promise.resolve();
  return new Promise((drawn) => requestAnimationFrame(() => {
    const channel = new MessageChannel();
    channel.port1.onmessage = drawn;
    channel.port2.postMessage(null);
  }));
}

// The heights the browser draws a character at, at each of these font sizes, laid out at once.
function drawnHeights(sizes) {
  const probes = sizes.map((size) => {
    const probe = document.createElement('span');
    probe.style.cssText = `position:absolute;visibility:hidden;font-size:${size};line-height:1`;
    probe.textContent = '一';
    return probe;
  });
  document.body.append(...probes);
  const heights = probes.map((probe) => probe.getBoundingClientRect().height);
  for (const probe of probes) probe.remove();
  return heights;
}

// The window as a whole, grown by the factor the browser's minimum font size imposes on its smallest
// text, or by the user's default font size against the usual 16 px, else scaled down to the width
// the browser gives the page: the root's width, which on a phone is the screen's, where the
// window's own width would widen the viewport. A one-pixel probe shows the minimum size; 'medium'
// the default size, against 100 px, which a text-only zoom grows alike and no minimum reaches.
function scaleToViewport() {
  const [minimum, preferred, reference] = drawnHeights(['1px', 'medium', '100px']);
  const grown = Math.max(minimum / design.smallestText, (preferred / reference) * (100 / 16));
  const fitted = Math.min(1, document.documentElement.clientWidth / design.width);
  document.documentElement.style.setProperty('--zoom', String(grown > 1 ? grown : fitted));
}

// The window is scaled for the screen before its first frame, the core after it.
scaleToViewport();
let core;
try {
  await afterNextFrame();
  core = await started(await gunzipped(coreWasmGzipped));
} catch (error) {
  lirevoxEarly.cannotRun();
  throw error;
}
const {ask, askJson} = coreCalls(core);
const control = (name) => document.getElementById(name);
const number = new Intl.NumberFormat(navigator.language).formatToParts(12345.6);
const separators = ['decimal', 'group'].map((type) => number.find((part) => part.type === type).value);
const window_ = control('Frm_main');
const message = control('message');
const tip = control('tip');
let flag = 0;

const tabs = () => [...document.querySelectorAll('[role="tab"]')];
const frontTab = () => tabs().findIndex((tab) => tab.getAttribute('aria-selected') === 'true');
const selectedOption = () => document.querySelector('input[name="band"]:checked').parentElement.id;

function showTab(index) {
  tabs().forEach((tab, each) => {
    tab.setAttribute('aria-selected', String(each === index));
    tab.tabIndex = each === index ? 0 : -1;
    control(`SSTab1-page${each}`).hidden = each !== index;
  });
}

function danwei() {
  const band = askJson('lirevox_band', selectedOption());
  flag = band.flag;
  for (const [label, caption] of band.units) control(label).textContent = caption;
}

// A result is only ever shown in the units it was computed in.
function Option_Click() {
  danwei();
  for (const calculator of design.calculators) showResult(calculator, '');
}

// Whatever the entries hold, the page goes on working: a core that fails on them says it cannot
// compute.
function Compute_Click(index) {
  const calculator = design.calculators[index];
  let outcome;
  try {
    outcome = askJson('lirevox_compute', index, control(calculator.upper).value, control(calculator.lower).value,
      flag, ...separators);
  } catch {
    outcome = {message: design.cannotCompute};
  }
  if (outcome.message) showError(outcome.message);
  else {
    showResult(calculator, outcome.result);
    announce(calculator, outcome.result);
  }
}

// A screen reader hears each result as it comes, with its caption and unit, also when it is the one
// shown already: each is a new paragraph in place of the last, which screen readers take as news.
// Every other one ends in a no-break space, which is not heard: Orca takes the same text twice
// running for one message sent twice.
let spokenEndsInSpace = false;
function announce(calculator, result) {
  const output = control(calculator.result);
  const said = document.createElement('p');
  spokenEndsInSpace = !spokenEndsInSpace;
  said.textContent = ask('lirevox_spoken_result', control(output.getAttribute('aria-labelledby')).textContent, result,
    control(output.getAttribute('aria-describedby')).textContent) + (spokenEndsInSpace ? '\u00a0' : '');
  control('spoken').replaceChildren(said);
}

function Refresh_Click(index) {
  const calculator = design.calculators[index];
  for (const name of calculator.cleared) {
    if (name === calculator.result) showResult(calculator, '');
    else control(name).value = '';
  }
}

// Ends the program where the browser lets a page close its window (an installed app's, one a
// script opened); elsewhere the window says it has closed and offers the calculator again.
function Cancel_Click() {
  window.close();
  if (window.closed) return;
  window_.hidden = true;
  control('closed').hidden = false;
}

const measure = (text, font) => {
  const context = (measure.canvas ??= document.createElement('canvas')).getContext('2d');
  context.font = font;
  return context.measureText(text).width;
};

// At the largest size the core allows that fits, on the label's own baseline, cut with an ellipsis
// below the smallest; whenever not at its own size, the whole result in the tooltip, in lines as
// wide as the screen, which a tap shows too, for a touch screen has no hover. Each size is measured
// as the browser draws it, whatever its zoom, text-only zoom or minimum font size.
function showResult(calculator, result) {
  const output = control(calculator.result);
  const shown = output.firstChild;
  shown.textContent = result;
  shown.style.fontSize = '';
  output.removeAttribute('title');
  if (!result) return;
  const room = Number(ask('lirevox_result_room', output.clientWidth));
  const drawnAt = (points) => { shown.style.fontSize = `${(points * 96) / 72 / 16}rem`; };
  core.resultFits = (points) => {
    drawnAt(points);
    return shown.getBoundingClientRect().width <= room;
  };
  const fit = askJson('lirevox_fit_result', calculator.points);
  drawnAt(fit.pointSize);
  if (fit.ownSize) return;
  // The browser's tooltip: its border and margin about a character's width, in its own font.
  const tooltipFont = getComputedStyle(document.body).font;
  const widest = measure('一', tooltipFont);
  const lineRoom = Number(ask('lirevox_tooltip_room', screen.availWidth, widest, widest));
  core.lineFits = (line) => measure(line, tooltipFont) <= lineRoom;
  output.title = ask('lirevox_tooltip', result);
}

// A tap's tooltip: the whole result, wrapped to the page's width, just below its label; it follows
// the label when the page is scaled anew (a phone turned), and any tap closes it, on it too.
let tipOwner = null;
function placeTip() {
  if (tip.hidden) return;
  tip.style.top = `${tipOwner.getBoundingClientRect().bottom + scrollY + 4}px`;
}

function showTip(event) {
  const output = event.currentTarget;
  if (event.pointerType !== 'touch' || !output.title) return;
  tip.textContent = output.title.replaceAll('\n', '');
  tipOwner = output;
  tip.hidden = false;
  placeTip();
}

function hideTip() {
  tip.hidden = true;
}

// The message box, modal, with one button; the focus goes back where it was.
function showError(prompt) {
  const focus = document.activeElement;
  control('message-prompt').textContent = prompt;
  message.addEventListener('close', () => focus?.focus(), {once: true});
  message.showModal();
  control('message-ok').focus();
}

// The control a key or the focus is at, by its design name.
function designName(target) {
  if (target.getAttribute('role') === 'tab') return 'SSTab1';
  return (target.closest('[id]:not([role])') ?? window_).id;
}

// The window answers its keys as the core says; the browser keeps its own (Ctrl+Tab among them).
function onKey(event) {
  if (message.open || !window_.contains(event.target)) return;
  const from = designName(event.target);
  const outcome = askJson('lirevox_key', event.key, event.ctrlKey || event.metaKey, event.shiftKey, from, frontTab());
  if (outcome.action === 'default' || event.altKey) return;
  event.preventDefault();
  if (outcome.action === 'press') {
    event.target.click();
  } else if (outcome.action === 'select tab') {
    showTab(outcome.tab);
    tabs()[outcome.tab].focus();
  } else if (outcome.action !== 'nothing') {
    const next = ask('lirevox_next_stop', from, outcome.action === 'next stop', frontTab(), selectedOption());
    const target = next === 'SSTab1' ? tabs()[frontTab()] : next.startsWith('Option') ? control(next).firstChild : control(next);
    target.focus();
    if (target.localName === 'input' && target.type === 'text') target.select();
  }
}

// What a box does with a key the window leaves to it: typing and the editing keys, for the keys the
// browser did not apply while the core was starting.
function editBox(box, key) {
  const {selectionStart: start, selectionEnd: end} = box;
  const caret = (at) => box.setSelectionRange(at, at);
  if ([...key].length === 1) box.setRangeText(key, start, end, 'end');
  else if ((key === 'Backspace' || key === 'Delete') && start !== end) box.setRangeText('', start, end, 'end');
  else if (key === 'Backspace') box.setRangeText('', Math.max(0, start - 1), start, 'end');
  else if (key === 'Delete') box.setRangeText('', start, Math.min(box.value.length, start + 1), 'end');
  else if (key === 'ArrowLeft') caret(start === end ? Math.max(0, start - 1) : start);
  else if (key === 'ArrowRight') caret(start === end ? end + 1 : end);
  else if (key === 'Home') caret(0);
  else if (key === 'End') caret(box.value.length);
}

// What the user did before the core was ready, answered in order, each from where the one before it
// left the focus: a click focuses what it clicked and presses it; a key does what the window says,
// or else what the box or button it is at does with it.
function answerEarly(kept) {
  for (const event of kept) {
    const target = document.activeElement;
    if (event.type === 'click') {
      const clicked = event.target.closest('label')?.control ?? event.target.closest('input, button');
      clicked?.focus();
      if (clicked && clicked.type !== 'text') clicked.click();
      continue;
    }
    let answered = false;
    onKey({key: event.key, ctrlKey: event.ctrlKey, metaKey: event.metaKey, shiftKey: event.shiftKey,
      altKey: event.altKey, target, preventDefault() { answered = true; }});
    const plain = !answered && !event.ctrlKey && !event.metaKey && !event.altKey;
    if (plain && target.type === 'text') editBox(target, event.key);
    else if (plain && target.localName === 'button' && (event.key === ' ' || event.key === 'Enter')) target.click();
  }
}

tabs().forEach((tab, index) => tab.addEventListener('click', () => showTab(index)));
for (const option of ['Option3', 'Option4']) control(option).firstChild.addEventListener('change', Option_Click);
design.calculators.forEach((calculator, index) => {
  control(calculator.compute).addEventListener('click', () => Compute_Click(index));
  control(calculator.refresh).addEventListener('click', () => Refresh_Click(index));
  control(calculator.cancel).addEventListener('click', Cancel_Click);
  control(calculator.result).addEventListener('pointerup', showTip);
});
document.addEventListener('keydown', onKey);
document.addEventListener('pointerdown', hideTip, true);
addEventListener('resize', () => {
  scaleToViewport();
  placeTip();
});
showTab(design.tabAtLoad);
danwei();
// The tab strip takes the focus, unless the user has put it elsewhere already, or the page is in
// another's frame, whose keys are its host's until the user clicks into it.
if (window.top === window && (document.activeElement === document.body || !document.activeElement)) tabs()[design.tabAtLoad].focus();
answerEarly(lirevoxEarly.ready());
// Ready, since how many milliseconds after navigation.
document.documentElement.dataset.ready = String(Math.round(performance.now()));
if (document.querySelector('link[rel="manifest"]') && 'serviceWorker' in navigator) {
  navigator.serviceWorker.register('service_worker.js');
}
