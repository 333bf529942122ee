// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Writes, at build time, what the page takes from the core's design table, as JSON for the build:
// its title; its controls as HTML, so that the page is laid out in the starting band before its
// script runs, each control the native element of its kind (a fieldset of radios, labels bound to
// text inputs, buttons, outputs named and described by their captions and units, the ARIA tabs
// pattern) at its design place in its container; and the little the page's module needs of the
// design, so that it asks the core for nothing at start.
// usage: node prerender.mjs lirevox_core.js
import fs from 'node:fs';
import {createRequire} from 'node:module';
import {coreCalls} from './core_calls.mjs';

const core = await createRequire(import.meta.url)(process.argv[2])({
  wasmBinary: fs.readFileSync(process.argv[2].replace(/\.js$/, '.wasm'))});
const {askJson} = coreCalls(core);
const design = askJson('lirevox_design');
const units = new Map(askJson('lirevox_band', design.selectedAtStart).units);
const described = new Map(design.described.map(([box, caption, unit]) => [box, {caption, unit}]));
const captions = new Map(design.described.map(([box, caption]) => [caption, box]));
const byName = new Map(design.controls.map((each) => [each.name, each]));
// Half the least room between a tab's two entries, one above the other: how far an entry's touch
// target may reach up and down before it meets the other's.
const entryReach = Math.min(...design.calculators.map(({upper, lower}) =>
  byName.get(lower).top - byName.get(upper).top - byName.get(upper).height)) / 2;
const escaped = (text) => text.replace(/[&<>"]/g, (mark) => `&#${mark.charCodeAt(0)};`);
const attributes = (pairs) => Object.entries(pairs).map(([name, value]) => ` ${name}="${escaped(String(value))}"`).join('');
const stack = (faces, generic) => [...faces.map((face) => `'${face}'`), generic].join(', ');
// Design pixels in rem, which the page scales as a whole.
const rem = (px) => `${px / 16}rem`;
const px = (points) => (points * 96) / 72;

function element(each, inside) {
  const caption = escaped(units.get(each.name) ?? each.caption);
  const style = `left:${rem(each.left)};top:${rem(each.top)};width:${rem(each.width)};height:${rem(each.height)}`
    + (each.font.song ? `;font:${each.font.bold ? 'bold ' : ''}${rem(px(each.font.points))} ${stack(design.songFaces, 'serif')}` : '');
  const own = {id: each.name, style};
  const box = described.get(each.name);
  switch (each.kind) {
    case 'Frame': return `<fieldset${attributes(own)}><legend>${caption}</legend>${inside}</fieldset>`;
    case 'Option':
      return `<label${attributes({...own, class: 'option'})}><input type="radio" name="band"${each.name === design.selectedAtStart ? ' checked' : ''}>${caption}</label>`;
    case 'Tabs': return `<div${attributes(own)}>${inside}</div>`;
    // Not live itself: screen readers say a live region's name before its news, and not its
    // description, so each result is told whole in a region of its own.
    case 'Result':
      return `<output${attributes({...own, 'aria-labelledby': box.caption, 'aria-describedby': box.unit,
        'aria-live': 'off'})}><span></span></output>`;
    case 'TextBox':
      // A phone's keyboard of digits and the separator (and, where it has them, the minus sign).
      return `<input${attributes({...own, type: 'text', inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false',
        'aria-describedby': box.unit})}>`;
    case 'Button': return `<button type="button"${attributes(own)}>${caption}</button>`;
    default: {
      const entry = byName.get(captions.get(each.name));
      if (!entry) return `<span${attributes(own)}>${caption}</span>`;
      // Where its entry lies from it, for the caption to reach round the entry on a touch screen.
      const reach = `;--entry-left:${rem(entry.left - each.left)};--entry-top:${rem(entry.top - each.top)}`
        + `;--entry-width:${rem(entry.width)};--entry-height:${rem(entry.height)}`;
      return `<label${attributes({...own, style: style + reach, for: entry.name})}>${caption}</label>`;
    }
  }
}

const within = (container, tab) => design.controls.filter((each) => each.container === container && each.tab === tab);
const tabs = design.tabs.map((caption, index) => `<button type="button" role="tab"${attributes({id: `SSTab1-tab${index}`,
  'aria-controls': `SSTab1-page${index}`, 'aria-selected': index === design.tabAtLoad, tabindex: index === design.tabAtLoad ? 0 : -1})}>${escaped(caption)}</button>`);
const pages = design.tabs.map((caption, index) => `<div role="tabpanel"${attributes({id: `SSTab1-page${index}`,
  'aria-labelledby': `SSTab1-tab${index}`})}${index === design.tabAtLoad ? '' : ' hidden'}>${within('SSTab1', index).map((each) => element(each, '')).join('')}</div>`);
const inside = {Frame1: within('Frame1', -1).map((each) => element(each, '')).join(''),
  SSTab1: `<div role="tablist">${tabs.join('')}</div>${pages.join('')}`};
const controls = `<style>:root{--ui-faces:${stack(design.uiFaces, 'sans-serif')};--strip:${rem(design.stripHeight)};`
  + `--entry-reach:${rem(entryReach)};`
  + `--result:${design.resultColour}}</style>`
  + `<main id="Frm_main" style="width:${rem(design.width)};height:${rem(design.height)}">`
  + `${within('Frm_main', -1).map((each) => element(each, inside[each.name] ?? '')).join('')}</main>`
  + `<dialog id="message" aria-labelledby="message-title" aria-describedby="message-prompt"><h1 id="message-title">`
  + `${escaped(design.errorTitle)}</h1><p id="message-prompt"></p><form method="dialog"><button id="message-ok">`
  + `${escaped(design.errorButton)}</button></form></dialog>`;
const resultPoints = new Map(design.controls.map((each) => [each.name, each.font.points]));
const pageDesign = {width: design.width, cannotCompute: design.cannotCompute, tabAtLoad: design.tabAtLoad,
  smallestText: Math.min(...design.controls.map((each) => px(each.font.points))),
  calculators: design.calculators.map((calculator) => ({...calculator, points: resultPoints.get(calculator.result)}))};
process.stdout.write(JSON.stringify({title: design.title, controls, design: JSON.stringify(pageDesign)}));
