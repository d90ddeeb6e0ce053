// SPDX-License-Identifier: MIT
// The page: the dialog's job in a web page. The inputs live in the address,
// so a link opens its result and Back goes to the previous one; the engine
// runs in this page's module instance, and an enumeration in workers.
import { addressOf, defaultFields, fieldsFromAddress } from "./address";
import { Charts } from "./charts";
import { Enumeration, workerCount } from "./enumeration";
import { engine as engineText, fill, Language, language, preferredLanguage, setLanguage, translate } from "./i18n";
import {
    compileMarvane, CreateMarvane, Crossings, Engine, instantiateMarvane, Example, Explanation, Fields, isFailure, Limits, OrderCheck,
    OrderSearch, Result, ResultRow,
} from "./module";
import { columnTitle, ResultsTable } from "./results_table";

declare const createMarvane: CreateMarvane;
declare const MARVANE_VERSION: string;

// Hands of more than five cards, or with jokers, one worker visits in a
// second in the page (measured in Chromium on the development machine):
// the question before a long run only has to give the right size.
const handsPerWorkerSecond = 3e8;

type NumberField = "suits" | "ranks" | "cards" | "jokers";
const numberFields: NumberField[] = ["suits", "ranks", "cards", "jokers"];

function element<T extends HTMLElement = HTMLElement>(id: string): T {
    const found = document.getElementById(id);
    if (!found) {
        throw new Error("the page lacks #" + id);
    }
    return found as T;
}

function setText(id: string, text: string): void {
    element(id).textContent = text;
}

function numberText(value: number | string): string {
    return new Intl.NumberFormat(language()).format(typeof value === "string" ? BigInt(value) : value);
}

// "12 s", "3 min", "1 h 5 min", as the dialog says how long.
function durationText(seconds: number): string {
    const whole = Math.round(seconds);
    if (whole < 60) {
        return fill(translate("Durations", "%1 s"), [Math.max(1, whole)]);
    }
    const minutes = Math.floor((whole + 30) / 60);
    if (minutes < 60) {
        return fill(translate("Durations", "%1 min"), [minutes]);
    }
    return fill(translate("Durations", "%1 h %2 min"), [Math.floor(minutes / 60), minutes % 60]);
}

function jokersPhrase(jokers: number): string {
    return jokers === 1 ? translate("Jokers", "1 joker") : fill(translate("Jokers", "%1 jokers"), [jokers]);
}

// The definition starts lower-case to follow a name and a colon; alone it starts with a capital.
function sentence(text: string): string {
    return text.charAt(0).toUpperCase() + text.slice(1);
}

class Page {
    private readonly table: ResultsTable;
    private readonly enumeration: Enumeration;
    private readonly charts = new Charts();
    private result: Result | undefined;
    private fields: Fields = { ...defaultFields };
    private examples = new Map<number, Example>();
    private explained: HTMLElement | undefined;
    private pinned = false;
    private generation = 0;

    constructor(private readonly engine: Engine, private readonly limits: Limits, compiled: WebAssembly.Module) {
        this.enumeration = new Enumeration(compiled);
        this.table = new ResultsTable(element<HTMLTableElement>("results"), (rows) => this.explainRows(rows));
    }

