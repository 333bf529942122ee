// SPDX-FileCopyrightText: 2026 Oztrabel
// SPDX-License-Identifier: MIT

// The web edition in Debian's Chromium (Chinese) and Firefox ESR (German), driven by puppeteer-core:
// the page from disk, every control at its design place in its font, the Tab key's cycles, compute,
// refresh and the message box, the band, cancel on every tab, a long result, the keys, an entry of
// five million digits, input before the core is ready, a browser or a site's security policy that
// cannot run it, larger text; in Chromium also the hosted site offline and updated, no request after
// load, phones, 200 % zoom, forced colours, and the page in another's frame. The design table comes
// from the core itself, run under Node.
// LIREVOX_WEB_BUILD: the web build.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';
import {after, test} from 'node:test';
import puppeteer from 'puppeteer-core';
import {coreCalls} from '../../web/core_calls.mjs';

const build = process.env.LIREVOX_WEB_BUILD;
const source = new URL('../..', import.meta.url).pathname;
const coreScript = path.join(build, 'web/lirevox_core.js');
const core = await createRequire(import.meta.url)(coreScript)({
  wasmBinary: fs.readFileSync(path.join(build, 'web/lirevox_core.wasm'))});
const design = coreCalls(core).askJson('lirevox_design');
const address = `file://${path.resolve(build, 'lirevox.html')}`;
const browsers = {
  chromium: await puppeteer.launch({executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu',
    '--no-first-run', '--disable-background-networking', '--disable-component-update', '--lang=zh-CN']}),
  firefox: await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
    extraPrefsFirefox: {'intl.accept_languages': 'de-DE', 'intl.locale.requested': 'de-DE'}}),
};
after(() => Promise.all(Object.values(browsers).map((browser) => browser.close())));

// The shared window scenarios' rows, which the desktop windows' tests run too.
const scenarioRows = (scenario) => fs.readFileSync(new URL('../ui/window_scenarios.txt', import.meta.url), 'utf8')
  .split('\n').map((line) => line.split(' | ').map((field) => field.replaceAll('\\t', '\t')))
  .filter((fields) => fields.length > 1 && fields[0] === scenario).map((fields) => fields.slice(1));

const phone = {width: 360, height: 640, deviceScaleFactor: 3, isMobile: true, hasTouch: true};
const tablet = {width: 768, height: 1024, deviceScaleFactor: 2, isMobile: true, hasTouch: true};
const ready = () => 'ready' in document.documentElement.dataset;
async function open(browser, where = address, viewport = {width: 800, height: 600}) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.goto(where);
  await page.waitForFunction(ready);
  return page;
}
const text = (page, name) => page.$eval(`#${name}`, (shown) => shown.value ?? shown.textContent);
const type = (page, name, typed) => page.$eval(`#${name}`, (box, typed) => { box.value = typed; }, typed);
const click = (page, name) => page.click(`#${name}`);
const focused = (page) => page.evaluate(() => (document.activeElement.getAttribute('role') === 'tab' ? 'SSTab1'
  : document.activeElement.type === 'radio' ? 'band' : document.activeElement.id));
// The message box's title, prompt and button, and where the focus goes when it closes; '' if none.
const messageShown = (page) => page.evaluate(() => {
  const box = document.getElementById('message');
  const parts = [box.getAttribute('aria-labelledby'), box.getAttribute('aria-describedby'),
    ...[...box.querySelectorAll('h1, p, button')].map((part) => part.textContent)];
  return box.open ? (box.close(), [...parts, document.activeElement.id].join('|')) : '';
});
// The note that says why the calculator cannot run ('noscript': the page's own without JavaScript),
// or 'ready'; '' while neither.
const shownNote = () => ('ready' in document.documentElement.dataset ? 'ready'
  : [...document.querySelectorAll('.cannot-run-note')].filter((note) => note.getClientRects().length)
    .map((note) => note.id || 'noscript').join(' '));
async function waitForNote(page, note, what) {
  if (await page.evaluate(shownNote) === note) return;
  await page.waitForFunction(`(${shownNote})() === ${JSON.stringify(note)}`, {polling: 50, timeout: 15000})
    .catch(async () => assert.fail(`${what}: the page shows "${await page.evaluate(shownNote)}", not "${note}"`));
}
// The policy the README gives a site: the page's own scripts and styles, its core compiled from the
// data address it reads.
const sitePolicy = "default-src 'self'; script-src 'self' 'unsafe-inline' 'wasm-unsafe-eval'; "
  + "style-src 'unsafe-inline'; img-src 'self' data:; connect-src 'self' data:";
