// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition in Debian's Chromium (Chinese) and Firefox ESR (German), driven by puppeteer-core:
// the page from disk, every control at its design place in its font at device pixel ratios 1 and 2,
// the Tab key's cycles, compute, refresh and the message box, the band, cancel on every tab, a long
// result; in Chromium also the hosted site offline, no request after load, and a phone's width.
// The design table comes from the core itself, run under Node. LIREVOX_WEB_BUILD: the web build.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import path from 'node:path';
import {after, test} from 'node:test';
import puppeteer from 'puppeteer-core';

const build = process.env.LIREVOX_WEB_BUILD;
const core = await createRequire(import.meta.url)(path.join(build, 'web/lirevox_core.js'))({
  wasmBinary: fs.readFileSync(path.join(build, 'web/lirevox_core.wasm'))});
const design = JSON.parse(core.ccall('lirevox_design', 'string', [], []));
const address = `file://${path.resolve(build, 'lirevox.html')}`;
const browsers = {
  chromium: await puppeteer.launch({executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu',
    '--no-first-run', '--disable-background-networking', '--disable-component-update', '--lang=zh-CN']}),
  firefox: await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: {'intl.accept_languages': 'de-DE', 'intl.locale.requested': 'de-DE'}}),
};
after(() => Promise.all(Object.values(browsers).map((browser) => browser.close())));

async function open(browser, where = address, viewport = {width: 800, height: 600}) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(where);
  await page.waitForFunction(() => document.activeElement?.getAttribute('role') === 'tab');
  return page;
}
const text = (page, name) => page.$eval(`#${name}`, (shown) => shown.value ?? shown.textContent);
const type = (page, name, typed) => page.$eval(`#${name}`, (box, typed) => { box.value = typed; }, typed);
const click = (page, name) => page.click(`#${name}`);

