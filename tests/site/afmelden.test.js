'use strict';
// The sign-off site in Debian's Chromium against PHP's built-in server, clocks fixed on both sides.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { script, leden, code, site, browser, pagina, toestand, vulCombo } = require('./hulp');

const GOUDEN = script(), JAN = '001234000005678002', NU = '2025-09-09T12:00:00+02:00';
// A secretary's own choice of every text: box names, Windows-1252 texts, an apostrophe, a
// fourth box without groups, the confirmation field, no end time.
const VAKKEN = ['Wie bent u', 'met wie', "vervanger 't 1", 'vervanger 2'];
const LEDEN = [...leden(30), { naam: "Anouk D'Hondt", code: code(999, 0, 2) }];
const EIGEN = script({ alg: { 0: 'Bridgeclub Zoë – “de Troef”', 1: 'dinsdag-middag', 3: 1, 4: 'René Müller', 5: '' },
  ikop: { 0: 'Café ’t Hoekje €', 6: 0, 10: 'Opgericht 1962', 11: 'bc@hoekje.nl', 12: 600, 13: 80 },
  vakken: VAKKEN, filters: ['#000#002', '#000#002#003', '#000#003', ''], dagen: ['20250902', '20250909', '20250916', '20250930'], leden: LEDEN });
const [ZOE, RENE, ANNA] = LEDEN.map((l) => l.code);

let b;
before(async () => { b = await browser(); });
after(() => b.close());

test('boxes named and filled as the file\'s own VulCombo does, Windows-1252 texts from a UTF-8 host', async () => {
  for (const [js, namen, nu, bestand] of [[GOUDEN, ['naam1', 'partner', 'inval1', 'inval3'], '2025-09-01T12:00'], [GOUDEN, ['naam1', 'partner', 'inval1', 'inval3'], '2025-09-01T12:00', true], [EIGEN, VAKKEN, NU]]) {
    const s = await site(js, nu), verwacht = vulCombo(js, namen);
    const p = await pagina(b, bestand ? `file://${s.map}/index.html` : s.url, nu), gezien = await toestand(p);
    assert.deepEqual(gezien.vakken, verwacht.map((v, k) => ({ naam: namen[k], opties: v.opties,
      label: v.opties.length ? ['Uw naam', 'Uw partner', 'Invaller voor mij', 'Invaller voor mijn partner'][k] : null })));
    await p.click('#invallers');
    const spelers = [...new Set(verwacht.slice(2).flatMap((v) => v.opties.slice(1).map((o) => o.tekst)))].filter((n) => !/^partner/i.test(n));
    assert.deepEqual(await p.locator('#spelers li').allTextContents(), spelers);
    if (js === EIGEN) {
      assert.match((await fetch(s.url + 'hovelink.js')).headers.get('content-type'), /charset=UTF-8/);
      assert.deepEqual([await p.title(), gezien.titel, gezien.contact, await p.locator('#kop text').allTextContents()], ['Bridgeclub Zoë – “de Troef”',
        'Afmelden voor dinsdag-middag', 'Contactpersoon: René Müller', ['Café ’t Hoekje €', 'Opgericht 1962', 'bc@hoekje.nl']]);
    }
    await p.context().close();
  }
});

test('the header has the geometry of the desktop preview; one never designed shows none', async () => {
  const logo = async (w, h) => { const p = await b.newPage({ viewport: { width: w, height: h } }); const png = await p.screenshot(); await p.close(); return png; };
  for (const [png, vak, beeld, tekstX, linksX] of [[await logo(400, 100), 250, [5, 5, 240, 60], 501, 256], [await logo(100, 200), 55, [5, 5, 45, 90], 403.5, 61], [null, 250, [5, 5, 240, 90], 501, 256]]) {
    const p = await pagina(b, (await site(GOUDEN, NU, png ? { '000001.jpg': png } : {})).url, '2025-09-01T12:00');
    if (png) await p.waitForSelector('#kop image');
    const a = (sel, ...namen) => p.evaluate(([s, n]) => n.map((k) => document.querySelector('#kop ' + s).getAttribute(k)), [sel, namen]);
    assert.deepEqual([await a('svg', 'viewBox'), await a('.logovak', 'width', 'height'), await a('.logo', 'x', 'y', 'width', 'height'), png && await a('image', 'x', 'y', 'width', 'height'),
      await a('.koptekst', 'x', 'y', 'font-size', 'font-weight'), await a('.hoek-links', 'x', 'y'), await a('.hoek-rechts', 'x', 'y')].map(String),
    [['0 0 752 102'], [vak, 100], beeld, png ? beeld : null, [tekstX, 20, '24pt', 'bold'], [linksX, 97], [744, 97]].map(String));
    await p.context().close();
  }
  const p = await pagina(b, (await site(script({ ikop: { 12: 0 } }), NU)).url, '2025-09-01T12:00');
  assert.deepEqual([await p.locator('#kop *').count(), (await toestand(p)).titel], [0, 'Afmelden voor donderdag-avond']);
  await p.context().close();
});