// What collides on each tab, named: two controls' texts (or an entry box) that overlap, a text
// cut by its control, a control outside the window or the page's width, a sideways scroll.
const collisions = (page) => page.evaluate(() => {
  const out = [];
  const inside = (inner, outer) => inner.left >= outer.left - 0.5 && inner.right <= outer.right + 0.5
    && inner.top >= outer.top - 0.5 && inner.bottom <= outer.bottom + 0.5;
  const window_ = document.getElementById('Frm_main').getBoundingClientRect();
  const room = document.documentElement.clientWidth;
  if (window_.left < 0 || window_.right > room + 0.5) out.push('the window wider than the page');
  if (document.documentElement.scrollWidth > room) out.push('a sideways scroll');
  for (const tab of document.querySelectorAll('[role="tab"]')) {
    tab.click();
    const boxes = [];
    for (const each of document.querySelectorAll('#Frm_main :is(label, span, legend, button, output, input[type="text"]):not([hidden] *)')) {
      if (each.closest('output') && each.localName === 'span') continue;
      const own = each.getBoundingClientRect();
      if (!inside(own, window_)) out.push(`${tab.id}: ${each.id} outside the window`);
      const range = document.createRange();
      range.selectNodeContents(each);
      const text = each.localName === 'input' ? own : range.getBoundingClientRect();
      if (!text.width) continue;
      // Cut sideways; a face's line may be taller than a label, by design.
      if (each.localName !== 'output' && (text.left < own.left - 0.5 || text.right > own.right + 0.5)) {
        out.push(`${tab.id}: the text of ${each.id || each.textContent} cut`);
      }
      boxes.push([each.id || each.textContent, text]);
    }
    for (const [index, [name, box]] of boxes.entries()) {
      for (const [other, against] of boxes.slice(index + 1)) {
        if (box.left < against.right - 0.5 && against.left < box.right - 0.5 && box.top < against.bottom - 0.5
          && against.top < box.bottom - 0.5) out.push(`${tab.id}: ${name} overlaps ${other}`);
      }
    }
  }
  document.querySelector('[role="tab"]').click();
  return out;
});

