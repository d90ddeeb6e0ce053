// SPDX-License-Identifier: MIT
// The page's speed in headless Chromium, beside the native engine's:
//   node web/bench/page_bench.mjs SITE-DIR [MARVANE-BENCH]
// prints the time until 4 x 13 at five cards is shown, what the page loads,
// the exact count of 8 x 20 at 7 cards with 4 jokers, and the five-card
// enumeration of 8 x 20 on one and on two workers; with the native
// benchmark program, BM_EnumerateFast/8x20 measured in the same minute.
import { execFileSync } from "node:child_process";
import { startBrowser, waitReady } from "../test/browser.mjs";

const [site, nativeBench] = process.argv.slice(2);
if (!site) {
    console.error("usage: page_bench.mjs SITE-DIR [MARVANE-BENCH]");
    process.exit(2);
}
const session = await startBrowser(site);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const since = (page, start, end) => page.evaluate((a, b) => {
    const last = (name) => performance.getEntriesByName(name).at(-1).startTime;
    return last(b) - last(a);
}, start, end);

// Opening the page, cold: its module loaded and 4 x 13 shown.
const ready = [];
let weight = 0;
for (let i = 0; i < 5; i++) {
    const page = await session.browser.newPage();
    await page.setCacheEnabled(false);
    let bytes = 0;
    page.on("response", async (response) => {
        try {
            bytes += (await response.buffer()).length;
        } catch {
            // A response without a body (a redirect) weighs nothing.
        }
    });
    await page.goto(session.url);
    await waitReady(page);
    ready.push(await page.evaluate(() => performance.getEntriesByName("marvane-ready")[0].startTime));
    await new Promise((resolve) => setTimeout(resolve, 200));
    weight = bytes;
    await page.close();
}

// The exact count, from asking to the table shown.
const page = await session.browser.newPage();
await page.goto(session.url);
await waitReady(page);
const exact = [];
for (let i = 0; i < 7; i++) {
    const jokers = i % 2 === 0 ? 4 : 3;  // a change of address each time
    await page.evaluate((j) => (location.hash = `#suits=8&ranks=20&cards=7&jokers=${j}`), jokers);
    await page.waitForFunction((j) => document.body.dataset.state === "ready" && location.hash.endsWith("jokers=" + j) &&
        document.getElementById("possible-hands").textContent !== "2598960", {}, jokers);
    if (jokers === 4) {
        exact.push(await since(page, "marvane-busy", "marvane-ready"));
    }
}
await page.close();

// Each run's time; the machine's other work only ever adds to it, so the
// fastest of several is the figure, the median beside it.
async function enumeration(workers, runs = 5) {
    const times = [];
    for (let i = 0; i < runs; i++) {
        const run = await session.browser.newPage();
        // The workers load their modules when the page opens; the run starts once they have.
        await run.goto(session.url + `?workers=${workers}#suits=8&ranks=20&cards=5&jokers=0`);
        await run.waitForFunction(() => document.body.dataset.workers === "ready");
        await run.evaluate(() => (location.hash += "&enumerate=1"));
        await run.waitForFunction(() => document.body.dataset.state === "ready" &&
            performance.getEntriesByName("marvane-enumerate-end").length > 0, { timeout: 120_000 });
        times.push(await since(run, "marvane-enumerate-start", "marvane-enumerate-end"));
        await run.close();
    }
    return times;
}

function nativeEnumeration() {
    if (!nativeBench) {
        return undefined;
    }
    const out = execFileSync(nativeBench, ["--benchmark_filter=^BM_EnumerateFast/8x20$", "--benchmark_repetitions=5",
        "--benchmark_format=json"], { encoding: "utf8" });
    const runs = JSON.parse(out).benchmarks.filter((b) => b.run_type === "iteration");
    const factor = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 };
    return runs.map((b) => b.real_time * factor[b.time_unit]);
}

const native1 = nativeEnumeration();
const one = await enumeration(1);
const two = await enumeration(2);
const native2 = nativeEnumeration();
await session.close();

const ms = (value) => value.toFixed(value < 10 ? 2 : 0) + " ms";
const figure = (times) => `${ms(Math.min(...times))} (median ${ms(median(times))} of ${times.length})`;
console.log(`ready (module loaded, 4 x 13 shown): ${ms(median(ready))} (median of ${ready.length} cold loads)`);
console.log(`page weight: ${(weight / 1024).toFixed(0)} KiB uncompressed`);
console.log(`8 x 20, 7 cards, 4 jokers, exact, asked to shown: ${ms(median(exact))} (median of ${exact.length})`);
console.log(`8 x 20 five-card enumeration, 1 worker: ${figure(one)}`);
console.log(`8 x 20 five-card enumeration, 2 workers: ${figure(two)}; ` +
    `${(Math.min(...one) / Math.min(...two)).toFixed(2)}x one worker`);
if (native1 !== undefined) {
    const native = Math.min(...native1, ...native2);
    console.log(`native BM_EnumerateFast/8x20: ${figure(native1)} before, ${figure(native2)} after; ` +
        `1 worker in the page is ${(Math.min(...one) / native).toFixed(2)}x native`);
}
