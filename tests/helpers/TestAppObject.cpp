#include "TestApp.h"

namespace {
CTestApp theApp("helpers_tests");
}

CTestApp& TestApp() {
    return theApp;
}