test('a date closes at its end time in Amsterdam, in the browser and on the server; alg[2] 0 records without mail', async () => {
  for (const [eind, nu, open] of [['15:30', '2025-09-04T15:30:59+02:00', 2], ['15:30', '2025-09-04T15:31:00+02:00', 1], ['9:05', '2025-09-04T07:05:00Z', 2],
    ['9:05', '2025-09-04T07:06:00Z', 1], ['', '2025-09-04T23:59:00+02:00', 2], ['25:00', '2025-09-05T00:00:00+02:00', 1]]) {
    const s = await site(script({ alg: { 2: 0, 5: eind } }), nu), p = await pagina(b, s.url, nu, { zone: 'America/New_York' });
    assert.deepEqual((await toestand(p)).dagen, ['donderdag 4 september 2025', 'donderdag 11 september 2025'].slice(2 - open), eind + nu);
    await p.context().close();
    assert.deepEqual([(await s.post({ vak0: JAN, 'dag[]': '20250904' })).status, s.data().length, s.mails().length], open === 2 ? [200, 2, 0] : [400, 0, 0]);
  }
});

test('a sign-off is mailed to the file\'s recipients with exact lines, confirmed and recorded; else mailto:', async () => {
  const s = await site(EIGEN, NU), p = await pagina(b, s.url, NU);
  await p.selectOption('#vak0', ZOE);
  assert.deepEqual([await p.textContent('#vastepartner'), await p.inputValue('#vak1')], ['Uw vaste partner: René Müller-0001', RENE]);
  await p.selectOption('#vak2', ANNA);
  for (const d of ['20250909', '20250930']) await p.check(`input[value="${d}"]`);
  await p.fill('#opmerking', 'Op vakantie,\ntot ziens');
  await p.fill('#email', 'zoe@voorbeeld.nl');
  await p.click('#versturen');
  await p.waitForSelector('#melding.goed');
  assert.equal(await p.textContent('#melding'), 'Uw afmelding is ontvangen. Een bevestiging is verstuurd naar zoe@voorbeeld.nl.');
  const regels = ['Afmelding voor dinsdag-middag van Bridgeclub Zoë – “de Troef”', 'Naam: Zoë Müller-0000', 'Partner: René Müller-0001',
    'Invaller voor mij: Anna Müller-0002', 'Speeldagen: dinsdag 9 september 2025, dinsdag 30 september 2025'];
  assert.deepEqual(s.mails(), [{ aan: 'afmelden@troef.nl, secretaris@troef.nl', onderwerp: 'Afmelding dinsdag-middag: Zoë Müller-0000',
    regels: [...regels, 'Opmerking: Op vakantie, tot ziens', 'E-mailadres: zoe@voorbeeld.nl', 'Ontvangen: 2025-09-09T12:00:00+02:00'] },
  { aan: 'zoe@voorbeeld.nl', onderwerp: 'Bevestiging: Afmelding dinsdag-middag: Zoë Müller-0000', regels: [...regels, 'E-mailadres: zoe@voorbeeld.nl'] }]);
  assert.deepEqual(s.data().map((r, i) => (i ? JSON.parse(r) : r)), ['<?php exit; ?>', { moment: 'dinsdag-middag', dagen: ['20250909', '20250930'],
    vakken: [{ naam: 'Zoë Müller-0000', code: ZOE }, { naam: 'René Müller-0001', code: RENE }, { naam: 'Anna Müller-0002', code: ANNA }, { naam: '', code: '' }],
    opmerking: 'Op vakantie, tot ziens', email: 'zoe@voorbeeld.nl', ontvangen: '2025-09-09T12:00:00+02:00' }]);
  assert.doesNotMatch(await (await fetch(s.url + 'afmelddata.php')).text(), /Zo/);
  // No PHP on the host: the same lines through the member's own mail program.
  await p.route('**/afmelden.php', (r) => r.fulfill({ status: 404, body: 'Not Found' }));
  await p.selectOption('#vak0', ZOE);
  await p.check('input[value="20250916"]');
  await p.click('#versturen');
  const link = new URL(await p.getAttribute('#uitwijk:not([hidden]) a', 'href'));
  assert.deepEqual([link.pathname, link.searchParams.get('body')], ['afmelden@troef.nl,secretaris@troef.nl', [...regels.slice(0, 3), 'Speeldagen: dinsdag 16 september 2025'].join('\r\n')]);
});

