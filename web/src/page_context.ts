// SPDX-License-Identifier: MIT
import type { Engine, Fields, Limits, Result } from "./module";

// What the parts of the page read of it and ask of it.
export interface PageContext {
    readonly engine: Engine;
    readonly limits: Limits;
    result(): Result | undefined;
    fields(): Fields;
    readForm(): Fields;
    submit(fields: Fields): void;
    clearMessages(): void;
    showFieldError(field: string, message: string, focus: boolean): void;
}
