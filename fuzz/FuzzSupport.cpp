#include "FuzzSupport.h"

#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace fuzzsupport {

namespace {

int RemoveEntry(const char* path, const struct stat*, int, struct FTW* place) {
    if (place->level > 0)
        std::remove(path);
    return 0;
}

void RemoveScratchFolder() {
    EmptyFolder(ScratchFolder());
    ::rmdir(ScratchFolder().c_str());
}

} // namespace

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

std::string Text(FuzzedDataProvider& input, size_t maxLength) {
    std::string text = input.ConsumeRandomLengthString(maxLength);
    text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
    return text;
}

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        // Memory-backed when there is such a folder: thousands of files a
        // second are written there.
        const char* tmp = std::getenv("TMPDIR");
        if (tmp == nullptr || *tmp == '\0')
            tmp = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(tmp) + "/dovuv32-fuzz.XXXXXX";
        if (::mkdtemp(&pattern[0]) == nullptr)
            Fail("mkdtemp", __FILE__, __LINE__);
        return pattern;
    }();
    static const bool registered = std::atexit(RemoveScratchFolder) == 0;
    (void)registered;
    return folder;
}

std::string WriteScratchFile(const char* name, const void* data, size_t size) {
    const std::string path = ScratchFolder() + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(size == 0 || ::write(fd, data, size) == static_cast<ssize_t>(size));
    ::close(fd);
    return path;
}

std::string ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    FUZZ_CHECK(fd >= 0);
    std::string bytes;
    char chunk[4096];
    ssize_t n;
    while ((n = ::read(fd, chunk, sizeof chunk)) > 0)
        bytes.append(chunk, static_cast<size_t>(n));
    ::close(fd);
    FUZZ_CHECK(n == 0);
    return bytes;
}

void EmptyFolder(const std::string& path) {
    ::nftw(path.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace fuzzsupport
