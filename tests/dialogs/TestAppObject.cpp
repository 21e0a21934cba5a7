#include "TestApp.h"

DOVUV32_TEST_APP("dialogs_tests")
