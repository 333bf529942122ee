// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition's start-up in Chromium against a bare page of the same size laying out two Chinese
// labels, in alternation: milliseconds from navigation until the calculator is laid out with the
// band's units in place (the floor: its labels), then the medians and the median of the ratios,
// and when the calculator is ready for input.
// usage: node bench/web_startup.mjs [RUNS] [BUILD_DIR]
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const runs = Number(process.argv[2] ?? 31);
const build = process.argv[3] ?? 'build-web';
const pages = {
  floor: [new URL('web/floor.html', import.meta.url).href],
  lirevox: [`file://${path.resolve(build, 'lirevox.html')}`],
};
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update']});
const page = await browser.newPage();
await page.setViewport({width: 800, height: 600});

// Milliseconds from navigation to the first frame with the high band's inductance unit laid out
// (the floor: its Song label), as the page's own clock tells.
async function startUp([address]) {
  await page.goto(address);
  return page.evaluate(() => new Promise((reported) => new PerformanceObserver((list) => {
    const painted = list.getEntriesByName('first-contentful-paint')[0];
    const unit = document.getElementById(location.href.endsWith('floor.html') ? 'song' : 'Label4');
    if (painted && unit.textContent === 'μH(微亨)') reported(painted.startTime);
  }).observe({type: 'paint', buffered: true})));
}

// Milliseconds from navigation until the calculator answers keys and clicks: its core compiled and
// the focus on the tab control.
const ready = () => page.waitForFunction(() => document.activeElement?.getAttribute('role') === 'tab', {polling: 'raf'})
  .then(() => page.evaluate(() => performance.now()));

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const times = {floor: [], lirevox: [], ready: []};
for (let run = -2; run < runs; ++run) {
  for (const name of ['floor', 'lirevox']) {
    const time = await startUp(pages[name]);
    if (run >= 0) times[name].push(time);
  }
  if (run >= 0) times.ready.push(await ready());
}
await browser.close();
for (const name of ['floor', 'lirevox']) console.log(`${name.padEnd(8)} start-up ${median(times[name]).toFixed(1)} ms`);
console.log(`lirevox  ready for input ${median(times.ready).toFixed(1)} ms`);
const ratios = times.lirevox.map((time, run) => time / times.floor[run]);
console.log(`median ratio over ${runs} pairs: start-up ${median(ratios).toFixed(3)} x (target 1.20)`);
