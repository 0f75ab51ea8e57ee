#pragma once

#include "RtfCodePage.h"

#include <map>

// The document's code page and every other page its fonts ask for, each
// built on first use.
class RtfCodePages
{
public:
    int documentPage() const { return m_documentPage; }
    void setDocumentPage(int number);

    RtfCodePage& page(int number);

private:
    int m_documentPage = RtfCodePage::kDefault;
    std::map<int, RtfCodePage> m_pages;
};
