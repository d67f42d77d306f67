// Validates a .gltf or .glb file with the Khronos validator and prints its counts as
// "errors N warnings N infos N hints N", then the messages; exits 1 when it cannot run.
const fs = require('fs');
const path = require('path');
const validator = require('gltf-validator');

const file = process.argv[2];
const bytes = new Uint8Array(fs.readFileSync(file));
validator.validateBytes(bytes, {
    uri: path.basename(file),
    externalResourceFunction: (uri) =>
        new Promise((resolve, reject) => {
            fs.readFile(path.join(path.dirname(file), decodeURIComponent(uri)),
                        (error, data) => error ? reject(error.toString()) : resolve(new Uint8Array(data)));
        }),
}).then((report) => {
    const issues = report.issues;
    console.log(`errors ${issues.numErrors} warnings ${issues.numWarnings} ` +
                `infos ${issues.numInfos} hints ${issues.numHints}`);
    for (const message of issues.messages)
        console.log(`${message.severity} ${message.code} ${message.pointer || ''} ${message.message}`);
}, (error) => {
    console.error(`${file}: ${error}`);
    process.exit(1);
});
