#include "TestApp.h"

DOVUV32_TEST_APP("soak_tests")
