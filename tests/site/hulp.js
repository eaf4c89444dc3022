'use strict';
// The real parts the site tests run on: an uploaded site folder, php -S with a sendmail that
// keeps each mail, Debian's Chromium, and the desktop's own Node harness for VulCombo.
const fs = require('node:fs'), os = require('node:os'), path = require('node:path'), net = require('node:net');
const { spawn, execFileSync } = require('node:child_process');
const mappen = [];
const tijdelijk = (n) => { mappen.push(fs.mkdtempSync(path.join(os.tmpdir(), n))); return mappen.at(-1); };
process.on('exit', () => mappen.forEach((m) => fs.rmSync(m, { recursive: true, force: true })));
const { chromium } = require('playwright-core');

const GOUDEN = fs.readFileSync(path.join(__dirname, '../data/script/twee_leden.js'), 'latin1');
const HOOG = '€\x81‚ƒ„…†‡ˆ‰Š‹Œ\x8DŽ\x8F\x90‘’“”•–—˜™š›œ\x9DžŸ';
const ansi = (t) => Buffer.from([...t].map((c) => (HOOG.includes(c) ? 0x80 + HOOG.indexOf(c) : c.charCodeAt(0))));
const tekst = (t) => String(t).replace(/[\\']/g, '\\$&');
const naam = (t) => tekst(t).replace(/./g, (c) => (ansi(c)[0] > 160 ? '\\u00' + ansi(c)[0].toString(16).toUpperCase() : c));
const code = (nr, partner, groep) => String(nr).padStart(6, '0') + String(partner).padStart(9, '0') + String(groep).padStart(3, '0');

// The golden hovelink.js with lines changed as the desktop writes them for other settings.
function script({ alg = {}, ikop = {}, vakken = [], filters = [], dagen, leden } = {}) {
  let t = GOUDEN;
  const zet = (naam_, i, v) => { t = t.replace(new RegExp(`^${naam_}\\[${i}\\]=.*$`, 'm'), `${naam_}[${i}]=${typeof v === 'number' ? v : `'${tekst(v)}'`};`); };
  Object.entries(alg).forEach(([i, v]) => zet('alg', i, v));
  Object.entries(ikop).forEach(([i, v]) => zet('ikop', i, v));
  ['naam1', 'partner', 'inval1', 'inval3'].forEach((n, k) => { if (vakken[k] !== undefined) t = t.replace(`cmbnaam == '${n}'`, `cmbnaam == '${tekst(vakken[k])}'`); });
  filters.forEach((f, k) => { t = t.replace(new RegExp(`^var DUM1${k}='.*$`, 'm'), `var DUM1${k}='${f}';`); });
  if (dagen) t = t.replace(/(DagenNaarDim\(\)\r\n\{\r\n)[^}]*/, (_, kop) => kop + dagen.map((d, i) => `dag[${i}]='${d}';\r\n`).join(''));
  if (leden) t = t.replace(/(idbnrbes\[0\]='0+';\r\n)[^}]*/, (_, kop) => kop + leden.map((l, i) => `lid[${i + 1}]='${naam(l.naam)}';\r\nidbnrbes[${i + 1}]='${l.code}';\r\n`).join(''));
  return ansi(t);
}

// n members in groups 2 and 3, paired two by two, every tenth a 'Partner..' dummy.
const leden = (n) => Array.from({ length: n }, (_, i) => ({
  naam: i % 10 === 9 ? `Partner${i}` : `${['Zoë', 'René', 'Anna', 'Inès'][i % 4]} Müller-${String(i).padStart(4, '0')}`,
  code: code(100 + i, i % 2 ? 99 + i : 101 + i, i % 3 === 2 ? 3 : 2),
}));

process.once('SIGTERM', () => process.exit(1));

// php -S on `map`, its clock fixed by HOVELINK_NU in its own environment; each mail lands in `post`.
async function php(map, nu, post = tijdelijk('mail-')) {
  const vrij = net.createServer().listen(0, '127.0.0.1');
  await new Promise((klaar) => vrij.on('listening', klaar));
  const url = `http://127.0.0.1:${vrij.address().port}/`;
  vrij.close();
  const server = spawn('php', ['-d', `sendmail_path=${__dirname}/bewaarmail.sh ${post}`, '-S', url.slice(7, -1), '-t', map, `${__dirname}/router.php`],
    { env: { ...process.env, HOVELINK_NU: nu }, stdio: 'ignore' });
  server.unref();
  process.on('exit', () => server.kill());
  for (let i = 0; !(await fetch(url + 'afmelden.css').then(() => true, () => false)); i++) {
    if (i > 100) throw new Error('php -S did not start');
    await new Promise((klaar) => setTimeout(klaar, 50));
  }
  return { url, stop: () => server.kill() };
}

// php -S on a new site folder holding this hovelink.js (none when null) and `extra` files.
async function site(js, nu, extra = {}) {
  const map = tijdelijk('afm-'), post = tijdelijk('mail-');
  fs.cpSync(path.join(__dirname, '../../site'), map, { recursive: true });
  Object.entries({ ...extra, ...(js && { 'hovelink.js': js }) }).forEach(([f, inhoud]) => fs.writeFileSync(path.join(map, f), inhoud));
  const { url } = await php(map, nu, post);
  const mail = (f) => {
    const [koppen, romp] = fs.readFileSync(path.join(post, f), 'utf8').split('\r\n\r\n');
    const kop = (k) => new RegExp(`^${k}: (.*(\\r\\n .*)*)`, 'm').exec(koppen)[1].replace(/=\?UTF-8\?B\?(.*?)\?=(\r\n )?/g, (_, b) => Buffer.from(b, 'base64').toString());
    return { aan: kop('To'), onderwerp: kop('Subject'), regels: romp.split('\r\n').slice(0, -1) };
  };
  const data = path.join(map, 'afmelddata.php');
  return { url, map, mails: () => fs.readdirSync(post).sort().map(mail),
    data: () => (fs.existsSync(data) ? fs.readFileSync(data, 'utf8').split('\n').slice(0, -1) : []),
    post: (velden, origin = url.slice(0, -1), method = 'POST') =>
      fetch(url + 'afmelden.php', { method, headers: origin ? { Origin: origin } : {}, body: method === 'POST' ? new URLSearchParams(velden) : undefined }),
  };
}

const browser = () => chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu',
  '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'] });

