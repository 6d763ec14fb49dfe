#pragma once
// Shows a platform's notes in a static text, under a summary that invites the user to open
// the page.
#include "CObjectController2.h"

class CStatic;
class CTargetPlatform;

class CTargetPlatformNotesController : public CObjectController2 {
public:
    CTargetPlatformNotesController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CStatic* notes) { m_notes = notes; }
    void ReflectNotes();
    // Not tied to any notification: the display is not edited by the user.
    void EnterNotes();

    CTargetPlatform* GetPlatform() const;

    static constexpr const char* kSummary = "Expand for additional information.";

private:
    CStatic* m_notes = nullptr;
};
