#include "XMLNode.h"

XMLNode::~XMLNode() {}

void XMLNode::SetName(LPCTSTR) {}

CString XMLNode::GetName() {
    return CString();
}

CString XMLNode::GetStoreString(int) {
    return CString();
}

bool XMLNode::TransferData(bool, XMLNode*) {
    return false;
}

bool XMLNode::ReadComponent(const CString&, const CString&) {
    return false;
}