// A page with the browser's clock fixed at `nu`, once the data file is handled. bypassCSP only
// lets axe-core in, which the page's policy rightly keeps out.
async function pagina(b, url, nu, { breed = 1280, hoog = 800, zone = 'Europe/Amsterdam', bypassCSP = false } = {}) {
  const p = await (await b.newContext({ viewport: { width: breed, height: hoog }, timezoneId: zone, bypassCSP })).newPage();
  await p.clock.setFixedTime(new Date(nu));
  await p.goto(url);
  await p.waitForFunction(() => document.getElementById('laden')?.hidden); // also after voorbeeld.html's redirect
  return p;
}

// What a visitor sees: texts, the four boxes and the play dates.
const toestand = (p) => p.evaluate(() => ({
  ...Object.fromEntries(['titel', 'melding', 'contact'].map((id) => [id, document.getElementById(id).hidden ? null : document.getElementById(id).textContent])),
  formulier: !document.forms[0].hidden,
  vakken: [0, 1, 2, 3].map((k) => document.getElementById('vak' + k)).map((v) => ({ naam: v.name, label: v.parentNode.hidden ? null : v.labels[0].textContent,
    opties: [...v.options].map((o) => ({ tekst: o.textContent, waarde: o.value })) })),
  dagen: [...document.querySelectorAll('.dag')].map((d) => d.textContent),
}));

// VulCombo's own output, from the desktop's harness.
function vulCombo(js, namen) {
  const map = tijdelijk('harnas-');
  fs.writeFileSync(map + '/h.js', js);
  fs.writeFileSync(map + '/l.json', JSON.stringify([{ pad: map + '/h.js', namen }]));
  return JSON.parse(execFileSync('node', [__dirname + '/../script/harness.js', map + '/l.json'], { encoding: 'utf8' })).vakken;
}

module.exports = { script, leden, code, php, site, browser, pagina, toestand, vulCombo };
