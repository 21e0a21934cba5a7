#include "TestApp.h"

DOVUV32_TEST_APP("pages_tests")
