// What the fuzz targets share: a check that stops the run with a message,
// texts as C strings hold them, framework strings read back whole, and a
// scratch folder of the process.
#pragma once

#include <afx.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <string>

// Stops the run (libFuzzer then keeps the input) when the condition is false.
#define FUZZ_CHECK(cond) ((cond) ? (void)0 : fuzzsupport::Fail(#cond, __FILE__, __LINE__))

namespace fuzzsupport {

[[noreturn]] void Fail(const char* what, const char* file, int line);

// At most maxLength bytes of the input, NUL bytes left out.
std::string Text(FuzzedDataProvider& input, size_t maxLength);

// Every byte of a framework string, NUL bytes included.
inline std::string S(const CString& text) {
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

// A folder of this process (made with mkdtemp in TMPDIR, else /dev/shm,
// else /tmp), removed at exit with everything in it.
const std::string& ScratchFolder();

// Writes the bytes to a file of that name in the scratch folder; its path.
std::string WriteScratchFile(const char* name, const void* data, size_t size);

// The bytes of a file, read with plain system calls.
std::string ReadWholeFile(const std::string& path);

// Removes everything inside the folder, the folder itself stays.
void EmptyFolder(const std::string& path);

} // namespace fuzzsupport
