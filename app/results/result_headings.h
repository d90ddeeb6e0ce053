// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace marvane {

// The columns the results list can show.
enum class ResultColumn { Hand, Enumerated, Computed, Total, Probability, Odds };

// The column's title in the user's language, without the list's leading blank.
QString columnTitle(ResultColumn column);

// Column headings of the results list, in the list's heading-string format:
// with the Enumerated column when the deck was enumerated.
QString resultHeadings(bool withEnumeration);

}  // namespace marvane
