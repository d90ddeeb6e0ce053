// SPDX-License-Identifier: MIT
// One enumerating worker: it loads its own module instance as soon as it
// starts (so a run finds it ready), then runs one share of the hands at a
// time and says how far it has got. Cancel ends the worker.
import { CreateMarvane, Engine, Fields, instantiateMarvane, isFailure, MarvaneModule, ShareCounts } from "./module";

declare const createMarvane: CreateMarvane;
declare function postMessage(message: unknown): void;

// The first message: the page's compiled code. Then one job per run.
export interface LoadJob {
    compiled: WebAssembly.Module;
}

export interface ShareJob {
    fields: Fields;
    share: [number, number];
}

export type WorkerMessage =
    | { kind: "loaded" }
    | { kind: "progress"; done: number }
    | { kind: "done"; counts: string[]; visited: string }
    | { kind: "failed"; message: string };

importScripts("marvane.js");

// Progress goes out at most every 100 ms: the page needs no more to move its bar.
const progressInterval = 100;
let lastTold = 0;
// Enumerations of a few small decks right after loading, twice with a
// pause between: the browser compiles a function fully only once it has run
// for a while, in the background, and a run's loops are entered once per
// piece, so without them the first pieces of a run would go at the first
// compiler's speed. They take a few tens of milliseconds.
const warmUpDecks = [
    { suits: "6", ranks: "10", cards: "5", jokers: "0", share: [0, 60] },
    { suits: "4", ranks: "9", cards: "6", jokers: "0", share: [0, 36] },
    { suits: "4", ranks: "7", cards: "5", jokers: "1", share: [0, 28] },
];

function warmUp(instance: MarvaneModule): Promise<void> {
    const engine = new Engine(instance);
    const once = () => warmUpDecks.forEach((deck) => engine.call({ op: "share", ...deck }));
    once();
    return new Promise((resolve) => setTimeout(() => {
        once();
        resolve();
    }, 150));
}

let module: Promise<MarvaneModule> | undefined;

function load(job: LoadJob): void {
    module = instantiateMarvane(createMarvane, job.compiled).then((instance) => warmUp(instance).then(() => instance));
    module.then(
        () => postMessage({ kind: "loaded" } satisfies WorkerMessage),
        (error: unknown) => postMessage({ kind: "failed", message: String(error) } satisfies WorkerMessage),
    );
}

self.onmessage = async (event: MessageEvent<LoadJob | ShareJob>) => {
    if ("compiled" in event.data) {
        load(event.data);
        return;
    }
    if (!module) {
        postMessage({ kind: "failed", message: "the worker has no module" } satisfies WorkerMessage);
        return;
    }
    const instance = await module;
    instance.onShareProgress = (done: number) => {
        const now = performance.now();
        if (now - lastTold >= progressInterval) {
            lastTold = now;
            postMessage({ kind: "progress", done } satisfies WorkerMessage);
        }
    };
    const answer = new Engine(instance).call<ShareCounts>({
        op: "share",
        ...event.data.fields,
        share: event.data.share,
    });
    if (isFailure(answer)) {
        postMessage({ kind: "failed", message: answer.error } satisfies WorkerMessage);
        return;
    }
    postMessage({ kind: "done", counts: answer.counts, visited: answer.visited } satisfies WorkerMessage);
};
