// SPDX-License-Identifier: MIT
#include "engine/enumeration/joker_enumerator.h"

#include <algorithm>
#include <vector>

#include "engine/enumeration/joker_loop.h"
#include "engine/vocabulary/hand_count.h"

namespace marvane {

namespace {

using jokerloop::JokerTables;
using jokerloop::PartCounts;

bool admissible(Deck deck, std::uint32_t cards, std::uint32_t jokers, const CategoryOrder& order) {
    return deck.isAdmissible() && cards >= kMinCards && cards <= kMaxCards &&
           jokers <= kMaxJokers && !orderProblem(deck, order, jokers);
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
    for (std::uint32_t j = 1; j <= jokers; ++j) {
        const std::uint32_t naturals = cards - j;
        const FirstCards firsts = firstCardsOf(deck.cardCount(), naturals, stageShare);
        const std::uint64_t weight = choose64(jokers, j);
        stages.push_back(
            {.j = j,
             .naturals = naturals,
             .weight = weight,
             .firsts = firsts,
             .hands = handsWithFirstCards(deck.cardCount(), naturals, firsts) * weight});
    }
    return stages;
}

// The natural parts of one stage, on the driver's workers; `before` hands
// were counted by earlier stages. False when stopped.
bool runStage(Deck deck, const JokerStage& stage, const CategoryOrder& order,
              const RunOptions& options, std::uint64_t before, std::uint64_t total,
              EnumerationRun& result) {
    const JokerTables tables(deck, stage.j, order);
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
    result = enumerateKCards(deck, cards, order, natural);
    std::uint64_t before = result.counts.sum();
    bool complete = result.status == RunStatus::Completed;
    for (const JokerStage& stage : stages) {
        if (!complete) {
            break;
        }
        complete = runStage(deck, stage, order, options, before, total, result);
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
    result = enumerateKCardsVisiting(
        deck, cards, order, [&](const KCardHand& hand, HandCategory c) { visitor(hand, 0, c); });
    for (std::uint32_t j = 1; j <= jokers; ++j) {
        const JokerTables tables(deck, j, order);
        const std::uint32_t n = cards - j;
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
