'use strict';
// Time from navigation until the boxes are filled: the golden club and generated clubs of 20
// and 2,000 members, side by side in one browser run. Usage: node bench/bench_site.js [rounds] (after npm ci in tests/site)
const { script, leden, site, browser } = require('../tests/site/hulp');

(async () => {
  const b = await browser(), rondes = Number(process.argv[2]) || 15, nu = new Date('2025-09-01T12:00:00+02:00');
  const clubs = { 'twee_leden.js': script(), '20 leden': script({ leden: leden(20) }), '2000 leden': script({ leden: leden(2000) }) };
  for (const [naam, js] of Object.entries(clubs)) clubs[naam] = { url: (await site(js, nu.toISOString())).url, ms: [] };
  for (let r = 0; r < rondes; r++) {
    for (const club of Object.values(clubs)) {
      // Timed here, as the page's own clock is the fixed one; checked on every frame.
      const p = await b.newPage(), begin = performance.now();
      await p.clock.setFixedTime(nu);
      await p.goto(club.url, { waitUntil: 'commit' });
      await p.waitForFunction(() => !document.forms[0].hidden, null, { polling: 'raf' });
      club.ms.push(performance.now() - begin);
      await p.close();
    }
  }
  const mediaan = (a) => [...a].sort((x, y) => x - y)[a.length >> 1], basis = mediaan(clubs['20 leden'].ms);
  for (const [naam, { ms }] of Object.entries(clubs))
    console.log(`${naam.padEnd(14)} mediaan ${mediaan(ms).toFixed(0).padStart(4)} ms, min ${Math.min(...ms).toFixed(0).padStart(4)} ms, ${(mediaan(ms) / basis).toFixed(2)}x 20 leden (${rondes} rondes)`);
  await b.close();
  process.exit(0);
})();
