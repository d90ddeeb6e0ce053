// SPDX-License-Identifier: MIT
// The page in headless Chromium, as a reader uses it: by address, by
// keyboard and mouse, with downloads, an enumeration in workers and Cancel.
// Screenshots in light, dark and at 360 px go to $MARVANE_SHOTS.
//   MARVANE_SITE=build/web/site MARVANE_COUNT=.../marvane-count node --test web/test/page.test.mjs
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, describe, test } from "node:test";
import { openPage, startBrowser, waitReady } from "./browser.mjs";

const site = process.env.MARVANE_SITE ?? "build/web/site";
const marvaneCount = process.env.MARVANE_COUNT ?? "build/test/cli/marvane-count";
const shots = process.env.MARVANE_SHOTS ?? "build/web/screenshots";

function commandLine(...args) {
    return execFileSync(marvaneCount, args, { encoding: "utf8", maxBuffer: 1 << 24 });
}

function csvRows(csv) {
    const [header, ...lines] = csv.trimEnd().split("\n");
    const names = header.split(",");
    // The names hold no comma, so a plain split reads these lines.
    return lines.map((line) => Object.fromEntries(line.split(",").map((value, i) => [names[i], value])));
}

async function tableRows(page) {
    return page.$$eval("#results tbody tr", (rows) => rows.map((row) => {
        const cells = { category: row.dataset.category, hand: row.querySelector("th").textContent.replace(/\s*⚠$/, "") };
        for (const cell of row.querySelectorAll("td[data-column]")) {
            cells[cell.dataset.column] = cell.textContent;
        }
        return cells;
    }));
}

