'use strict';
// Loads a generated hovelink.js into a fake page with one form of four selection boxes,
// lets VulCombo fill each box, and prints what the site would see as JSON.
// Usage: node harness.js <hovelink.js> '<JSON array of the four box names>'
// or require('./harness.js').draai(bytes, names, file name) from another script.
// Plain Node, no packages.

const fs = require('fs');
const vm = require('vm');

// Windows-1252 bytes 0x80..0x9F. Node's TextDecoder('windows-1252') reads these as Latin-1,
// which would hide a wrong euro sign or curly quote.
const HOOG = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178];

function decodeer(bytes) {
    const delen = [];
    for (const b of bytes)
        delen.push(String.fromCharCode(b >= 0x80 && b < 0xA0 ? HOOG[b - 0x80] : b));
    return delen.join('');
}

function keuzelijst(naam) {
    return {
        name: naam,
        options: [],
        add(optie, voor) {
            if (voor !== undefined && voor !== null)
                throw new Error('add before an option is not expected');
            this.options.push(optie);
        },
    };
}

// Runs the script `bytes` (Windows-1252) in a fresh page and fills the boxes `namen`.
// Throws on a syntax or run-time error of the script.
function draai(bytes, namen, bestandsnaam) {
    const elementen = Object.create(null);
    for (const naam of namen)
        elementen[naam] = keuzelijst(naam);

    const document = {
        forms: [{ elements: elementen }],
        createElement(tag) {
            if (tag !== 'option')
                throw new Error('unexpected element ' + tag);
            return { text: '', value: '' };
        },
    };

    const pagina = vm.createContext({ document });
    vm.runInContext(decodeer(bytes), pagina, { filename: bestandsnaam });
    const gevuld = new Set();
    for (const naam of namen) {
        if (!gevuld.has(naam))
            pagina.VulCombo(naam);
        gevuld.add(naam);
    }

    const lijst = (a) => Array.from(a);
    return {
        vakken: namen.map((naam) => ({
            naam,
            opties: elementen[naam].options.map((o) => ({ tekst: o.text, waarde: o.value })),
        })),
        alg: lijst(pagina.alg),
        ikop: lijst(pagina.ikop),
        actem: lijst(pagina.actem),
        dag: lijst(pagina.dag),
        lid: lijst(pagina.lid),
        idbnrbes: lijst(pagina.idbnrbes),
        filters: [pagina.DUM10, pagina.DUM11, pagina.DUM12, pagina.DUM13],
    };
}

module.exports = { draai };

if (require.main === module) {
    const [pad, namenJson] = process.argv.slice(2);
    process.stdout.write(JSON.stringify(draai(fs.readFileSync(pad), JSON.parse(namenJson), pad)));
}
