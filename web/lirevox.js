// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition's window. The core, compiled to WebAssembly, holds the design table and decides
// what the window does: a band's units, what a compute answers, the Tab key's next stop, how a
// result too wide for its label is drawn and its tooltip wrapped. The page's controls were written
// from the design table when the page was built (prerender.mjs), so that it is laid out before this
// module runs; the module hands the core the texts and keys, and shows what it answers. It keeps
// only the band flag, as the desktop windows do.

// The page, laid out already, reaches the screen before the core is unpacked and compiled, which
// would otherwise hold its first frame up. Where the browser reports no paint (a hidden tab), the
// core waits a tenth of a second instead.
function firstFrame() {
  return new Promise((shown) => {
    const observer = new PerformanceObserver(() => {
      observer.disconnect();
      shown();
    });
    observer.observe({type: 'paint', buffered: true});
    setTimeout(shown, 100);
  });
}

// The core's WebAssembly comes gzipped, for the browser reads every byte of the page before its
// first frame.
async function gunzipped(base64) {
  const bytes = Uint8Array.from(atob(base64), (char) => char.charCodeAt(0));
  return new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
}

await firstFrame();
const core = await createLirevoxCore({wasmBinary: await gunzipped(coreWasmGzipped)});
const ask = (name, ...args) =>
  core.ccall(name, 'string', args.map((arg) => (typeof arg === 'number' ? 'number' : 'string')), args);
const design = JSON.parse(ask('lirevox_design'));
const control = (name) => document.getElementById(name);
const number = new Intl.NumberFormat(navigator.language).formatToParts(12345.6);
const separators = ['decimal', 'group'].map((type) => number.find((part) => part.type === type).value);
const window_ = control('Frm_main');
const message = control('message');
let flag = 0;

const tabs = () => [...document.querySelectorAll('[role="tab"]')];
const frontTab = () => tabs().findIndex((tab) => tab.getAttribute('aria-selected') === 'true');
const selectedOption = () => (control('Option4').firstChild.checked ? 'Option4' : 'Option3');

function showTab(index) {
  tabs().forEach((tab, each) => {
    tab.setAttribute('aria-selected', String(each === index));
    tab.tabIndex = each === index ? 0 : -1;
    control(`SSTab1-page${each}`).hidden = each !== index;
  });
}

// The arrow keys switch tabs on the strip, as on every tab control.
function onTabStripKey(event) {
  const step = {ArrowLeft: -1, ArrowRight: 1}[event.key];
  if (!step) return;
  event.preventDefault();
  const count = tabs().length;
  showTab((frontTab() + step + count) % count);
  tabs()[frontTab()].focus();
}

function danwei() {
  flag = core.ccall('lirevox_band_flag', 'number', ['number'], [control('Option4').firstChild.checked ? 1 : 0]);
  for (const [label, caption] of JSON.parse(ask('lirevox_units', flag))) control(label).textContent = caption;
}

// A result is only ever shown in the units it was computed in.
function Option_Click() {
  danwei();
  for (const calculator of design.calculators) showResult(control(calculator.result), '');
}

function Compute_Click(index) {
  const calculator = design.calculators[index];
  const outcome = JSON.parse(ask('lirevox_compute', index, control(calculator.upper).value,
    control(calculator.lower).value, flag, ...separators));
  if (outcome.message) showError(outcome.message);
  else showResult(control(calculator.result), outcome.result);
}

function Refresh_Click(index) {
  for (const name of design.calculators[index].cleared) {
    const cleared = control(name);
    if (cleared.localName === 'output') showResult(cleared, '');
    else cleared.value = '';
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
// wide as the screen.
function showResult(output, result) {
  const shown = output.firstChild;
  const own = design.controls.find((each) => each.name === output.id).font;
  shown.textContent = result;
  shown.style.fontSize = '';
  output.removeAttribute('title');
  if (!result) return;
  const room = output.clientWidth - 1;
  const family = getComputedStyle(output).fontFamily;
  core.resultFits = (points) => measure(result, `bold ${(points * 96) / 72}px ${family}`) <= room;
  const fit = JSON.parse(ask('lirevox_fit_result', (own.px * 72) / 96));
  shown.style.fontSize = `${(fit.pointSize * 96) / 72}px`;
  if (fit.ownSize) return;
  const tooltipFont = getComputedStyle(document.body).font;
  core.lineFits = (line) => measure(line, tooltipFont) <= screen.availWidth - 32;
  output.title = ask('lirevox_tooltip', result);
}

// The message box, modal, with one button; the focus goes back where it was.
function showError(prompt) {
  const focus = document.activeElement;
  control('message-prompt').textContent = prompt;
  message.addEventListener('close', () => focus?.focus(), {once: true});
  message.showModal();
  control('message-ok').focus();
}

// The window handles the Tab key itself, in the design's order; Enter presses no button.
function onKey(event) {
  if (message.open || !window_.contains(event.target)) return;
  if (event.key === 'Enter' && event.target.localName === 'button') event.preventDefault();
  if (event.key !== 'Tab' || event.ctrlKey || event.altKey) return;
  event.preventDefault();
  const from = event.target.getAttribute('role') === 'tab' ? 'SSTab1' : (event.target.closest('[id]:not([role])') ?? window_).id;
  const next = ask('lirevox_next_stop', from, event.shiftKey ? 0 : 1, frontTab(), selectedOption());
  const target = next === 'SSTab1' ? tabs()[frontTab()] : next.startsWith('Option') ? control(next).firstChild : control(next);
  target.focus();
  if (target.localName === 'input' && target.type === 'text') target.select();
}

function scaleToViewport() {
  document.documentElement.style.setProperty('--zoom', String(Math.min(1, innerWidth / design.width)));
}

control('message-title').textContent = design.errorTitle;
control('message-ok').textContent = design.errorButton;
tabs().forEach((tab, index) => tab.addEventListener('click', () => showTab(index)));
document.querySelector('[role="tablist"]').addEventListener('keydown', onTabStripKey);
for (const option of ['Option3', 'Option4']) control(option).firstChild.addEventListener('change', Option_Click);
design.calculators.forEach((calculator, index) => {
  control(calculator.compute).addEventListener('click', () => Compute_Click(index));
  control(calculator.refresh).addEventListener('click', () => Refresh_Click(index));
  control(calculator.cancel).addEventListener('click', Cancel_Click);
});
document.addEventListener('keydown', onKey);
addEventListener('resize', scaleToViewport);
scaleToViewport();
showTab(0);
danwei();
tabs()[0].focus();
if (document.querySelector('link[rel="manifest"]') && 'serviceWorker' in navigator) {
  navigator.serviceWorker.register('service_worker.js');
}
