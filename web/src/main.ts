// SPDX-License-Identifier: MIT
// The page: the dialog's job in a web page. The inputs live in the address,
// so a link opens its result and Back goes to the previous one; the engine
// runs in this page's module instance, and an enumeration in workers.
import { addressOf, defaultFields, fieldsFromAddress } from "./address";
import { durationText, element, jokersPhrase, numberText, setText } from "./dom";
import { Enumeration, workerCount } from "./enumeration";
import { Explanations } from "./explanations";
import { Help } from "./help";
import { fill, Language, language, preferredLanguage, setLanguage, translate } from "./i18n";
import { compileMarvane, CreateMarvane, Engine, Fields, instantiateMarvane, isFailure, Limits, Result } from "./module";
import type { PageContext } from "./page_context";
import { applyTexts } from "./page_texts";
import { RankingPanel } from "./ranking_panel";
import { ResultsTable } from "./results_table";
import { SeriesPanels } from "./series_panels";

declare const createMarvane: CreateMarvane;

// Hands of more than five cards, or with jokers, one worker visits in a
// second in the page (measured in Chromium on the development machine):
// the question before a long run only has to give the right size.
const handsPerWorkerSecond = 3e8;

type NumberField = "suits" | "ranks" | "cards" | "jokers";
const numberFields: NumberField[] = ["suits", "ranks", "cards", "jokers"];

class Page implements PageContext {
    private readonly table: ResultsTable;
    private readonly enumeration: Enumeration;
    private readonly explanations = new Explanations(this);
    private readonly ranking = new RankingPanel(this);
    private readonly series = new SeriesPanels(this);
    private readonly help: Help;
    private shown: Result | undefined;
    private asked: Fields = { ...defaultFields };
    private generation = 0;

    constructor(readonly engine: Engine, readonly limits: Limits, compiled: WebAssembly.Module) {
        this.enumeration = new Enumeration(compiled);
        this.table = new ResultsTable(element<HTMLTableElement>("results"), (rows) => this.explanations.explainRows(rows));
        this.help = new Help(this, this.table);
    }

    result(): Result | undefined {
        return this.shown;
    }

    fields(): Fields {
        return this.asked;
    }

