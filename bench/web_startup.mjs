// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition's start-up in Chromium against its floor, bench/web/floor.html (a bare page of the
// window's size laying out two Chinese labels in the window's and the Song face), in alternation:
// milliseconds from navigation to the first frame with the band's units laid out (the floor's: its
// labels), and until the calculator answers a click, against the floor's first frame; medians,
// and the medians of the ratios against their targets. A benchmark, not a test: nothing fails.
// usage: node bench/web_startup.mjs [RUNS] [BUILD_DIR] [CPU_SLOWDOWN]   (4: a cheap phone)
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const runs = Number(process.argv[2] ?? 61);
const build = process.argv[3] ?? 'build-web';
const slowdown = Number(process.argv[4] ?? 1);
const pages = {
  floor: new URL('web/floor.html', import.meta.url).href,
  lirevox: `file://${path.resolve(build, 'lirevox.html')}`,
};
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update']});
const page = await browser.newPage();
await page.setViewport({width: 800, height: 600});
const devTools = await page.createCDPSession();
await devTools.send('Emulation.setCPUThrottlingRate', {rate: slowdown});

// Milliseconds from navigation to the first frame with the high band's inductance unit laid out
// (the floor: its Song label), as the page's own clock tells.
async function firstFrame(address) {
  await page.goto(address);
  return page.evaluate(() => new Promise((reported) => new PerformanceObserver((list) => {
    const painted = list.getEntriesByName('first-contentful-paint')[0];
    const unit = document.getElementById(location.href.endsWith('floor.html') ? 'song' : 'Label4');
    if (painted && unit.textContent === 'μH(微亨)') reported(painted.startTime);
  }).observe({type: 'paint', buffered: true})));
}

// Milliseconds from navigation until the calculator answers a click, as it notes on its root (a
// build from before it did: until its tab strip has the focus, as the driver sees it).
const ready = () => page.waitForFunction(() => document.documentElement.dataset.ready
  || (document.activeElement?.getAttribute('role') === 'tab' && String(performance.now())), {polling: 'raf'})
  .then((handle) => handle.jsonValue()).then(Number);

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const times = {floor: [], lirevox: [], ready: []};
for (let run = -2; run < runs; ++run) {
  const floor = await firstFrame(pages.floor);
  const lirevox = await firstFrame(pages.lirevox);
  const answers = await ready();
  if (run < 0) continue;
  times.floor.push(floor);
  times.lirevox.push(lirevox);
  times.ready.push(answers);
}
await browser.close();
const ratio = (name) => median(times[name].map((time, run) => time / times.floor[run])).toFixed(3);
console.log(`Chromium, CPU ${slowdown} x slower, ${runs} pairs; floor: bench/web/floor.html`);
console.log(`floor    first frame ${median(times.floor).toFixed(1)} ms`);
console.log(`lirevox  first frame ${median(times.lirevox).toFixed(1)} ms, ready for input ${median(times.ready).toFixed(1)} ms`);
console.log(`median ratios: first frame ${ratio('lirevox')} x (target 1.10), ready for input ${ratio('ready')} x the floor's first frame (target 1.50)`);
