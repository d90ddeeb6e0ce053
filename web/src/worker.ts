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
// A few small enumerations right after loading: the browser compiles a
// function fully only once it has run for a while, and a run's loops are
// entered once per piece, so without them the first pieces of a run would
// go at the first compiler's speed.
function warmUp(instance: MarvaneModule): void {
    const engine = new Engine(instance);
    for (const cards of ["5", "6"]) {
        for (const jokers of ["0", "1"]) {
            engine.call({ op: "share", suits: "4", ranks: "7", cards, jokers, share: [0, 28] });
        }
    }
}

let module: Promise<MarvaneModule> | undefined;

function load(job: LoadJob): void {
    module = instantiateMarvane(createMarvane, job.compiled).then((instance) => {
        warmUp(instance);
        return instance;
    });
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
