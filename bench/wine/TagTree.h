// The generated tag file of the tree-view benchmarks: a root folder "Tools"
// holding groups of ten shelves of 200 item records each, as SampleNode
// stores them. The same seed gives the same tree every time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace winbench {

struct TagTree {
    // One entry per tree item, in file order: its depth (1 = top level),
    // whether it is a node record, and the text the tree shows for it.
    struct Item {
        int nLevel;
        bool bNode;
        std::string strText;
    };
    std::vector<Item> items;
    // The file's lines, each with its CR LF, header first.
    std::vector<std::string> lines;
    uint64_t nBytes = 0;
    long nNodes = 0;
};

TagTree MakeTagTree(long nNodes);
// Writes the lines to the file, one fwrite each through a 32 KiB buffer;
// false when it cannot.
bool WriteTagFile(const TagTree& tree, const std::string& strPath);

} // namespace winbench
