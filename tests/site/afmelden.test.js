'use strict';
// The sign-off site in Debian's Chromium against PHP's built-in server, clocks fixed on both sides.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { maakScript, club, code } = require('./maakscript');
const { maakMap, startPhp, browser, open, toestand, vulCombo, bmp } = require('./omgeving');

const GOUDEN = fs.readFileSync(path.join(__dirname, '..', 'data', 'script', 'twee_leden.js'));
const GOUDEN_LEDEN = [{ naam: 'Jan van Dijk', code: '001234000005678002' }, { naam: 'Els de Wit', code: '000077000000000003' }];
const NU = '2025-09-09T12:00:00+02:00';

// A club whose secretary chose every text: own box names, Windows-1252 texts, an apostrophe,
// a fourth box without groups, a confirmation field, no end time.
const EIGEN = club(30, {
  alg: ['Bridgeclub Zoë – “de Troef”', 'dinsdag-middag', 1, 1, 'René Müller', '', 1, 1, 1],
  ikop: ['Café ’t Hoekje €', 'Arial', 0, 20, 'rgb(0,0,128)', 'rgb(255,255,255)', 0, '', 0, 10, 'Opgericht 1962', 'bc@hoekje.nl', 600, 80],
  actem: ['wedstrijd@hoekje.nl', 'leiding@hoekje.nl'],
  dagen: ['20250902', '20250909', '20250916', '20250930'],
  filters: ['#000#002', '#000#002#003', '#000#003', ''],
  vakken: ['Wie bent u', 'met wie', "vervanger 't 1", 'vervanger 2'],
});
EIGEN.leden.push({ naam: "Anouk D'Hondt", code: code(999, 0, 2) });
const eigen = maakScript(EIGEN);
const ZOE = code(100, 101, 2), RENE = code(101, 100, 2), ANNA = code(102, 103, 3);

let b;
const servers = [];
const php = async (...a) => { const s = await startPhp(...a); servers.push(s); return s; };
before(async () => { b = await browser(); });
after(async () => { await b.close(); servers.forEach((s) => s.stop()); });

test('the test scripts have the layout of the golden file, byte for byte', () => {
  assert.deepEqual(maakScript(club(0, { leden: GOUDEN_LEDEN })), GOUDEN);
});

test('the four boxes are named and filled as the file\'s own VulCombo fills them', async () => {
  const gevallen = [
    { script: GOUDEN, namen: ['naam1', 'partner', 'inval1', 'inval3'], nu: '2025-09-01T12:00:00+02:00' },
    { script: GOUDEN, namen: ['naam1', 'partner', 'inval1', 'inval3'], nu: '2025-09-01T12:00:00+02:00', bestand: true },
    { script: eigen, namen: EIGEN.vakken, nu: NU },
  ];
  const verwacht = vulCombo(gevallen);
  for (const [i, g] of gevallen.entries()) {
    const map = maakMap(g.script);
    const url = g.bestand ? 'file://' + path.join(map, 'index.html') : (await php(map, g.nu)).url;
    const pagina = await open(b, url, { nu: g.nu });
    const gezien = await toestand(pagina);
    assert.equal(gezien.melding, null, url);
    assert.deepEqual(gezien.vakken.map((v) => v.naam), g.namen);
    assert.deepEqual(gezien.vakken.map((v) => v.opties), verwacht[i].vakken.map((v) => v.opties), url);
    assert.deepEqual(gezien.vakken.filter((v) => v.zichtbaar).map((v) => v.label),
      ['Uw naam', 'Uw partner', 'Invaller voor mij', 'Invaller voor mijn partner'].filter((_, k) => verwacht[i].vakken[k].opties.length));
    // The substitutes are the names of the third and fourth boxes, without the dummies.
    await pagina.click('#invallers');
    const spelers = await pagina.locator('#spelers li').allTextContents();
    const namen = [...new Set(verwacht[i].vakken.slice(2).flatMap((v) => v.opties.slice(1).map((o) => o.tekst)))];
    assert.deepEqual(spelers, namen.filter((n) => !/^partner/i.test(n)));
    assert.ok(spelers.length > 0);
    await pagina.context().close();
  }
});