    start(): void {
        const select = element<HTMLSelectElement>("language");
        select.value = language();
        select.addEventListener("change", () => {
            setLanguage(select.value as Language);
            this.applyTexts();
            this.table.render();
            this.showResultExtras();
        });
        element<HTMLFormElement>("inputs").addEventListener("submit", (event) => {
            event.preventDefault();
            this.submit(this.readForm());
        });
        element("cancel").addEventListener("click", () => this.enumeration.cancel());
        element("save-csv").addEventListener("click", () => this.save("csv"));
        element("save-json").addEventListener("click", () => this.save("json"));
        element("help-button").addEventListener("click", () => this.showHelp());
        element("about-button").addEventListener("click", () => this.showAbout());
        element("use-order").addEventListener("click", () =>
            this.submit({ ...this.readForm(), order: element<HTMLTextAreaElement>("order-text").value }));
        element("deck-order").addEventListener("click", () => this.submit({ ...this.readForm(), order: undefined }));
        element("check-order").addEventListener("click", () => this.checkOrder());
        element("find-order").addEventListener("click", () => this.findOrder());
        element("show-crossings").addEventListener("click", () => this.showCrossings());
        element("charts").addEventListener("toggle", () => this.drawCharts());
        element("series-category").addEventListener("change", () => this.drawSeries());
        element("series-dimension").addEventListener("change", () => this.drawSeries());
        element("save-deck-chart").addEventListener("click", () => this.charts.savePng("deck", this.fileName("chart") + ".png"));
        element("save-series-chart").addEventListener("click", () =>
            this.charts.savePng("series", this.fileName("chart-" + element<HTMLSelectElement>("series-dimension").value) + ".png"));
        for (const field of numberFields) {
            // Up and Down step a number box within its range, as the spin buttons do.
            element<HTMLInputElement>(field).addEventListener("keydown", (event) => this.step(field, event));
        }
        document.addEventListener("keydown", (event) => {
            if (event.key === "Escape") {
                this.hideExplanation();
            }
        });
        window.addEventListener("hashchange", () => this.showAddress());
        this.applyTexts();
        element("loading").hidden = true;
        this.showAddress();
        // The workers load their modules while the reader looks at the first result.
        setTimeout(() => void this.enumeration.warm(workerCount()).then(() => {
            document.body.dataset.workers = "ready";
        }), 0);
    }

    // --- texts ---------------------------------------------------------

    private applyTexts(): void {
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
        const [suits, ranks, cards, jokers] = [this.limits.suits, this.limits.ranks, this.limits.cards, this.limits.jokers];
        const dimensionNames: Record<string, string> = {
            suits: fill(translate("WebPage", "Suits, %1 to %2"), [suits[0], suits[1]]),
            ranks: fill(translate("WebPage", "Ranks, %1 to %2"), [ranks[0], ranks[1]]),
            cards: fill(translate("WebPage", "Cards per hand, %1 to %2"), [cards[0], cards[1]]),
            jokers: fill(translate("WebPage", "Jokers, %1 to %2"), [jokers[0], jokers[1]]),
        };
        for (const id of ["crossing-dimension", "series-dimension"]) {
            for (const option of element<HTMLSelectElement>(id).options) {
                option.textContent = dimensionNames[option.value];
            }
        }
        document.title = "Marvane";
    }

    // --- inputs and the address -----------------------------------------

    private readForm(): Fields {
        const value = (id: NumberField) => element<HTMLInputElement>(id).value;
        return {
            suits: value("suits"),
            ranks: value("ranks"),
            cards: value("cards"),
            jokers: value("jokers"),
            enumerate: element<HTMLInputElement>("enumerate").checked,
            order: this.fields.order,
        };
    }

    private writeForm(fields: Fields): void {
        for (const field of numberFields) {
            element<HTMLInputElement>(field).value = fields[field];
        }
        element<HTMLInputElement>("enumerate").checked = fields.enumerate ?? false;
    }

    private clearMessages(): void {
        for (const field of [...numberFields, "order"]) {
            const input = document.getElementById(field === "order" ? "order-text" : field);
            input?.removeAttribute("aria-invalid");
            setText(field + "-message", "");
        }
    }

    // The dialog's message beside the field, which takes the focus with its text selected.
    private showFieldError(field: string, message: string, focus: boolean): void {
        const known = field === "order" || numberFields.includes(field as NumberField);
        const target = known ? field : "suits";
        setText(target + "-message", target === "order" ? message : this.numberMessage(message));
        const input = element<HTMLInputElement>(target === "order" ? "order-text" : target);
        input.setAttribute("aria-invalid", "true");
        if (target === "order") {
            (element("ranking") as HTMLDetailsElement).open = true;
        }
        if (focus) {
            input.focus();
            input.select();
        }
    }

