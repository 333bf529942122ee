// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Writes the window's controls as HTML, at build time, from the core's design table, so that the
// page is laid out in the high band before its script runs: each control the native element of its
// kind (a fieldset of radios, labels bound to text inputs, buttons, outputs named and described by
// their captions and units, the ARIA tabs pattern) at its design place in its container.
// usage: node prerender.mjs lirevox_core.js [title]   (title: writes the window's title instead)
import fs from 'node:fs';
import {createRequire} from 'node:module';

const core = await createRequire(import.meta.url)(process.argv[2])({
  wasmBinary: fs.readFileSync(process.argv[2].replace(/\.js$/, '.wasm'))});
const ask = (name, ...args) =>
  core.ccall(name, 'string', args.map((arg) => (typeof arg === 'number' ? 'number' : 'string')), args);
const design = JSON.parse(ask('lirevox_design'));
if (process.argv[3] === 'title') {
  process.stdout.write(design.title);
  process.exit();
}
const units = new Map(JSON.parse(ask('lirevox_units', core.ccall('lirevox_band_flag', 'number', ['number'], [1]))));
const described = new Map(design.described.map(([box, caption, unit]) => [box, {caption, unit}]));
const captions = new Map(design.described.map(([box, caption]) => [caption, box]));
const escaped = (text) => text.replace(/[&<>"]/g, (mark) => `&#${mark.charCodeAt(0)};`);
const attributes = (pairs) => Object.entries(pairs).map(([name, value]) => ` ${name}="${escaped(String(value))}"`).join('');
const stack = (faces, generic) => [...faces.map((face) => `'${face}'`), generic].join(', ');

function element(each, inside) {
  const caption = escaped(units.get(each.name) ?? each.caption);
  const style = `left:${each.left}px;top:${each.top}px;width:${each.width}px;height:${each.height}px`
    + (each.font.song ? `;font:${each.font.bold ? 'bold ' : ''}${each.font.px}px ${stack(design.songFaces, 'serif')}` : '');
  const own = {id: each.name, style};
  const box = described.get(each.name);
  switch (each.kind) {
    case 'Frame': return `<fieldset${attributes(own)}><legend>${caption}</legend>${inside}</fieldset>`;
    case 'Option':
      return `<label${attributes({...own, class: 'option'})}><input type="radio" name="band"${each.name === 'Option4' ? ' checked' : ''}>${caption}</label>`;
    case 'Tabs': return `<div${attributes(own)}>${inside}</div>`;
    case 'Result':
      return `<output${attributes({...own, 'aria-labelledby': box.caption, 'aria-describedby': box.unit})}><span></span></output>`;
    case 'TextBox':
      return `<input${attributes({...own, type: 'text', autocomplete: 'off', spellcheck: 'false', 'aria-describedby': box.unit})}>`;
    case 'Button': return `<button type="button"${attributes(own)}>${caption}</button>`;
    default:
      return captions.has(each.name) ? `<label${attributes({...own, for: captions.get(each.name)})}>${caption}</label>`
        : `<span${attributes(own)}>${caption}</span>`;
  }
}

const within = (container) => design.controls.filter((each) => each.container === container);
const tabs = design.tabs.map((caption, index) => `<button type="button" role="tab"${attributes({id: `SSTab1-tab${index}`,
  'aria-controls': `SSTab1-page${index}`, 'aria-selected': index === 0, tabindex: index === 0 ? 0 : -1})}>${escaped(caption)}</button>`);
const pages = design.tabs.map((caption, index) => `<div role="tabpanel"${attributes({id: `SSTab1-page${index}`,
  'aria-labelledby': `SSTab1-tab${index}`})}${index === 0 ? '' : ' hidden'}>${within(`Tab${index}`).map((each) => element(each, '')).join('')}</div>`);
const inside = {Frame1: within('Frame1').map((each) => element(each, '')).join(''),
  SSTab1: `<div role="tablist">${tabs.join('')}</div>${pages.join('')}`};
process.stdout.write(`<style>:root{--ui-faces:${stack(design.uiFaces, 'sans-serif')}}</style>`
  + `<main id="Frm_main" style="width:${design.width}px;height:${design.height}px">`
  + `${within('Window').map((each) => element(each, inside[each.name] ?? '')).join('')}</main>`);
