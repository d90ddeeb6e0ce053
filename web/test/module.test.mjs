// SPDX-License-Identifier: MIT
// The WebAssembly module under Node: its CSV and JSON are marvane-count's
// bytes for the same options, an enumeration cut into shares (as the page's
// workers run it) adds up to the command line's --enumerate, and bad fields
// get the dialog's messages.
//   MARVANE_WEB_MODULE=build/web/wasm MARVANE_COUNT=build/.../marvane-count node --test web/test/
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join, resolve } from "node:path";
import { before, describe, test } from "node:test";

const moduleDir = process.env.MARVANE_WEB_MODULE ?? "build/web/wasm";
const marvaneCount = process.env.MARVANE_COUNT ?? "build/test/cli/marvane-count";

let call;
before(async () => {
    const createMarvane = createRequire(import.meta.url)(resolve(moduleDir, "marvane.js"));
    // The bytes handed over: Node's fetch can't load a file by path.
    const module = await createMarvane({ wasmBinary: readFileSync(join(moduleDir, "marvane.wasm")) });
    call = (request) => JSON.parse(module.ccall("marvane_call", "string", ["string"], [JSON.stringify(request)]));
});

function commandLine(fields, format, extra = []) {
    const args = ["--suits", fields.suits, "--ranks", fields.ranks, "--cards", fields.cards,
        "--jokers", fields.jokers, "--odds", "--format", format, ...extra];
    if (fields.order) {
        args.push("--order", fields.order);
    }
    return execFileSync(marvaneCount, args, { encoding: "utf8", maxBuffer: 1 << 24 });
}

// Decks from the smallest to the largest, the floating-point "*" of the
// five-card binomial (8 x 20), every hand size, jokers, and an order of the
// user's own.
const decks = [
    { suits: "4", ranks: "7", cards: "5", jokers: "0" },
    { suits: "4", ranks: "13", cards: "5", jokers: "0" },
    { suits: "8", ranks: "20", cards: "5", jokers: "0" },
    { suits: "5", ranks: "9", cards: "6", jokers: "0" },
    { suits: "8", ranks: "20", cards: "7", jokers: "2" },
    { suits: "4", ranks: "13", cards: "5", jokers: "1" },
    { suits: "6", ranks: "10", cards: "7", jokers: "4" },
    { suits: "4", ranks: "13", cards: "3", jokers: "0" },
    { suits: "5", ranks: "8", cards: "4", jokers: "2" },
    { suits: "4", ranks: "9", cards: "8", jokers: "1" },
    {
        suits: "4", ranks: "13", cards: "7", jokers: "0",
        order: "Straight Flush, Hypochromatic 4 of a Kind, Hypochromatic Full House, Flush, " +
            "Hypochromatic Straight, Hypochromatic 3 of a Kind, Hypochromatic 2 Pair, Garbage, Hypochromatic 1 Pair",
    },
];

describe("the saved files are marvane-count's bytes", () => {
    for (const fields of decks) {
        test(`${fields.suits} x ${fields.ranks}, ${fields.cards} cards, ${fields.jokers} jokers${fields.order ? ", own order" : ""}`, () => {
            const result = call({ op: "count", ...fields });
            assert.equal(result.error, undefined);
            assert.equal(result.csv, commandLine(fields, "csv"));
            assert.equal(result.json, commandLine(fields, "json"));
        });
    }
});

describe("an enumeration in shares equals the command line's", () => {
    const runs = [
        [{ suits: "4", ranks: "7", cards: "5", jokers: "0" }, 3],
        [{ suits: "4", ranks: "8", cards: "6", jokers: "0" }, 2],
        [{ suits: "4", ranks: "7", cards: "5", jokers: "2" }, 4],
        [{ suits: "4", ranks: "7", cards: "7", jokers: "1" }, 1],
        [{ suits: "5", ranks: "7", cards: "3", jokers: "0" }, 2],
        [{ suits: "4", ranks: "8", cards: "4", jokers: "1" }, 3],
    ];
    for (const [fields, workers] of runs) {
        test(`${fields.suits} x ${fields.ranks}, ${fields.cards} cards, ${fields.jokers} jokers on ${workers} workers`, () => {
            const split = call({ op: "split", ...fields, shares: workers });
            assert.equal(split.shares.length, workers);
            const added = new Array(17).fill(0n);
            let visited = 0n;
            for (const share of split.shares) {
                const run = call({ op: "share", ...fields, share });
                assert.equal(run.error, undefined);
                run.counts.forEach((count, index) => (added[index] += BigInt(count)));
                visited += BigInt(run.visited);
            }
            assert.equal(visited, BigInt(split.hands));
            const result = call({ op: "fromShares", ...fields, counts: added.map(String) });
            assert.equal(result.enumerated, true);
            assert.deepEqual(result.mismatches, []);
            assert.equal(result.csv, commandLine(fields, "csv", ["--enumerate"]));
        });
    }
});