// The one file with this ending that a download puts into the folder.
async function downloaded(folder, ending) {
    for (let i = 0; i < 100; i++) {
        const files = readdirSync(folder).filter((name) => name.endsWith(ending));
        if (files.length > 0) {
            assert.equal(files.length, 1);
            return readFileSync(join(folder, files[0]));
        }
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    throw new Error(`no ${ending} file was downloaded`);
}

let session;
before(async () => {
    mkdirSync(shots, { recursive: true });
    session = await startBrowser(site);
    // Copy writes to the clipboard, and the test reads it back.
    await session.browser.defaultBrowserContext().overridePermissions(session.url, ["clipboard-read", "clipboard-write", "clipboard-sanitized-write"]);
});
after(async () => {
    await session?.close();
});

describe("the results", () => {
    test("without an address: 4 x 13 at five cards, counted", async () => {
        const page = await openPage(session);
        assert.equal(await page.$eval("#possible-hands", (e) => e.textContent), "2598960");
        assert.equal((await tableRows(page)).length, 17);
        assert.deepEqual(page.problems, []);
        await page.close();
    });

    test("8 x 20 at 7 cards with 2 jokers, opened by address, shows the command line's numbers", async () => {
        const page = await openPage(session, "#suits=8&ranks=20&cards=7&jokers=2");
        assert.equal(await page.$eval("#possible-hands", (e) => e.textContent), "509458483872");
        const expected = csvRows(commandLine("--suits", "8", "--ranks", "20", "--cards", "7", "--jokers", "2", "--odds", "--format", "csv"));
        const shown = await tableRows(page);
        assert.equal(shown.length, 17);
        for (const row of shown) {
            const line = expected.find((e) => e.index === row.category);
            assert.equal(row.hand, line.hand);
            assert.equal(row.computed, line.computed);
            assert.equal(row.total, line.total);
            assert.equal(row.odds, line.odds);
            // Shown to four significant figures.
            const exact = Number(line.probability);
            assert.ok(Math.abs(Number(row.probability) - exact) <= exact * 5e-4, `${row.probability} for ${exact}`);
        }
        // Sorted by Total, ascending, as the dialog opens its list.
        const totals = shown.map((row) => BigInt(row.total));
        assert.deepEqual(totals, [...totals].sort((a, b) => (a < b ? -1 : a > b ? 1 : 0)));
        assert.equal(await page.$eval('th[data-column="total"]', (e) => e.getAttribute("aria-sort")), "ascending");
        // Rows that break the deck's order are marked.
        assert.ok((await page.$$("tr.breaks-order")).length > 0);
        assert.deepEqual(page.problems, []);
        await page.close();
    });

    test("every column sorts both ways by click and by Enter, and says so", async () => {
        const page = await openPage(session, "#suits=5&ranks=10&cards=6&jokers=1");
        const columns = await page.$$eval("#results thead th", (cells) => cells.map((c) => c.dataset.column));
        assert.deepEqual(columns, ["hand", "computed", "total", "probability", "odds"]);
        const valueOf = {
            hand: (row) => row.hand,
            computed: (row) => BigInt(row.computed),
            total: (row) => BigInt(row.total),
            probability: (row) => Number(row.probability),
            odds: (row) => Number(row.probability),
        };
        for (const column of columns) {
            for (const [how, direction] of [["click", "ascending"], ["enter", "descending"]]) {
                if (how === "click") {
                    await page.click(`th[data-column="${column}"] button`);
                } else {
                    await page.focus(`th[data-column="${column}"] button`);
                    await page.keyboard.press("Enter");
                }
                const sorted = await page.$$eval("#results thead th[aria-sort]", (cells) => cells.map((c) => [c.dataset.column, c.getAttribute("aria-sort"), c.textContent]));
                assert.equal(sorted.length, 1);
                assert.equal(sorted[0][0], column);
                assert.equal(sorted[0][1], direction);
                assert.ok(sorted[0][2].endsWith(direction === "ascending" ? "▲" : "▼"));
                const values = (await tableRows(page)).map(valueOf[column]);
                for (let i = 1; i < values.length; i++) {
                    const inOrder = direction === "ascending" ? values[i - 1] <= values[i] : values[i - 1] >= values[i];
                    assert.ok(inOrder, `${column} ${direction} at row ${i}: ${values[i - 1]} then ${values[i]}`);
                }
            }
        }
        await page.close();
    });

    test("a category's definition and an example hand on hover, on focus and on a tap", async () => {
        const page = await openPage(session, "#suits=4&ranks=13&cards=5&jokers=0");
        const definition = commandLine("--explain").split("\n").find((line) => line.startsWith("Flush: "));
        const flush = 'tr[data-category="12"] button.category';
        await page.hover(flush);
        await page.waitForFunction(() => /Example: /.test(document.getElementById("explanation").textContent));
        let shown = await page.$eval("#explanation", (e) => [e.hidden, e.textContent]);
        assert.equal(shown[0], false);
        assert.ok(shown[1].startsWith(definition), shown[1]);
        assert.match(shown[1], /Example: (\d+[a-d] ){4}\d+[a-d]/);
        await page.mouse.move(0, 0);
        assert.equal(await page.$eval("#explanation", (e) => e.hidden), true);
        // By keyboard: Tab from the Total heading's neighbour reaches the names.
        await page.focus('tr[data-category="11"] button.category');
        shown = await page.$eval("#explanation", (e) => [e.hidden, e.textContent]);
        assert.equal(shown[0], false);
        assert.match(shown[1], /^Straight Flush: five ranks in a row/);
        await page.keyboard.press("Escape");
        assert.equal(await page.$eval("#explanation", (e) => e.hidden), true);
        await page.close();
    });

    test("at three cards a hand is itself, and a category it never makes says why", async () => {
        const page = await openPage(session, "#suits=4&ranks=13&cards=3&jokers=0");
        assert.equal(await page.$eval("#possible-hands", (e) => e.textContent), "22100");
        await page.hover('tr[data-category="0"] button.category');
        await page.waitForFunction(() => /Cannot occur: /.test(document.getElementById("explanation").textContent));
        await page.hover('tr[data-category="11"] button.category');
        await page.waitForFunction(() => /Example: \d+[a-d] \d+[a-d] \d+[a-d]$/.test(document.getElementById("explanation").textContent));
        await page.close();
    });

    test("on a touch screen a tap shows it and a second tap hides it", async () => {
        const page = await openPage(session, "#suits=4&ranks=13&cards=5&jokers=0",
            { viewport: { width: 400, height: 800, hasTouch: true, isMobile: true } });
        const flush = 'tr[data-category="12"] button.category';
        await page.tap(flush);
        assert.match(await page.$eval("#explanation", (e) => (e.hidden ? "" : e.textContent)), /^Flush: /);
        await page.tap(flush);
        assert.equal(await page.$eval("#explanation", (e) => e.hidden), true);
        await page.close();
    });
});

describe("ranking, crossings and charts", () => {
    test("the search for a self-consistent order, and counting under it", async () => {
        const page = await openPage(session, "#suits=4&ranks=18&cards=6&jokers=0");
        await page.click("#ranking summary");
        await page.click("#find-order");
        const table = await page.$eval("#order-output", (e) => e.textContent);
        assert.equal(table, commandLine("--suits", "4", "--ranks", "18", "--cards", "6", "--find-order"));
        const answer = await page.$eval("#order-answer", (e) => e.textContent);
        assert.match(answer, /A self-consistent order exists/);
        // An order that leaves out a category is told beside the order.
        await page.$eval("#order-text", (e) => (e.value = "Flush, Straight Flush"));
        await page.click("#use-order");
        assert.match(await page.$eval("#order-message", (e) => e.textContent), /leaves out/);
        // The self-consistent one goes into the address and is counted.
        await page.click("#find-order");
        await page.click("#use-consistent-order");
        await page.waitForFunction(() => location.hash.includes("order=") && document.body.dataset.state === "ready");
        assert.match(await page.$eval("#notes", (e) => e.textContent), /own order/);
        // Another deck starts from its own order again.
        await page.click("#ranks", { clickCount: 3 });
        await page.keyboard.type("12");
        await page.keyboard.press("Enter");
        await page.waitForFunction(() => location.hash.includes("ranks=12") && document.body.dataset.state === "ready");
        assert.equal(new URL(page.url()).hash.includes("order="), false);
        await page.close();
    });

    test("a crossing, as the command line words it", async () => {
        const page = await openPage(session, "#suits=4&ranks=13&cards=5&jokers=0");
        await page.click("#crossings summary");
        await page.select("#crossing-dimension", "suits");
        await page.click("#show-crossings");
        const items = await page.$$eval("#crossing-list li", (list) => list.map((li) => li.textContent));
        assert.deepEqual(items, commandLine("--crossings", "suits", "--ranks", "13").trimEnd().split("\n"));
        await page.close();
    });

    test("the charts are drawn", async () => {
        const page = await openPage(session, "#suits=5&ranks=13&cards=7&jokers=1");
        await page.click("#charts summary");
        await page.waitForSelector('#deck-chart[data-drawn="true"]');
        await page.waitForSelector('#series-chart[data-drawn="true"]');
        // Something was painted: the canvas holds more than one colour.
        const colours = await page.$eval("#deck-chart", (canvas) => {
            const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
            const seen = new Set();
            for (let i = 0; i < data.length; i += 4 * 97) {
                seen.add(data.slice(i, i + 4).join());
            }
            return seen.size;
        });
        assert.ok(colours > 2, `only ${colours} colours on the chart`);
        // Saved as a PNG picture.
        const folder = mkdtempSync(join(tmpdir(), "marvane-download-"));
        const cdp = await page.createCDPSession();
        await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder });
        await page.click("#save-deck-chart");
        const saved = await downloaded(folder, ".png");
        assert.deepEqual([...saved.subarray(0, 4)], [0x89, 0x50, 0x4e, 0x47]);
        rmSync(folder, { recursive: true, force: true });
        await page.close();
    });
});

