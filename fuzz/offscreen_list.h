// SPDX-License-Identifier: MIT
#pragma once

namespace marvane {
class CSortListCtrl;
}  // namespace marvane
using marvane::CSortListCtrl;

// The one list a widget target fills input after input. offscreen_list.cpp
// makes it, with the offscreen application, in LLVMFuzzerInitialize.
CSortListCtrl& fuzzList();
