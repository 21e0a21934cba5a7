#include "TestApp.h"

namespace {
CTestApp theApp("dialogs_tests");
}

CTestApp& TestApp() {
    return theApp;
}