describe("saving, input and the address", () => {
    test("Save as CSV gives marvane-count's bytes", async () => {
        const page = await openPage(session, "#suits=6&ranks=9&cards=7&jokers=3");
        const folder = mkdtempSync(join(tmpdir(), "marvane-download-"));
        const cdp = await page.createCDPSession();
        await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder });
        await page.click("#save-csv");
        assert.equal((await downloaded(folder, ".csv")).toString("utf8"),
            commandLine("--suits", "6", "--ranks", "9", "--cards", "7", "--jokers", "3", "--odds", "--format", "csv"));
        rmSync(folder, { recursive: true, force: true });
        await page.close();
    });

    test("Copy puts the command line's table on the clipboard", async () => {
        const page = await openPage(session, "#suits=6&ranks=9&cards=7&jokers=3");
        // The clipboard takes text only from the page in front.
        await page.bringToFront();
        await page.click("#copy-table");
        await page.waitForFunction(async () => (await navigator.clipboard.readText()) !== "");
        assert.equal(await page.evaluate(() => navigator.clipboard.readText()),
            commandLine("--suits", "6", "--ranks", "9", "--cards", "7", "--jokers", "3", "--odds"));
        await page.close();
    });

    test("a bad value gets the dialog's message beside its field, and goes nowhere", async () => {
        const page = await openPage(session, "#suits=4&ranks=13&cards=5&jokers=0");
        const before = page.url();
        await page.click("#suits", { clickCount: 3 });
        await page.keyboard.type("9");
        await page.keyboard.press("Enter");
        assert.equal(await page.$eval("#suits-message", (e) => e.textContent), "Please enter an integer between 4 and 8.");
        assert.equal(await page.evaluate(() => document.activeElement.id), "suits");
        assert.equal(page.url(), before);
        // A malformed address gets the field's message, never a broken page.
        await page.goto(session.url + "#suits=4&ranks=x13");
        await waitReady(page);
        assert.equal(await page.$eval("#ranks-message", (e) => e.textContent), "Please enter a positive integer.");
        assert.equal(await page.$eval("#results", (e) => e.hidden), true);
        assert.deepEqual(page.problems, []);
        await page.close();
    });

    test("the steps stop at the ends of the range, by key and by button", async () => {
        const page = await openPage(session);
        await page.focus("#suits");
        for (let i = 0; i < 6; i++) {
            await page.keyboard.press("ArrowUp");
        }
        assert.equal(await page.$eval("#suits", (e) => e.value), "8");
        await page.click('button.step[data-field="jokers"][data-step="-1"]');
        assert.equal(await page.$eval("#jokers", (e) => e.value), "0");
        await page.click('button.step[data-field="jokers"][data-step="1"]');
        assert.equal(await page.$eval("#jokers", (e) => e.value), "1");
        await page.close();
    });

    test("Back goes to the previous result", async () => {
        const page = await openPage(session);
        for (const suits of ["5", "6"]) {
            await page.click("#suits", { clickCount: 3 });
            await page.keyboard.type(suits);
            await page.keyboard.press("Enter");
            await page.waitForFunction((s) => location.hash.includes("suits=" + s) && document.body.dataset.state === "ready", {}, suits);
        }
        assert.equal(await page.$eval("#possible-hands", (e) => e.textContent), "21111090");
        await page.goBack();
        await page.waitForFunction(() => document.getElementById("possible-hands").textContent === "8259888");
        assert.equal(await page.$eval("#suits", (e) => e.value), "5");
        await page.goBack();
        await page.waitForFunction(() => document.getElementById("possible-hands").textContent === "2598960");
        await page.close();
    });
});

