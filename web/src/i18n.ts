// SPDX-License-Identifier: MIT
// The desktop's translations, converted at build time: a text is looked up
// by its translation context and English words (and comment, where the
// desktop gives one), so the page speaks as the dialog does. A text without
// a translation stays English.

type Contexts = Record<string, Record<string, string>>;
declare const MARVANE_TRANSLATIONS: Record<string, Contexts>;

export type Language = "en" | "de" | "fr";
export const languages: Record<Language, string> = { en: "English", de: "Deutsch", fr: "Français" };

let current: Language = "en";

export function language(): Language {
    return current;
}

export function setLanguage(next: Language): void {
    current = next;
    document.documentElement.lang = next;
}

// The browser's first language the page has, else English.
export function preferredLanguage(): Language {
    for (const tag of navigator.languages ?? [navigator.language]) {
        const base = tag.slice(0, 2).toLowerCase();
        if (base === "en" || base === "de" || base === "fr") {
            return base;
        }
    }
    return "en";
}

// Qt's %1..%9 placeholders, each replaced once, in one pass.
export function fill(text: string, args: readonly (string | number)[]): string {
    return text.replace(/%([1-9])/g, (whole, digit: string) => {
        const value = args[Number(digit) - 1];
        return value === undefined ? whole : String(value);
    });
}

// Desktop texts carry "&" before their keyboard accelerator; the page has none.
function withoutAccelerator(text: string): string {
    return text.replace(/&(?=[^&\s])/g, "").replace(/&&/g, "&");
}

// The translation of one text. lupdate finds these calls in the page's
// sources (read as C++), so the page's own texts have their place in the
// desktop's .ts files: keep the arguments plain double-quoted strings.
export function translate(context: string, english: string, comment?: string): string {
    const texts = current === "en" ? undefined : MARVANE_TRANSLATIONS[current]?.[context];
    const key = comment === undefined ? english : english + "\u0001" + comment;
    return withoutAccelerator(texts?.[key] ?? english);
}

// The engine's words (category names, definitions, reasons) by their English text.
export function engine(english: string): string {
    return translate("EngineTexts", english);
}
