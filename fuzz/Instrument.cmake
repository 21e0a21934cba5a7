# Instrumentation for the libFuzzer build (DOVUV32_BUILD_FUZZ): coverage
# counters for the fuzzer and the address and undefined-behaviour checks on
# everything compiled, so that a fault inside the libraries stops the run.
# The fuzz targets add the fuzzer's own main when they link (fuzz/).
if(WIN32 OR NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "DOVUV32_BUILD_FUZZ needs a native clang build (preset fuzz)")
endif()
set(DOVUV32_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all)
add_compile_options(-fsanitize=fuzzer-no-link ${DOVUV32_SANITIZERS} -fno-omit-frame-pointer)
add_link_options(${DOVUV32_SANITIZERS})
