// SPDX-License-Identifier: MIT
#include <cstdio>

#include "app/chandcalcapp.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
    const marvane::CommandLineRequest request =
        marvane::readCommandLine(marvane::argumentsOf(argc, argv));
    if (!request.startGui) {
        std::fputs(request.out.toLocal8Bit().constData(), stdout);
        std::fputs(request.err.toLocal8Bit().constData(), stderr);
        return std::fflush(stdout) == 0 ? request.exitStatus : 1;
    }
    marvane::CHandCalcApp app(argc, argv);
    app.InitInstance();
    return 0;
}
