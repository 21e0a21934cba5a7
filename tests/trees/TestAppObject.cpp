#include "TestApp.h"

DOVUV32_TEST_APP("trees_tests")
