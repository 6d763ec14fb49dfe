#include "CAudioStackExportDialog.h"

namespace {
// The export dialogs show every page in its base layout, whatever the application.
constexpr unsigned long kBaseLayouts = 1;
} // namespace

CAudioStackExportDialog::CAudioStackExportDialog(CWnd* parent)
    : CMediaWriterExportDialog(parent, true),
      m_format(kBaseLayouts, nullptr),
      m_wm(kBaseLayouts, nullptr),
      m_real(kBaseLayouts, nullptr),
      m_audio(kBaseLayouts, nullptr),
      m_complexity(kBaseLayouts, nullptr),
      m_file(true, kBaseLayouts, nullptr)
{
    m_file.SetOutput(&m_writer.GetMediaOutput());
}

CAudioStackExportDialog::~CAudioStackExportDialog()
{
    // Pages go before the record they show.
    CPanel* pages[] = {&m_file, &m_complexity, &m_audio, &m_real, &m_wm, &m_format};
    for (CPanel* page : pages)
        if (page->m_hWnd) page->DestroyWindow();
    m_stack.Reset();
}

void CAudioStackExportDialog::SetupPanels()
{
    m_stack.AddPanel(&m_formatInfo, &m_format, "Format");
    m_stack.AddPanel(&m_wmInfo, &m_wm, "Windows Media Settings");
    m_stack.AddPanel(&m_realInfo, &m_real, "RealMedia Settings");
    m_stack.AddPanel(&m_audioInfo, &m_audio, "Audio Settings");
    m_stack.AddPanel(&m_complexityInfo, &m_complexity, "AudioComplexity Settings");
    m_stack.AddPanel(&m_fileInfo, &m_file, kFilePathTitle);
    m_format.SetPanels(&m_wm, &m_real, &m_audio, nullptr, &m_complexity);

    CMediaOutput2& output = m_writer.GetMediaOutput();
    m_format.SetObject(&output);
    m_wm.SetObject(&output);
    m_real.SetObject(&output);
    m_audio.SetObject(&output);
    m_complexity.SetObject(output.GetAudioOutput(0));
    m_file.SetObject(&m_writer.GetFilePath());
}
