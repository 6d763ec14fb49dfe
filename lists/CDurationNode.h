#pragma once
// The node of a duration: a span from its start to its end along the time axis.
#include "CObjectNode.h"

class CDuration;

class CDurationNode : public CObjectNode {
public:
    explicit CDurationNode(CObjectDisplay* parent = nullptr) : CObjectNode(parent) {}
    CDurationNode(const CDurationNode& other) = default;
    CDurationNode& operator=(const CDurationNode& other) = default;

    CDuration* GetDuration() const;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void DrawSelf(CDC* dc, double xScale, double yScale, int xOrigin, int yOrigin) override;
    virtual void DrawDuration(CDC*, int, int, int, int) {}
};
