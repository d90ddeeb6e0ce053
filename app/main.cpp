#include "chandcalcapp.h"

int main(int argc, char** argv) {
    CHandCalcApp app(argc, argv);
    app.InitInstance();
    return 0;
}