    // The engine's English message in the reader's language.
    private numberMessage(message: string): string {
        const between = message.match(/^Please enter an integer between (\d+) and (\d+)\.$/);
        if (between) {
            return fill(translate("NumberBox", "Please enter an integer between %1 and %2."), [between[1], between[2]]);
        }
        return translate("NumberBox", message);
    }

    private step(field: NumberField, event: KeyboardEvent): void {
        if (event.key !== "ArrowUp" && event.key !== "ArrowDown") {
            return;
        }
        event.preventDefault();
        const input = element<HTMLInputElement>(field);
        const [min, max] = this.limits[field];
        const now = /^\s*\d+\s*$/.test(input.value) ? Number(input.value) : min;
        const next = now + (event.key === "ArrowUp" ? 1 : -1);
        if (next >= min && next <= max) {
            input.value = String(next);
        } else if (now < min || now > max) {
            input.value = String(now < min ? min : max);
        }
    }

    // Enter or Compute Odds: a bad field is told and goes nowhere; a good
    // one becomes the address, and the address the result.
    private submit(fields: Fields): void {
        this.clearMessages();
        const read = this.engine.call({ op: "read", ...fields, enumerate: false });
        if (isFailure(read)) {
            this.showFieldError(read.field ?? "suits", read.error, true);
            return;
        }
        const address = addressOf(fields);
        if (address === location.hash) {
            void this.compute(fields);
        } else {
            location.hash = address;
        }
    }

    private showAddress(): void {
        const fields = fieldsFromAddress(location.hash);
        this.writeForm(fields);
        void this.compute(fields);
    }

    // --- computing --------------------------------------------------------

    private setState(state: "busy" | "running" | "ready"): void {
        document.body.dataset.state = state;
        // Marks for the benchmark: when a result was asked for and shown.
        performance.mark("marvane-" + state);
    }

    private isLongRun(fields: Fields): boolean {
        // Only the five-card enumeration of a deck without jokers is quick
        // enough to go without asking.
        return (fields.enumerate ?? false) &&
            !(Number(fields.cards) === this.limits.fiveCards && Number(fields.jokers) === 0);
    }

    private async compute(fields: Fields): Promise<void> {
        const generation = ++this.generation;
        this.enumeration.cancel();
        this.setState("busy");
        this.clearMessages();
        this.hideExplanation();
        this.fields = { ...fields };
        const read = this.engine.call({ op: "read", ...fields, enumerate: false });
        if (isFailure(read)) {
            this.showFieldError(read.field ?? "suits", read.error, false);
            this.show(undefined);
            this.setState("ready");
            return;
        }
        const exact = this.engine.call<Result>({ op: "count", ...fields, enumerate: false });
        if (isFailure(exact)) {
            this.showFieldError(exact.field ?? "suits", exact.error, false);
            this.show(undefined);
            this.setState("ready");
            return;
        }
        if (fields.enumerate && this.isLongRun(fields) && !(await this.ask(exact))) {
            if (generation === this.generation) {
                this.dropEnumerate();
                this.show(exact);
                this.setState("ready");
            }
            return;
        }
        if (generation !== this.generation) {
            return;
        }
        this.show(exact);
        if (!fields.enumerate) {
            this.setState("ready");
            return;
        }
        await this.enumerate(fields, generation);
    }

    // The address and the box forget an enumeration that was declined or cancelled.
    private dropEnumerate(): void {
        this.fields.enumerate = false;
        element<HTMLInputElement>("enumerate").checked = false;
        history.replaceState(null, "", addressOf(this.fields));
    }

