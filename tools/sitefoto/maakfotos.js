'use strict';
// node maakfotos.js <site folder> <output folder>: the sign-off page as a member sees it, on a
// phone (360x740) and on a computer (1280x800), in Debian's Chromium with its clock fixed, so
// the guide shows the real page and does not change with the day of the build.
const path = require('node:path');
const { chromium } = require('playwright-core');

const NU = '2025-09-01T10:00:00+02:00';
const SCHERMEN = [['afmeldsite-telefoon.png', 360, 740], ['afmeldsite-computer.png', 1280, 800]];

(async () => {
  const [map, uit] = process.argv.slice(2);
  const browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--font-render-hinting=none'],
  });
  try {
    for (const [naam, breed, hoog] of SCHERMEN) {
      const context = await browser.newContext({ viewport: { width: breed, height: hoog }, timezoneId: 'Europe/Amsterdam' });
      const pagina = await context.newPage();
      await pagina.clock.setFixedTime(new Date(NU));
      await pagina.goto('file://' + path.resolve(map, 'index.html'));
      await pagina.waitForFunction(() => document.getElementById('laden').hidden);
      if (await pagina.locator('#formulier').isHidden()) throw new Error(await pagina.textContent('#melding'));
      // A member halfway: name chosen, one date ticked.
      await pagina.selectOption('#vak0', { index: 3 });
      await pagina.check('input[name="dag[]"] >> nth=1');
      await pagina.screenshot({ path: path.join(uit, naam) });
      await context.close();
    }
  } finally {
    await browser.close();
  }
})().catch((e) => { console.error(e.message); process.exit(1); });