test('Windows-1252 texts read right from a host that announces UTF-8', async () => {
  const server = await php(maakMap(eigen), NU);
  assert.match((await fetch(server.url + 'hovelink.js')).headers.get('content-type'), /charset=UTF-8/i);
  const pagina = await open(b, server.url, { nu: NU });
  const gezien = await toestand(pagina);
  assert.equal(gezien.titel, 'Bridgeclub Zoë – “de Troef”');
  assert.equal(gezien.kop, 'Afmelden voor dinsdag-middag');
  assert.equal(gezien.contact, 'Contactpersoon: René Müller');
  assert.deepEqual(await pagina.locator('#kop text').allTextContents(), ['Café ’t Hoekje €', 'Opgericht 1962', 'bc@hoekje.nl']);
  assert.ok(gezien.vakken[0].opties.some((o) => o.tekst === "Anouk D'Hondt"));
  await pagina.context().close();
});

test('the header has the geometry of the desktop preview', async () => {
  const gevallen = [
    { logo: bmp(400, 100), vak: 250, logoMaat: ['5', '5', '240', '60'], tekstX: '501', linksX: '256' },
    { logo: bmp(100, 200), vak: 55, logoMaat: ['5', '5', '45', '90'], tekstX: '403.5', linksX: '61' },
    { logo: null, vak: 250, logoMaat: ['5', '5', '240', '90'], tekstX: '501', linksX: '256' },
  ];
  for (const g of gevallen) {
    const server = await php(maakMap(GOUDEN, g.logo ? { '000001.jpg': g.logo } : {}), NU);
    const pagina = await open(b, server.url, { nu: '2025-09-01T12:00:00+02:00' });
    if (g.logo) await pagina.waitForSelector('#kop image');
    const kop = await pagina.evaluate(() => {
      const a = (sel, ...namen) => namen.map((n) => document.querySelector('#kop ' + sel).getAttribute(n));
      return {
        doek: a('svg', 'viewBox', 'width', 'height'), vak: a('.logovak', 'width', 'height'), logo: a('.logo', 'x', 'y', 'width', 'height'),
        beeld: document.querySelector('#kop image') && a('image', 'x', 'y', 'width', 'height'),
        tekst: a('.koptekst', 'x', 'y', 'font-size', 'font-weight', 'fill'), links: a('.hoek-links', 'x', 'y'), rechts: a('.hoek-rechts', 'x', 'y'),
      };
    });
    assert.deepEqual(kop, {
      doek: ['0 0 752 102', '752', '102'], vak: [String(g.vak), '100'], logo: g.logoMaat, beeld: g.logo ? g.logoMaat : null,
      tekst: [g.tekstX, '20', '24pt', 'bold', 'rgb(0,0,0)'], links: [g.linksX, '97'], rechts: ['744', '97'],
    });
    await pagina.context().close();
  }
  // A header never designed: no box, only the heading.
  const zonder = club(0, { leden: GOUDEN_LEDEN });
  zonder.ikop = zonder.ikop.map((v, i) => (i === 12 ? 0 : v));
  const pagina = await open(b, (await php(maakMap(maakScript(zonder)), NU)).url, { nu: '2025-09-01T12:00:00+02:00' });
  assert.equal(await pagina.locator('#kop *').count(), 0);
  assert.equal((await toestand(pagina)).kop, 'Afmelden voor donderdag-avond');
  await pagina.context().close();
});

test('a date closes at the end time in Amsterdam, in the browser and on the server', async () => {
  const gevallen = [
    { eind: '15:30', nu: '2025-09-04T15:30:59+02:00', open: ['20250904', '20250911'] },
    { eind: '15:30', nu: '2025-09-04T15:31:00+02:00', open: ['20250911'] },
    { eind: '9:05', nu: '2025-09-04T07:04:00Z', open: ['20250904', '20250911'] },
    { eind: '9:05', nu: '2025-09-04T07:06:00Z', open: ['20250911'] },
    { eind: '', nu: '2025-09-04T23:59:00+02:00', open: ['20250904', '20250911'] },
    { eind: '25:00', nu: '2025-09-05T00:00:00+02:00', open: ['20250911'] },
  ];
  for (const g of gevallen) {
    const c = club(0, { leden: GOUDEN_LEDEN });
    c.alg = c.alg.map((v, i) => (i === 5 ? g.eind : i === 2 ? 0 : v));
    const server = await php(maakMap(maakScript(c)), g.nu);
    const pagina = await open(b, server.url, { nu: g.nu, zone: 'America/New_York' });
    assert.deepEqual((await toestand(pagina)).dagen.map(([d]) => d), g.open, JSON.stringify(g));
    await pagina.context().close();
    const antwoord = await server.post({ vak0: GOUDEN_LEDEN[0].code, 'dag[]': '20250904' });
    const open4 = g.open.includes('20250904');
    assert.equal(antwoord.status, open4 ? 200 : 400, JSON.stringify(g));
    // alg[2] 0: recorded, never mailed.
    assert.equal(server.data().length, open4 ? 2 : 0);
    assert.equal(server.mails().length, 0);
  }
});