for (const [name, browser] of Object.entries(browsers)) {
  // A number as the browser's language writes it: German swaps the decimal and group separators.
  const local = (number) => (name === 'firefox' ? number.replace(/[.,]/g, (mark) => '.,'['.,'.indexOf(mark) ^ 1]) : number);

  test(`${name}: every control at its design place, in its font`, async () => {
    const page = await open(browser);
    for (const tab of [0, 1, 2, 3]) {
      await click(page, `SSTab1-tab${tab}`);
      const shown = design.controls.filter((each) => each.tab === tab || (each.tab < 0 && tab === 0));
      assert.deepEqual(await page.evaluate((controls) => controls.map((each) => {
        const box = document.getElementById(each.name).getBoundingClientRect();
        const origin = document.getElementById(each.container).getBoundingClientRect();
        const font = getComputedStyle(document.getElementById(each.name));
        return [each.name, box.left - origin.left, box.top - origin.top, box.width, box.height,
          parseFloat(font.fontSize), font.fontWeight, font.fontFamily.split(',')[0].replaceAll('"', ''),
          font.color].join(' ');
      }), shown), shown.map((each) => [each.name, each.left, each.top, each.width, each.height,
        (each.font.points * 96) / 72, each.font.bold ? '700' : '400', each.font.song ? '宋体' : 'Noto Sans CJK SC',
        each.kind === 'Result' ? 'rgb(255, 0, 0)' : 'rgb(0, 0, 0)'].join(' ')), `tab ${tab}`);
    }
    assert.equal(await page.$eval('title', (title) => title.textContent), design.title, 'the page title');
  });

  test(`${name}: the Tab key's cycles, compute, refresh, the message box, a long result, the band, cancel`, async () => {
    let page = await open(browser);
    for (const [tab, key, cycle] of scenarioRows('cycle')) {
      await click(page, `SSTab1-tab${tab}`);
      const seen = [];
      do {
        seen.push(await focused(page));
        if (seen.length > 1 && seen.at(-1) === 'SSTab1') break;
        if (key === 'Shift+Tab') await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        if (key === 'Shift+Tab') await page.keyboard.up('Shift');
      } while (seen.length < 12);
      assert.equal(seen.join(' '), cycle, `tab ${tab}, ${key}`);
    }
    // The band, the tab, its entries and what it shows; a failed compute keeps the last result.
    for (const [band, tab, upper, lower, shown] of scenarioRows('compute')) {
      const calculator = design.calculators[tab];
      await click(page, `SSTab1-tab${tab}`);
      await page.click(`#${band} input`);
      await type(page, calculator.upper, local(upper));
      await type(page, calculator.lower, local(lower));
      await page.$eval(`#${calculator.result} span`, (result) => { result.textContent = '7'; });
      await click(page, calculator.compute);
      const said = await messageShown(page);
      const fails = shown.charCodeAt(0) >= 0x80;
      assert.equal(said, fails ? `message-title|message-prompt|错误信息|${shown}|确定|${calculator.compute}` : '',
        `${band}, ${upper}, ${lower}: the message`);
      assert.equal(await text(page, calculator.result), fails ? '7' : local(shown), `${band}, ${upper}, ${lower}`);
      await click(page, calculator.refresh);
      assert.deepEqual(await Promise.all(calculator.cleared.map((cleared) => text(page, cleared))), ['', '', ''],
        `${band}, ${upper}, ${lower}: refresh`);
    }
    // 1e-149 MHz and 1 μH: over three hundred characters, drawn at the smallest size and cut with an
    // ellipsis, whole in the tooltip, in lines no wider than the screen.
    await click(page, 'SSTab1-tab1');
    await type(page, 'Text4', '1e-149');
    await type(page, 'Text3', '1');
    await click(page, 'Command1');
    const drawn = await page.$eval('#Label10', (output) => ({result: output.textContent, tooltip: output.title,
      size: parseFloat(getComputedStyle(output.firstChild).fontSize).toFixed(2), overflow: getComputedStyle(output).textOverflow,
      cut: output.scrollWidth > output.clientWidth}));
    assert.ok(drawn.result.length > 300, 'a result of over 300 characters');
    assert.equal(drawn.size, ((7 * 96) / 72).toFixed(2), 'drawn at 7 points');
    assert.equal(drawn.overflow, 'ellipsis', 'cut with an ellipsis');
    assert.ok(drawn.cut, 'cut');
    assert.equal(drawn.tooltip.replaceAll('\n', ''), drawn.result, 'the whole result in the tooltip');
    const widest = await page.evaluate((lines) => {
      const context = document.createElement('canvas').getContext('2d');
      context.font = getComputedStyle(document.body).font;
      return Math.max(...lines.map((line) => context.measureText(line).width)) <= screen.availWidth;
    }, drawn.tooltip.split('\n'));
    assert.ok(widest, 'every tooltip line within the screen');
    await page.click('#Option3 input');
    assert.deepEqual(await Promise.all(['Label18', 'Label9', 'Label10'].map((name) => text(page, name))),
      ['mH(毫亨)', 'KHz(千赫)', ''], 'the low band: its units, the result emptied');
    // Cancel closes the window where the browser lets the page close it, else says it has closed.
    for (const [index, calculator] of design.calculators.entries()) {
      if (!page.isClosed()) await page.close();
      page = await open(browser);
      await click(page, `SSTab1-tab${index}`);
      const closed = new Promise((resolve) => page.once('close', resolve));
      await click(page, calculator.cancel);
      await Promise.race([closed, page.isClosed() ? null
        : page.waitForFunction(() => !document.getElementById('closed').hidden).catch(() => {})]);
      assert.ok(page.isClosed() || await page.$eval('#closed', (closed) => !closed.hidden && closed.textContent
        === '计算器已关闭。重新打开'), calculator.cancel);
    }
  });

  // The shared key rows but the Ctrl keys, which the browser keeps for its own tabs.
  test(`${name}: the keys`, async () => {
    for (const [tab, focus, key, wanted] of scenarioRows('key').filter(([, , key]) => !key.startsWith('Ctrl+'))) {
      const page = await open(browser);
      await click(page, `SSTab1-tab${tab}`);
      await type(page, 'Text4', '10');
      await type(page, 'Text3', local('2.53'));
      await page.$eval('#Label10 span', (result) => { result.textContent = '7'; });
      await page.focus(focus === 'SSTab1' ? `#SSTab1-tab${tab}` : `#${focus}`);
      await page.keyboard.press(key);
      const front = await page.evaluate(() => document.querySelector('[aria-selected="true"]').id.at(-1));
      const entries = await Promise.all(['Text4', 'Text3', 'Label10'].map((each) => text(page, each)));
      assert.equal(`${front} ${await focused(page)} ${entries.join('/')}`, local(wanted), `${key} on ${focus}`);
      await page.close();
    }
  });

  // Five million digits reach the core whole: beyond the double range, then a normal compute.
  test(`${name}: an entry of any length`, async () => {
    const page = await open(browser);
    await type(page, 'Text1', '9'.repeat(5_000_000));
    await type(page, 'Text2', '10');
    await click(page, 'Command2');
    assert.match(await messageShown(page), /数值溢出/, 'five million digits: beyond the double range');
    await type(page, 'Text1', '100');
    await click(page, 'Command2');
    assert.equal(await text(page, 'Label5'), local('5.03'), 'a compute after it');
  });

  // The core made to take two seconds: what the user does meanwhile is answered once it is ready, in
  // order, each key from where the one before it left the focus, the editing keys included.
  test(`${name}: input before the core is ready`, async () => {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
      const carry = fetch;
      window.fetch = (...args) => new Promise((wait) => setTimeout(wait, 2000)).then(() => carry(...args));
    });
    await page.goto(address);
    await page.click('label[for="Text1"]');
    await page.keyboard.type('100');
    await page.keyboard.press('Tab');
    await page.keyboard.type('1x0');
    for (const key of ['ArrowLeft', 'Backspace', 'Home', 'Delete']) await page.keyboard.press(key);
    await page.keyboard.type('1');
    await click(page, 'Command2');
    await page.keyboard.press('Tab');
    await page.keyboard.type('4');
    assert.ok(!await page.evaluate(ready), 'the core still loading while the user typed');
    await page.waitForFunction(ready);
    assert.equal(await text(page, 'Text2'), '10', 'typed and edited after the Tab key, in the box it reached');
    assert.equal(await text(page, 'Label5'), local('5.03'), 'the compute clicked early, of both entries');
    assert.equal(await focused(page), 'Text1', 'the Tab key pressed early, from 计 算');
    assert.equal(await text(page, 'Text1'), '4', 'the key typed after it, in the box it reached');
  });

  // Without JavaScript, WebAssembly or DecompressionStream, or where the core cannot start: the page
  // says why it cannot run.
  test(`${name}: a browser that cannot run it says why`, async () => {
    for (const [missing, note] of [['JavaScript', 'noscript'], ['WebAssembly', 'no-webassembly'],
      ['DecompressionStream', 'old-browser'], ['WebAssembly.Instance', 'old-browser']]) {
      // Firefox's driver cannot switch JavaScript off.
      if (missing === 'JavaScript' && name === 'firefox') continue;
      const page = await browser.newPage();
      if (missing === 'JavaScript') await page.setJavaScriptEnabled(false);
      else await page.evaluateOnNewDocument((name) => {
        const [owner, member] = name.split('.');
        delete (member ? window[owner] : window)[member ?? owner];
      }, missing);
      await page.goto(address);
      await waitForNote(page, note, `without ${missing}`);
      assert.ok(await page.$eval('#Frm_main', (shown) => getComputedStyle(shown).pointerEvents === 'none'),
        `without ${missing}: the window shown as not working`);
      await page.close();
    }
  });

  // A site whose security policy refuses the page's scripts, or its core's compiling: the page says
  // it is the site's settings; the policy the README gives lets it run.
  test(`${name}: a site's security policy`, async () => {
    for (const [policy, note] of [["script-src 'self'", 'blocked'], ["script-src 'unsafe-inline'", 'blocked'],
      [sitePolicy, 'ready']]) {
      const host = await serve(build, {'content-security-policy': policy});
      const page = await browser.newPage();
      await page.goto(`${host.address}lirevox.html`);
      await waitForNote(page, note, policy);
      await page.close();
      await host.close();
    }
  });
}

