// SPDX-License-Identifier: MIT
// What a category means, beside its name in the table: its definition in
// the words of marvane-count --explain, an example hand from the deck on
// screen and the pairs that break the order with it. Hover and focus show
// it, a tap shows it until the next tap, Escape hides it.
import { element, sentence } from "./dom";
import { engine as engineText, fill, translate } from "./i18n";
import { Example, isFailure, Result, ResultRow } from "./module";
import type { PageContext } from "./page_context";

export class Explanations {
    private examples = new Map<number, Example>();
    private explained: HTMLElement | undefined;
    private pinned = false;

    constructor(private readonly page: PageContext) {}

    // A new result: its examples are found again.
    forget(): void {
        this.examples.clear();
    }

    findExamples(result: Result): void {
        const found = this.page.engine.call<Example[]>({ op: "examples", ...this.page.fields(), enumerate: false });
        if (isFailure(found)) {
            return;
        }
        for (const example of found) {
            this.examples.set(example.index, example);
        }
        if (this.explained && this.page.result() === result) {
            this.fillExplanation(this.explained);
        }
    }

    explainRows(rows: HTMLTableRowElement[]): void {
        for (const row of rows) {
            const name = row.querySelector<HTMLButtonElement>("button.category");
            if (!name) {
                continue;
            }
            name.setAttribute("aria-describedby", "explanation");
            name.addEventListener("mouseenter", () => this.showExplanation(name, false));
            name.addEventListener("mouseleave", () => this.pinned || this.hideExplanation());
            name.addEventListener("focus", () => this.showExplanation(name, false));
            name.addEventListener("blur", () => this.hideExplanation());
            // A tap shows what hover shows; a second tap hides it.
            name.addEventListener("click", () => {
                if (this.explained === name && this.pinned) {
                    this.hideExplanation();
                } else {
                    this.showExplanation(name, true);
                }
            });
        }
    }

    private rowOf(button: HTMLElement): ResultRow | undefined {
        const index = Number(button.closest("tr")?.dataset.category);
        return this.page.result()?.rows.find((row) => row.index === index);
    }

    private explanationLines(row: ResultRow): string[] {
        const result = this.page.result()!;
        const name = engineText(row.name);
        let definition = engineText(row.definition);
        if (result.cards > 5) {
            definition = fill(translate("ResultsExplanations", result.deckOrder
                ? "the best five of %1 cards, best meaning rarer among this deck's five-card hands, are %2"
                : "the best five of %1 cards, best meaning earlier in the chosen order, are %2"), [result.cards, definition]);
        }
        const lines = [fill(translate("ResultsExplanations", "%1: %2", "a category name and its definition"), [name, definition])];
        if (result.jokers > 0) {
            lines.push(sentence(engineText("a wild card that stands for any card, any rank in any suit, also one the hand already holds, written Jk in example hands; a hand counts in the best category it can make, and a category only jokers make (Five of a Kind in four suits) ranks first in the deck's own order.")));
        }
        const example = this.examples.get(row.index);
        if (!example) {
            lines.push(translate("WebPage", "Finding an example hand…"));
        } else if (example.example === "found") {
            lines.push(fill(translate("ResultsExplanations", "Example: %1"), [example.hand]));
        } else if (example.example === "noHandOfThisSize") {
            // Below five cards a hand is classed as itself, not as its best five.
            lines.push(fill(result.cards < 5
                ? translate("ResultsExplanations", "No hand of %1 cards of this deck has it.")
                : translate("ResultsExplanations", "No hand of %1 cards of this deck has it as its best five."), [result.cards]));
        } else if (example.example === "notFound") {
            lines.push(fill(translate("ResultsExplanations", "No example hand of %1 cards was found."), [result.cards]));
        } else if (result.cards < 5) {
            // Every deck has the suits for three or four cards: the reason speaks of the hand's size.
            lines.push(fill(translate("ResultsExplanations", "Cannot occur: %1."), [engineText(example.reason)]));
        } else {
            lines.push(fill(translate("ResultsExplanations", "Cannot occur with %1 suits: %2."), [result.suits, engineText(example.reason)]));
        }
        for (const pair of row.brokenBy) {
            lines.push(fill(translate("ResultsExplanations", "%1 is rarer than %2, but ranks below it: %3 against %4 hands"),
                [engineText(pair.rarer), engineText(pair.commoner), pair.rarerCount, pair.commonerCount]));
        }
        return lines;
    }

    private fillExplanation(button: HTMLElement): void {
        const row = this.rowOf(button);
        const box = element("explanation");
        if (!row) {
            return;
        }
        box.replaceChildren(...this.explanationLines(row).map((line, index) => {
            const paragraph = document.createElement("p");
            if (index === 0) {
                const colon = line.indexOf(":");
                const bold = document.createElement("strong");
                bold.textContent = line.slice(0, colon + 1);
                paragraph.append(bold, line.slice(colon + 1));
            } else {
                paragraph.textContent = line;
            }
            return paragraph;
        }));
    }

    private showExplanation(button: HTMLElement, pin: boolean): void {
        const box = element("explanation");
        this.explained = button;
        this.pinned = pin;
        this.fillExplanation(button);
        box.hidden = false;
        const cell = button.getBoundingClientRect();
        const width = Math.min(480, document.documentElement.clientWidth - 16);
        box.style.width = width + "px";
        const left = Math.max(8, Math.min(cell.left, document.documentElement.clientWidth - width - 8));
        box.style.left = left + window.scrollX + "px";
        box.style.top = cell.bottom + window.scrollY + 4 + "px";
    }

    hideExplanation(): void {
        element("explanation").hidden = true;
        this.explained = undefined;
        this.pinned = false;
    }
}
