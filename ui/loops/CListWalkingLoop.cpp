#include "CListWalkingLoop.h"

#include "CDirectShowAdministrator2.h"
#include "CMediaInfo2.h"
#include "CPersistList.h"
#include "UStringBuffer.h"

#include <cstdio>

void CListWalkingLoop::Reset()
{
    CDxLoop2::Reset();
    m_list = nullptr;
    m_current = nullptr;
}

double CListWalkingLoop::ItemDuration(CPersistObject* item) const
{
    auto* info = dynamic_cast<CMediaInfo2*>(item);
    return info ? info->GetConversionDuration() : 0;
}

double CListWalkingLoop::CalculateTotalTime()
{
    double total = 0;
    for (int i = 0; m_list && i < m_list->GetItemCount(); ++i) total += ItemDuration(m_list->GetAt(i));
    return total;
}

int CListWalkingLoop::CurrentIndex() const
{
    return m_list && m_current ? m_list->GetIndex(m_current) : -1;
}

bool CListWalkingLoop::IsLastItem() const
{
    return m_list && m_current && CurrentIndex() == m_list->GetItemCount() - 1;
}

bool CListWalkingLoop::Start()
{
    if (m_current) {
        // A current item still listed is played again; one removed meanwhile starts over.
        if (CurrentIndex() < 0) {
            m_current = nullptr;
            m_advance = true;
        } else {
            m_advance = false;
        }
    }
    m_doneTime = 0;
    m_failedInARow = 0;
    m_totalTime = CalculateTotalTime();
    if (m_administrator) m_administrator->Reset();
    return CDxLoop2::Start();
}

void CListWalkingLoop::OnComplete()
{
    if (m_administrator && m_administrator->GetErrorText().IsEmpty()) m_failedInARow = 0;
    CDxLoop2::OnComplete();
}

void CListWalkingLoop::FailItem()
{
    ++m_failedInARow;
}

bool CListWalkingLoop::NextItem()
{
    if (!m_list) return false;
    if (m_wrap && m_failedInARow >= m_list->GetItemCount() && m_failedInARow > 0) {
        // A whole round failed: going round again would only fail again.
        m_current = nullptr;
        Broadcast(kLoopItemChangedMessage, this, m_current);
        return false;
    }
    if (m_current && m_advance) {
        m_doneTime += ItemDuration(m_current);
        const int next = CurrentIndex() + 1;
        m_current = next > 0 && next < m_list->GetItemCount() ? m_list->GetAt(next) : nullptr;
        if (!m_current && m_wrap && m_list->GetItemCount() > 0) m_current = m_list->GetAt(0);
    } else if (!m_current) {
        m_current = m_list->GetItemCount() > 0 ? m_list->GetAt(0) : nullptr;
    }
    m_advance = true;
    Broadcast(kLoopItemChangedMessage, this, m_current);
    return m_current != nullptr;
}

char* CListWalkingLoop::CountText(const char* verb, const char* noun)
{
    if (!m_list || !m_current) return UStringBuffer::Text("");
    const int count = m_list->GetItemCount();
    char text[128];
    std::snprintf(text, sizeof text, "%s %d out of %d %s%s...", verb, CurrentIndex() + 1, count, noun,
                  count > 1 ? "s" : "");
    return UStringBuffer::Text(text);
}

double CListWalkingLoop::GetEstimateTime()
{
    if (IsLastItem())
        if (CProgressAction* child = GetChildAction())
            if (auto* timed = dynamic_cast<CWindowsProgressAction*>(child)) return timed->GetEstimateTime();
    return CDxLoop2::GetEstimateTime();
}
