// SPDX-License-Identifier: MIT
// The address holds the inputs: "#suits=5&ranks=13&cards=7&jokers=1", plus
// "&enumerate=1" and "&order=..." when given. A key the address leaves out
// takes the page's default; what a key holds is read by the engine like a
// typed field, so a bad value gets the field's own message.
import type { Fields } from "./module";

export const defaultFields: Fields = { suits: "4", ranks: "13", cards: "5", jokers: "0" };

export function fieldsFromAddress(hash: string): Fields {
    const params = new URLSearchParams(hash.replace(/^#/, ""));
    const fields: Fields = { ...defaultFields };
    for (const key of ["suits", "ranks", "cards", "jokers"] as const) {
        const value = params.get(key);
        if (value !== null) {
            fields[key] = value;
        }
    }
    const order = params.get("order");
    if (order !== null && order.trim() !== "") {
        fields.order = order;
    }
    fields.enumerate = params.get("enumerate") === "1";
    return fields;
}

export function addressOf(fields: Fields): string {
    const params = new URLSearchParams();
    params.set("suits", fields.suits.trim());
    params.set("ranks", fields.ranks.trim());
    params.set("cards", fields.cards.trim());
    params.set("jokers", fields.jokers.trim());
    if (fields.enumerate) {
        params.set("enumerate", "1");
    }
    if (fields.order && fields.order.trim() !== "") {
        params.set("order", fields.order.trim());
    }
    // Spaces as %20, not "+": the order's names read well either way, but
    // %20 survives every copy and paste.
    return "#" + params.toString().replace(/\+/g, "%20");
}
