// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// Which form of carrying the core reaches a compiled module soonest: the WebAssembly gzipped in
// base64 in the page and unpacked by DecompressionStream (what the page does), plain base64 in the
// page, or a separate file beside it, compiled as it streams (what a site could do). Each form is a
// bare page with the page's size of text around it, served over HTTP from one local server, in
// Chromium, in rotation: milliseconds from navigation to the first contentful paint and to the
// compiled module, medians. A benchmark, not a test.
// usage: node bench/web_carriage.mjs [RUNS] [BUILD_DIR] [CPU_SLOWDOWN]
import {readFileSync} from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import {gzipSync} from 'node:zlib';
import puppeteer from 'puppeteer-core';

const runs = Number(process.argv[2] ?? 31);
const build = process.argv[3] ?? 'build-web';
const slowdown = Number(process.argv[4] ?? 1);
const wasm = readFileSync(path.join(build, 'web', 'lirevox_core.wasm'));
const filler = '<p>' + '频率计算电容计算电感计算'.repeat(400) + '</p>';
const report = `<script type=module>
const paint = new Promise((seen) => new PerformanceObserver((list) => {
  const entry = list.getEntriesByName('first-contentful-paint')[0];
  if (entry) seen(entry.startTime);
}).observe({type: 'paint', buffered: true}));
window.compiled = (async () => { await compile(); return performance.now(); })().then(async (at) => [await paint, at]);
</script>`;
const forms = {
  'gzip + DecompressionStream': `<script>const carried = '${gzipSync(wasm, {level: 9}).toString('base64')}';
async function compile() {
  const bytes = Uint8Array.from(atob(carried), (char) => char.charCodeAt(0));
  const unpacked = await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  return WebAssembly.compile(unpacked);
}</script>`,
  'plain base64': `<script>const carried = '${wasm.toString('base64')}';
function compile() { return WebAssembly.compile(Uint8Array.from(atob(carried), (char) => char.charCodeAt(0))); }</script>`,
  'separate file, streamed': `<script>function compile() { return WebAssembly.compileStreaming(fetch('core.wasm')); }</script>`,
};
const server = http.createServer((request, response) => {
  if (request.url === '/core.wasm') {
    response.writeHead(200, {'content-type': 'application/wasm', 'cache-control': 'no-store'});
    return response.end(wasm);
  }
  const form = Object.keys(forms)[Number(request.url.slice(1))];
  response.writeHead(200, {'content-type': 'text/html; charset=utf-8', 'cache-control': 'no-store'});
  response.end(`<!DOCTYPE html><html lang=zh-CN><meta charset=utf-8><title>${form}</title>${forms[form]}${filler}${report}`);
}).listen(0);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking', '--disable-component-update']});
const page = await browser.newPage();
const devTools = await page.createCDPSession();
await devTools.send('Emulation.setCPUThrottlingRate', {rate: slowdown});
const times = Object.fromEntries(Object.keys(forms).map((form) => [form, {paint: [], compiled: []}]));
for (let run = -2; run < runs; ++run) {
  for (const [index, form] of Object.keys(forms).entries()) {
    await page.goto(address + index);
    const [paint, compiled] = await page.evaluate(() => window.compiled);
    if (run < 0) continue;
    times[form].paint.push(paint);
    times[form].compiled.push(compiled);
  }
}
await browser.close();
server.close();
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
console.log(`Chromium, CPU ${slowdown} x slower, ${runs} runs; ${wasm.length} bytes of WebAssembly`);
for (const [form, {paint, compiled}] of Object.entries(times))
  console.log(`${form.padEnd(28)} first paint ${median(paint).toFixed(1)} ms, compiled ${median(compiled).toFixed(1)} ms`);
