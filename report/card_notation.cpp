// SPDX-License-Identifier: MIT
#include "report/card_notation.h"

namespace marvane {

std::string cardText(const Card& card) {
    constexpr std::uint32_t kLetters = 26;
    const char suit = card.suit < kLetters ? static_cast<char>('a' + card.suit) : '?';
    // 64-bit so that the highest rank value does not wrap to "0".
    return std::to_string(std::uint64_t{card.rank} + 1) + suit;
}

std::string handText(const Hand& hand) {
    std::string text;
    for (const Card& card : hand) {
        if (!text.empty()) {
            text += ' ';
        }
        text += cardText(card);
    }
    return text;
}

}  // namespace marvane