describe("bad fields get the dialog's messages and never reach the engine", () => {
    const cases = [
        [{ suits: "9", ranks: "13" }, "suits", "Please enter an integer between 4 and 8."],
        [{ suits: "", ranks: "13" }, "suits", "Please enter a positive integer."],
        [{ suits: "-4", ranks: "13" }, "suits", "Please enter a positive integer."],
        [{ suits: "4", ranks: "21" }, "ranks", "Please enter an integer between 7 and 20."],
        [{ suits: "4", ranks: "13x" }, "ranks", "Please enter a positive integer."],
        [{ suits: "99999999999999999999", ranks: "13" }, "suits", "Please enter an integer between 4 and 8."],
        [{ suits: "4", ranks: "13", jokers: "5" }, "jokers", "Please enter an integer between 0 and 4."],
        // The first bad field is told, as the dialog reads its boxes in order.
        [{ suits: "3", ranks: "99", cards: "x" }, "suits", "Please enter an integer between 4 and 8."],
        [{ suits: "4", ranks: "13", cards: "6", order: "Flush, Flush" }, "order", null],
        [{ suits: "4", ranks: "13", cards: "6", order: "Foo" }, "order", null],
    ];
    for (const [fields, field, message] of cases) {
        test(JSON.stringify(fields), () => {
            for (const op of ["read", "count", "split", "findOrder"]) {
                const answer = call({ op, ...fields });
                assert.equal(answer.field, field, op);
                if (message) {
                    assert.equal(answer.error, message, op);
                } else {
                    assert.match(answer.error, /\.$/, op);
                }
            }
        });
    }

    test("the hand size's message names the engine's range", () => {
        const limits = call({ op: "limits" });
        const answer = call({ op: "count", suits: "4", ranks: "13", cards: String(limits.cards[1] + 1) });
        assert.equal(answer.error, `Please enter an integer between ${limits.cards[0]} and ${limits.cards[1]}.`);
    });

    test("what the engine refuses comes back as a message, not an abort", () => {
        assert.match(call({ op: "share", suits: "4", ranks: "7", share: [0] }).error, /share/);
        assert.match(call({ op: "fromShares", suits: "4", ranks: "7", counts: ["1"] }).error, /count/);
        assert.match(call({ op: "nonsense", suits: "4", ranks: "7" }).error, /nonsense/);
        assert.match(call({ op: "crossings", suits: "4", ranks: "7", varying: "colours" }).error, /colours/);
        // The module still answers afterwards.
        assert.equal(call({ op: "count", suits: "4", ranks: "13" }).hands, "2598960");
    });
});

describe("the ranking and the crossings say what marvane-count says", () => {
    test("the search for a self-consistent order", () => {
        const fields = { suits: "4", ranks: "13", cards: "7", jokers: "0" };
        const answer = call({ op: "findOrder", ...fields });
        const table = execFileSync(marvaneCount, ["--suits", "4", "--ranks", "13", "--cards", "7", "--find-order"], { encoding: "utf8" });
        assert.equal(answer.table, table);
        assert.equal(answer.existence, "no self-consistent order exists");
    });

    // Each series with its crossings, and the decks a chart of it draws.
    const series = [
        [["--crossings", "suits", "--ranks", "13"], { suits: "4", ranks: "13", cards: "5", varying: "suits" }, 5],
        [["--crossings", "ranks", "--suits", "5", "--cards", "6"], { suits: "5", ranks: "9", cards: "6", varying: "ranks" }, 14],
        [["--crossings", "cards", "--suits", "4", "--ranks", "13"], { suits: "4", ranks: "13", varying: "cards" }, null],
        [["--crossings", "jokers", "--suits", "6", "--ranks", "8", "--cards", "7"], { suits: "6", ranks: "8", cards: "7", varying: "jokers" }, 5],
    ];
    for (const [args, request, decks] of series) {
        test(args.join(" "), () => {
            const answer = call({ op: "crossings", ...request });
            const lines = execFileSync(marvaneCount, args, { encoding: "utf8" }).trimEnd();
            assert.deepEqual(answer.crossings.map((crossing) => crossing.sentence), lines === "" ? [] : lines.split("\n"));
            if (decks !== null) {
                assert.equal(answer.series.length, decks);
            }
        });
    }
});
