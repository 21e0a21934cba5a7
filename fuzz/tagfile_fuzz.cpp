// Arbitrary bytes read as a tag file, folder by folder and node by node, in
// both walking modes. Only a format error may escape the reader, and it must
// name a line that is there and holds a tag's '<'.
#include "FuzzSupport.h"

#include <RVTxtFileExcept.h>

#include "SampleNode.h"

#include <vector>

namespace {

// A sample node that counts the nodes alive, so that one the reader drops or
// loses shows.
class CountedNode : public SampleNode {
public:
    CountedNode() { ++nAlive; }
    ~CountedNode() override { --nAlive; }
    static int nAlive;
};
int CountedNode::nAlive = 0;

class CountedFile : public SampleFile {
public:
    XMLNode* CreateNode() override { return new CountedNode; }
};

// The lines as the text file reads them: LF or CR LF ends a line, and a last
// line without a line end counts.
std::vector<std::string> Lines(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string::npos ? bytes.size() : end + 1;
        if (end == std::string::npos)
            end = bytes.size();
        else if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.push_back(bytes.substr(start, end - start));
        start = next;
    }
    return lines;
}

void Walk(const std::string& path, const std::vector<std::string>& lines, bool bNodesOnly) {
    CountedFile file;
    file.SetFileName(path.c_str());
    if (!file.Open(true)) {
        FUZZ_CHECK(lines.empty());
        return;
    }
    file.Reset();
    try {
        XMLNode* pNode = nullptr;
        while (file.GetNext(pNode, bNodesOnly)) {
            FUZZ_CHECK(file.IsFolder() == (pNode == nullptr) && !(bNodesOnly && pNode == nullptr));
            delete pNode;
            pNode = nullptr;
        }
    } catch (RVTxtFileExcept* e) {
        // The counter starts after the header line: line n is lines[n].
        const int nLine = e->m_nLine;
        e->Delete();
        FUZZ_CHECK(nLine >= 1 && static_cast<size_t>(nLine) < lines.size());
        FUZZ_CHECK(lines[static_cast<size_t>(nLine)].find('<') != std::string::npos);
    } catch (...) {
        fuzzsupport::Fail("an exception other than a format error escaped", __FILE__, __LINE__);
    }
    FUZZ_CHECK(CountedNode::nAlive == 0);
    file.Close();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzzsupport::WriteScratchFile("tags.xml", data, size);
    const std::vector<std::string> lines = Lines(data, size);
    Walk(path, lines, false);
    Walk(path, lines, true);
    return 0;
}