    private ask(result: Result): Promise<boolean> {
        const seconds = Number(result.hands) / (handsPerWorkerSecond * workerCount());
        const hands = numberText(result.hands);
        const question = result.jokers === 0
            ? fill(translate("marvane::CHandCalcDialog",
                "Enumerating every hand of %1 cards of %2 suits x %3 ranks visits %4 hands and takes about %5 on this computer. You can cancel it at any time.\n\nStart the enumeration?"),
            [result.cards, result.suits, result.ranks, hands, durationText(seconds)])
            : fill(translate("marvane::CHandCalcDialog",
                "Enumerating every hand of %1 cards of %2 suits x %3 ranks and %4 visits %5 hands and takes about %6 on this computer. You can cancel it at any time.\n\nStart the enumeration?"),
            [result.cards, result.suits, result.ranks, jokersPhrase(result.jokers), hands, durationText(seconds)]);
        const dialog = element<HTMLDialogElement>("ask");
        setText("ask-text", question);
        dialog.returnValue = "";
        dialog.showModal();
        document.body.dataset.asking = "true";
        return new Promise((resolve) => {
            dialog.addEventListener("close", () => {
                delete document.body.dataset.asking;
                resolve(dialog.returnValue === "yes");
            }, { once: true });
        });
    }

    private async enumerate(fields: Fields, generation: number): Promise<void> {
        this.setState("running");
        performance.mark("marvane-enumerate-start");
        const run = element("run");
        const bar = element<HTMLProgressElement>("progress");
        run.hidden = false;
        bar.value = 0;
        setText("time-left", translate("marvane::CHandCalcDialog", "Starting..."));
        element("compute").setAttribute("aria-disabled", "true");
        element("cancel").focus();
        const outcome = await this.enumeration.run(this.engine, fields, workerCount(), (progress) => {
            bar.value = progress.total > 0 ? Math.floor((progress.done * 1000) / progress.total) : 0;
            setText("time-left", progress.secondsLeft === undefined
                ? translate("marvane::CHandCalcDialog", "Starting...")
                : fill(translate("marvane::CHandCalcDialog", "About %1 left"), [durationText(progress.secondsLeft)]));
        });
        performance.mark("marvane-enumerate-end");
        element("compute").removeAttribute("aria-disabled");
        if (generation !== this.generation) {
            return;
        }
        if (outcome.kind === "completed") {
            bar.value = bar.max;
            setText("time-left", "");
            const result = this.engine.call<Result>({ op: "fromShares", ...fields, counts: outcome.counts });
            if (isFailure(result)) {
                setText("notes", result.error);
            } else {
                this.show(result);
            }
        } else {
            run.hidden = true;
            this.dropEnumerate();
            void this.enumeration.warm(workerCount());
            setText("notes", outcome.kind === "failed"
                ? translate("marvane::CHandCalcDialog", "The enumeration could not be run.") + " " + outcome.message
                : translate("WebPage", "The enumeration was cancelled: the counts shown are computed."));
        }
        element<HTMLButtonElement>("compute").focus();
        this.setState("ready");
    }

    // --- the result -------------------------------------------------------

    private show(result: Result | undefined): void {
        this.result = result;
        this.examples.clear();
        element("run").hidden = !(result?.enumerated ?? false);
        setText("possible-hands", result?.hands ?? "");
        element("floating-mark").hidden = !(result?.floatingPath ?? false);
        element("floating-note").hidden = !(result?.floatingPath ?? false);
        setText("notes", "");
        this.table.show(result);
        for (const id of ["save-csv", "save-json"]) {
            element<HTMLButtonElement>(id).disabled = result === undefined;
        }
        this.showResultExtras();
        if (result) {
            // Example hands may take a search: after the numbers are on screen.
            const generation = this.generation;
            setTimeout(() => {
                if (generation === this.generation && this.result === result) {
                    this.findExamples(result);
                }
            }, 0);
        }
    }

    private showResultExtras(): void {
        const result = this.result;
        const notes: string[] = [];
        if (result) {
            if (result.chosenOrder && !result.fiveCards) {
                notes.push(translate("WebPage", "Counted under your own order: see Ranking."));
            }
            if (result.fiveCards && this.fields.order) {
                notes.push(translate("WebPage", "An order changes no count at five cards without jokers: every five-card hand has one category."));
            }
            notes.push(...result.mismatches);
        }
        if (!this.enumeration.running()) {
            setText("notes", notes.join(" "));
        }
        setText("command", this.command("csv"));
        this.showRanking();
        element("crossing-list").replaceChildren();
        this.fillSeriesCategories();
        this.drawCharts();
    }

