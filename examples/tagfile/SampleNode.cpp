#include "SampleNode.h"

#include <cerrno>
#include <cstdlib>

namespace {

// Whole-text parses: "12abc" or an empty text is no number.
bool ParseInt(const CString& strText, int& nValue) {
    char* pEnd = NULL;
    errno = 0;
    const long n = std::strtol(strText, &pEnd, 10);
    if (strText.IsEmpty() || *pEnd != '\0' || errno != 0 || n != static_cast<int>(n))
        return false;
    nValue = static_cast<int>(n);
    return true;
}

bool ParseDouble(const CString& strText, double& dValue) {
    char* pEnd = NULL;
    const double d = std::strtod(strText, &pEnd);
    if (strText.IsEmpty() || *pEnd != '\0')
        return false;
    dValue = d;
    return true;
}

} // namespace

void SampleNode::SetName(LPCTSTR lpszName) {
    m_strName = lpszName ? lpszName : "";
}

CString SampleNode::GetStoreString(int nLevel) {
    CString strRecord = RVXMLFile::ConstrTag("item", nLevel);
    strRecord += RVXMLFile::ConstrTag("name", m_strName, nLevel + 1);
    CString strNumber;
    if (m_nSize != 0) {
        strNumber.Format("%d", m_nSize);
        strRecord += RVXMLFile::ConstrTag("size", strNumber, nLevel + 1);
    }
    if (m_dWeight != 0.0) {
        strNumber.Format("%.15g", m_dWeight);
        strRecord += RVXMLFile::ConstrTag("weight", strNumber, nLevel + 1);
    }
    if (!m_strNote.IsEmpty())
        strRecord += RVXMLFile::ConstrTag("note", m_strNote, nLevel + 1);
    return strRecord + RVXMLFile::ConstrTag("/item", nLevel);
}

bool SampleNode::TransferData(bool bToOther, XMLNode* pOther) {
    SampleNode* pSample = dynamic_cast<SampleNode*>(pOther);
    if (pSample == NULL)
        return false;
    if (bToOther)
        *pSample = *this;
    else
        *this = *pSample;
    return true;
}

bool SampleNode::ReadComponent(CString& strName, CString& strValue) {
    if (strName == "name")
        m_strName = strValue;
    else if (strName == "size")
        return ParseInt(strValue, m_nSize);
    else if (strName == "weight")
        return ParseDouble(strValue, m_dWeight);
    else if (strName == "note")
        m_strNote = strValue;
    return true;
}