for (const [name, browser] of Object.entries(browsers)) {
  // A number as the browser's language writes it: German swaps the decimal and group separators.
  const local = (number) => (name === 'firefox' ? number.replace(/[.,]/g, (mark) => '.,'['.,'.indexOf(mark) ^ 1]) : number);

  test(`${name}: every control at its design place, in its font`, async () => {
    const page = await open(browser);
    for (const deviceScaleFactor of [1, 2]) {
      await page.setViewport({width: 800, height: 600, deviceScaleFactor});
      for (const tab of [0, 1, 2, 3]) {
        await click(page, `SSTab1-tab${tab}`);
        const shown = design.controls.filter((each) => each.tab === tab || (each.tab < 0 && tab === 0));
        assert.deepEqual(await page.evaluate((controls) => controls.map((each) => {
          const box = document.getElementById(each.name).getBoundingClientRect();
          const origin = document.getElementById({Window: 'Frm_main', Frame1: 'Frame1'}[each.container] ?? 'SSTab1')
            .getBoundingClientRect();
          const font = getComputedStyle(document.getElementById(each.name));
          return [box.left - origin.left, box.top - origin.top, box.width, box.height, parseFloat(font.fontSize),
            font.fontWeight, font.fontFamily.split(',')[0].replaceAll('"', ''), font.color].join(' ');
        }), shown), shown.map((each) => [each.left, each.top, each.width, each.height, each.font.px,
          each.font.bold ? '700' : '400', each.font.song ? '宋体' : 'Noto Sans CJK SC',
          each.kind === 'Result' ? 'rgb(255, 0, 0)' : 'rgb(0, 0, 0)'].join(' ')));
      }
    }
    assert.equal(await page.$eval('title', (title) => title.textContent), design.title);
  });

  test(`${name}: the Tab key's cycles, compute, refresh, the message box, a long result, the band, cancel`, async () => {
    let page = await open(browser);
    for (const [tab, shift, cycle] of [[0, false, 'SSTab1 Command3 Command2 Text1 Text2 band Command6 SSTab1'],
      [1, false, 'SSTab1 Text3 Text4 Command1 Command10 band Command7 SSTab1'],
      [2, false, 'SSTab1 band Command4 Command5 Text5 Text6 Command11 SSTab1'], [3, false, 'SSTab1 band SSTab1'],
      [2, true, 'SSTab1 Command11 Text6 Text5 Command5 Command4 band SSTab1']]) {
      await click(page, `SSTab1-tab${tab}`);
      const seen = [];
      do {
        seen.push(await page.evaluate(() => (document.activeElement.getAttribute('role') === 'tab' ? 'SSTab1'
          : document.activeElement.type === 'radio' ? 'band' : document.activeElement.id)));
        if (seen.length > 1 && seen.at(-1) === 'SSTab1') break;
        await (shift ? page.keyboard.down('Shift') : null);
        await page.keyboard.press('Tab');
        await (shift ? page.keyboard.up('Shift') : null);
      } while (seen.length < 12);
      assert.equal(seen.join(' '), cycle, `tab ${tab}`);
    }
    // The band, the tab, its entries and what it shows; a failed compute keeps the last result.
    for (const [band, tab, upper, lower, shown] of [['Option4', 1, '10', '2.53', '100.12'],
      ['Option3', 2, '100', '253.3', '10.'], ['Option3', 0, '470', '10', '73.41'],
      ['Option4', 1, '', '1', '请输入计算参数信息！'], ['Option4', 1, '2,53', '1', '请输入数值型参数信息！'],
      ['Option4', 1, '0', '1', '除数为零，请检查输入的参数！']]) {
      const calculator = design.calculators[tab];
      await click(page, `SSTab1-tab${tab}`);
      await page.click(`#${band} input`);
      await type(page, calculator.upper, local(upper));
      await type(page, calculator.lower, local(lower));
      await click(page, calculator.compute);
      const said = await page.evaluate(() => {
        const box = document.getElementById('message');
        const parts = [box.getAttribute('aria-labelledby'), box.getAttribute('aria-describedby'),
          ...[...box.querySelectorAll('h1, p, button')].map((part) => part.textContent)];
        return box.open ? (box.close(), [...parts, document.activeElement.id].join('|')) : '';
      });
      assert.equal(said || await text(page, calculator.result), said
        ? `message-title|message-prompt|错误信息|${shown}|确定|${calculator.compute}` : local(shown));
      await click(page, calculator.refresh);
      assert.deepEqual(await Promise.all(calculator.cleared.map((cleared) => text(page, cleared))), ['', '', '']);
    }
    // 1e-149 MHz and 1 μH: over three hundred characters, drawn at the smallest size and cut with an
    // ellipsis, whole in the tooltip, in lines no wider than the screen.
    await click(page, 'SSTab1-tab1');
    await type(page, 'Text4', '1e-149');
    await type(page, 'Text3', '1');
    await click(page, 'Command1');
    const [result, size, overflow, cut, tooltip] = await page.$eval('#Label10', (output) => [output.textContent,
      parseFloat(getComputedStyle(output.firstChild).fontSize).toFixed(2), getComputedStyle(output).textOverflow,
      output.scrollWidth > output.clientWidth, output.title]);
    assert.deepEqual([result.length > 300, tooltip.includes('\n'), size, overflow, cut, tooltip.replaceAll('\n', '')],
      [true, true, ((7 * 96) / 72).toFixed(2), 'ellipsis', true, result]);
    await page.click('#Option3 input');
    assert.equal(await text(page, 'Label18') + await text(page, 'Label9') + await text(page, 'Label10'), 'mH(毫亨)KHz(千赫)');
    // Cancel closes the window where the browser lets the page close it, else says it has closed.
    for (const [index, calculator] of design.calculators.entries()) {
      if (!page.isClosed()) await page.close();
      page = await open(browser);
      await click(page, `SSTab1-tab${index}`);
      await click(page, calculator.cancel);
      await new Promise((resolve) => setTimeout(resolve, 300));
      assert.ok(page.isClosed() || await page.$eval('#closed', (closed) => !closed.hidden && closed.textContent
        === '计算器已关闭。重新打开'), calculator.cancel);
    }
  });
}

test('chromium: the site installable, offline after its first visit; no request after load; a phone; 200 % zoom', async () => {
  const site = path.join(build, 'site');
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json'};
  const server = http.createServer((request, response) => {
    const file = path.join(site, request.url === '/' ? 'index.html' : path.normalize(request.url));
    if (!fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, {'content-type': types[path.extname(file)] ?? 'image/png'}).end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const page = await open(browsers.chromium, `http://127.0.0.1:${server.address().port}/`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const devTools = await page.createCDPSession();
  assert.deepEqual((await devTools.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  await new Promise((resolve) => server.close(resolve));
  await page.setOfflineMode(true);
  await page.reload();
  await page.waitForFunction(() => document.activeElement?.getAttribute('role') === 'tab');
  // A phone's width, and an 800 × 600 window zoomed to 200 %: the whole window in view, every caption whole.
  for (const viewport of [{width: 360, height: 640}, {width: 400, height: 300, deviceScaleFactor: 2}]) {
    const phone = await open(browsers.chromium, address, viewport);
    const requests = [];
    phone.on('request', (request) => requests.push(request.url()));
    await type(phone, 'Text1', '100');
    await type(phone, 'Text2', '10');
    await click(phone, 'Command2');
    assert.deepEqual([await text(phone, 'Label5'), await phone.evaluate(() => document.getElementById('Frm_main')
      .getBoundingClientRect().right <= innerWidth && document.documentElement.scrollWidth <= innerWidth
      && [...document.querySelectorAll('#Frm_main :is(label, span, button, legend)')]
        .every((caption) => caption.scrollWidth <= caption.clientWidth)), requests], ['5.03', true, []]);
  }
});