// Serves a folder on loopback, as a web host would; the folder can change between requests.
async function serve(folder, headers = {}) {
  const types = {'.html': 'text/html', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json'};
  const host = {folder};
  const server = http.createServer((request, response) => {
    const file = path.join(host.folder, request.url === '/' ? 'index.html' : path.normalize(request.url));
    if (!fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, {'content-type': types[path.extname(file)] ?? 'image/png', ...headers})
      .end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  host.address = `http://127.0.0.1:${server.address().port}/`;
  host.close = () => new Promise((resolve) => {
    server.close(resolve);
    server.closeAllConnections();
  });
  return host;
}

test('chromium: the site installable, offline after its first visit, updated for a returning visitor', async () => {
  const host = await serve(path.join(build, 'site'));
  const site = host.address;
  const page = await open(browsers.chromium, site);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const devTools = await page.createCDPSession();
  assert.deepEqual((await devTools.send('Page.getInstallabilityErrors')).installabilityErrors, [], 'installable');
  assert.equal((await page.goto(`${site}other.html`)).status(), 404, 'another page beside it: the host answers');
  // The site rebuilt with a changed text, served at the same address: the second visit shows it.
  const rebuilt = fs.mkdtempSync(path.join(os.tmpdir(), 'lirevox-site-'));
  for (const folder of ['web', 'resources']) fs.cpSync(path.join(source, folder), path.join(rebuilt, folder), {recursive: true});
  const template = path.join(rebuilt, 'web/lirevox.html');
  fs.writeFileSync(template, fs.readFileSync(template, 'utf8').replace('计算器已关闭。', '计算器已关闭（新版）。'));
  execFileSync('cmake', [`-DSOURCE=${rebuilt}`, `-DCORE=${coreScript}`, `-DOUT=${rebuilt}/out`, '-P',
    path.join(source, 'web/page.cmake')]);
  host.folder = path.join(rebuilt, 'out/site');
  const newCache = /const cache = '([^']+)'/.exec(fs.readFileSync(path.join(host.folder, 'service_worker.js'), 'utf8'))[1];
  const closedText = () => document.getElementById('closed').textContent;
  await page.goto(site);
  await page.waitForFunction((name) => caches.keys().then((names) => names.join() === name), {}, newCache);
  await page.goto(site);
  assert.match(await page.evaluate(closedText), /新版/, 'the new build on the visit after the update');
  await host.close();
  await page.setOfflineMode(true);
  for (const where of ['', 'index.html']) {
    await page.goto(site + where);
    await page.waitForFunction(ready);
    assert.match(await page.evaluate(closedText), /新版/, `offline at ./${where}`);
  }
  fs.rmSync(rebuilt, {recursive: true});
});

// Where a tap's tooltip stands wrong: beyond the page's width, or away from just below its result.
const tipFaults = (page) => page.$eval('#tip', (tip) => {
  const box = tip.getBoundingClientRect();
  const below = document.getElementById('Label5').getBoundingClientRect().bottom + 4;
  const room = document.documentElement.clientWidth;
  return [box.right > room + 0.5 || document.documentElement.scrollWidth > room ? 'beyond the page' : '',
    Math.abs(box.top - below) > 1 ? `at ${box.top}, not ${below}` : ''].filter(Boolean);
});

// Phones in portrait (280 and 360 px wide) and landscape, a tablet, an 800 × 600 window zoomed to
// 200 %: the whole window in view, every caption whole, and nothing requested after load; on a
// touch screen a tap shows a cut result whole, within the page, and a tap on it closes it.
test('chromium: phones, a tablet and 200 % zoom', async () => {
  for (const viewport of [phone, {...phone, width: 280, height: 600}, {...phone, width: 640, height: 360}, tablet,
    {width: 400, height: 300, deviceScaleFactor: 2}]) {
    const shape = `${viewport.width} × ${viewport.height}`;
    const page = await open(browsers.chromium, address, viewport);
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    assert.deepEqual(await collisions(page), [], `${shape}: collisions`);
    if (viewport.hasTouch) {
      await type(page, 'Text1', '1e-149');
      await type(page, 'Text2', '10');
      await click(page, 'Command2');
      await page.tap('#Label5');
      assert.equal(await page.$eval('#tip', (tip) => !tip.hidden && tip.textContent.replaceAll('\n', '')),
        await text(page, 'Label5'), `${shape}: a tap shows the whole result`);
      assert.deepEqual(await tipFaults(page), [], `${shape}: the tooltip`);
      await page.tap('#tip');
      assert.ok(await page.$eval('#tip', (tip) => tip.hidden), `${shape}: a tap on the tooltip closes it`);
    }
    assert.deepEqual(requests, [], `${shape}: nothing requested`);
    await page.close();
  }
});

// A phone turned while a tap's tooltip shows: the tooltip follows its result, within the new width.
test('chromium: a phone turned with a tooltip shown', async () => {
  const page = await open(browsers.chromium, address, phone);
  await type(page, 'Text1', '1e-149');
  await type(page, 'Text2', '10');
  await click(page, 'Command2');
  await page.tap('#Label5');
  await page.setViewport({...phone, width: 640, height: 360});
  let faults = ['the page never turned'];
  for (const until = Date.now() + 5000; faults.length && Date.now() < until;) {
    await new Promise((later) => setTimeout(later, 50));
    if (await page.evaluate(() => document.documentElement.clientWidth === 640)) faults = await tipFaults(page);
  }
  assert.deepEqual(faults, [], 'the tooltip after the turn');
});

// On a tablet every control answers a touch anywhere in the 24 × 24 px square centred on it (an
// entry through its caption too); the entries ask for a keyboard of digits. The controls that do
// not, named.
test('chromium: touch targets on a tablet', async () => {
  const page = await open(browsers.chromium, address, tablet);
  const missed = await page.evaluate(() => {
    const out = [];
    for (const tab of document.querySelectorAll('[role="tab"]')) {
      tab.click();
      for (const each of document.querySelectorAll('#Frm_main :is([role="tab"], .option, input[type="text"], button):not([hidden] *)')) {
        const box = each.getBoundingClientRect();
        const [x, y] = [box.left + box.width / 2, box.top + box.height / 2];
        for (const [dx, dy] of [[-12, -12], [12, -12], [-12, 12], [12, 12], [0, -12], [0, 12], [-12, 0], [12, 0]]) {
          const hit = document.elementFromPoint(x + dx * 0.99, y + dy * 0.99);
          if (!each.contains(hit) && hit?.control !== each) out.push(`${each.id || each.parentElement.id} at ${dx}, ${dy}`);
        }
      }
    }
    return out;
  });
  assert.deepEqual(missed, [], 'controls a touch misses');
  assert.equal(await page.$eval('#Text4', (box) => box.inputMode), 'decimal', 'the entries\' keyboard');
});

// On a phone a tab's two entries stand closer than 24 px: each reaches into the room between them.
test('chromium: on a phone, an entry answers a tap just outside it', async () => {
  const page = await open(browsers.chromium, address, phone);
  const missed = await page.evaluate(() => [...document.querySelectorAll('#SSTab1-page0 input')].flatMap((entry) => {
    const box = entry.getBoundingClientRect();
    return [['above', box.top - 1], ['below', box.bottom + 1]].filter(([, y]) =>
      document.elementFromPoint(box.left + box.width / 2, y)?.control !== entry).map(([side]) => `${entry.id} ${side}`);
  }));
  assert.deepEqual(missed, [], 'entries a tap just outside misses');
});

// A browser's larger text, as low-vision users set it: a minimum font size, a default font size, a
// text-only zoom. The window grows as a whole, nothing collides, and a result the label cuts carries
// its whole text in its tooltip.
test('larger text: a minimum or default font size, a text-only zoom', async () => {
  for (const [setting, chromiumPrefs, firefoxPrefs, grown] of [
    ['at least 20 px', {minimum_font_size: 20}, {'font.minimum-size.zh-CN': 20}, 1],
    ['at least 24 px', {minimum_font_size: 24}, {'font.minimum-size.zh-CN': 24}, 1],
    // The system's text size, which this setting makes a text-only zoom.
    ['text zoomed to 200 %', null, {'ui.textScaleFactor': 200, 'browser.display.os-zoom-behavior': 2}, 1],
    ['28 px by default', {default_font_size: 28}, {'font.size.variable.zh-CN': 28}, 28 / 16],
  ]) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'lirevox-chromium-'));
    fs.mkdirSync(path.join(profile, 'Default'));
    fs.writeFileSync(path.join(profile, 'Default/Preferences'), JSON.stringify({webkit: {webprefs: chromiumPrefs}}));
    const enlarged = {
      chromium: chromiumPrefs && await puppeteer.launch({executablePath: '/usr/bin/chromium', userDataDir: profile,
        args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking']}),
      firefox: await puppeteer.launch({browser: 'firefox', executablePath: '/usr/bin/firefox-esr',
        extraPrefsFirefox: firefoxPrefs}),
    };
    for (const [name, browser] of Object.entries(enlarged).filter(([, browser]) => browser)) {
      const page = await open(browser, address, {width: 1280, height: 900});
      // 2533029.… μH: ten characters, which a large text cuts.
      for (const [tab, upper, lower] of [[0, '100', '10'], [1, '100', '10'], [2, '0.01', '100']]) {
        const calculator = design.calculators[tab];
        await click(page, `SSTab1-tab${tab}`);
        await type(page, calculator.upper, upper);
        await type(page, calculator.lower, lower);
        await click(page, calculator.compute);
        const shown = await page.$eval(`#${calculator.result}`, (output) => ({text: output.textContent,
          tooltip: output.title.replaceAll('\n', ''), cut: output.firstChild.offsetWidth > output.clientWidth}));
        if (shown.cut) assert.equal(shown.tooltip, shown.text, `${name}, ${setting}: ${shown.text} cut, its tooltip`);
      }
      assert.deepEqual(await collisions(page), [], `${name}, ${setting}`);
      const width = await page.$eval('#Frm_main', (window_) => window_.getBoundingClientRect().width);
      assert.ok(width >= design.width * grown - 1, `${name}, ${setting}: the window ${width} px wide`);
      await browser.close();
    }
    fs.rmSync(profile, {recursive: true});
  }
});

