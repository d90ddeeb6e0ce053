// SPDX-License-Identifier: MIT
// The results as a real table: one row per category, sortable by any
// column by click or Enter on its heading. Sorting follows the dialog: the
// Total column ascending first; a click on the sorted column turns its
// direction, on another sorts that one ascending; rows that rank equal keep
// their order. Numbers sort by value, the probability and odds by the count
// they come from, the names as text.
import { engine, translate } from "./i18n";
import type { Result, ResultRow } from "./module";

export type Column = "hand" | "enumerated" | "computed" | "total" | "probability" | "odds";

interface Sort {
    column: Column;
    ascending: boolean;
}

export function columnTitle(column: Column): string {
    const titles: Record<Column, [string, string]> = {
        hand: ["Hand", "results column: the category of hand"],
        enumerated: ["Enumerated", "results column: hands counted one by one"],
        computed: ["Computed", "results column: hands counted by formula"],
        total: ["Total", "results column: cumulative count"],
        probability: ["Probability", "results column"],
        odds: ["Odds", "results column: one hand in how many"],
    };
    const [english, comment] = titles[column];
    return translate("ResultHeadings", english, comment);
}

// "1 in 64974" in the reader's language; "never" for a category without hands.
export function oddsText(odds: string | null): string {
    if (odds === null) {
        return translate("OddsColumns", "never", "odds of a category without hands");
    }
    const prefix = "1 in ";
    if (!odds.startsWith(prefix)) {
        return odds;
    }
    return translate("OddsColumns", "1 in %1", "odds: one hand in this many").replace("%1", odds.slice(prefix.length));
}

function cellText(row: ResultRow, column: Column): string {
    switch (column) {
        case "hand":
            return engine(row.name);
        case "enumerated":
            return row.enumerated ?? "";
        case "computed":
            return row.computed;
        case "total":
            return row.total;
        case "probability":
            return row.probability;
        case "odds":
            return oddsText(row.odds);
    }
}

function compare(a: ResultRow, b: ResultRow, column: Column): number {
    if (column === "hand") {
        const x = engine(a.name);
        const y = engine(b.name);
        return x < y ? -1 : x > y ? 1 : 0;
    }
    if (column === "probability" || column === "odds") {
        return Math.sign(a.sourceCount - b.sourceCount);
    }
    const x = BigInt(cellText(a, column) || "0");
    const y = BigInt(cellText(b, column) || "0");
    return x < y ? -1 : x > y ? 1 : 0;
}

export class ResultsTable {
    private sort: Sort = { column: "total", ascending: true };
    private result: Result | undefined;

    constructor(
        private readonly table: HTMLTableElement,
        private readonly onRowsShown: (rows: HTMLTableRowElement[]) => void,
    ) {}

    columns(): Column[] {
        const enumerated = this.result?.enumerated ?? false;
        return ["hand", ...(enumerated ? (["enumerated"] as Column[]) : []), "computed", "total", "probability", "odds"];
    }

    // A new result opens sorted by Total, ascending, as the dialog opens it.
    show(result: Result | undefined): void {
        this.result = result;
        this.sort = { column: "total", ascending: true };
        this.render();
    }

    sortBy(column: Column): void {
        this.sort = {
            column,
            ascending: this.sort.column === column ? !this.sort.ascending : true,
        };
        this.render();
        this.table.querySelector<HTMLButtonElement>(`th[data-column="${column}"] button`)?.focus();
    }

    render(): void {
        const head = this.table.tHead!.rows[0];
        const body = this.table.tBodies[0];
        head.replaceChildren();
        body.replaceChildren();
        this.table.hidden = this.result === undefined;
        if (!this.result) {
            return;
        }
        for (const column of this.columns()) {
            const cell = document.createElement("th");
            cell.scope = "col";
            cell.setAttribute("role", "columnheader");
            cell.dataset.column = column;
            const button = document.createElement("button");
            button.type = "button";
            button.textContent = columnTitle(column);
            const arrow = document.createElement("span");
            arrow.className = "arrow";
            arrow.setAttribute("aria-hidden", "true");
            if (this.sort.column === column) {
                cell.setAttribute("aria-sort", this.sort.ascending ? "ascending" : "descending");
                arrow.textContent = this.sort.ascending ? "▲" : "▼";
            }
            button.append(arrow);
            button.addEventListener("click", () => this.sortBy(column));
            cell.append(button);
            head.append(cell);
        }
        const rows = [...this.result.rows];
        // Array.prototype.sort is stable: rows that rank equal keep their order.
        rows.sort((a, b) => {
            const order = compare(a, b, this.sort.column);
            return this.sort.ascending ? order : -order;
        });
        const shown: HTMLTableRowElement[] = [];
        for (const row of rows) {
            const line = document.createElement("tr");
            line.dataset.category = String(row.index);
            // Explicit roles keep the table a table where a narrow screen
            // lays its rows out as cards.
            line.setAttribute("role", "row");
            for (const column of this.columns()) {
                if (column === "hand") {
                    const cell = document.createElement("th");
                    cell.scope = "row";
                    cell.setAttribute("role", "rowheader");
                    const name = document.createElement("button");
                    name.type = "button";
                    name.className = "category";
                    name.textContent = cellText(row, column);
                    cell.append(name);
                    if (row.brokenBy.length > 0) {
                        const mark = document.createElement("span");
                        mark.className = "breaks-order";
                        mark.textContent = "⚠";
                        mark.title = row.brokenBy.map((pair) => pair.sentence).join("\n");
                        cell.append(" ", mark);
                        line.classList.add("breaks-order");
                    }
                    line.append(cell);
                } else {
                    const cell = document.createElement("td");
                    cell.dataset.column = column;
                    cell.dataset.label = columnTitle(column);
                    cell.setAttribute("role", "cell");
                    cell.textContent = cellText(row, column);
                    line.append(cell);
                }
            }
            body.append(line);
            shown.push(line);
        }
        this.onRowsShown(shown);
    }
}
