#include "XMLNode.h"

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

bool XMLNode::ReadComponent(CString&, CString&) {
    return false;
}

XMLNode::~XMLNode() {}