    private command(format: "csv" | "json"): string {
        const result = this.result;
        if (!result) {
            return "";
        }
        let line = `marvane-count --suits ${result.suits} --ranks ${result.ranks} --cards ${result.cards} --jokers ${result.jokers}`;
        if (result.chosenOrder && !result.fiveCards) {
            line += ` --order "${result.orderText}"`;
        }
        if (result.enumerated) {
            line += " --enumerate";
        }
        return line + ` --odds --format ${format}`;
    }

    private fileName(kind: string): string {
        const result = this.result;
        return result ? `marvane-${result.suits}x${result.ranks}-${result.cards}-cards-${result.jokers}-jokers-${kind}` : "marvane";
    }

    private save(format: "csv" | "json"): void {
        if (!this.result) {
            return;
        }
        const type = format === "csv" ? "text/csv" : "application/json";
        const url = URL.createObjectURL(new Blob([this.result[format]], { type }));
        const link = document.createElement("a");
        link.href = url;
        link.download = this.fileName("results") + "." + format;
        link.click();
        setTimeout(() => URL.revokeObjectURL(url), 10_000);
    }

    // --- what a category means ----------------------------------------------

    private findExamples(result: Result): void {
        const found = this.engine.call<Example[]>({ op: "examples", ...this.fields, enumerate: false });
        if (isFailure(found)) {
            return;
        }
        for (const example of found) {
            this.examples.set(example.index, example);
        }
        if (this.explained && this.result === result) {
            this.fillExplanation(this.explained);
        }
    }

    private explainRows(rows: HTMLTableRowElement[]): void {
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
        return this.result?.rows.find((row) => row.index === index);
    }