test('a sign-off is mailed to the file\'s recipients with exact lines, confirmed, and recorded', async () => {
  const server = await php(maakMap(eigen), NU);
  const pagina = await open(b, server.url, { nu: NU });
  await pagina.selectOption('#vak0', ZOE);
  assert.equal(await pagina.textContent('#vastepartner'), 'Uw vaste partner: René Müller-0001');
  assert.equal(await pagina.inputValue('#vak1'), RENE);
  await pagina.selectOption('#vak2', ANNA);
  await pagina.check('input[value="20250909"]');
  await pagina.check('input[value="20250930"]');
  await pagina.fill('#opmerking', 'Op vakantie,\ntot ziens');
  await pagina.fill('#email', 'zoe@voorbeeld.nl');
  await pagina.click('#versturen');
  await pagina.waitForSelector('#melding.goed');
  assert.equal(await pagina.textContent('#melding'), 'Uw afmelding is ontvangen. Een bevestiging is verstuurd naar zoe@voorbeeld.nl.');
  const regels = ['Afmelding voor dinsdag-middag van Bridgeclub Zoë – “de Troef”', 'Naam: Zoë Müller-0000', 'Partner: René Müller-0001',
    'Invaller voor mij: Anna Müller-0002', 'Speeldagen: dinsdag 9 september 2025, dinsdag 30 september 2025'];
  assert.deepEqual(server.mails(), [
    { aan: 'wedstrijd@hoekje.nl, leiding@hoekje.nl', onderwerp: 'Afmelding dinsdag-middag: Zoë Müller-0000',
      regels: [...regels, 'Opmerking: Op vakantie, tot ziens', 'E-mailadres: zoe@voorbeeld.nl', 'Ontvangen: 2025-09-09T12:00:00+02:00'] },
    { aan: 'zoe@voorbeeld.nl', onderwerp: 'Bevestiging: Afmelding dinsdag-middag: Zoë Müller-0000', regels: [...regels, 'E-mailadres: zoe@voorbeeld.nl'] },
  ]);
  const data = server.data();
  assert.equal(data[0], '<?php exit; ?>');
  assert.deepEqual(JSON.parse(data[1]), {
    moment: 'dinsdag-middag', dagen: ['20250909', '20250930'],
    vakken: [{ naam: 'Zoë Müller-0000', code: ZOE }, { naam: 'René Müller-0001', code: RENE }, { naam: 'Anna Müller-0002', code: ANNA }, { naam: '', code: '' }],
    opmerking: 'Op vakantie, tot ziens', email: 'zoe@voorbeeld.nl', ontvangen: '2025-09-09T12:00:00+02:00',
  });
  assert.equal(data.length, 2);
  assert.doesNotMatch(await (await fetch(server.url + 'afmelddata.php')).text(), /Zo/);

  // Without PHP the same lines go to the same recipients through the member's mail program.
  await pagina.route('**/afmelden.php', (r) => r.fulfill({ status: 404, contentType: 'text/html', body: 'Not Found' }));
  await pagina.selectOption('#vak0', ZOE);
  await pagina.check('input[value="20250916"]');
  await pagina.click('#versturen');
  await pagina.waitForSelector('#uitwijk:not([hidden])');
  const link = new URL(await pagina.getAttribute('#mailto', 'href'));
  assert.equal(await pagina.textContent('#mailto'), 'Verstuur de afmelding met uw eigen e-mailprogramma');
  assert.equal(link.pathname, 'wedstrijd@hoekje.nl,leiding@hoekje.nl');
  assert.deepEqual(link.searchParams.get('body').split('\r\n'), [regels[0], regels[1], regels[2], 'Speeldagen: dinsdag 16 september 2025']);
  await pagina.context().close();

  // The preview from the desktop sends nothing and says so.
  const voorbeeld = await open(b, server.url + '#voorbeeld', { nu: NU });
  await voorbeeld.selectOption('#vak0', ZOE);
  await voorbeeld.check('input[value="20250916"]');
  await voorbeeld.click('#versturen');
  assert.equal(await voorbeeld.textContent('#melding'), 'Dit is een voorbeeld: de afmelding is niet verstuurd.');
  assert.equal(server.mails().length, 2);
  await voorbeeld.context().close();
});

