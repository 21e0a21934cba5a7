#include "TagTree.h"

#include "TagRecords.h"

#include <cstdio>
#include <random>

namespace winbench {

namespace {

using tagrecords::kItemsPerShelf;
using tagrecords::kSeed;
using tagrecords::kShelvesPerGroup;

std::string Words(std::mt19937& rng) {
    return tagrecords::Words(rng, 2, 4);
}

std::string Format(const char* pFormat, double d) {
    char buf[64];
    std::snprintf(buf, sizeof buf, pFormat, d);
    return buf;
}

class Builder {
public:
    explicit Builder(TagTree& tree) : m_tree(tree) { Line(0, "<?xml version=\"1.0\"?>"); }

    void Folder(const std::string& strName, int nLevel) {
        m_tree.items.push_back({nLevel, false, strName});
        Line(nLevel, "<" + strName + ">");
    }
    void EndFolder(const std::string& strName, int nLevel) { Line(nLevel, "</" + strName + ">"); }
    void Node(std::mt19937& rng, int nLevel) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "Tool%07ld", m_tree.nNodes++);
        m_tree.items.push_back({nLevel, true, buf});
        const int nSize = 1 + static_cast<int>(rng() % 100000);
        const double dWeight = (1 + rng() % 40000) / 4.0;
        Line(nLevel, "<item>");
        Component(nLevel + 1, "name", buf);
        Component(nLevel + 1, "size", std::to_string(nSize));
        Component(nLevel + 1, "weight", Format("%.15g", dWeight));
        Component(nLevel + 1, "note", Words(rng));
        Line(nLevel, "</item>");
    }

private:
    void Component(int nLevel, const char* pName, const std::string& strValue) {
        Line(nLevel, std::string("<") + pName + ">" + strValue + "</" + pName + ">");
    }
    void Line(int nLevel, const std::string& s) {
        m_tree.lines.push_back(std::string(static_cast<size_t>(nLevel), '\t') + s + "\r\n");
        m_tree.nBytes += m_tree.lines.back().size();
    }
    TagTree& m_tree;
};

} // namespace

TagTree MakeTagTree(long nNodes) {
    TagTree tree;
    Builder b(tree);
    std::mt19937 rng(kSeed);
    char buf[32];
    b.Folder("Tools", 1);
    for (int nGroup = 0; tree.nNodes < nNodes; ++nGroup) {
        std::snprintf(buf, sizeof buf, "Group%04d", nGroup);
        const std::string strGroup = buf;
        b.Folder(strGroup, 2);
        for (int nShelf = 0; nShelf < kShelvesPerGroup && tree.nNodes < nNodes; ++nShelf) {
            std::snprintf(buf, sizeof buf, "Shelf%02d", nShelf);
            const std::string strShelf = buf;
            b.Folder(strShelf, 3);
            for (int i = 0; i < kItemsPerShelf && tree.nNodes < nNodes; ++i)
                b.Node(rng, 4);
            b.EndFolder(strShelf, 3);
        }
        b.EndFolder(strGroup, 2);
    }
    b.EndFolder("Tools", 1);
    return tree;
}

bool WriteTagFile(const TagTree& tree, const std::string& strPath) {
    std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return false;
    static char buf[32 * 1024];
    std::setvbuf(pFile, buf, _IOFBF, sizeof buf);
    bool bOk = true;
    for (const std::string& s : tree.lines)
        bOk = bOk && std::fwrite(s.data(), 1, s.size(), pFile) == s.size();
    return std::fclose(pFile) == 0 && bOk;
}

} // namespace winbench
