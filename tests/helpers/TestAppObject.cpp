#include "TestApp.h"

DOVUV32_TEST_APP("helpers_tests")
