// SPDX-License-Identifier: MIT
#include "engine/enumeration/joker_enumerator.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "engine/enumeration/joker_loop.h"
#include "engine/reference/joker_reference.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

namespace {

using jokerloop::JokerTables;
using jokerloop::PartCounts;

bool admissible(Deck deck, std::uint32_t cards, std::uint32_t jokers, const CategoryOrder& order) {
    return deck.isAdmissible() && cards >= kMinCards && cards <= kMaxCards &&
           jokers <= kMaxJokers && !orderProblem(deck, cards, order, jokers);
}

void addParts(const PartCounts& parts, std::uint64_t weight, const CategoryOrder& order,
              CategoryCounts64& counts) {
    for (const auto& bank : parts.banks) {
        for (std::size_t place = 0; place < order.size(); ++place) {
            counts[order[place]] += bank[place] * weight;
        }
    }
}

// The hands with j of the jokers: their natural parts of cards - j cards,
// each standing for C(jokers, j) hands.
struct JokerStage {
    std::uint32_t j = 0;
    std::uint32_t naturals = 0;
    std::uint64_t weight = 1;
    FirstCards firsts;
    std::uint64_t hands = 0;
};

// Whether the hands without natural cards belong to this share: they go
// with the first card of all.
bool takesJokersOnly(const std::optional<FirstCards>& share) {
    return !share || (share->begin == 0 && share->end > 0);
}

// From five cards up the hands without a joker are the K-card loop's; the
// smaller hands' are a stage of their own.
std::uint32_t firstStage(std::uint32_t cards) {
    return cards < kHandSize ? 0 : 1;
}

std::vector<JokerStage> stagesOf(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                                 const std::optional<FirstCards>& share) {
    // Fewer natural cards can start later than a whole hand can: the share
    // that ends at a whole hand's last first card takes those too.
    std::optional<FirstCards> stageShare = share;
    const std::uint32_t wholeEnd = firstCardsOf(deck.cardCount(), cards, {}).end;
    if (share && share->begin < wholeEnd && share->end >= wholeEnd) {
        stageShare->end = deck.cardCount();
    }
    std::vector<JokerStage> stages;
    for (std::uint32_t j = firstStage(cards); j <= jokers && j <= cards; ++j) {
        const std::uint32_t naturals = cards - j;
        const FirstCards firsts = firstCardsOf(deck.cardCount(), naturals, stageShare);
        const std::uint64_t weight = choose64(jokers, j);
        const std::uint64_t parts = naturals == 0
                                        ? (takesJokersOnly(share) ? 1 : 0)
                                        : handsWithFirstCards(deck.cardCount(), naturals, firsts);
        stages.push_back({.j = j,
                          .naturals = naturals,
                          .weight = weight,
                          .firsts = firsts,
                          .hands = parts * weight});
    }
    return stages;
}

// The natural parts of one stage, on the driver's workers; `before` hands
// were counted by earlier stages. False when stopped.
// The best place a hand of jokers only reaches: what any hand of that size
// makes. Only hands of three or four cards are jokers only, and what cards
// of up to four ranks and four suits make is the same in every admissible
// deck (each has straights, other ranks and four suits), so the smallest
// deck's multisets of cards, far fewer, say it.
std::uint8_t jokersOnlyPlace(std::uint32_t cards, const CategoryOrder& order) {
    const OrderPlaces places = placesOf(order);
    std::uint8_t best = kNoPlace;
    JokerReference smallest(Deck{kMinSuits, kMinRanks});
    for (std::uint32_t rest = smallest.reach({}, cards); rest != 0; rest &= rest - 1) {
        best = std::min(best, places[static_cast<std::size_t>(std::countr_zero(rest))]);
    }
    return best;
}

bool runStage(Deck deck, std::uint32_t cards, const JokerStage& stage, const CategoryOrder& order,
              const RunOptions& options, std::uint64_t before, std::uint64_t total,
              EnumerationRun& result) {
    if (stage.naturals == 0) {
        if (stage.hands != 0) {
            result.counts[order[jokersOnlyPlace(cards, order)]] += stage.hands;
        }
        return options.progress ? options.progress(before + stage.hands, total) : true;
    }
    const JokerTables tables(deck, cards, stage.j, order);
    const std::size_t pieces = stage.firsts.end - stage.firsts.begin;
    std::vector<PartCounts> parts(driverSlots(options.workers, pieces), PartCounts{});
    const DriverJob job{
        .pieces = pieces,
        .weight = stage.weight,
        .work = [&](std::size_t slot, const NextPiece& next, const HandsDone& report) {
            // The low first cards start the most parts, so they go first and
            // the workers end together.
            for (std::size_t piece = 0; next(piece);) {
                const auto first = static_cast<std::uint32_t>(stage.firsts.begin + piece);
                if (!jokerloop::runFirstCard(tables, stage.naturals, first, parts[slot], report,
                                             nullptr)) {
                    return;
                }
            }
        }};
    const WorkersRan ran = driveWorkers(job, options, before, total);
    if (ran.ran < result.threads.ran) {
        result.threads = ran;
    }
    CategoryCounts64 counted;
    for (const PartCounts& share : parts) {
        addParts(share, stage.weight, order, counted);
    }
    result.counts += counted;
    return counted.sum() == stage.hands;
}

}  // namespace

