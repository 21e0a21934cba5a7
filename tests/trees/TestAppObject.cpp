#include "TestApp.h"

namespace {
CTestApp theApp("trees_tests");
}

CTestApp& TestApp() {
    return theApp;
}
