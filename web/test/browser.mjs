// SPDX-License-Identifier: MIT
// Starting Debian's Chromium headless for the page's tests and benchmark,
// and serving the built site beside it. Nothing downloads a browser.
import { mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import puppeteer from "puppeteer-core";
import { serveSite } from "../tools/serve.mjs";

export const chromiumPath = process.env.MARVANE_CHROMIUM ?? "/usr/bin/chromium";

export async function startBrowser(site) {
    const { server, url } = await serveSite(site, 0);
    const profile = mkdtempSync(join(tmpdir(), "marvane-chromium-"));
    const args = [
        "--headless=new",
        "--disable-gpu",
        "--disable-quic",
        "--no-first-run",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        "--disable-dev-shm-usage",
    ];
    // As root Chromium runs only without its sandbox.
    if (process.getuid?.() === 0) {
        args.push("--no-sandbox");
    }
    const browser = await puppeteer.launch({
        executablePath: chromiumPath,
        headless: true,
        userDataDir: profile,
        args,
    });
    return {
        browser,
        url,
        async close() {
            await browser.close();
            server.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// Opens the page at `hash` and waits until the results match the address.
export async function openPage(session, hash = "", options = {}) {
    const page = await session.browser.newPage();
    if (options.viewport) {
        await page.setViewport(options.viewport);
    }
    if (options.colorScheme) {
        await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: options.colorScheme }]);
    }
    const problems = [];
    page.on("pageerror", (error) => problems.push(String(error)));
    page.on("console", (message) => {
        if (message.type() === "error") {
            problems.push(message.text());
        }
    });
    page.problems = problems;
    await page.goto(session.url + hash);
    await waitReady(page);
    return page;
}

export async function waitReady(page, timeout = 30_000) {
    await page.waitForFunction(() => document.body.dataset.state === "ready", { timeout });
}
