#include "TestApp.h"

DOVUV32_TEST_APP("controls_tests")
