#pragma once
// "Snap Shot": grabs frames as they pass. Its settings reach the filter at creation;
// Snap saves the current image to a file the user chooses.
#include "CTransformerFilter.h"

struct ISnapshotSettings;
struct ISnapshotGrab;
struct ISnapshotScaledGrab;
class CFilePrompter;

class CSnapshotFilter : public CTransformerFilter {
public:
    explicit CSnapshotFilter(CDirectShowGraph* graph = nullptr, const char* name = "Snap Shot");
    ~CSnapshotFilter() override;

    void CompleteCreate() override;
    void Release() override;

    void SetMode(LONG mode) { m_mode = mode; }
    void SetKind(LONG kind) { m_kind = kind; }
    void SetSnapPosition(double seconds) { m_position = seconds; }
    void SetResize(bool on) { m_resize = on; }
    void SetSize(unsigned short width, unsigned short height);
    void SetImageName(const char* name) { m_imageName = name ? name : ""; }

    // Saves the current image, scaled when both sizes are above 0; false when there is
    // none or the user chose no file.
    bool Snap(unsigned short width, unsigned short height);
    // The prompter Snap asks for the file; tests give a scripted one.
    void SetPrompter(CFilePrompter* prompter) { m_prompter = prompter; }

private:
    ISnapshotSettings* m_settings = nullptr;
    ISnapshotGrab* m_grab = nullptr;
    ISnapshotScaledGrab* m_scaledGrab = nullptr;
    CFilePrompter* m_prompter = nullptr;

    LONG m_mode = 1;
    LONG m_kind = 1002;
    double m_position = 0.5;
    bool m_resize = false;
    unsigned short m_width = 320;
    unsigned short m_height = 240;
    CString m_imageName;
};
