// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition's start-up in Chromium (or Firefox ESR) against two floors, in rotation: the first
// bench/web/floor.html (a bare page of the window's size laying out two Chinese labels in the
// window's and the Song face), the second the built page without its scripts. Reported:
// milliseconds from navigation to the first frame with the band's units laid out (the floor's: its
// labels), and until the calculator answers a click, against the floor's first frame; medians,
// and the medians of the ratios against their targets; in Chromium also the page's JavaScript heap
// once it is ready. With "site", the installable site and both floors come over HTTP from a local
// server, the site from its service worker's cache after the first visits, as a returning visitor's.
// A benchmark, not a test: nothing fails. Firefox's driver can slow no CPU.
// usage: [LIREVOX_BENCH_AGAINST=OTHER.html] node bench/web_startup.mjs [RUNS] [BUILD_DIR] [CPU_SLOWDOWN] [chromium|firefox] [page|site]
//        (CPU_SLOWDOWN 4: a cheap phone)
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import http from 'node:http';
import {tmpdir} from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const runs = Number(process.argv[2] ?? 61);
const build = process.argv[3] ?? 'build-web';
const slowdown = Number(process.argv[4] ?? 1);
const browserName = process.argv[5] ?? 'chromium';
const site = process.argv[6] === 'site';
// The second floor is the page itself without its scripts: the design's controls, texts and faces,
// as the build lays them out, with nothing behind them.
const designFloor = path.join(mkdtempSync(path.join(tmpdir(), 'lirevox-floor-')), 'design_floor.html');
writeFileSync(designFloor, readFileSync(path.join(build, 'lirevox.html'), 'utf8')
  .replace(/<script[^>]*>[\s\S]*?<\/script>/g, ''));
const floorFile = new URL('web/floor.html', import.meta.url).pathname;
const pages = {floor: `file://${floorFile}`, designFloor: `file://${designFloor}`,
  lirevox: `file://${path.resolve(build, 'lirevox.html')}`};
let server;
if (site) {
  // The site under /site/, the scope of its service worker; the rest beside it, which the worker
  // does not answer for: one origin, so that no navigation changes the browser's process.
  const types = {'.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm'};
  server = http.createServer((request, response) => {
    const file = {'/floor.html': floorFile, '/design_floor.html': designFloor,
      '/lirevox.html': path.join(build, 'lirevox.html')}[request.url]
      ?? path.join(build, request.url === '/site/' ? 'site/index.html' : path.normalize(request.url));
    try {
      const body = readFileSync(file);
      response.writeHead(200, {'content-type': types[path.extname(file)] ?? 'application/octet-stream'}).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((listening) => server.listen(0, '127.0.0.1', listening));
  const address = `http://127.0.0.1:${server.address().port}/`;
  Object.assign(pages, {floor: `${address}floor.html`, designFloor: `${address}design_floor.html`,
    lirevox: `${address}site/`, single: `${address}lirevox.html`});
}
const browser = browserName === 'firefox'
  ? await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr'})
  : await puppeteer.launch({executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update']});
const page = await browser.newPage();
await page.setViewport({width: 800, height: 600});
const devTools = browserName === 'chromium' ? await page.createCDPSession() : null;
await devTools?.send('Emulation.setCPUThrottlingRate', {rate: slowdown});

// Milliseconds from navigation to the first frame with the high band's inductance unit laid out
// (the floor: its Song label), as the page's own clock tells.
async function firstFrame(address) {
  await page.goto(address);
  return page.evaluate(() => new Promise((reported) => new PerformanceObserver((list) => {
    const painted = list.getEntriesByName('first-contentful-paint')[0];
    const unit = document.getElementById(location.href.endsWith('/floor.html') ? 'song' : 'Label4');
    if (painted && unit.textContent === 'μH(微亨)') reported(painted.startTime);
  }).observe({type: 'paint', buffered: true})));
}

// Milliseconds from navigation until the calculator answers a click, as it notes on its root (a
// build from before it did: until its tab strip has the focus, as the driver sees it).
const ready = () => page.waitForFunction(() => document.documentElement.dataset.ready
  || (document.activeElement?.getAttribute('role') === 'tab' && String(performance.now())), {polling: 'raf'})
  .then((handle) => handle.jsonValue()).then(Number);

// LIREVOX_BENCH_AGAINST: another build's single page, measured in the same rounds as this one's,
// the two in random order, so that two builds compare at the same moment of the same machine.
const against = process.env.LIREVOX_BENCH_AGAINST;
if (against) pages.against = `file://${path.resolve(against)}`;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const times = {floor: [], designFloor: [], lirevox: [], ready: [], heap: [], floorHeap: [], single: [], singleReady: [],
  against: [], againstReady: []};
for (let run = -2; run < runs; ++run) {
  const floor = await firstFrame(pages.floor);
  const floorHeap = devTools && (await devTools.send('Runtime.getHeapUsage')).usedSize;
  const bareDesign = await firstFrame(pages.designFloor);
  const other = async () => (against ? [await firstFrame(pages.against), await ready()] : []);
  const otherEarly = Math.random() < 0.5 ? await other() : null;
  const lirevox = await firstFrame(pages.lirevox);
  const answers = await ready();
  const heap = devTools && (await devTools.send('Runtime.getHeapUsage')).usedSize;
  const [otherFrame, otherReady] = otherEarly ?? await other();
  const single = site && await firstFrame(pages.single);
  const singleReady = site && await ready();
  if (run < 0) continue;
  times.against.push(otherFrame);
  times.againstReady.push(otherReady);
  times.single.push(single);
  times.singleReady.push(singleReady);
  times.heap.push(heap);
  times.floorHeap.push(floorHeap);
  times.floor.push(floor);
  times.designFloor.push(bareDesign);
  times.lirevox.push(lirevox);
  times.ready.push(answers);
}
await browser.close();
server?.close();
const ratio = (name, floor = 'floor') => median(times[name].map((time, run) => time / times[floor][run])).toFixed(3);
console.log(`${browserName}, CPU ${slowdown} x slower, ${runs} pairs, ${site ? 'the site over HTTP' : 'the single page'};`
  + ' floor: bench/web/floor.html');
console.log(`floor    first frame ${median(times.floor).toFixed(1)} ms`);
console.log(`design floor (the page without its scripts) first frame ${median(times.designFloor).toFixed(1)} ms`);
console.log(`lirevox  first frame ${median(times.lirevox).toFixed(1)} ms, ready for input ${median(times.ready).toFixed(1)} ms`);
console.log(`median ratios: first frame ${ratio('lirevox')} x (target 1.10), ready for input ${ratio('ready')} x the floor's first frame (target 1.50)`);
console.log(`against the design floor: first frame ${ratio('lirevox', 'designFloor')} x, ready for input`
  + ` ${ratio('ready', 'designFloor')} x its first frame`);
if (site) {
  console.log(`the single page over the same HTTP: first frame ${median(times.single).toFixed(1)} ms, ready for input`
    + ` ${median(times.singleReady).toFixed(1)} ms; ratios ${ratio('single')} x, ${ratio('singleReady')} x`);
}
if (against) {
  console.log(`${against}, in the same rounds: first frame ${median(times.against).toFixed(1)} ms, ready for input`
    + ` ${median(times.againstReady).toFixed(1)} ms; ratios ${ratio('against')} x, ${ratio('againstReady')} x`);
}
if (devTools) {
  console.log(`JavaScript heap used once ready: ${(median(times.heap) / 1024).toFixed(0)} KiB`
    + ` (the floor's: ${(median(times.floorHeap) / 1024).toFixed(0)} KiB)`);
}
