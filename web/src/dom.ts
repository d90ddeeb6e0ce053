// SPDX-License-Identifier: MIT
// The page's elements by id, and the words the page builds from the
// desktop's translated phrases.
import { fill, language, translate } from "./i18n";

export function element<T extends HTMLElement = HTMLElement>(id: string): T {
    const found = document.getElementById(id);
    if (!found) {
        throw new Error("the page lacks #" + id);
    }
    return found as T;
}

export function setText(id: string, text: string): void {
    element(id).textContent = text;
}

export function numberText(value: number | string): string {
    return new Intl.NumberFormat(language()).format(typeof value === "string" ? BigInt(value) : value);
}

// "12 s", "3 min", "1 h 5 min", as the dialog says how long.
export function durationText(seconds: number): string {
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

export function jokersPhrase(jokers: number): string {
    return jokers === 1 ? translate("Jokers", "1 joker") : fill(translate("Jokers", "%1 jokers"), [jokers]);
}

// The definition starts lower-case to follow a name and a colon; alone it starts with a capital.
export function sentence(text: string): string {
    return text.charAt(0).toUpperCase() + text.slice(1);
}
