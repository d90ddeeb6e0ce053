// SPDX-License-Identifier: MIT
// A static file server for the built site, on the loopback interface only:
//   node web/tools/serve.mjs SITE-DIR [PORT]
// A port in use is said and the next free one taken. The browser tests and
// the benchmark start it on a port of their own through serveSite().
import { createReadStream, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize, sep } from "node:path";
import { fileURLToPath } from "node:url";

const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".svg": "image/svg+xml",
    ".txt": "text/plain; charset=utf-8",
    ".json": "application/json",
};

function handler(site) {
    const top = normalize(site + sep);
    return (request, response) => {
        let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
        if (path.endsWith("/")) {
            path += "index.html";
        }
        const file = normalize(join(top, path));
        // Nothing outside the site, whatever the path says.
        let size = -1;
        if (file.startsWith(top)) {
            try {
                const info = statSync(file);
                size = info.isFile() ? info.size : -1;
            } catch {
                size = -1;
            }
        }
        if (size < 0 || (request.method !== "GET" && request.method !== "HEAD")) {
            response.writeHead(404, { "Content-Type": "text/plain" }).end("not found\n");
            return;
        }
        response.writeHead(200, {
            "Content-Type": types[extname(file)] ?? "application/octet-stream",
            "Content-Length": size,
            "Cache-Control": "no-cache",
        });
        if (request.method === "HEAD") {
            response.end();
            return;
        }
        createReadStream(file).pipe(response);
    };
}

// Listens on 127.0.0.1 from `port` up, `tries` ports at most; 0 takes any
// free port. Resolves to { server, url }.
export function serveSite(site, port = 0, tries = 20, onBusy = () => {}) {
    return new Promise((resolve, reject) => {
        const server = createServer(handler(site));
        const attempt = (candidate, left) => {
            server.once("error", (error) => {
                if (error.code === "EADDRINUSE" && candidate !== 0 && left > 1) {
                    onBusy(candidate);
                    attempt(candidate + 1, left - 1);
                } else {
                    reject(error);
                }
            });
            server.listen(candidate, "127.0.0.1", () => {
                const { port: bound } = server.address();
                resolve({ server, url: `http://127.0.0.1:${bound}/` });
            });
        };
        attempt(port, tries);
    });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const [site, port = "8080"] = process.argv.slice(2);
    const { url } = await serveSite(site, Number(port), 50, (busy) =>
        console.log(`port ${busy} is in use; trying ${busy + 1}`),
    );
    console.log(`Marvane is served at ${url} (Ctrl+C stops it)`);
}
