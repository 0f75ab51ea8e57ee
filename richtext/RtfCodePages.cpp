#include "RtfCodePages.h"

void RtfCodePages::setDocumentPage(int number)
{
    if (RtfCodePage::isKnown(number))
        m_documentPage = number;
}

RtfCodePage& RtfCodePages::page(int number)
{
    if (!RtfCodePage::isKnown(number))
        number = m_documentPage;
    auto found = m_pages.find(number);
    if (found == m_pages.end())
        found = m_pages.try_emplace(number, number).first;
    return found->second;
}
