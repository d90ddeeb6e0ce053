// SPDX-License-Identifier: MIT
// The page's fixed texts in the reader's language: the dialog's own where
// it has them, the page's own (context WebPage) where not.
import { element, setText } from "./dom";
import { fill, translate } from "./i18n";
import type { Limits } from "./module";

export function applyTexts(limits: Limits): void {
    const dialog = (english: string) => translate("CHandCalcDialog", english);
    setText("language-label", translate("WebPage", "Language"));
    setText("help-button", translate("WebPage", "Help"));
    setText("about-button", translate("WebPage", "About"));
    setText("suits-label", dialog("Number of Suits"));
    setText("ranks-label", dialog("Number of Ranks"));
    setText("cards-label", dialog("Cards per Hand"));
    setText("jokers-label", dialog("Jokers"));
    setText("enumerate-label", dialog("Enumerate?"));
    setText("compute", dialog("Compute Odds"));
    setText("possible-label", dialog("Possible Hands"));
    setText("results-caption", dialog("Results"));
    setText("floating-note", "* " + dialog("The number of possible hands was worked out in floating point."));
    setText("cancel", dialog("Cancel"));
    setText("save-csv", translate("WebPage", "Save as CSV"));
    setText("save-json", translate("WebPage", "Save as JSON"));
    setText("copy-table", translate("MenuBar", "&Copy"));
    setText("same-as", translate("WebPage", "The same bytes as:"));
    setText("ranking-title", translate("marvane::RankingMenu", "&Ranking"));
    setText("order-label", translate("WebPage", "Your own order, best first, commas between:"));
    setText("use-order", translate("WebPage", "Count under this order"));
    setText("deck-order", translate("WebPage", "The deck's own order"));
    setText("check-order", translate("WebPage", "Check this order"));
    setText("find-order", translate("WebPage", "Find a self-consistent order"));
    setText("crossings-title", translate("marvane::ChartWindow", "Crossings"));
    setText("crossing-label", translate("WebPage", "Where categories change places as this grows:"));
    setText("show-crossings", translate("WebPage", "Show"));
    setText("charts-title", translate("WebPage", "Charts"));
    setText("series-category-label", translate("WebPage", "Category"));
    setText("series-dimension-label", translate("WebPage", "across"));
    setText("save-deck-chart", translate("WebPage", "Save as PNG"));
    setText("save-series-chart", translate("WebPage", "Save as PNG"));
    setText("ask-yes", translate("WebPage", "Yes"));
    setText("ask-no", translate("WebPage", "No"));
    setText("help-title", translate("marvane::HelpWindow", "Marvane Help"));
    setText("help-close", translate("marvane::HelpWindow", "&Close"));
    setText("about-title", translate("marvane::AboutDialog", "About Marvane"));
    setText("about-close", translate("marvane::AboutDialog", "OK"));
    setText("about-licences", translate("WebPage", "Licences of everything in this page"));
    const [suits, ranks, cards, jokers] = [limits.suits, limits.ranks, limits.cards, limits.jokers];
    const dimensionNames: Record<string, string> = {
        suits: fill(translate("WebPage", "Suits, %1 to %2"), [suits[0], suits[1]]),
        ranks: fill(translate("WebPage", "Ranks, %1 to %2"), [ranks[0], ranks[1]]),
        cards: fill(translate("WebPage", "Cards per hand, %1 to %2"), [cards[0], cards[1]]),
        jokers: fill(translate("WebPage", "Jokers, %1 to %2"), [jokers[0], jokers[1]]),
    };
    // Each number box says its range, as the command line's help does.
    for (const field of ["suits", "ranks", "cards", "jokers"] as const) {
        const [min, max] = limits[field];
        setText(field + "-range", fill(translate("WebPage", "%1 to %2"), [min, max]));
    }
    for (const button of document.querySelectorAll<HTMLButtonElement>("button.step")) {
        const label = element(button.dataset.field + "-label").textContent ?? "";
        button.setAttribute("aria-label", fill(button.dataset.step === "1" ? translate("WebPage", "%1: one more") : translate("WebPage", "%1: one fewer"), [label]));
    }
    for (const id of ["crossing-dimension", "series-dimension"]) {
        for (const option of element<HTMLSelectElement>(id).options) {
            option.textContent = dimensionNames[option.value];
        }
    }
    document.title = "Marvane";
}