describe("enumerating in workers", () => {
    test("6 x 13 at 7 cards: asked first, progress to the end, enumerated equals computed", async () => {
        const asking = await session.browser.newPage();
        await asking.goto(session.url + "#suits=6&ranks=13&cards=7&jokers=0&enumerate=1");
        // The page asks first; the test says yes.
        await asking.waitForSelector("#ask[open]");
        const question = await asking.$eval("#ask-text", (e) => e.textContent);
        assert.match(question, /^Enumerating every hand of 7 cards of 6 suits x 13 ranks visits 2,641,902,120 hands and takes about/);
        await asking.click("#ask-yes");
        await asking.waitForFunction(() => document.body.dataset.state === "running");
        const seen = [];
        while ((await asking.evaluate(() => document.body.dataset.state)) === "running") {
            seen.push(await asking.$eval("#progress", (e) => e.value));
            await new Promise((resolve) => setTimeout(resolve, 250));
        }
        assert.ok(seen.some((value) => value > 0 && value < 1000), `progress seen: ${seen}`);
        for (let i = 1; i < seen.length; i++) {
            assert.ok(seen[i] >= seen[i - 1], "progress never goes back");
        }
        assert.equal(await asking.$eval("#progress", (e) => e.value), 1000);
        const rows = await tableRows(asking);
        assert.equal(rows.length, 17);
        for (const row of rows) {
            assert.equal(row.enumerated, row.computed, row.hand);
        }
        await asking.close();
    });

    test("Cancel ends an 8 x 20 run and leaves the computed counts", async () => {
        const page = await session.browser.newPage();
        await page.goto(session.url + "#suits=8&ranks=20&cards=7&jokers=0&enumerate=1");
        await page.waitForSelector("#ask[open]");
        await page.click("#ask-yes");
        await page.waitForFunction(() => document.getElementById("progress").value > 0, { timeout: 30_000 });
        // The page stays responsive while the workers run.
        await page.click('th[data-column="hand"] button');
        assert.equal(await page.$eval('th[data-column="hand"]', (e) => e.getAttribute("aria-sort")), "ascending");
        await page.click("#cancel");
        await waitReady(page);
        assert.equal(await page.$$eval('#results td[data-column="enumerated"]', (cells) => cells.length), 0);
        assert.equal(new URL(page.url()).hash.includes("enumerate"), false);
        assert.match(await page.$eval("#notes", (e) => e.textContent), /cancelled/);
        await page.close();
    });
});

