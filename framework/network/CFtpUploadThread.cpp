#include "CFtpUploadThread.h"

#include "CFtpImageHandler.h"
#include "CMvSingleLock.h"
#include "win32/kernel/Threads.h"

void CFtpUploadThread::ExecuteSelf(long)
{
    while (!IsCanceled()) {
        {
            // Held across the whole pass: a handler is neither made nor destroyed meanwhile.
            CMvSingleLock lock(CFtpImageHandler::sHandlerSafe, true);
            for (int i = 0; i < CFtpImageHandler::sHandlers.GetItemCount() && !IsCanceled(); ++i) {
                auto* handler = static_cast<CFtpImageHandler*>(CFtpImageHandler::sHandlers.GetAt(i));
                if (handler && handler->IsUploading()) handler->HandleImage();
            }
        }
        Sleep(10);
    }
}