    private explanationLines(row: ResultRow): string[] {
        const result = this.result!;
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
            lines.push(fill(translate("ResultsExplanations", "No hand of %1 cards of this deck has it as its best five."), [result.cards]));
        } else if (example.example === "notFound") {
            lines.push(fill(translate("ResultsExplanations", "No example hand of %1 cards was found."), [result.cards]));
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

    private hideExplanation(): void {
        element("explanation").hidden = true;
        this.explained = undefined;
        this.pinned = false;
    }

    // --- the ranking --------------------------------------------------------

    private showRanking(): void {
        const result = this.result;
        const list = element("order-list");
        list.replaceChildren();
        element("order-output").textContent = "";
        element("order-answer").replaceChildren();
        if (!result) {
            return;
        }
        setText("ranking-intro", result.fiveCards
            ? translate("WebPage", "Every five-card hand has one category: an order changes no count here. The search and the check still say how the deck's categories rank.")
            : translate("marvane::OrderDialog", "Best first: a hand of more than five cards counts as the first of these its fives make."));
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

    private checkOrder(): void {
        this.clearMessages();
        const answer = this.engine.call<OrderCheck>({
            op: "checkOrder", ...this.fields, enumerate: false, order: element<HTMLTextAreaElement>("order-text").value,
        });
        if (isFailure(answer)) {
            this.showFieldError(answer.field ?? "order", answer.error, true);
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

    private findOrder(): void {
        const answer = this.engine.call<OrderSearch>({ op: "findOrder", ...this.fields, enumerate: false });
        if (isFailure(answer)) {
            this.showFieldError(answer.field ?? "suits", answer.error, true);
            return;
        }
        const outcome = document.createElement("p");
        outcome.textContent = sentence(answer.outcome) + ". " + sentence(answer.existence) + ".";
        const parts: HTMLElement[] = [outcome];
        if (answer.consistent && !this.result?.fiveCards) {
            const use = document.createElement("button");
            use.type = "button";
            use.id = "use-consistent-order";
            use.textContent = translate("WebPage", "Count under the self-consistent order");
            use.addEventListener("click", () => this.submit({ ...this.readForm(), order: answer.consistent ?? undefined }));
            parts.push(use);
        }
        element("order-answer").replaceChildren(...parts);
        element("order-output").textContent = answer.table;
    }

    // --- crossings and charts -------------------------------------------------

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
        const answer = this.engine.call<Crossings>({ op: "crossings", ...this.fields, enumerate: false, varying });
        return isFailure(answer) ? undefined : answer;
    }

    private showCrossings(): void {
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

    private fillSeriesCategories(): void {
        const select = element<HTMLSelectElement>("series-category");
        const chosen = select.value;
        select.replaceChildren(...(this.result?.rows ?? []).map((row) => {
            const option = document.createElement("option");
            option.value = String(row.index);
            option.textContent = engineText(row.name);
            return option;
        }));
        if (chosen && [...select.options].some((option) => option.value === chosen)) {
            select.value = chosen;
        } else {
            // The first category the deck has hands of, as the table lists them.
            const first = this.result?.rows.find((row) => row.sourceCount > 0);
            select.value = first ? String(first.index) : select.value;
        }
    }

    private drawCharts(): void {
        if (!(element("charts") as HTMLDetailsElement).open || !this.result) {
            return;
        }
        const result = this.result;
        const title = result.jokers > 0
            ? fill(translate("DeckChart", "%1 suits x %2 ranks and %3, %4 hands of %5 cards"),
                [result.suits, result.ranks, jokersPhrase(result.jokers), result.hands, result.cards])
            : fill(translate("DeckChart", "%1 suits x %2 ranks, %3 hands of %4 cards"), [result.suits, result.ranks, result.hands, result.cards]);
        this.charts.drawDeck(element<HTMLCanvasElement>("deck-chart"), title,
            result.rows.map((row) => engineText(row.name)),
            result.rows.map((row) => Number(row.probability)),
            translate("DeckChart", "Probability (logarithmic)"));
        this.drawSeries();
    }

    private drawSeries(): void {
        if (!(element("charts") as HTMLDetailsElement).open || !this.result) {
            return;
        }
        const result = this.result;
        const varying = element<HTMLSelectElement>("series-dimension").value;
        const index = Number(element<HTMLSelectElement>("series-category").value);
        const answer = this.crossings(varying);
        if (!answer) {
            return;
        }
        const label = (value: number) => varying === "suits" ? fill(translate("AcrossDecksChart", "%1 suits"), [value])
            : varying === "ranks" ? fill(translate("AcrossDecksChart", "%1 ranks"), [value]) : jokersPhrase(value).replace(/^0 .*/, "0");
        const name = engineText(result.rows.find((row) => row.index === index)?.name ?? "");
        this.charts.drawSeries(element<HTMLCanvasElement>("series-chart"), name,
            answer.series.map((point) => label(point.value)),
            answer.series.map((point) => point.probabilities[index]),
            translate("AcrossDecksChart", "Probability (logarithmic)"));
    }

    // --- help and about -------------------------------------------------------

    private showHelp(): void {
        const explanation = this.engine.call<Explanation>({ op: "explain", jokers: this.fields.jokers, cards: this.fields.cards });
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
        list(this.table.columns().concat(this.result?.enumerated ? [] : ["enumerated"]).map((column) =>
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

    private showAbout(): void {
        setText("about-version", fill(translate("marvane::AboutDialog", "Marvane Version %1"), [MARVANE_VERSION]));
        setText("about-text", translate("WebPage", "Poker hand counts of generalised decks, computed on your own machine: the same engine as the desktop program, compiled to WebAssembly. Nothing you enter leaves this page."));
        setText("about-browsers", translate("WebPage", "Supported browsers: current Chromium (Chrome, Edge), Firefox and Safari; tested in Chromium."));
        element<HTMLDialogElement>("about").showModal();
    }
}

async function main(): Promise<void> {
    setLanguage(preferredLanguage());
    const compiled = await compileMarvane();
    const engine = new Engine(await instantiateMarvane(createMarvane, compiled));
    const limits = engine.call<Limits>({ op: "limits" });
    if (isFailure(limits)) {
        throw new Error(limits.error);
    }
    new Page(engine, limits, compiled).start();
}

main().catch((error: unknown) => {
    const loading = document.getElementById("loading");
    if (loading) {
        loading.textContent = "Marvane could not start: " + String(error);
    }
    document.body.dataset.state = "failed";
});