EnumerationRun enumerateJokers(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                               const CategoryOrder& order, const RunOptions& options) {
    EnumerationRun result;
    if (!admissible(deck, cards, jokers, order) || options.workers < 1 ||
        options.workers > kMaxWorkers) {
        return result;
    }
    const std::vector<JokerStage> stages = stagesOf(deck, cards, jokers, options.share);
    const FirstCards naturalFirsts = firstCardsOf(deck.cardCount(), cards, options.share);
    std::uint64_t total = handsWithFirstCards(deck.cardCount(), cards, naturalFirsts);
    for (const JokerStage& stage : stages) {
        total += stage.hands;
    }
    // The hands without a joker: the K-card loop, its progress out of all;
    // its own word that it is done is left to the end of the whole run.
    RunOptions natural = options;
    if (options.progress) {
        natural.progress = [&](std::uint64_t done, std::uint64_t own) {
            return done == own || options.progress(done, total);
        };
    }
    bool complete = true;
    if (firstStage(cards) == 1) {
        result = enumerateKCards(deck, cards, order, natural);
        complete = result.status == RunStatus::Completed;
    } else {
        result.threads = {.wanted = options.workers, .ran = options.workers};
    }
    std::uint64_t before = result.counts.sum();
    for (const JokerStage& stage : stages) {
        if (!complete) {
            break;
        }
        complete = runStage(deck, cards, stage, order, options, before, total, result);
        before = result.counts.sum();
    }
    result.handsVisited = result.counts.sum();
    result.status = complete ? RunStatus::Completed : RunStatus::Cancelled;
    if (complete && options.progress) {
        options.progress(total, total);
    }
    return result;
}

EnumerationRun enumerateJokersVisiting(Deck deck, std::uint32_t cards, std::uint32_t jokers,
                                       const CategoryOrder& order,
                                       const JokerPartVisitor& visitor) {
    EnumerationRun result;
    if (!admissible(deck, cards, jokers, order)) {
        return result;
    }
    if (firstStage(cards) == 1) {
        result = enumerateKCardsVisiting(
            deck, cards, order,
            [&](const KCardHand& hand, HandCategory c) { visitor(hand, 0, c); });
    }
    for (std::uint32_t j = firstStage(cards); j <= jokers && j <= cards; ++j) {
        const std::uint32_t n = cards - j;
        if (n == 0) {
            const HandCategory category = order[jokersOnlyPlace(cards, order)];
            visitor(KCardHand{}, j, category);
            result.counts[category] += choose64(jokers, j);
            continue;
        }
        const JokerTables tables(deck, cards, j, order);
        PartCounts parts{};
        KCardHand naturals{};
        const jokerloop::PartSeen seen = [&](const std::array<std::uint8_t, 8>& indices,
                                             std::uint8_t place) {
            for (std::uint32_t i = 0; i < n; ++i) {
                naturals[i] = static_cast<std::uint8_t>(indices[i] + 1);
            }
            visitor(naturals, j, order[place]);
        };
        const jokerloop::PartsDone always = [](std::uint64_t) { return true; };
        for (std::uint32_t first = 0; first + n <= deck.cardCount(); ++first) {
            (void)jokerloop::runFirstCard(tables, n, first, parts, always, &seen);
        }
        addParts(parts, choose64(jokers, j), order, result.counts);
    }
    result.handsVisited = result.counts.sum();
    result.status = RunStatus::Completed;
    return result;
}

}  // namespace marvane
