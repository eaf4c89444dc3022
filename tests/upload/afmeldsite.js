'use strict';
// The browser's part of the desktop's sign-off round trip, in Debian's Chromium:
//   node afmeldsite.js <folder> <now> <sign-offs as JSON> serves the folder with PHP (its clock
//   at <now>), sends each sign-off { vakken: [4 names], dagen, opmerking } and prints the
//   messages the page gave as one JSON line.
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
  const [doel, nu, keuzes] = process.argv.slice(2);
  const b = await browser();
  const php = await startPhp(doel, nu);
  try {
    const meldingen = [];
    for (const keuze of JSON.parse(keuzes)) {
      const p = await pagina(b, php.url, nu);
      meldingen.push(await kies(p, keuze));
      await p.context().close();
    }
    console.log(JSON.stringify({ meldingen }));
  } finally { php.stop(); await b.close(); }
})().catch((e) => { console.error(e); process.exit(1); });
