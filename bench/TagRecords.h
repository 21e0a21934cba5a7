// The shape and the words of the generated tag files, shared by the native
// benchmarks and those run under Wine, so that both read the same kind of
// records: folders of groups and shelves, 200 nodes a shelf.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace tagrecords {

const unsigned kSeed = 20240607;
const int kItemsPerShelf = 200;
const int kShelvesPerGroup = 10;

const char* const kWords[] = {"oak",   "steel", "blade", "handle", "spare", "coarse", "fine",
                              "long",  "short", "red",   "blue",   "boxed", "worn",   "new",
                              "metal", "wood",  "sharp", "heavy",  "light", "garden", "shop"};
const size_t kWordCount = sizeof(kWords) / sizeof(kWords[0]);

// nMin to nMax words drawn from the list, separated by blanks.
inline std::string Words(std::mt19937& rng, int nMin, int nMax) {
    const int n = nMin + static_cast<int>(rng() % static_cast<unsigned>(nMax - nMin + 1));
    std::string s;
    for (int i = 0; i < n; ++i) {
        if (i)
            s += ' ';
        s += kWords[rng() % kWordCount];
    }
    return s;
}

} // namespace tagrecords
