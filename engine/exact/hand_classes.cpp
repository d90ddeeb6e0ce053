// SPDX-License-Identifier: MIT
#include "engine/exact/hand_classes.h"

#include <mutex>

namespace marvane::cardclasses {

PositionGroups::PositionGroups(std::uint32_t d, std::uint32_t size) {
    number.fill(-1);
    for (std::uint32_t mask = 0; mask < (1u << d); ++mask) {
        if (std::popcount(mask) == static_cast<int>(size)) {
            number[mask] = static_cast<std::int8_t>(masks.size());
            masks.push_back(static_cast<std::uint8_t>(mask));
        }
    }
}

namespace {

std::map<std::uint64_t, std::uint64_t> countRankSetsByStraightFit(std::uint32_t ranks,
                                                                  std::uint32_t d,
                                                                  const PositionGroups& groups,
                                                                  std::uint32_t length) {
    std::map<std::uint64_t, std::uint64_t> sets;
    if (groups.masks.empty()) {
        sets[0] = choose64(ranks, d);
        return sets;
    }
    static_assert(56 <= 64, "the groups of five among eight must fit a 64-bit key");
    // For every set of positions, the groups that lie inside it.
    std::array<std::uint64_t, 1u << kMaxCards> within{};
    for (std::uint32_t positions = 0; positions < (1u << d); ++positions) {
        for (std::size_t g = 0; g < groups.masks.size(); ++g) {
            if ((groups.masks[g] & ~positions) == 0) {
                within[positions] |= std::uint64_t{1} << g;
            }
        }
    }
    if (d == 0) {
        // The one empty set of ranks; its empty group fits anywhere.
        sets[within[0]] = 1;
        return sets;
    }
    const std::uint32_t groupSize = std::popcount(groups.masks.front());
    const std::uint32_t end = 1u << ranks;
    // Every d-bit mask below 2^ranks in increasing order (Gosper's step).
    for (std::uint32_t set = (1u << d) - 1; set < end;) {
        // below[r]: the set's ranks under r. A straight is a run of ranks,
        // so the set's ranks in it take a run of positions from below[low];
        // the wrap-around one takes rank 0's position and the last ones.
        std::array<std::uint8_t, kMaxRanks + 1> below{};
        for (std::uint32_t r = 0; r < ranks; ++r) {
            below[r + 1] = static_cast<std::uint8_t>(below[r] + ((set >> r) & 1u));
        }
        auto run = [](std::uint32_t count, std::uint32_t from) {
            return ((1u << count) - 1) << from;
        };
        std::uint64_t fitting = 0;
        for (std::uint32_t low = 0; low + length <= ranks; ++low) {
            const std::uint32_t inside = below[low + length] - below[low];
            if (inside >= groupSize) {
                fitting |= within[run(inside, below[low])];
            }
        }
        const std::uint32_t top = below[ranks] - below[ranks - (length - 1)];
        const std::uint32_t zero = set & 1u;
        if (top + zero >= groupSize) {
            fitting |= within[zero | run(top, d - top)];
        }
        ++sets[fitting];
        const std::uint32_t ripple = set + (set & -set);
        set = ripple | (((set ^ ripple) >> 2) >> std::countr_zero(set));
    }
    return sets;
}

}  // namespace

std::map<std::uint64_t, std::uint64_t> rankSetsByStraightFit(std::uint32_t ranks, std::uint32_t d,
                                                             const PositionGroups& groups,
                                                             std::uint32_t length) {
    // Most of an exact count's time at six cards and up, and the same for
    // every count of a deck's ranks at a hand size (any number of suits or
    // jokers, any order): kept for the process, a few hundred small tables at
    // most. The groups are those of their size among d positions.
    static std::mutex lock;
    static std::map<std::array<std::uint32_t, 4>, std::map<std::uint64_t, std::uint64_t>> known;
    const std::uint32_t size =
        groups.masks.empty() ? kMaxCards + 1
                             : static_cast<std::uint32_t>(std::popcount(groups.masks.front()));
    const std::array<std::uint32_t, 4> key{ranks, d, size, length};
    {
        const std::scoped_lock hold(lock);
        if (const auto found = known.find(key); found != known.end()) {
            return found->second;
        }
    }
    auto sets = countRankSetsByStraightFit(ranks, d, groups, length);
    const std::scoped_lock hold(lock);
    known.emplace(key, sets);
    return sets;
}

}  // namespace marvane::cardclasses
