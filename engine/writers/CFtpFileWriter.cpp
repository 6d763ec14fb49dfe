#include "CFtpFileWriter.h"

#include "TaggedPin.h"
#include "WriterIds.h"
#include "WriterInterfaces.h"
#include "dshow/DShowInterfaces.h"

CFtpFileWriter::CFtpFileWriter(CDirectShowGraph* graph, const char* name)
{
    SetGraph(graph);
    SetName(name);
    SetId(CLSID_FtpImageWriter);
    SetOwnComponent(true);
    SetInputPin(MakeTaggedPin(this, nullptr, true));
}

CFtpFileWriter::~CFtpFileWriter()
{
    CFtpFileWriter::Release();
}

bool CFtpFileWriter::Create()
{
    if (GetFilter()) return true;
    if (!COutputFilter::Create()) return false;
    if (SUCCEEDED(QueryInterfaceTo(GetFilter(), &m_writer)) && m_writer &&
        SUCCEEDED(m_writer->SetUploader(&m_uploader, &FtpWriteData)))
        return true;
    Release();
    return false;
}

void CFtpFileWriter::Release()
{
    // The filter may still hold the uploader: close the connection before it goes.
    m_uploader.Close();
    if (m_writer) m_writer->SetUploader(nullptr, nullptr);
    SafeRelease(m_writer);
    COutputFilter::Release();
}
