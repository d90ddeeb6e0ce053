// SPDX-License-Identifier: MIT
#pragma once

namespace marvane {

// Identifiers of the dialog's controls. Every control carries its id in the
// "controlId" property, so code and tests can address it by number.
enum ControlId : int {
    IdClose = 1,
    IdSuitsBox = 1000,
    IdSuitsSpin = 1001,
    IdRanksBox = 1002,
    IdRanksSpin = 1003,
    IdComputeOdds = 1004,
    IdResultsList = 1005,
    IdPossibleHands = 1006,
    IdPossibleHandsLabel = 1007,
    IdSuitsLabel = 1008,
    IdRanksLabel = 1009,
    IdAgain = 1010,
    IdFloatingPathMark = 1011,
    IdProgressBar = 1012,
    IdEnumerate = 1015,
    // Beyond the template: the cards per hand and a long run's Cancel.
    IdCancel = 2,
    IdCardsBox = 1016,
    IdCardsSpin = 1017,
    IdCardsLabel = 1018,
    // Wild cards added to the deck.
    IdJokersBox = 1019,
    IdJokersSpin = 1020,
    IdJokersLabel = 1021,
};

inline constexpr char kControlIdProperty[] = "controlId";

}  // namespace marvane
