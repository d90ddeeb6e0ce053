// SPDX-License-Identifier: MIT
// Help and About: what the results say, the definitions as --explain gives
// them for the deck's jokers and hand size, the version, the supported
// browsers and the licences of everything in the site.
import { element, sentence, setText } from "./dom";
import { engine as engineText, fill, translate } from "./i18n";
import { Explanation, isFailure } from "./module";
import type { PageContext } from "./page_context";
import { columnTitle, ResultsTable } from "./results_table";

declare const MARVANE_VERSION: string;

export class Help {
    constructor(private readonly page: PageContext, private readonly table: ResultsTable) {}

    showHelp(): void {
        const explanation = this.page.engine.call<Explanation>({ op: "explain", jokers: this.page.fields().jokers, cards: this.page.fields().cards });
        const body = element("help-body");
        body.replaceChildren();
        const heading = (text: string) => {
            const h = document.createElement("h3");
            h.textContent = text;
            body.append(h);
        };
        const list = (entries: [string, string][]) => {
            const dl = document.createElement("dl");
            for (const [term, definition] of entries) {
                const dt = document.createElement("dt");
                dt.textContent = term;
                const dd = document.createElement("dd");
                dd.textContent = sentence(definition);
                dl.append(dt, dd);
            }
            body.append(dl);
        };
        heading(translate("WebPage", "What the results say"));
        list(this.table.columns().concat(this.page.result()?.enumerated ? [] : ["enumerated"]).map((column) =>
            [columnTitle(column), this.columnHelp(column)]));
        if (!isFailure(explanation)) {
            heading(translate("marvane::HelpWindow", "Categories"));
            list(explanation.categories.map((category) => [engineText(category.name), engineText(category.definition)]));
            heading(translate("WebPage", "Words"));
            list(explanation.terms.map((term) => [engineText(term.name), engineText(term.definition)]));
            const notation = document.createElement("p");
            notation.textContent = engineText(explanation.notation);
            body.append(notation);
        }
        element<HTMLDialogElement>("help").showModal();
    }

    private columnHelp(column: string): string {
        switch (column) {
            case "hand":
                return translate("ResultsExplanations", "The category of hand. Point at a name for its definition and an example hand from this deck. ") +
                    engineText("Cards are written rank then suit letter, ranks 1 to R and suits a to h; 7a is the 7 of the first suit.");
            case "enumerated":
                return translate("ResultsExplanations", "Hands of this category, counted by visiting and classifying every hand of the deck.");
            case "computed":
                return translate("ResultsExplanations", "Hands of this category, counted by formula without visiting a hand.");
            case "total":
                return sentence(engineText("this category's count plus the counts of every category that dominates it; that is, the number of hands at least this good.")) +
                    " " + translate("ResultsExplanations", "Summed from Enumerated when the hands were enumerated, else from Computed.");
            case "probability":
                return translate("ResultsExplanations", "The chance that a hand dealt from this deck falls in this category: its count divided by the number of possible hands.");
            default:
                return translate("ResultsExplanations", "On average one hand of this category in this many hands.");
        }
    }

    showAbout(): void {
        setText("about-version", fill(translate("marvane::AboutDialog", "Marvane Version %1"), [MARVANE_VERSION]));
        setText("about-text", translate("WebPage", "Poker hand counts of generalised decks, computed on your own machine: the same engine as the desktop program, compiled to WebAssembly. Nothing you enter leaves this page."));
        setText("about-browsers", translate("WebPage", "Supported browsers: current Chromium (Chrome, Edge), Firefox and Safari; tested in Chromium."));
        element<HTMLDialogElement>("about").showModal();
    }}