test('every abuse is refused with no mail sent and nothing recorded', async () => {
  const server = await php(maakMap(eigen), NU);
  const goed = { vak0: ZOE, 'dag[]': '20250909' };
  const gevallen = [
    [{ ...goed, website: 'http://spam.example' }, {}, 400],
    [goed, { origin: null }, 403],
    [goed, { origin: 'http://kwaad.example' }, 403],
    [goed, { origin: server.url.replace('127.0.0.1', 'localhost').slice(0, -1) }, 403],
    [goed, { methode: 'GET' }, 405],
    [{ ...goed, vak0: code(555, 0, 2) }, {}, 400],
    [{ ...goed, vak0: ANNA }, {}, 400],
    [{ ...goed, vak0: EIGEN.leden[9].code }, {}, 400],
    [{ ...goed, vak3: ZOE }, {}, 400],
    [{ ...goed, vak0: '' }, {}, 400],
    [{ ...goed, 'dag[]': '20250902' }, {}, 400],
    [{ ...goed, 'dag[]': '20250923' }, {}, 400],
    [{ vak0: ZOE }, {}, 400],
    [{ ...goed, email: 'a@b.nl\r\nBcc: c@d.nl' }, {}, 400],
    [{ ...goed, email: 'a@b.nl\nSubject: x' }, {}, 400],
  ];
  for (const [velden, opties, status] of gevallen) {
    const antwoord = await server.post(velden, opties);
    assert.equal(antwoord.status, status, JSON.stringify([velden, opties]));
    if (opties.methode !== 'GET') assert.equal(typeof (await antwoord.json()).tekst, 'string');
  }
  assert.deepEqual(server.mails(), []);
  assert.deepEqual(server.data(), []);
  // Five from one address in ten minutes, then no more.
  const uitslag = [];
  for (let i = 0; i < 6; i++) uitslag.push((await server.post(goed)).status);
  assert.deepEqual(uitslag, [200, 200, 200, 200, 200, 429]);
  assert.equal(server.mails().length, 5);
  assert.equal(server.data().length, 6);
});

test('a damaged or missing file names the contact person and sends nothing', async () => {
  const gevallen = [
    [GOUDEN.subarray(0, GOUDEN.length / 2), 'Piet Bakker'],
    [Buffer.from(GOUDEN.toString('latin1').replace("alg[4]='Piet Bakker';", "alg[4]='René Müller';").replace("DUM12='#000#003';", "DUM12='#000#003;"), 'latin1'), 'René Müller'],
    [null, 'de contactpersoon van uw club'],
  ];
  for (const [script, naam] of gevallen) {
    const server = await php(maakMap(script), NU);
    const pagina = await open(b, server.url, { nu: NU });
    const gezien = await toestand(pagina);
    assert.equal(gezien.melding, `De afmeldgegevens konden niet worden geladen. Neem contact op met ${naam}.`);
    assert.equal(gezien.formulier, false);
    await pagina.context().close();
    assert.equal((await server.post({ vak0: GOUDEN_LEDEN[0].code, 'dag[]': '20250911' })).status, 500);
    assert.deepEqual(server.mails(), []);
  }
});

test('phone and desktop layouts: real-size or scaled header, 44-px controls, no axe violations', async () => {
  const server = await php(maakMap(eigen), NU);
  const axe = require.resolve('axe-core/axe.min.js');
  for (const [breed, hoog] of [[360, 740], [1280, 800]]) {
    const pagina = await open(b, server.url, { nu: NU, breed, hoog, bypassCSP: true });
    await pagina.selectOption('#vak0', ZOE);
    await pagina.click('#invallers');
    await pagina.click('#versturen');
    await pagina.waitForSelector('#melding.fout');
    const maten = await pagina.evaluate(() => ({
      breedte: document.documentElement.scrollWidth,
      kop: document.querySelector('#kop svg').getBoundingClientRect().width,
      hoekregel: !document.querySelector('.hoekregel').hidden,
      laag: [...document.querySelectorAll('select, textarea, input:not([type=checkbox]), button, .dag, #mailto')]
        .filter((e) => e.offsetParent && e.getBoundingClientRect().height < 44).map((e) => e.id || e.className),
    }));
    assert.deepEqual(maten, breed === 360
      ? { breedte: 360, kop: maten.kop, hoekregel: true, laag: [] }
      : { breedte: 1280, kop: 602, hoekregel: false, laag: [] });
    if (breed === 360) assert.ok(maten.kop <= 360 - 32, String(maten.kop));
    await pagina.addScriptTag({ path: axe });
    const fouten = await pagina.evaluate(() => window.axe.run().then((r) => r.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join(' '))));
    assert.deepEqual(fouten, [], `${breed}x${hoog}`);
    await pagina.context().close();
  }
});
