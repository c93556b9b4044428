// The pages in Firefox ESR (Debian's firefox-esr, headless, WebGL on Mesa
// through EGL), driven by puppeteer-core, which uses the installed browser
// and downloads nothing.  Each fixed-file page and Kalvera's dialogue,
// typed key by key into its field, from file://; for each, the canvas as a
// PNG and what the page says, for check_pages.py to hold against the Linux
// programs.
//   node firefox.mjs NODE_MODULES PAGES_DIR OUT_DIR FIXED... -- LINE...
// writes OUT_DIR/NAME.png, OUT_DIR/Kalvera-typed.png and OUT_DIR/firefox.json.
import { createRequire } from 'node:module';
import fs from 'node:fs';
import path from 'node:path';

const [modules, pages, out] = process.argv.slice(2, 5).map((p) => path.resolve(p));
const rest = process.argv.slice(5);
const fixed = rest.slice(0, rest.indexOf('--'));
const lines = rest.slice(rest.indexOf('--') + 1);
const puppeteer = createRequire(path.join(modules, 'x.js'))('puppeteer-core');

const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: '/usr/bin/firefox-esr',
  headless: true,
  // Headless Firefox finds WebGL on Mesa through EGL only.
  env: { ...process.env, MOZ_WEBGL_FORCE_EGL: '1' },
  extraPrefsFirefox: { 'webgl.force-enabled': true },
});
const report = { pages: {} };
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1500, height: 1000 });
  const problems = [];
  page.on('console', (m) => {
    if (m.type() === 'error' || m.type() === 'warn') problems.push(m.text());
  });
  page.on('pageerror', (e) => problems.push(String(e)));

  // The canvas once it shows the clear colour and has held still: its PNG.
  async function drawn() {
    let last = null;
    for (let i = 0; i < 100; i++) {
      const now = await page.evaluate(() => {
        const c = document.getElementById('canvas');
        if (!c) return null;
        const copy = document.createElement('canvas');
        copy.width = c.width;
        copy.height = c.height;
        const g = copy.getContext('2d');
        g.drawImage(c, 0, 0);
        const p = g.getImageData(0, 0, 1, 1).data;
        return { beige: p[0] === 230 && p[1] === 230 && p[2] === 204, png: c.toDataURL('image/png') };
      });
      if (now && now.beige) {
        if (last === now.png) return Buffer.from(now.png.split(',')[1], 'base64');
        last = now.png;
      }
      await new Promise((r) => setTimeout(r, 300));
    }
    throw new Error('no picture in ' + page.url());
  }
  async function said() {
    return page.evaluate(() => ({
      title: document.title,
      canvas: document.getElementById('canvas').getAttribute('aria-label'),
      output: window.geometrijaOutput(),
      field: document.getElementById('line').getAttribute('aria-label'),
    }));
  }

  for (const program of fixed) {
    await page.goto('file://' + path.join(pages, program + '.html'));
    fs.writeFileSync(path.join(out, program + '.png'), await drawn());
    report.pages[program] = await said();
  }
  await page.goto('file://' + path.join(pages, 'Kalvera.html'));
  await page.waitForFunction(() => document.getElementById('output').textContent);
  const asked = (await said()).field;
  for (const line of lines) {
    await page.type('#line', line);
    await page.keyboard.press('Enter');
  }
  fs.writeFileSync(path.join(out, 'Kalvera-typed.png'), await drawn());
  report.pages.Kalvera = { ...(await said()), asked };
  report.problems = problems;
  report.version = await browser.version();
} finally {
  await browser.close();
}
fs.writeFileSync(path.join(out, 'firefox.json'), JSON.stringify(report, null, 1));
