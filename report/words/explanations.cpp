// SPDX-License-Identifier: MIT
#include "report/words/explanations.h"

#include "report/words/category_definitions.h"

namespace marvane {

namespace {

std::string line(std::string_view name, std::string_view definition) {
    return std::string(name) + ": " + std::string(definition) + '\n';
}

}  // namespace

std::string explanationText(std::uint32_t jokers, std::uint32_t cards) {
    std::string text;
    for (std::size_t i = 0; i < kCategoryCount; ++i) {
        const HandCategory category = *categoryFromIndex(i);
        text += line(displayName(category), categoryDefinition(category, jokers, cards));
    }
    // "Flush" and "Rainbow" are category names too, hence the qualifier.
    text += '\n';
    for (const Term& term : suitPatternTerms(jokers, cards)) {
        text += line(std::string(term.name) + " (suit pattern)", term.definition);
    }
    text += line(std::string(kTotalTerm.name) + " (column)", kTotalTerm.definition);
    text += line(std::string(kFloatingPathTerm.name) + " (mark)", kFloatingPathTerm.definition);
    for (const Term& term : kHandSizeTerms) {
        text += line(std::string(term.name) + " (hand size)", term.definition);
    }
    text += line(std::string(kJokerTerm.name) + " (card)", kJokerTerm.definition);
    text += '\n' + std::string(kCardNotation) + '\n';
    return text;
}

}  // namespace marvane
