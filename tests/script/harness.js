'use strict';
// Loads each generated hovelink.js into a fake page with one form of four selection boxes, lets
// VulCombo fill each box, and prints one JSON line of what the site sees, or {"fout": ...}.
// Usage: node harness.js <manifest.json>, a JSON array of {"pad": file, "namen": [four box names]}.
const fs = require('fs');
const vm = require('vm');

// Windows-1252 bytes 0x80..0x9F. Node's TextDecoder('windows-1252') reads these as Latin-1,
// which would hide a wrong euro sign or curly quote.
const HOOG = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178];

function draai(pad, namen) {
    const tekst = Array.from(fs.readFileSync(pad), (b) => String.fromCharCode(b >= 0x80 && b < 0xA0 ? HOOG[b - 0x80] : b)).join('');
    const elementen = Object.create(null);
    for (const naam of namen)
        elementen[naam] = { options: [], add(optie, voor) { if (voor != null) throw new Error('add before'); this.options.push(optie); } };
    const pagina = vm.createContext({
        document: {
            forms: [{ elements: elementen }],
            createElement(tag) { if (tag !== 'option') throw new Error('element ' + tag); return { text: '', value: '' }; },
        },
    });
    vm.runInContext(tekst, pagina, { filename: pad });
    for (const naam of new Set(namen))
        pagina.VulCombo(naam);
    return {
        vakken: namen.map((naam) => ({ naam, opties: elementen[naam].options.map((o) => ({ tekst: o.text, waarde: o.value })) })),
        alg: Array.from(pagina.alg), ikop: Array.from(pagina.ikop), dag: Array.from(pagina.dag),
    };
}

for (const { pad, namen } of JSON.parse(fs.readFileSync(process.argv[2], 'utf8'))) {
    let uit;
    try { uit = draai(pad, namen); } catch (e) { uit = { fout: String((e && e.stack) || e) }; }
    process.stdout.write(JSON.stringify(uit) + '\n');
}
