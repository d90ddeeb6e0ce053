// SPDX-License-Identifier: MIT
#include "report/words/crossing_words.h"

namespace marvane {

std::string describeCrossing(const Crossing& crossing, DeckDimension varying) {
    return "from " + std::to_string(crossing.from) + " to " + std::to_string(crossing.to) + " " +
           std::string(dimensionName(varying)) + ", " + std::string(displayName(crossing.rarer)) +
           " becomes rarer than " + std::string(displayName(crossing.commoner));
}

std::string describeCrossing(const Crossing& crossing, std::string_view unit) {
    std::string text = "from " + std::to_string(crossing.from) + " to " +
                       std::to_string(crossing.to) + " " + std::string(unit) + ", " +
                       std::string(displayName(crossing.rarer)) + " becomes rarer than " +
                       std::string(displayName(crossing.commoner));
    if (crossing.equalFrom) {
        text += " (equal at " + std::to_string(*crossing.equalFrom);
        if (*crossing.equalFrom != crossing.from) {
            text += " to " + std::to_string(crossing.from);
        }
        text += ")";
    }
    return text;
}

std::string_view jokerUnit(const Crossing& crossing) {
    return crossing.to == 1 ? "joker" : "jokers";
}

}  // namespace marvane