test('every abuse is refused with no mail sent and nothing recorded; then the rate limit', async () => {
  const s = await site(EIGEN, NU), goed = { vak0: ZOE, 'dag[]': '20250909' };
  for (const [velden, status, origin, method] of [[{ ...goed, website: 'http://spam.example' }, 400], [goed, 403, null], [goed, 403, 'http://kwaad.example'],
    [goed, 403, s.url.replace('127.0.0.1', 'localhost').slice(0, -1)], [goed, 405, undefined, 'GET'], [{ ...goed, vak0: code(555, 0, 2) }, 400],
    [{ ...goed, vak0: ANNA }, 400], [{ ...goed, vak0: LEDEN[9].code }, 400], [{ ...goed, vak2: LEDEN[29].code }, 400], [{ ...goed, vak3: ZOE }, 400], [{ ...goed, vak0: '' }, 400],
    [{ ...goed, 'dag[]': '20250902' }, 400], [{ ...goed, 'dag[]': '20250923' }, 400], [{ vak0: ZOE }, 400],
    [{ ...goed, email: 'a@b.nl\r\nBcc: c@d.nl' }, 400], [{ ...goed, email: 'a@b.nl\nSubject: x' }, 400]]) {
    assert.equal((await s.post(velden, origin, method)).status, status, JSON.stringify([velden, origin]));
  }
  assert.deepEqual([s.mails(), s.data()], [[], []]);
  const uitslag = [];
  for (let i = 0; i < 6; i++) uitslag.push((await s.post(goed)).status);
  assert.deepEqual([uitslag, s.mails().length, s.data().length, s.mails()[4].regels], [[200, 200, 200, 200, 200, 429], 5, 6,
    ['Afmelding voor dinsdag-middag van Bridgeclub Zoë – “de Troef”', 'Naam: Zoë Müller-0000', 'Speeldagen: dinsdag 9 september 2025', 'Ontvangen: 2025-09-09T12:00:00+02:00']]);
});

test('a damaged or missing file names the contact person; the server refuses it', async () => {
  for (const [js, naam] of [[GOUDEN.subarray(0, GOUDEN.length / 2), 'Piet Bakker'], [script({ alg: { 4: 'René Müller' } }).toString('latin1').replace("DUM12='#000#003';", "DUM12='#000#003;"), 'René Müller'],
    [null, 'de contactpersoon van uw club']]) {
    const s = await site(typeof js === 'string' ? Buffer.from(js, 'latin1') : js, NU), p = await pagina(b, s.url, NU), gezien = await toestand(p);
    assert.deepEqual([gezien.melding, gezien.formulier], [`De afmeldgegevens konden niet worden geladen. Neem contact op met ${naam}.`, false]);
    await p.context().close();
    assert.deepEqual([(await s.post({ vak0: JAN, 'dag[]': '20250911' })).status, s.mails()], [500, []]);
  }
});

test('phone and desktop: scaled or real-size header, 44-px controls, no axe violations; the preview sends nothing', async () => {
  const s = await site(EIGEN, NU);
  for (const [breed, hoog, kop] of [[360, 740, 328], [1280, 800, 602]]) {
    const p = await pagina(b, s.url + '#voorbeeld', NU, { breed, hoog, bypassCSP: true });
    await p.selectOption('#vak0', ZOE);
    await p.click('#invallers');
    await p.check('input[value="20250916"]');
    await p.click('#versturen');
    assert.deepEqual([await p.textContent('#melding'), s.mails()], ['Dit is een voorbeeld: de afmelding is niet verstuurd.', []]);
    assert.deepEqual(await p.evaluate(() => [document.documentElement.scrollWidth, Math.round(document.querySelector('#kop svg').getBoundingClientRect().width),
      !document.querySelector('.hoekregel').hidden, [...document.querySelectorAll('select, textarea, input:not([type=checkbox]), button, .dag')]
        .filter((e) => e.offsetParent && e.getBoundingClientRect().height < 44).map((e) => e.id)]), [breed, kop, breed < 602, []]);
    await p.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
    assert.deepEqual(await p.evaluate(() => window.axe.run().then((r) => r.violations.map((v) => v.id))), [], `${breed}x${hoog}`);
    await p.context().close();
  }
});
