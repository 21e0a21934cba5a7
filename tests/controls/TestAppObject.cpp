#include "TestApp.h"

namespace {
CTestApp theApp("controls_tests");
}

CTestApp& TestApp() {
    return theApp;
}
