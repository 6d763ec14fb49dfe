#include "CDurationNode.h"

#include "CDuration.h"

CDuration* CDurationNode::GetDuration() const
{
    return dynamic_cast<CDuration*>(GetObjectA());
}

bool CDurationNode::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CDuration::kStartChangedNotice || code == CDuration::kEndChangedNotice) {
        DisplayChanged(this);
        return true;
    }
    return CObjectNode::Respond(code, sender, a, b);
}

void CDurationNode::DrawSelf(CDC* dc, double xScale, double, int xOrigin, int yOrigin)
{
    CDuration* duration = GetDuration();
    if (!duration)
        return;
    int start = static_cast<int>(duration->GetStart() * xScale + 0.5);
    int end = static_cast<int>(duration->GetEnd() * xScale + 0.5);
    if (start != end)
        DrawDuration(dc, start, end, xOrigin, yOrigin);
}
