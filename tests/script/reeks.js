'use strict';
// Runs many generated scripts in one Node process through the harness, which parses each
// (a syntax error is reported like any other error) and fills its boxes. Prints one JSON line per script:
// {"pad", "fout"} on an error, else {"pad", "vakken": [[[text, value], ...] x 4]}.
// Usage: node reeks.js <manifest.json>, the manifest a JSON array of
// {"pad": file, "namen": [four box names]}.
const fs = require('fs');
const { draai } = require('./harness.js');

const regels = [];
for (const { pad, namen } of JSON.parse(fs.readFileSync(process.argv[2], 'utf8'))) {
    try {
        const bytes = fs.readFileSync(pad);
        const uit = draai(bytes, namen, pad);
        regels.push(JSON.stringify({
            pad,
            vakken: uit.vakken.map((v) => v.opties.map((o) => [o.tekst, o.waarde])),
        }));
    } catch (e) {
        regels.push(JSON.stringify({ pad, fout: String(e && e.stack || e) }));
    }
}
process.stdout.write(regels.join('\n') + '\n');