// How many colours the screen shows where an element's text is, counted by the page from a screenshot.
async function coloursOfText(page, selector) {
  const clip = await page.$eval(selector, (element) => {
    const range = document.createRange();
    range.selectNodeContents(element);
    // Within the text's edges, where the background around it blends in.
    const {x, y, width, height} = range.getBoundingClientRect();
    return {x: x + 2, y: y + 2, width: width - 4, height: height - 4};
  });
  const png = await page.screenshot({clip, encoding: 'base64'});
  return page.evaluate(async (png) => {
    const image = new Image();
    image.src = `data:image/png;base64,${png}`;
    await image.decode();
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    return new Set(new Uint32Array(context.getImageData(0, 0, image.width, image.height).data.buffer)).size;
  }, png);
}

// A high-contrast scheme, light and dark: the front tab and the results in colours of their own, and
// the front tab's caption drawn in a colour apart from its background.
test('chromium: forced colours', async () => {
  const page = await open(browsers.chromium);
  const devTools = await page.createCDPSession();
  for (const scheme of ['light', 'dark']) {
    await devTools.send('Emulation.setEmulatedMedia', {features: [{name: 'forced-colors', value: 'active'},
      {name: 'prefers-color-scheme', value: scheme}]});
    await type(page, 'Text1', '100');
    await type(page, 'Text2', '10');
    await click(page, 'Command2');
    const colours = await page.evaluate(() => {
      const style = (name) => getComputedStyle(document.getElementById(name));
      return {front: style('SSTab1-tab0').backgroundColor, back: style('SSTab1-tab1').backgroundColor,
        result: style('Label5').color, caption: style('Label7').color};
    });
    assert.notEqual(colours.front, colours.back, `${scheme}: the front tab stands apart`);
    assert.notEqual(colours.result, colours.caption, `${scheme}: the result stands apart`);
    assert.ok(await coloursOfText(page, '#SSTab1-tab0') > 2, `${scheme}: the front tab's caption seen`);
  }
});

// In another page's frame the calculator leaves the focus to its host.
test('chromium: in a frame, the host keeps the focus', async () => {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'lirevox-host-'));
  fs.copyFileSync(path.join(build, 'lirevox.html'), path.join(folder, 'lirevox.html'));
  fs.writeFileSync(path.join(folder, 'index.html'), '<input id="host" autofocus><iframe src="lirevox.html"></iframe>');
  const host = await serve(folder);
  const page = await browsers.chromium.newPage();
  await page.goto(host.address);
  await page.focus('#host');
  const frame = await (await page.$('iframe')).contentFrame();
  await frame.waitForFunction(ready);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'host', 'the focus');
  await host.close();
  fs.rmSync(folder, {recursive: true});
});
