// SPDX-License-Identifier: MIT
// LLVMFuzzerInitialize for the targets that drive a real list: starts the
// offscreen application and makes the list they share for the whole run.

#include "fuzz/offscreen_list.h"

#include "fuzz/offscreen_app.h"
#include "listctrl/csortlistctrl.h"

namespace {
CSortListCtrl* theList = nullptr;
}

CSortListCtrl& fuzzList() {
    return *theList;
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    startOffscreenApplication((*argv)[0]);
    theList = new CSortListCtrl;  // lives as long as the application
    return 0;
}
