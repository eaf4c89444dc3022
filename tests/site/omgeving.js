'use strict';
// The real parts the site tests run on: a folder as uploaded, PHP's built-in server with a
// sendmail that keeps each mail, Debian's Chromium, and the desktop's Node harness for VulCombo.
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const net = require('node:net');
const { spawn, execFileSync } = require('node:child_process');
const { chromium } = require('playwright-core');

const SITE = path.join(__dirname, '..', '..', 'site');
const BESTANDEN = ['index.html', 'afmelden.js', 'afmelden.css', 'afmelden.php', '.htaccess'];
const tijdelijk = (naam) => fs.mkdtempSync(path.join(os.tmpdir(), naam));

// The site folder with this hovelink.js (none when null) and further files { naam: Buffer }.
function maakMap(script, extra = {}) {
  const map = tijdelijk('afm-');
  for (const f of BESTANDEN) fs.copyFileSync(path.join(SITE, f), path.join(map, f));
  if (script) fs.writeFileSync(path.join(map, 'hovelink.js'), script);
  for (const [naam, inhoud] of Object.entries(extra)) fs.writeFileSync(path.join(map, naam), inhoud);
  return map;
}

async function vrijePoort() {
  const s = net.createServer();
  await new Promise((klaar) => s.listen(0, '127.0.0.1', klaar));
  const { port } = s.address();
  await new Promise((klaar) => s.close(klaar));
  return port;
}

// "=?UTF-8?B?...?=" words back to text.
const ontcijfer = (t) => t.replace(/=\?UTF-8\?B\?([^?]*)\?=\s*/gi, (_, b) => Buffer.from(b, 'base64').toString('utf8')).trim();

function leesMail(bestand) {
  const tekst = fs.readFileSync(bestand, 'utf8');
  const scheiding = tekst.search(/\r?\n\r?\n/);
  const koppen = {};
  for (const regel of tekst.slice(0, scheiding).replace(/\r?\n[ \t]/g, ' ').split(/\r?\n/)) {
    const i = regel.indexOf(':');
    koppen[regel.slice(0, i).toLowerCase()] = regel.slice(i + 1).trim();
  }
  const regels = tekst.slice(scheiding).replace(/^\r?\n\r?\n/, '').split(/\r?\n/);
  if (regels.at(-1) === '') regels.pop();
  return { aan: koppen.to, onderwerp: ontcijfer(koppen.subject || ''), regels };
}

// php -S on the folder, its clock fixed by HOVELINK_NU in its own environment.
async function startPhp(map, nu) {
  const post = tijdelijk('mail-');
  const poort = await vrijePoort();
  const php = spawn('php', ['-d', `sendmail_path=${path.join(__dirname, 'bewaarmail.sh')} ${post}`,
    '-S', `127.0.0.1:${poort}`, '-t', map, path.join(__dirname, 'router.php')],
  { env: { ...process.env, HOVELINK_NU: nu }, stdio: 'ignore' });
  const url = `http://127.0.0.1:${poort}/`;
  for (let i = 0; ; i++) {
    try { await fetch(url + 'afmelden.css'); break; } catch (e) {
      if (i > 100) throw e;
      await new Promise((klaar) => setTimeout(klaar, 50));
    }
  }
  return {
    url,
    mails: () => fs.readdirSync(post).sort().map((f) => leesMail(path.join(post, f))),
    data: () => (fs.existsSync(path.join(map, 'afmelddata.php')) ? fs.readFileSync(path.join(map, 'afmelddata.php'), 'utf8').split('\n').slice(0, -1) : []),
    // A raw post as a browser on the site would send it, changed by `anders`.
    post: (velden, { origin = url.slice(0, -1), methode = 'POST' } = {}) => fetch(url + 'afmelden.php', {
      method: methode,
      headers: origin ? { Origin: origin } : {},
      body: methode === 'POST' ? new URLSearchParams(velden) : undefined,
    }),
    stop: () => php.kill(),
  };
}

const browser = () => chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

// A page at `url` with the browser's clock fixed at `nu`, once the data file is handled.
// bypassCSP only lets axe-core in, which the page's policy rightly keeps out.
async function open(b, url, { nu, breed = 1280, hoog = 800, zone = 'Europe/Amsterdam', bypassCSP = false } = {}) {
  const context = await b.newContext({ viewport: { width: breed, height: hoog }, timezoneId: zone, bypassCSP });
  const pagina = await context.newPage();
  if (nu) await pagina.clock.setFixedTime(new Date(nu));
  await pagina.goto(url);
  await pagina.waitForFunction(() => document.getElementById('laden').hidden);
  return pagina;
}

// What a visitor sees: texts, the four boxes, the play dates.
const toestand = (pagina) => pagina.evaluate(() => {
  const tekst = (id) => { const e = document.getElementById(id); return e.hidden ? null : e.textContent; };
  return {
    titel: document.title,
    kop: tekst('titel'),
    melding: tekst('melding') || null,
    contact: tekst('contact'),
    formulier: !document.getElementById('formulier').hidden,
    vakken: [0, 1, 2, 3].map((k) => {
      const v = document.getElementById('vak' + k);
      return { naam: v.name, zichtbaar: !v.parentNode.hidden, label: v.labels[0].textContent, opties: [...v.options].map((o) => ({ tekst: o.textContent, waarde: o.value })) };
    }),
    dagen: [...document.querySelectorAll('.dag')].map((d) => [d.querySelector('input').value, d.querySelector('label').textContent]),
  };
});

// VulCombo's own output for each script, from the desktop's Node harness.
function vulCombo(scripts) {
  const map = tijdelijk('harnas-');
  const lijst = scripts.map(({ script, namen }, i) => {
    const pad = path.join(map, i + '.js');
    fs.writeFileSync(pad, script);
    return { pad, namen };
  });
  fs.writeFileSync(path.join(map, 'lijst.json'), JSON.stringify(lijst));
  const uit = execFileSync('node', [path.join(__dirname, '..', 'script', 'harness.js'), path.join(map, 'lijst.json')], { encoding: 'utf8' });
  return uit.trim().split('\n').map((r) => JSON.parse(r));
}

// A 24-bit BMP of w x h pixels.
function bmp(w, h) {
  const rij = Math.ceil((w * 3) / 4) * 4;
  const b = Buffer.alloc(54 + rij * h);
  b.fill(0x80, 54);
  b.write('BM');
  b.writeUInt32LE(b.length, 2);
  b.writeUInt32LE(54, 10);
  b.writeUInt32LE(40, 14);
  b.writeInt32LE(w, 18);
  b.writeInt32LE(h, 22);
  b.writeUInt16LE(1, 26);
  b.writeUInt16LE(24, 28);
  b.writeUInt32LE(rij * h, 34);
  return b;
}

module.exports = { maakMap, startPhp, browser, open, toestand, vulCombo, bmp };
