// SPDX-License-Identifier: MIT
// Reads a Qt Linguist .ts file into { context: { key: translation } }, the
// key being the English text, or the text and its comment joined by "\u0001"
// where the file gives a comment (the same words can mean two things).
// Unfinished and obsolete translations are left out, so the page shows the
// English text for them.
import { readFileSync } from "node:fs";

const entities = { amp: "&", lt: "<", gt: ">", quot: '"', apos: "'" };

export function decodeXml(text) {
    return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
        if (name.startsWith("#x")) {
            return String.fromCodePoint(parseInt(name.slice(2), 16));
        }
        if (name.startsWith("#")) {
            return String.fromCodePoint(parseInt(name.slice(1), 10));
        }
        return entities[name] ?? whole;
    });
}

function element(block, name) {
    const match = block.match(new RegExp(`<${name}(\\s[^>]*)?>([\\s\\S]*?)</${name}>`));
    return match ? { attributes: match[1] ?? "", text: decodeXml(match[2]) } : undefined;
}

export function parseTranslations(xml) {
    const contexts = {};
    for (const [, block] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
        const name = element(block, "name").text;
        const messages = (contexts[name] ??= {});
        for (const [, message] of block.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
            const source = element(message, "source");
            const translation = element(message, "translation");
            if (!source || !translation || /type="(unfinished|obsolete|vanished)"/.test(translation.attributes)) {
                continue;
            }
            const comment = element(message, "comment");
            messages[comment ? source.text + "\u0001" + comment.text : source.text] = translation.text;
        }
    }
    return contexts;
}

export function readTranslations(path) {
    return parseTranslations(readFileSync(path, "utf8"));
}
