// SPDX-License-Identifier: MIT
// An enumeration in Web Workers, one per core: each worker's own module
// instance visits one share of the hands, cut as the desktop cuts them; the
// counts are added up and the main module makes the report of them.
import { Engine, Fields, isFailure, Split } from "./module";
import type { ShareJob, WorkerMessage } from "./worker";

export interface EnumerationProgress {
    done: number;  // hands visited so far, all workers together
    total: number;
    secondsLeft: number | undefined;  // unknown until some work is done
}

export type EnumerationOutcome =
    | { kind: "completed"; counts: string[] }
    | { kind: "cancelled" }
    | { kind: "failed"; message: string };

// The workers the page enumerates on: one per core, as the browser tells.
export function workerCount(): number {
    const cores = navigator.hardwareConcurrency || 1;
    return Math.max(1, Math.min(cores, 64));
}

export class Enumeration {
    private workers: Worker[] = [];
    private finish: ((outcome: EnumerationOutcome) => void) | undefined;

    // Runs the request's enumeration on `workers` workers; progress comes
    // as the workers tell it. Resolves when all are done, one failed, or
    // cancel() was called.
    run(engine: Engine, fields: Fields, workers: number,
        progress: (state: EnumerationProgress) => void): Promise<EnumerationOutcome> {
        const split = engine.call<Split>({ op: "split", ...fields, shares: workers });
        if (isFailure(split)) {
            return Promise.resolve({ kind: "failed", message: split.error });
        }
        const total = Number(split.hands);
        const shares = split.shares.filter(([begin, end]) => end > begin);
        const done = new Array<number>(shares.length).fill(0);
        const added = new Array<bigint>(17).fill(0n);
        const started = performance.now();
        let left = shares.length;
        return new Promise((resolve) => {
            this.finish = (outcome) => {
                this.stopWorkers();
                this.finish = undefined;
                resolve(outcome);
            };
            if (left === 0) {
                this.finish({ kind: "completed", counts: added.map(String) });
                return;
            }
            const tell = () => {
                const sum = done.reduce((a, b) => a + b, 0);
                const elapsed = (performance.now() - started) / 1000;
                const secondsLeft = sum > 0 && elapsed > 0.5 ? (elapsed * (total - sum)) / sum : undefined;
                progress({ done: sum, total, secondsLeft });
            };
            shares.forEach((share, slot) => {
                const worker = new Worker("worker.js");
                this.workers.push(worker);
                worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
                    const message = event.data;
                    if (message.kind === "progress") {
                        done[slot] = message.done;
                        tell();
                    } else if (message.kind === "failed") {
                        this.finish?.({ kind: "failed", message: message.message });
                    } else {
                        done[slot] = Number(message.visited);
                        message.counts.forEach((count, index) => (added[index] += BigInt(count)));
                        tell();
                        left -= 1;
                        if (left === 0) {
                            this.finish?.({ kind: "completed", counts: added.map(String) });
                        }
                    }
                };
                worker.onerror = (event) => {
                    this.finish?.({ kind: "failed", message: event.message || "a worker failed" });
                };
                const job: ShareJob = { fields: { ...fields, enumerate: false }, share };
                worker.postMessage(job);
            });
        });
    }

    running(): boolean {
        return this.finish !== undefined;
    }

    // Ends the workers at once: a run inside a module can't be told to stop,
    // but its worker can be ended.
    cancel(): void {
        this.finish?.({ kind: "cancelled" });
    }

    private stopWorkers(): void {
        for (const worker of this.workers) {
            worker.terminate();
        }
        this.workers = [];
    }
}
