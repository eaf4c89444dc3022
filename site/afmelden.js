'use strict';
// The sign-off page: runs the club's hovelink.js, builds the header, the four name boxes and
// the play dates from it, and posts a sign-off to afmelden.php. No framework, no build step.
(function () {
  const $ = (id) => document.getElementById(id);
  const SVG = 'http://www.w3.org/2000/svg';
  const WEEKDAGEN = ['zondag', 'maandag', 'dinsdag', 'woensdag', 'donderdag', 'vrijdag', 'zaterdag'];
  const MAANDEN = ['januari', 'februari', 'maart', 'april', 'mei', 'juni', 'juli', 'augustus',
    'september', 'oktober', 'november', 'december'];
  // Line labels of the four boxes in the mail, by position; afmelden.php uses the same.
  const REGELNAMEN = ['Naam', 'Partner', 'Invaller voor mij', 'Invaller voor mijn partner'];
  const GEEN_KEUZE = '000000000000000000';
  const voorbeeld = location.hash === '#voorbeeld';
  let tekst = '';
  let eind = '2359';

  function langeDatum(d) {
    const j = +d.slice(0, 4), m = +d.slice(4, 6), t = +d.slice(6, 8);
    return WEEKDAGEN[new Date(Date.UTC(j, m - 1, t)).getUTCDay()] + ' ' + t + ' ' + MAANDEN[m - 1] + ' ' + j;
  }

  // "hhmm" of the end time; the day itself stays open until then (empty or malformed: 23:59).
  function eindtijd(t) {
    const m = /^\s*(\d{1,2}):(\d{2})\s*$/.exec(String(t));
    return m && +m[1] <= 23 && +m[2] <= 59 ? m[1].padStart(2, '0') + m[2] : '2359';
  }

  // yyyymmddhhmm now in the club's time zone, whatever the visitor's zone is.
  function nu() {
    const d = {};
    const opties = { timeZone: 'Europe/Amsterdam', year: 'numeric', month: '2-digit', day: '2-digit', hour: '2-digit', minute: '2-digit', hourCycle: 'h23' };
    for (const p of new Intl.DateTimeFormat('en-GB', opties).formatToParts(new Date())) d[p.type] = p.value;
    return d.year + d.month + d.day + d.hour + d.minute;
  }

  const open = (d) => /^\d{8}$/.test(d) && nu() <= d + eind;

  function melding(t, soort) {
    const m = $('melding');
    m.textContent = t;
    m.className = soort || 'fout';
  }

  function voegScriptToe(src, ansi) {
    return new Promise((klaar, mis) => {
      const s = document.createElement('script');
      if (ansi) s.charset = 'windows-1252';
      s.onload = klaar;
      s.onerror = mis;
      s.src = src;
      document.head.appendChild(s);
    });
  }

  // Hosts announce any charset for .js; the file is always Windows-1252, so decode it here and
  // run it from a blob: URL, which the Content-Security-Policy allows without inline script.
  async function laadScript() {
    if (location.protocol === 'file:') return voegScriptToe('hovelink.js', true);
    const antwoord = await fetch('hovelink.js', { cache: 'no-cache' });
    if (!antwoord.ok) throw new Error('hovelink.js: ' + antwoord.status);
    tekst = new TextDecoder('windows-1252').decode(await antwoord.arrayBuffer());
    const url = URL.createObjectURL(new Blob([tekst], { type: 'text/javascript;charset=utf-8' }));
    try { await voegScriptToe(url, false); } finally { URL.revokeObjectURL(url); }
  }

  const werkt = () => typeof window.VulCombo === 'function' &&
    ['alg', 'ikop', 'actem', 'dag', 'lid', 'idbnrbes'].every((n) => Array.isArray(window[n]));

  function nietGeladen() {
    // A file that did not run may still name its contact person on its own line.
    const naam = window.alg && window.alg[4] ? String(window.alg[4]) : (/^alg\[4\]='(.*)';\r?$/m.exec(tekst) || [])[1];
    melding('De afmeldgegevens konden niet worden geladen. Neem contact op met ' + (naam || 'de contactpersoon van uw club') + '.');
  }

  function svg(naam, kenmerken, ouder) {
    const e = document.createElementNS(SVG, naam);
    for (const k in kenmerken) e.setAttribute(k, kenmerken[k]);
    if (ouder) ouder.appendChild(e);
    return e;
  }

  const maat = (v) => Math.min(Math.max(Math.round(Number(v)) || 0, 0), 4000);

  // The header as the desktop's real-size preview draws it: a W x H box in a 1-px frame, the
  // logo area at the left, the text centred on the rest, two corner texts in Arial 10pt.
  function tekenKop(ikop) {
    const W = maat(ikop[12]), H = maat(ikop[13]);
    if (!W || !H) return;
    const logojn = Number(ikop[6]), m = maat(ikop[8]), maxBreed = Math.round(W / 3);
    const kop = $('kop');
    const hoekregel = document.createElement('p');
    hoekregel.className = 'hoekregel';
    hoekregel.textContent = [ikop[10], ikop[11]].filter((t) => t).join(' \u00B7 ');

    function teken(beeld) {
      let p1 = maxBreed, p2 = { w: maxBreed - 2 * m, h: H - 2 * m };
      if (beeld) {
        const sx = (maxBreed - 2 * m) / beeld.naturalWidth, sy = (H - 2 * m) / beeld.naturalHeight;
        const s = Math.max(sx <= sy ? sx : sy, 0);
        p2 = { w: Math.round(beeld.naturalWidth * s), h: Math.round(beeld.naturalHeight * s) };
        p1 = p2.w + 2 * m;
      }
      const naam = [ikop[0], ikop[10], ikop[11]].filter((t) => t).join(', ') || 'Kop van de afmeldsite';
      const doek = svg('svg', { viewBox: `0 0 ${W + 2} ${H + 2}`, width: W + 2, height: H + 2, role: 'img', 'aria-label': naam });
      svg('rect', { width: W + 2, height: H + 2, fill: '#000' }, doek);
      svg('rect', { width: W, height: H }, svg('clipPath', { id: 'kopvlak' }, svg('defs', {}, doek)));
      const vlak = svg('g', { transform: 'translate(1,1)', 'clip-path': 'url(#kopvlak)' }, doek);
      svg('rect', { width: W, height: H, fill: ikop[5] }, vlak);
      // Centred on the outer width, as the preview does, measured from the inner edge.
      const x = logojn === 1 ? p1 + (W + 2 - p1) / 2 : (W + 2) / 2;
      const familie = String(ikop[1]).replace(/["';]/g, '');
      svg('text', { class: 'koptekst', x, y: Number(ikop[9]) || 0, 'text-anchor': 'middle', 'dominant-baseline': 'text-before-edge', 'font-family': `"${familie}", Arial, sans-serif`,
        'font-size': (Number(ikop[3]) || 24) + 'pt', 'font-weight': Number(ikop[2]) ? 'bold' : 'normal', fill: ikop[4] }, vlak).textContent = ikop[0];
      const hoek = { 'font-family': 'Arial, sans-serif', 'font-size': '10pt', y: H - 3, 'dominant-baseline': 'text-after-edge', fill: '#000' };
      svg('text', { ...hoek, class: 'hoek-links', x: logojn === 1 ? p1 + 6 : 6 }, vlak).textContent = ikop[10];
      svg('text', { ...hoek, class: 'hoek-rechts', x: W - 6, 'text-anchor': 'end' }, vlak).textContent = ikop[11];
      if (logojn !== 0) {
        // The logo area covers the corner texts, as the preview's picture box does.
        svg('rect', { class: 'logovak', width: p1, height: H, fill: ikop[5] }, vlak);
        if (p2.w > 0 && p2.h > 0) {
          svg('rect', { class: 'logo', x: m, y: m, width: p2.w, height: p2.h, fill: '#fff' }, vlak);
          if (beeld) svg('image', { href: beeld.src, x: m, y: m, width: p2.w, height: p2.h, preserveAspectRatio: 'none' }, vlak);
        }
      }
      kop.replaceChildren(doek, hoekregel);
    }

    teken(null);
    if (logojn !== 0 && /^[\w.-]+$/.test(String(ikop[7]))) {
      const beeld = new Image();
      beeld.onload = () => beeld.naturalWidth && beeld.naturalHeight && teken(beeld);
      beeld.src = ikop[7];
    }
    // On a screen narrower than the header it scales down and the corner texts get a line.
    new ResizeObserver(() => { hoekregel.hidden = kop.clientWidth >= W + 2 || !hoekregel.textContent; }).observe(kop);
  }

  // The value of a single-quoted literal's text (the desktop escapes \\ \' \r \n).
  const jsTekst = (s) => s.replace(/\\(u[0-9A-Fa-f]{4}|x[0-9A-Fa-f]{2}|[\s\S])/g, (_, e) =>
    e.length > 1 ? String.fromCharCode(parseInt(e.slice(1), 16)) : { n: '\n', r: '\r', t: '\t', b: '\b', f: '\f', v: '\v', 0: '\0' }[e] || e);

  // The box names as the file's own VulCombo tests them, in order.
  function vakNamen() {
    const bron = Function.prototype.toString.call(window.VulCombo);
    const namen = [...bron.matchAll(/cmbnaam == '((?:[^'\\]|\\.)*)'\)\{/g)].map((m) => jsTekst(m[1]));
    return namen.length === 4 ? namen : null;
  }

  const lidNummer = (code) => parseInt(String(code).slice(0, 6), 10) || 0;
  const isDummy = (naam) => String(naam).slice(0, 7).toUpperCase() === 'PARTNER';

  function bouw() {
    const { alg, ikop, actem, dag, lid, idbnrbes } = window;
    const namen = vakNamen();
    if (!namen) return nietGeladen();
    eind = eindtijd(alg[5]);
    document.title = String(alg[0] || 'Afmelden');
    $('titel').textContent = 'Afmelden voor ' + alg[1];
    if (alg[4]) {
      $('contact').textContent = 'Contactpersoon: ' + alg[4];
      $('contact').hidden = false;
    }
    tekenKop(ikop);

    const vakken = namen.map((naam, k) => $('vak' + k));
    const gehad = new Set();
    namen.forEach((naam, k) => {
      if (naam === '' || gehad.has(naam)) return;
      gehad.add(naam);
      vakken[k].name = naam;
    });
    // VulCombo adds one option at a time, which costs a box in the page three times as much; it
    // finds the boxes through frm.elements, so it gets them there until they are placed.
    const formulier = $('formulier'), plekken = vakken.map((v) => v.parentNode);
    Object.defineProperty(formulier, 'elements', { value: Object.fromEntries(vakken.filter((v) => v.name).map((v) => [v.name, v])), configurable: true });
    vakken.forEach((v) => v.remove());
    try {
      for (const naam of gehad) window.VulCombo(naam);
    } finally {
      delete formulier.elements;
      vakken.forEach((v, k) => plekken[k].appendChild(v));
    }
    vakken.forEach((v) => { v.parentNode.hidden = v.options.length === 0; });
    if (!vakken[0].options.length) return nietGeladen();

    // Fixed partner: characters 6-14 of a code are the partner's member number.
    if (Number(alg[7]) === 1) {
      const perNummer = new Map();
      lid.forEach((naam, i) => { if (i && !perNummer.has(lidNummer(idbnrbes[i]))) perNummer.set(lidNummer(idbnrbes[i]), i); });
      vakken[0].addEventListener('change', () => {
        const nr = parseInt(vakken[0].value.slice(6, 15), 10) || 0;
        const i = nr ? perNummer.get(nr) : undefined;
        $('vastepartner').hidden = i === undefined;
        if (i === undefined) return;
        $('vastepartner').textContent = 'Uw vaste partner: ' + lid[i];
        const optie = [...vakken[1].options].find((o) => o.value === idbnrbes[i]) ||
          [...vakken[1].options].find((o) => o.index && lidNummer(o.value) === nr);
        if (optie) optie.selected = true;
      });
    }

    if (Number(alg[6]) === 1) {
      $('invallerdeel').hidden = false;
      $('invallers').addEventListener('click', () => {
        const lijst = $('spelers');
        if (!lijst.childElementCount) {
          const gezien = new Set();
          for (const o of [...vakken[2].options, ...vakken[3].options]) {
            if (o.value === GEEN_KEUZE || isDummy(o.textContent) || gezien.has(o.textContent)) continue;
            gezien.add(o.textContent);
            lijst.appendChild(document.createElement('li')).textContent = o.textContent;
          }
        }
        lijst.hidden = !lijst.hidden;
        $('invallers').setAttribute('aria-expanded', String(!lijst.hidden));
      });
    }

    const dagen = $('dagen');
    dag.forEach((d, i) => {
      if (!open(String(d))) return;
      const rij = dagen.appendChild(document.createElement('div'));
      rij.className = 'dag';
      const vak = rij.appendChild(document.createElement('input'));
      Object.assign(vak, { type: 'checkbox', id: 'dag' + i, name: 'dag[]', value: d });
      const label = rij.appendChild(document.createElement('label'));
      label.htmlFor = vak.id;
      label.textContent = langeDatum(d);
    });
    $('emaildeel').hidden = Number(alg[3]) !== 1;
    $('laden').hidden = true;
    if (!dagen.childElementCount) return melding('Er zijn geen speeldagen meer waarvoor u zich kunt afmelden.', 'let-op');
    $('voorbeeld').hidden = !voorbeeld;
    $('formulier').hidden = false;
    $('formulier').addEventListener('submit', (e) => { e.preventDefault(); verstuur(vakken, alg, actem); });
  }

  // The lines of a sign-off; afmelden.php writes the same lines into its mail.
  function regels(alg, keuze) {
    const r = ['Afmelding voor ' + alg[1] + ' van ' + alg[0]];
    keuze.vakken.forEach((v, k) => { if (v.code) r.push(REGELNAMEN[k] + ': ' + v.naam); });
    r.push('Speeldagen: ' + keuze.dagen.map(langeDatum).join(', '));
    if (keuze.opmerking) r.push('Opmerking: ' + keuze.opmerking);
    if (keuze.email) r.push('E-mailadres: ' + keuze.email);
    return r;
  }

  function toonUitwijk(alg, actem, keuze) {
    const aan = actem.map((a) => encodeURIComponent(String(a).trim()).replace(/%40/g, '@')).join(',');
    const onderwerp = 'Afmelding ' + alg[1] + ': ' + keuze.vakken[0].naam;
    $('mailto').href = 'mailto:' + aan + '?subject=' + encodeURIComponent(onderwerp) +
      '&body=' + encodeURIComponent(regels(alg, keuze).join('\r\n'));
    $('uitwijk').hidden = false;
  }

  async function verstuur(vakken, alg, actem) {
    const keuze = {
      vakken: vakken.map((v) => {
        const o = v.parentNode.hidden || v.selectedIndex < 0 ? null : v.options[v.selectedIndex];
        return o && o.value !== GEEN_KEUZE ? { naam: o.textContent, code: o.value } : { naam: '', code: '' };
      }),
      dagen: [...document.querySelectorAll('input[name="dag[]"]:checked')].map((c) => c.value),
      opmerking: $('opmerking').value.trim().replace(/\s*[\r\n]+\s*/g, ' '),
      email: $('emaildeel').hidden ? '' : $('email').value.trim(),
    };
    $('uitwijk').hidden = true;
    if (!keuze.vakken[0].code) return melding('Kies eerst uw naam.');
    if (!keuze.dagen.length) return melding('Kies minstens één speeldag.');
    if (voorbeeld) return melding('Dit is een voorbeeld: de afmelding is niet verstuurd.', 'let-op');
    const velden = new URLSearchParams();
    keuze.vakken.forEach((v, k) => velden.append('vak' + k, v.code));
    keuze.dagen.forEach((d) => velden.append('dag[]', d));
    velden.append('opmerking', keuze.opmerking);
    velden.append('email', keuze.email);
    velden.append('website', $('website').value);
    $('versturen').disabled = true;
    const antwoord = await fetch('afmelden.php', { method: 'POST', body: velden }).catch(() => null);
    const uitslag = antwoord && await antwoord.json().catch(() => null);
    const tekst = uitslag && typeof uitslag.tekst === 'string' ? uitslag.tekst : '';
    $('versturen').disabled = false;
    // No PHP, no answer of ours, or a failure on the server: the member's own mail program.
    if (!tekst || antwoord.status >= 500) {
      melding(tekst || 'Uw afmelding kon niet worden verstuurd.');
      return toonUitwijk(alg, actem, keuze);
    }
    melding(tekst, antwoord.ok ? 'goed' : 'fout');
    if (antwoord.ok) $('formulier').reset();
  }

  laadScript().then(() => (werkt() ? bouw() : nietGeladen()), nietGeladen)
    .catch(nietGeladen)
    .finally(() => { $('laden').hidden = true; });
})();
