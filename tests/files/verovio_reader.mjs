// Reads MusicXML files with verovio (the npm package, installed by
// scripts/setup_verovio.sh) and prints what it understood, one line each:
//   file PATH | error TEXT
//   note STAFF ONSET DURATION PITCH   (onset and duration in 24ths of a quarter)
//   rest STAFF ONSET DURATION
//   tie STAFF ONSET PITCH             (for the note a tie starts from)
//   syl STAFF ONSET WORDPOS TEXT      (wordpos i, m, t or -)
//   harm MEASURE TSTAMP TEXT
// Usage: node verovio_reader.mjs VEROVIO_DIR FILE...  (.mxl files are unzipped by verovio)
import fs from 'node:fs';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const [dir, ...files] = process.argv.slice(2);
const dist = path.join(dir, 'node_modules', 'verovio', 'dist');
const createModule = (await import(pathToFileURL(path.join(dist, 'verovio-module.mjs')))).default;
const { VerovioToolkit } = await import(pathToFileURL(path.join(dist, 'verovio.mjs')));
const toolkit = new VerovioToolkit(await createModule());

const steps = (quarters) => Math.round(quarters * 24);
const attribute = (tag, name) => {
    const found = tag.match(new RegExp(`\\s${name}="([^"]*)"`));
    return found ? found[1] : null;
};

function load(file) {
    const bytes = fs.readFileSync(file);
    if (file.toLowerCase().endsWith('.mxl')) {
        return toolkit.loadZipDataBuffer(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength));
    }
    return toolkit.loadData(bytes.toString());
}

// When each element starts and ends, in quarters, from the time map.
function times() {
    const on = new Map();
    const off = new Map();
    for (const entry of toolkit.renderToTimemap({ includeRests: true })) {
        for (const id of [...(entry.on || []), ...(entry.restsOn || [])]) on.set(id, entry.qstamp);
        for (const id of [...(entry.off || []), ...(entry.restsOff || [])]) off.set(id, entry.qstamp);
    }
    return { on, off };
}

function read(file) {
    if (!load(file)) {
        console.log(`error ${file} ${toolkit.getLog().replace(/\n/g, ' ')}`);
        return;
    }
    const mei = toolkit.getMEI();
    const { on, off } = times();
    const staffOf = new Map();
    const pitchOf = (id) => toolkit.getMIDIValuesForElement(id).pitch;
    let staff = 0;
    let measure = 0;
    let lastNote = null;
    // A chord's syllables stand before its notes; they belong to its first.
    let waiting = null;
    const tokens = /<measure\s[^>]*>|<staff\s[^>]*>|<chord\s[^>]*>|<(?:note|rest|mRest)\s[^>]*>|<syl[\s>][^>]*>?[^<]*<\/syl>|<tie\s[^>]*>|<harm\s[^>]*>[^<]*<\/harm>/g;
    for (const [tag] of mei.matchAll(tokens)) {
        const id = attribute(tag, 'xml:id');
        if (tag.startsWith('<measure')) {
            measure = Number(attribute(tag, 'n'));
        } else if (tag.startsWith('<staff')) {
            staff = Number(attribute(tag, 'n'));
        } else if (tag.startsWith('<chord')) {
            waiting = [];
        } else if (tag.startsWith('<note')) {
            staffOf.set(id, staff);
            lastNote = id;
            console.log(`note ${staff} ${steps(on.get(id))} ${steps(off.get(id) - on.get(id))} ${pitchOf(id)}`);
            for (const [position, text] of waiting || []) {
                console.log(`syl ${staff} ${steps(on.get(id))} ${position} ${text}`);
            }
            waiting = null;
        } else if (tag.startsWith('<rest') || tag.startsWith('<mRest')) {
            lastNote = null;
            waiting = null;
            if (on.has(id)) console.log(`rest ${staff} ${steps(on.get(id))} ${steps(off.get(id) - on.get(id))}`);
        } else if (tag.startsWith('<syl')) {
            const text = tag.replace(/^<syl[^>]*>/, '').replace(/<\/syl>$/, '');
            const position = attribute(tag, 'wordpos') || '-';
            if (waiting !== null) {
                waiting.push([position, text]);
            } else if (lastNote !== null) {
                console.log(`syl ${staff} ${steps(on.get(lastNote))} ${position} ${text}`);
            }
        } else if (tag.startsWith('<tie')) {
            const start = attribute(tag, 'startid').replace(/^#/, '');
            console.log(`tie ${staffOf.get(start)} ${steps(on.get(start))} ${pitchOf(start)}`);
        } else if (tag.startsWith('<harm')) {
            const text = tag.replace(/^<harm[^>]*>/, '').replace(/<\/harm>$/, '');
            console.log(`harm ${measure} ${attribute(tag, 'tstamp')} ${text}`);
        }
    }
}

for (const file of files) {
    console.log(`file ${file}`);
    read(file);
}