describe("languages", () => {
    test("a French browser gets French, and the switch gives German", async () => {
        const page = await session.browser.newPage();
        await page.evaluateOnNewDocument(() => {
            Object.defineProperty(navigator, "languages", { get: () => ["fr-FR", "fr"] });
        });
        await page.goto(session.url + "#suits=4&ranks=13&cards=5&jokers=0");
        await waitReady(page);
        assert.equal(await page.$eval("#suits-label", (e) => e.textContent), "Nombre de couleurs");
        assert.equal(await page.$eval('tr[data-category="12"] button.category', (e) => e.textContent), "Couleur");
        await page.select("#language", "de");
        assert.equal(await page.$eval("#suits-label", (e) => e.textContent), "Anzahl Farben");
        assert.equal(await page.$eval("html", (e) => e.lang), "de");
        // The message of a bad value is the dialog's German one.
        await page.click("#suits", { clickCount: 3 });
        await page.keyboard.type("9");
        await page.keyboard.press("Enter");
        assert.match(await page.$eval("#suits-message", (e) => e.textContent), /4.*8/);
        assert.notEqual(await page.$eval("#suits-message", (e) => e.textContent), "Please enter an integer between 4 and 8.");
        await page.screenshot({ path: join(shots, "page-german.png"), fullPage: true });
        await page.close();
    });
});

describe("looks", () => {
    const views = [
        ["light", { width: 1000, height: 900 }, "light"],
        ["dark", { width: 1000, height: 900 }, "dark"],
        ["360px", { width: 360, height: 780 }, "light"],
        // A 1280 px window at 200% zoom: 640 CSS pixels, each two device pixels.
        ["zoom-200", { width: 640, height: 450, deviceScaleFactor: 2 }, "light"],
    ];
    for (const [name, viewport, colorScheme] of views) {
        test(`screenshot: ${name}`, async () => {
            const page = await openPage(session, "#suits=5&ranks=13&cards=7&jokers=1", { viewport, colorScheme });
            await page.hover('tr[data-category="12"] button.category');
            await page.waitForFunction(() => /Example: /.test(document.getElementById("explanation").textContent));
            // Usable without sideways scrolling of the page.
            const wide = await page.evaluate(() => document.documentElement.scrollWidth);
            assert.ok(wide <= viewport.width, `the page is ${wide} px wide`);
            await page.screenshot({ path: join(shots, `page-${name}.png`), fullPage: true });
            await page.close();
        });
    }
});
