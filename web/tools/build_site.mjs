// SPDX-License-Identifier: MIT
// Builds the static site from the page's sources and the WebAssembly module:
//   node web/tools/build_site.mjs MODULE-DIR SITE-DIR VERSION
// Type-checks the TypeScript (tsc), bundles the page and its worker
// (esbuild), converts the desktop's German and French translations, lists
// the licences of what is bundled, and copies the page, its styles and the
// module. Everything the site needs ends up in SITE-DIR; nothing is fetched
// from another host at run time.
import { execFileSync } from "node:child_process";
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import { build } from "esbuild";
import { readTranslations } from "./translations.mjs";

const web = join(dirname(fileURLToPath(import.meta.url)), "..");
const root = join(web, "..");
const [moduleDir, site, version] = process.argv.slice(2);
if (!moduleDir || !site || !version) {
    console.error("usage: build_site.mjs MODULE-DIR SITE-DIR VERSION");
    process.exit(2);
}

execFileSync(join(web, "node_modules", ".bin", "tsc"), ["--noEmit", "-p", web], {
    stdio: "inherit",
});

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });

// The translations go into the bundle: the page shows its first words in
// the reader's language without a second request.
const translations = {
    de: readTranslations(join(root, "app/translations/marvane_de.ts")),
    fr: readTranslations(join(root, "app/translations/marvane_fr.ts")),
};

const common = {
    bundle: true,
    minify: true,
    format: "iife",
    target: ["chrome110", "firefox115", "safari16"],
    legalComments: "none",
    logLevel: "warning",
};
await build({
    ...common,
    entryPoints: [join(web, "src/main.ts")],
    outfile: join(site, "page.js"),
    define: {
        MARVANE_VERSION: JSON.stringify(version),
        MARVANE_TRANSLATIONS: JSON.stringify(translations),
    },
});
await build({ ...common, entryPoints: [join(web, "src/worker.ts")], outfile: join(site, "worker.js") });

for (const file of ["index.html", "style.css"]) {
    copyFileSync(join(web, "src", file), join(site, file));
}
copyFileSync(join(root, "app/resources/io.github.marvane.Marvane.svg"), join(site, "icon.svg"));
for (const file of ["marvane.js", "marvane.wasm"]) {
    copyFileSync(join(moduleDir, file), join(site, file));
}

// The licences of everything bundled: the page's npm packages with what
// they depend on, and the libraries compiled into the module.
function packageLicences(names, seen = new Set()) {
    let text = "";
    for (const name of names) {
        if (seen.has(name)) {
            continue;
        }
        seen.add(name);
        const dir = join(web, "node_modules", name);
        const info = JSON.parse(readFileSync(join(dir, "package.json"), "utf8"));
        const file = readdirSync(dir).find((entry) => /^licen[cs]e/i.test(entry));
        text += `\n\n---- ${name} ${info.version} (${info.license}) ----\n\n`;
        text += file ? readFileSync(join(dir, file), "utf8") : info.license + "\n";
        text += packageLicences(Object.keys(info.dependencies ?? {}), seen);
    }
    return text;
}
const bundled = JSON.parse(readFileSync(join(web, "package.json"), "utf8")).dependencies ?? {};
let licences = "Marvane " + version + "\n\n" + readFileSync(join(root, "LICENSE"), "utf8");
licences += packageLicences(Object.keys(bundled));
licences += "\n\n---- nlohmann/json, compiled into marvane.wasm ----\n\n";
licences += readFileSync("/usr/share/doc/nlohmann-json3-dev/copyright", "utf8");
licences += "\n\n---- Emscripten's runtime, libc++ and musl, compiled into marvane.wasm ----\n\n";
licences += readFileSync("/usr/share/doc/emscripten/copyright", "utf8");
writeFileSync(join(site, "licences.txt"), licences);
console.log("site built in " + site);
