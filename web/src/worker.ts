// SPDX-License-Identifier: MIT
// One enumerating worker: its own module instance runs one share of the
// hands at a time and says how far it has got. Cancel ends the worker.
import { CreateMarvane, Engine, Fields, isFailure, MarvaneModule, ShareCounts } from "./module";

declare const createMarvane: CreateMarvane;
declare function postMessage(message: unknown): void;

export interface ShareJob {
    fields: Fields;
    share: [number, number];
}

export type WorkerMessage =
    | { kind: "progress"; done: number }
    | { kind: "done"; counts: string[]; visited: string }
    | { kind: "failed"; message: string };

importScripts("marvane.js");

// Progress goes out at most every 100 ms: the page needs no more to move its bar.
const progressInterval = 100;
let lastTold = 0;
let module: Promise<MarvaneModule> | undefined;

self.onmessage = async (event: MessageEvent<ShareJob>) => {
    module ??= createMarvane();
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
