// SPDX-License-Identifier: MIT
// The WebAssembly module: one JSON request in, one JSON answer out. The page
// has one instance; each enumerating worker has its own.

export interface MarvaneModule {
    ccall(name: string, returns: "string", args: ["string"], values: [string]): string;
    onShareProgress?: (done: number, total: number) => void;
}
export type CreateMarvane = (options?: object) => Promise<MarvaneModule>;

// Compiles the module's code once; each instance (the page's, the workers')
// is made from the compiled code, so the .wasm is fetched and compiled once.
export function compileMarvane(): Promise<WebAssembly.Module> {
    return WebAssembly.compileStreaming(fetch("marvane.wasm")).catch(() =>
        // A host that serves .wasm without its type: compile from the bytes.
        fetch("marvane.wasm").then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
}

// An instance made from compiled code.
export function instantiateMarvane(create: CreateMarvane, compiled: WebAssembly.Module): Promise<MarvaneModule> {
    return create({
        instantiateWasm(imports: WebAssembly.Imports,
                        receive: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void) {
            void WebAssembly.instantiate(compiled, imports).then((instance) => receive(instance, compiled));
            return {};
        },
    });
}

// What the user typed, as the request's fields.
export interface Fields {
    suits: string;
    ranks: string;
    cards: string;
    jokers: string;
    order?: string;
    enumerate?: boolean;
}

export interface FailedAnswer {
    error: string;
    field?: keyof Fields;
}

export interface BreakingPair {
    rarer: string;
    commoner: string;
    rarerCount: string;
    commonerCount: string;
    sentence: string;
}

export interface ResultRow {
    index: number;
    name: string;
    enumerated?: string;
    computed: string;
    total: string;
    probability: string;
    odds: string | null;
    sourceCount: number;
    definition: string;
    brokenBy: BreakingPair[];
}

export interface Result {
    suits: number;
    ranks: number;
    cards: number;
    jokers: number;
    hands: string;
    floatingPath: boolean;
    enumerated: boolean;
    order: string[];
    orderText: string;
    chosenOrder: boolean;
    deckOrder: boolean;
    fiveCards: boolean;
    oneCategoryPerHand: boolean;
    rows: ResultRow[];
    mismatches: string[];
    table: string;
    csv: string;
    json: string;
}

export interface Example {
    index: number;
    example: "found" | "cannotOccur" | "noHandOfThisSize" | "notFound";
    hand: string;
    reason: string;
}

export interface Limits {
    suits: [number, number];
    ranks: [number, number];
    cards: [number, number];
    jokers: [number, number];
    fiveCards: number;
    version: string;
}

export interface Split {
    hands: string;
    shares: [number, number][];
}

export interface ShareCounts {
    counts: string[];
    visited: string;
}

export interface OrderSearch {
    table: string;
    steps: { order: string[]; text: string }[];
    outcome: string;
    existence: string;
    consistent: string | null;
}

export interface OrderCheck {
    table: string;
    order: string;
    selfConsistent: boolean;
    pairs: BreakingPair[];
}

export interface Crossing {
    from: number;
    to: number;
    rarer: string;
    commoner: string;
    equalFrom: number | null;
    unit: string;
    sentence: string;
}

export interface Crossings {
    varying: string;
    crossings: Crossing[];
    series: { value: number; probabilities: number[] }[];
}

export interface Explanation {
    text: string;
    categories: { index: number; name: string; definition: string }[];
    terms: { name: string; definition: string }[];
    notation: string;
}

export function isFailure(answer: unknown): answer is FailedAnswer {
    return typeof answer === "object" && answer !== null && "error" in answer;
}

export class Engine {
    constructor(private readonly module: MarvaneModule) {}

    call<T>(request: object): T | FailedAnswer {
        const text = this.module.ccall("marvane_call", "string", ["string"], [JSON.stringify(request)]);
        return JSON.parse(text) as T | FailedAnswer;
    }
}
