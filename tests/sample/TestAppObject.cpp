#include "TestApp.h"

DOVUV32_TEST_APP("sample_tests")
