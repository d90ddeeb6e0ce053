// SPDX-License-Identifier: MIT
// An enumeration in Web Workers, one per core: each worker's own module
// instance visits one share of the hands, cut as the desktop cuts them; the
// counts are added up and the main module makes the report of them. The
// workers start when the page does, so a run finds their modules loaded.
import { Engine, Fields, isFailure, Split } from "./module";
import type { LoadJob, ShareJob, WorkerMessage } from "./worker";

export interface EnumerationProgress {
    done: number;  // hands visited so far, all workers together
    total: number;
    secondsLeft: number | undefined;  // unknown until some work is done
}

export type EnumerationOutcome =
    | { kind: "completed"; counts: string[] }
    | { kind: "cancelled" }
    | { kind: "failed"; message: string };

// The workers the page enumerates on: one per core, as the browser tells,
// or as many as "?workers=N" in the address asks (for measuring).
export function workerCount(): number {
    const asked = Number(new URLSearchParams(location.search).get("workers"));
    const cores = Number.isInteger(asked) && asked > 0 ? asked : navigator.hardwareConcurrency || 1;
    return Math.max(1, Math.min(cores, 64));
}

interface PooledWorker {
    worker: Worker;
    loaded: Promise<void>;
    // Where the worker's messages go during a run.
    listener?: (message: WorkerMessage) => void;
}

// Pieces of the hands per worker: enough to even out the workers' ends,
// few enough that each piece's tables cost nothing beside its hands.
const kPiecesPerWorker = 4;

export class Enumeration {
    private pool: PooledWorker[] = [];

    constructor(private readonly compiled: WebAssembly.Module) {}

    private finish: ((outcome: EnumerationOutcome) => void) | undefined;

    // Starts the workers a run will need, each loading its module.
    warm(count: number): Promise<void> {
        while (this.pool.length < count) {
            this.pool.push(this.startWorker());
        }
        return Promise.all(this.pool.slice(0, count).map((pooled) => pooled.loaded)).then(() => undefined);
    }

    // Runs the request's enumeration on `workers` workers; progress comes
    // as the workers tell it. Resolves when all are done, one failed, or
    // cancel() was called.
    run(engine: Engine, fields: Fields, workers: number,
        progress: (state: EnumerationProgress) => void): Promise<EnumerationOutcome> {
        // More pieces than workers, each taking the next when it is done, as
        // the desktop's workers draw on one queue: a worker whose hands go
        // faster is not left waiting for the other.
        const pieceCount = workers === 1 ? 1 : workers * kPiecesPerWorker;
        const split = engine.call<Split>({ op: "split", ...fields, shares: pieceCount });
        if (isFailure(split)) {
            return Promise.resolve({ kind: "failed", message: split.error });
        }
        const total = Number(split.hands);
        const pieces = split.shares.filter(([begin, end]) => end > begin);
        const slots = Math.min(workers, pieces.length);
        const current = new Array<number>(slots).fill(0);
        const added = new Array<bigint>(17).fill(0n);
        let finished = 0;
        let next = 0;
        let left = pieces.length;
        let started = performance.now();
        return new Promise((resolve) => {
            this.finish = (outcome) => {
                this.finish = undefined;
                for (const pooled of this.pool) {
                    pooled.listener = undefined;
                }
                if (outcome.kind !== "completed") {
                    // A worker busy with its piece can't be told to stop: it is ended.
                    this.stopWorkers();
                }
                resolve(outcome);
            };
            if (left === 0) {
                this.finish({ kind: "completed", counts: added.map(String) });
                return;
            }
            const tell = () => {
                const sum = finished + current.reduce((a, b) => a + b, 0);
                const elapsed = (performance.now() - started) / 1000;
                const secondsLeft = sum > 0 && elapsed > 0.5 ? (elapsed * (total - sum)) / sum : undefined;
                progress({ done: sum, total, secondsLeft });
            };
            const give = (slot: number) => {
                if (next < pieces.length) {
                    const job: ShareJob = { fields: { ...fields, enumerate: false }, share: pieces[next++] };
                    this.pool[slot].worker.postMessage(job);
                }
            };
            const onMessage = (slot: number) => (message: WorkerMessage) => {
                if (message.kind === "progress") {
                    current[slot] = message.done;
                    tell();
                } else if (message.kind === "failed") {
                    this.finish?.({ kind: "failed", message: message.message });
                } else if (message.kind === "done") {
                    current[slot] = 0;
                    finished += Number(message.visited);
                    message.counts.forEach((count, index) => (added[index] += BigInt(count)));
                    tell();
                    left -= 1;
                    if (left === 0) {
                        this.finish?.({ kind: "completed", counts: added.map(String) });
                    } else {
                        give(slot);
                    }
                }
            };
            void this.warm(slots).then(() => {
                if (!this.finish) {
                    return;
                }
                started = performance.now();
                for (let slot = 0; slot < slots; ++slot) {
                    this.pool[slot].listener = onMessage(slot);
                    give(slot);
                }
            });
        });
    }

    running(): boolean {
        return this.finish !== undefined;
    }

    cancel(): void {
        this.finish?.({ kind: "cancelled" });
    }

    private startWorker(): PooledWorker {
        const worker = new Worker("worker.js");
        worker.postMessage({ compiled: this.compiled } satisfies LoadJob);
        const pooled: PooledWorker = { worker, loaded: Promise.resolve() };
        pooled.loaded = new Promise((resolve) => {
            worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
                if (event.data.kind === "loaded") {
                    resolve();
                } else {
                    pooled.listener?.(event.data);
                }
            };
            worker.onerror = (event) => {
                resolve();
                pooled.listener?.({ kind: "failed", message: event.message || "a worker failed" });
            };
        });
        return pooled;
    }

    private stopWorkers(): void {
        for (const pooled of this.pool) {
            pooled.worker.terminate();
        }
        this.pool = [];
    }
}
