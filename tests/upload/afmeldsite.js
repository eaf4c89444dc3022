'use strict';
// The browser's part of the desktop's sign-off tests, in Debian's Chromium; prints what it saw
// as one JSON line.
//   node afmeldsite.js afmelden <folder> <now> <sign-offs as JSON>: serves the folder with PHP
//     (its clock at <now>) and sends each sign-off { vakken: [4 names], dagen, opmerking }
//   node afmeldsite.js voorbeeld <url> <now>: the desktop's preview, where sending is off
const { php: startPhp, browser, pagina } = require('../site/hulp');

async function kies(p, keuze) {
  for (const [k, naam] of keuze.vakken.entries()) if (naam) await p.selectOption('#vak' + k, { label: naam });
  for (const d of keuze.dagen) await p.check(`input[value="${d}"]`);
  await p.fill('#opmerking', keuze.opmerking || '');
  await p.click('#versturen');
  await p.waitForFunction(() => document.getElementById('melding').textContent !== '');
  return p.textContent('#melding');
}

(async () => {
  const [soort, doel, nu, keuzes] = process.argv.slice(2);
  const b = await browser();
  try {
    if (soort === 'afmelden') {
      const php = await startPhp(doel, nu);
      try {
        const meldingen = [];
        for (const keuze of JSON.parse(keuzes)) {
          const p = await pagina(b, php.url, nu);
          meldingen.push(await kies(p, keuze));
          await p.context().close();
        }
        console.log(JSON.stringify({ meldingen }));
      } finally { php.stop(); }
    } else {
      const p = await pagina(b, doel, nu);
      if (await p.locator('#kop image').count() === 0) await p.waitForSelector('#kop image', { timeout: 5000 }).catch(() => {});
      const uit = {
        adres: p.url().replace(/^.*\//, ''),
        voorbeeld: await p.isVisible('#voorbeeld') ? await p.textContent('#voorbeeld') : null,
        titel: await p.textContent('#titel'),
        namen: await p.locator('#vak0 option').allTextContents(),
        logo: await p.locator('#kop image').count(),
      };
      uit.melding = await kies(p, { vakken: [uit.namen[1]], dagen: [await p.getAttribute('input[name="dag[]"]', 'value')] });
      console.log(JSON.stringify(uit));
    }
  } finally { await b.close(); }
})().catch((e) => { console.error(e); process.exit(1); });
