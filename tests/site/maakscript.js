'use strict';
// Writes hovelink.js in the desktop's line layout (Windows-1252, CR LF), so that the tests can
// make clubs of any size and with any texts. The first test checks it against the golden file.
const HOOG = '\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D\u017D\u008F' +
  '\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u009D\u017E\u0178';

const ansi = (c) => (c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? c : 0x80 + HOOG.indexOf(String.fromCharCode(c)));
const tekst = (t) => String(t).replace(/[\\'\r\n]/g, (c) => ({ '\\': '\\\\', "'": "\\'", '\r': '\\r', '\n': '\\n' })[c]);
const naam = (t) => [...tekst(t)].map((c) => {
  const a = ansi(c.charCodeAt(0));
  return a > 160 ? '\\u00' + a.toString(16).toUpperCase() : c;
}).join('');

// club: { alg: [9 values], ikop: [14], actem, dagen, filters: [4], vakken: [4 names], leden: [{naam, code}] }
function maakScript(club) {
  const r = ['var alg=[];'];
  const waarde = (v) => (typeof v === 'number' ? String(v) : `'${tekst(v)}'`);
  club.alg.forEach((v, i) => r.push(`alg[${i}]=${waarde(v)};`));
  r.push('', 'var ikop=[];');
  club.ikop.forEach((v, i) => r.push(`ikop[${i}]=${waarde(v)};`));
  r.push('', 'var actem=[];', 'function ActemNaarDim()', '{');
  club.actem.forEach((a, i) => r.push(`actem[${i}]='${tekst(a)}';`));
  r.push('}', 'ActemNaarDim();', '', 'var dag=[];', 'function DagenNaarDim()', '{');
  club.dagen.forEach((d, i) => r.push(`dag[${i}]='${d}';`));
  r.push('}', 'DagenNaarDim();', '', 'function format(num, size) {', "var s = num + '';",
    "while (s.length < size) s = '0' + s;", 'return s;}', '', 'var idbnrbes=[];', 'var lid=[];');
  club.filters.forEach((f, k) => r.push(`var DUM1${k}='${f}';`));
  r.push('', 'function LedenNaarDims()', '{', "lid[0]='-----  KIES NAAM  -----';", "idbnrbes[0]='000000000000000000';");
  club.leden.forEach((l, i) => r.push(`lid[${i + 1}]='${naam(l.naam)}';`, `idbnrbes[${i + 1}]='${l.code}';`));
  const [v0, v1, v2, v3] = club.vakken.map(tekst);
  r.push('}', '', 'LedenNaarDims();', '', 'function VulCombo(cmbnaam)', '{', 'var frm=document.forms[0];',
    'for (var i=0; i<lid.length; i++)', '{', 'var oke = 0;', 'var zoek = idbnrbes[i].substring(15,18);',
    `if (cmbnaam == '${v0}'){`, '    if (DUM10.indexOf(zoek) > -1){oke=1} ', "    if (lid[i].substring(0,7)=='Partner') {oke=0}", '    }',
    `if (cmbnaam == '${v1}'){`, '    if (DUM11.indexOf(zoek) > -1){oke=1} }',
    `if (cmbnaam == '${v2}'){`, '    if (DUM12.indexOf(zoek) > -1){oke=1}', "    if (lid[i].substring(0,7)=='Partner') {oke=0}", '    }',
    `if (cmbnaam == '${v3}'){`, '    if (DUM13.indexOf(zoek) > -1){oke=1} }',
    'if (oke == 1) {', "var y=document.createElement('option');", 'y.text=lid[i];', 'y.value=idbnrbes[i];',
    'var x=frm.elements[cmbnaam];', 'try         {x.add(y,null);}', 'catch(ex)   {x.add(y);}', '}', '}', '}', '');
  const tekens = r.join('\r\n') + '\r\n';
  return Buffer.from(Array.from(tekens, (c) => (ansi(c.charCodeAt(0)) >= 0 && ansi(c.charCodeAt(0)) <= 0xFF ? ansi(c.charCodeAt(0)) : 0x3F)));
}

const code = (nr, partner, groep) => String(nr).padStart(6, '0') + String(partner).padStart(9, '0') + String(groep).padStart(3, '0');

// The golden club's settings with `n` members in groups 2 and 3, paired two by two, every
// tenth a 'Partner..' dummy, with accented names.
function club(n, anders = {}) {
  const voornamen = ['Zoë', 'René', 'Anna', 'Sjoerd', 'Inès', 'Ruud', 'Noëlle', 'Bram'];
  const leden = Array.from({ length: n }, (_, i) => {
    const nr = 100 + i, groep = i % 3 === 2 ? 3 : 2;
    const naamTekst = i % 10 === 9 ? `Partner${i}` : `${voornamen[i % 8]} Müller-${String(i).padStart(4, '0')}`;
    return { naam: naamTekst, code: code(nr, i % 2 ? nr - 1 : nr + 1, groep) };
  });
  return {
    alg: ['BC De Troef', 'donderdag-avond', 1, 0, 'Piet Bakker', '15:30', 1, 1, 1],
    ikop: ['BC De Troef', 'Arial', 1, 24, 'rgb(0,0,0)', 'rgb(255,255,0)', 1, '000001.jpg', 5, 20, 'abcde', 'info@troef.nl', 750, 100],
    actem: ['afmelden@troef.nl', 'secretaris@troef.nl'],
    dagen: ['20250904', '20250911'],
    filters: ['#000#002', '#000#002', '#000#003', '#000#002#003'],
    vakken: ['naam1', 'partner', 'inval1', 'inval3'],
    leden,
    ...anders,
  };
}

module.exports = { maakScript, club, code };
