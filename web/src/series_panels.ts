// SPDX-License-Identifier: MIT
// The crossings (where categories change places as suits, ranks, cards or
// jokers grow) and the charts: the deck's probabilities, and one category's
// across suits, ranks or jokers.
import { Charts } from "./charts";
import { element, jokersPhrase } from "./dom";
import { engine as engineText, fill, language, translate } from "./i18n";
import { Crossings, isFailure } from "./module";
import type { PageContext } from "./page_context";

export class SeriesPanels {
    readonly charts = new Charts();

    constructor(private readonly page: PageContext) {}

    private crossingText(crossing: Crossings["crossings"][number]): string {
        if (language() === "en") {
            return crossing.sentence;
        }
        const units: Record<string, string> = {
            suits: "from %1 to %2 suits, %3 becomes rarer than %4",
            ranks: "from %1 to %2 ranks, %3 becomes rarer than %4",
            joker: "from %1 to %2 joker, %3 becomes rarer than %4",
            jokers: "from %1 to %2 jokers, %3 becomes rarer than %4",
            cards: "from %1 to %2 cards, %3 becomes rarer than %4",
        };
        const text = fill(translate("Crossings", units[crossing.unit] ?? units.cards),
            [crossing.from, crossing.to, engineText(crossing.rarer), engineText(crossing.commoner)]);
        if (crossing.equalFrom === null) {
            return text;
        }
        return crossing.equalFrom === crossing.from
            ? fill(translate("Crossings", "%1 (equal at %2)"), [text, crossing.equalFrom])
            : fill(translate("Crossings", "%1 (equal at %2 to %3)"), [text, crossing.equalFrom, crossing.from]);
    }

    private crossings(varying: string): Crossings | undefined {
        const answer = this.page.engine.call<Crossings>({ op: "crossings", ...this.page.fields(), enumerate: false, varying });
        return isFailure(answer) ? undefined : answer;
    }

    showCrossings(): void {
        const varying = element<HTMLSelectElement>("crossing-dimension").value;
        const answer = this.crossings(varying);
        const list = element("crossing-list");
        if (!answer) {
            list.replaceChildren();
            return;
        }
        const items = answer.crossings.map((crossing) => {
            const item = document.createElement("li");
            item.textContent = this.crossingText(crossing);
            return item;
        });
        if (items.length === 0) {
            const none = document.createElement("li");
            none.textContent = translate("WebPage", "No two categories change places.");
            items.push(none);
        }
        list.replaceChildren(...items);
    }

    fillSeriesCategories(): void {
        const select = element<HTMLSelectElement>("series-category");
        const chosen = select.value;
        select.replaceChildren(...(this.page.result()?.rows ?? []).map((row) => {
            const option = document.createElement("option");
            option.value = String(row.index);
            option.textContent = engineText(row.name);
            return option;
        }));
        if (chosen && [...select.options].some((option) => option.value === chosen)) {
            select.value = chosen;
        } else {
            // The first category the deck has hands of, as the table lists them.
            const first = this.page.result()?.rows.find((row) => row.sourceCount > 0);
            select.value = first ? String(first.index) : select.value;
        }
    }

    drawCharts(): void {
        const result = this.page.result();
        if (!(element("charts") as HTMLDetailsElement).open || !result) {
            return;
        }
        const title = result.jokers > 0
            ? fill(translate("DeckChart", "%1 suits x %2 ranks and %3, %4 hands of %5 cards"),
                [result.suits, result.ranks, jokersPhrase(result.jokers), result.hands, result.cards])
            : fill(translate("DeckChart", "%1 suits x %2 ranks, %3 hands of %4 cards"), [result.suits, result.ranks, result.hands, result.cards]);
        this.charts.drawDeck(element<HTMLCanvasElement>("deck-chart"), title,
            result.rows.map((row) => engineText(row.name)),
            result.rows.map((row) => row.sourceCount / Number(result.hands)),
            translate("DeckChart", "Probability (logarithmic)"));
        this.drawSeries();
    }

    // What the series covers, as the desktop's chart across decks names it.
    private seriesTitle(varying: string): string {
        const result = this.page.result()!;
        const limits = this.page.limits;
        const chart = (english: string) => translate("AcrossDecksChart", english);
        switch (varying) {
            case "suits":
                return fill(chart("%1 to %2 suits at %3"), [limits.suits[0], limits.suits[1], fill(chart("%1 ranks"), [result.ranks])]);
            case "ranks":
                return fill(chart("%1 to %2 ranks at %3"), [limits.ranks[0], limits.ranks[1], fill(chart("%1 suits"), [result.suits])]);
            case "cards":
                return result.jokers === 0
                    ? fill(chart("%1 to %2 cards per hand at %3 x %4"), [limits.cards[0], limits.cards[1], result.suits, result.ranks])
                    : fill(chart("%1 to %2 cards per hand at %3 x %4 and %5"),
                        [limits.cards[0], limits.cards[1], result.suits, result.ranks, jokersPhrase(result.jokers)]);
            default:
                return fill(chart("%1 to %2 jokers at %3 x %4"), [limits.jokers[0], limits.jokers[1], result.suits, result.ranks]);
        }
    }

    drawSeries(): void {
        const result = this.page.result();
        if (!(element("charts") as HTMLDetailsElement).open || !result) {
            return;
        }
        const varying = element<HTMLSelectElement>("series-dimension").value;
        const index = Number(element<HTMLSelectElement>("series-category").value);
        const answer = this.crossings(varying);
        if (!answer) {
            return;
        }
        const label = (value: number) => varying === "suits" ? fill(translate("AcrossDecksChart", "%1 suits"), [value])
            : varying === "ranks" ? fill(translate("AcrossDecksChart", "%1 ranks"), [value])
                : varying === "cards" ? String(value) : jokersPhrase(value).replace(/^0 .*/, "0");
        const name = engineText(result.rows.find((row) => row.index === index)?.name ?? "");
        this.charts.drawSeries(element<HTMLCanvasElement>("series-chart"), name + ": " + this.seriesTitle(varying),
            answer.series.map((point) => label(point.value)),
            answer.series.map((point) => point.probabilities[index]),
            translate("AcrossDecksChart", "Probability (logarithmic)"));
    }
}
