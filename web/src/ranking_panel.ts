// SPDX-License-Identifier: MIT
// The ranking: the order the counts are under, an order of the reader's
// own (edited in the page), its check, and the search for a self-consistent
// order, with the command line's table of its steps.
import { element, sentence, setText } from "./dom";
import { engine as engineText, fill, translate } from "./i18n";
import { isFailure, OrderCheck, OrderSearch } from "./module";
import type { PageContext } from "./page_context";

export class RankingPanel {
    constructor(private readonly page: PageContext) {}

    showRanking(): void {
        const result = this.page.result();
        const list = element("order-list");
        list.replaceChildren();
        element("order-output").textContent = "";
        element("order-answer").replaceChildren();
        if (!result) {
            return;
        }
        setText("ranking-intro", result.oneCategoryPerHand
            ? fill(translate("WebPage", "Every hand of %1 cards has one category here: an order changes no count. The search and the check still say how the deck's categories rank."), [result.cards])
            : result.cards > 5
                ? translate("marvane::OrderDialog", "Best first: a hand of more than five cards counts as the first of these its fives make.")
                : translate("WebPage", "Best first: a hand with jokers counts as the first of these it can make."));
        element<HTMLTextAreaElement>("order-text").value = result.orderText;
        result.order.forEach((name, place) => {
            const item = document.createElement("li");
            item.append(engineText(name) + " ");
            for (const [arrow, move] of [["↑", -1], ["↓", 1]] as const) {
                const button = document.createElement("button");
                button.type = "button";
                button.className = "move";
                button.textContent = arrow;
                const label = move < 0 ? translate("WebPage", "Move %1 up") : translate("WebPage", "Move %1 down");
                button.setAttribute("aria-label", fill(label, [engineText(name)]));
                button.disabled = place + move < 0 || place + move >= result.order.length;
                button.addEventListener("click", () => this.moveInOrder(place, move));
                item.append(button);
            }
            list.append(item);
        });
    }

    // Moves a category in the edited order (the text box holds the order).
    private moveInOrder(place: number, move: number): void {
        const text = element<HTMLTextAreaElement>("order-text");
        const names = text.value.split(",").map((name) => name.trim()).filter((name) => name !== "");
        if (place + move < 0 || place + move >= names.length) {
            return;
        }
        [names[place], names[place + move]] = [names[place + move], names[place]];
        text.value = names.join(", ");
        const items = [...element("order-list").children];
        const [a, b] = [items[place], items[place + move]];
        const aText = a.firstChild!.textContent;
        a.firstChild!.textContent = b.firstChild!.textContent;
        b.firstChild!.textContent = aText;
        (b.querySelectorAll("button.move")[move < 0 ? 0 : 1] as HTMLButtonElement | undefined)?.focus();
    }

    checkOrder(): void {
        this.page.clearMessages();
        const answer = this.page.engine.call<OrderCheck>({
            op: "checkOrder", ...this.page.fields(), enumerate: false, order: element<HTMLTextAreaElement>("order-text").value,
        });
        if (isFailure(answer)) {
            this.page.showFieldError(answer.field ?? "order", answer.error, true);
            return;
        }
        const line = document.createElement("p");
        line.textContent = answer.selfConsistent
            ? translate("WebPage", "This order is self-consistent: no category is rarer than one ranked above it.")
            : translate("WebPage", "These pairs break the order:");
        const pairs = document.createElement("ul");
        for (const pair of answer.pairs) {
            const item = document.createElement("li");
            item.textContent = fill(translate("ResultsExplanations", "%1 is rarer than %2, but ranks below it: %3 against %4 hands"),
                [engineText(pair.rarer), engineText(pair.commoner), pair.rarerCount, pair.commonerCount]);
            pairs.append(item);
        }
        element("order-answer").replaceChildren(line, pairs);
        element("order-output").textContent = answer.table;
    }

    findOrder(): void {
        const answer = this.page.engine.call<OrderSearch>({ op: "findOrder", ...this.page.fields(), enumerate: false });
        if (isFailure(answer)) {
            this.page.showFieldError(answer.field ?? "suits", answer.error, true);
            return;
        }
        const outcome = document.createElement("p");
        outcome.textContent = sentence(answer.outcome) + ". " + sentence(answer.existence) + ".";
        const parts: HTMLElement[] = [outcome];
        if (answer.consistent && !this.page.result()?.oneCategoryPerHand) {
            const use = document.createElement("button");
            use.type = "button";
            use.id = "use-consistent-order";
            use.textContent = translate("WebPage", "Count under the self-consistent order");
            use.addEventListener("click", () => this.page.submit({ ...this.page.readForm(), order: answer.consistent ?? undefined }));
            parts.push(use);
        }
        element("order-answer").replaceChildren(...parts);
        element("order-output").textContent = answer.table;
    }
}
