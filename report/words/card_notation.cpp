// SPDX-License-Identifier: MIT
#include "report/words/card_notation.h"

namespace marvane {

std::string cardText(const Card& card) {
    constexpr std::uint32_t kLetters = 26;
    const char suit = card.suit < kLetters ? static_cast<char>('a' + card.suit) : '?';
    // 64-bit so that the highest rank value does not wrap to "0".
    return std::to_string(std::uint64_t{card.rank} + 1) + suit;
}

std::string handText(const Hand& hand, std::uint32_t jokers) {
    std::string text;
    for (const Card& card : hand) {
        if (!text.empty()) {
            text += ' ';
        }
        text += cardText(card);
    }
    for (std::uint32_t j = 0; j < jokers; ++j) {
        text += text.empty() ? "Jk" : " Jk";
    }
    return text;
}

std::string jokersText(std::uint32_t jokers) {
    return std::to_string(jokers) + (jokers == 1 ? " joker" : " jokers");
}

}  // namespace marvane
