// SPDX-License-Identifier: MIT
#pragma once

// Column headings of the results list, in the list's heading-string format:
// with the Enumerated column when the deck was enumerated.
inline constexpr char kHeadingsWithEnumeration[] =
    "Hand, 140; Enumerated, 80; Computed, 70; Total, 70";
inline constexpr char kHeadingsComputedOnly[] = "Hand, 140; Computed, 70; Total, 70";
