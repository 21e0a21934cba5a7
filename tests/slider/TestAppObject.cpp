#include "TestApp.h"

DOVUV32_TEST_APP("slider_tests")