    start(): void {
        const select = element<HTMLSelectElement>("language");
        select.value = language();
        select.addEventListener("change", () => {
            setLanguage(select.value as Language);
            applyTexts(this.limits);
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
        // The table as marvane-count prints it, for pasting into a message or a document.
        element("copy-table").addEventListener("click", () => void navigator.clipboard?.writeText(this.shown?.table ?? ""));
        element("help-button").addEventListener("click", () => this.help.showHelp());
        element("about-button").addEventListener("click", () => this.help.showAbout());
        element("use-order").addEventListener("click", () =>
            this.submit({ ...this.readForm(), order: element<HTMLTextAreaElement>("order-text").value }));
        element("deck-order").addEventListener("click", () => this.submit({ ...this.readForm(), order: undefined }));
        element("check-order").addEventListener("click", () => this.ranking.checkOrder());
        element("find-order").addEventListener("click", () => this.ranking.findOrder());
        element("show-crossings").addEventListener("click", () => this.series.showCrossings());
        element("charts").addEventListener("toggle", () => this.series.drawCharts());
        element("series-category").addEventListener("change", () => this.series.drawSeries());
        element("series-dimension").addEventListener("change", () => this.series.drawSeries());
        element("save-deck-chart").addEventListener("click", () => this.series.charts.savePng("deck", this.fileName("chart") + ".png"));
        element("save-series-chart").addEventListener("click", () =>
            this.series.charts.savePng("series", this.fileName("chart-" + element<HTMLSelectElement>("series-dimension").value) + ".png"));
        for (const field of numberFields) {
            // Up and Down step a number box within its range, as the spin buttons do.
            element<HTMLInputElement>(field).addEventListener("keydown", (event) => {
                if (event.key === "ArrowUp" || event.key === "ArrowDown") {
                    event.preventDefault();
                    this.step(field, event.key === "ArrowUp" ? 1 : -1);
                }
            });
        }
        // The buttons beside a box, for a pointer or a finger; the keyboard has Up and Down.
        for (const button of document.querySelectorAll<HTMLButtonElement>("button.step")) {
            button.addEventListener("click", () => this.step(button.dataset.field as NumberField, Number(button.dataset.step)));
        }
        document.addEventListener("keydown", (event) => {
            if (event.key === "Escape") {
                this.explanations.hideExplanation();
            }
        });
        window.addEventListener("hashchange", () => this.showAddress());
        applyTexts(this.limits);
        element("loading").hidden = true;
        this.showAddress();
        // The workers load their modules while the reader looks at the first result.
        setTimeout(() => void this.enumeration.warm(workerCount()).then(() => {
            document.body.dataset.workers = "ready";
        }), 0);
    }

    // --- inputs and the address -----------------------------------------

    // The boxes; an order chosen for the deck, hand size and jokers on
    // show goes with them only while they stay the same, as in the dialog.
    readForm(): Fields {
        const value = (id: NumberField) => element<HTMLInputElement>(id).value;
        const fields: Fields = {
            suits: value("suits"),
            ranks: value("ranks"),
            cards: value("cards"),
            jokers: value("jokers"),
            enumerate: element<HTMLInputElement>("enumerate").checked,
        };
        const same = numberFields.every((field) => fields[field].trim() === this.asked[field].trim());
        return same ? { ...fields, order: this.asked.order } : fields;
    }

    private writeForm(fields: Fields): void {
        for (const field of numberFields) {
            element<HTMLInputElement>(field).value = fields[field];
        }
        element<HTMLInputElement>("enumerate").checked = fields.enumerate ?? false;
    }

    clearMessages(): void {
        for (const field of [...numberFields, "order"]) {
            const input = document.getElementById(field === "order" ? "order-text" : field);
            input?.removeAttribute("aria-invalid");
            setText(field + "-message", "");
        }
    }

    // The dialog's message beside the field, which takes the focus with its text selected.
    showFieldError(field: string, message: string, focus: boolean): void {
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

    // One step within the box's range from what it holds, as the dialog's
    // spin buttons step: a number out of range comes back to the range's end.
    private step(field: NumberField, change: number): void {
        const input = element<HTMLInputElement>(field);
        const [min, max] = this.limits[field];
        const now = /^\s*\d+\s*$/.test(input.value) ? Number(input.value) : min;
        const next = now + change;
        if (next >= min && next <= max) {
            input.value = String(next);
        } else if (now < min || now > max) {
            input.value = String(now < min ? min : max);
        }
    }

    // Enter or Compute Odds: a bad field is told and goes nowhere; a good
    // one becomes the address, and the address the result.
    submit(fields: Fields): void {
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
        this.explanations.hideExplanation();
        this.asked = { ...fields };
        // The count reads the fields first: a bad one comes back as its message.
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
        this.asked.enumerate = false;
        element<HTMLInputElement>("enumerate").checked = false;
        history.replaceState(null, "", addressOf(this.asked));
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
        this.shown = result;
        this.explanations.forget();
        element("run").hidden = !(result?.enumerated ?? false);
        setText("possible-hands", result?.hands ?? "");
        element("floating-mark").hidden = !(result?.floatingPath ?? false);
        element("floating-note").hidden = !(result?.floatingPath ?? false);
        setText("notes", "");
        this.table.show(result);
        for (const id of ["save-csv", "save-json", "copy-table"]) {
            element<HTMLButtonElement>(id).disabled = result === undefined;
        }
        this.showResultExtras();
        if (result) {
            // Example hands may take a search: after the numbers are on screen.
            const generation = this.generation;
            setTimeout(() => {
                if (generation === this.generation && this.shown === result) {
                    this.explanations.findExamples(result);
                }
            }, 0);
        }
    }

    private showResultExtras(): void {
        const result = this.shown;
        const notes: string[] = [];
        if (result) {
            if (result.chosenOrder && !result.oneCategoryPerHand) {
                notes.push(translate("WebPage", "Counted under your own order: see Ranking."));
            }
            if (result.oneCategoryPerHand && this.asked.order) {
                notes.push(fill(translate("WebPage", "An order changes no count here: without jokers every hand of %1 cards has one category."), [result.cards]));
            }
            notes.push(...result.mismatches);
        }
        if (!this.enumeration.running()) {
            setText("notes", notes.join(" "));
        }
        setText("command", this.command("csv"));
        this.ranking.showRanking();
        element("crossing-list").replaceChildren();
        this.series.fillSeriesCategories();
        this.series.drawCharts();
    }

    private command(format: "csv" | "json"): string {
        const result = this.shown;
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
        const result = this.shown;
        return result ? `marvane-${result.suits}x${result.ranks}-${result.cards}-cards-${result.jokers}-jokers-${kind}` : "marvane";
    }

    private save(format: "csv" | "json"): void {
        if (!this.shown) {
            return;
        }
        const type = format === "csv" ? "text/csv" : "application/json";
        const url = URL.createObjectURL(new Blob([this.shown[format]], { type }));
        const link = document.createElement("a");
        link.href = url;
        link.download = this.fileName("results") + "." + format;
        link.click();
        setTimeout(() => URL.revokeObjectURL(url), 10_000);
    }

    // --- what a category means ----------------------------------------------

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
