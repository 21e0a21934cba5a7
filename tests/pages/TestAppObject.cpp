#include "TestApp.h"

namespace {
CTestApp theApp("pages_tests");
}

CTestApp& TestApp() {
    return theApp;
}
