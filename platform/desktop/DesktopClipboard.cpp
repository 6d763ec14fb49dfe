#include "desktop/DesktopClipboard.h"

#include "win32/controls/CtlClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace DesktopClipboard {

void Publish()
{
    if (!CtlClipboard::HasText()) return;
    std::u16string text = CtlClipboard::Text();
    QGuiApplication::clipboard()->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

void Fetch()
{
    QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty()) return;
    std::u16string wide(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
    if (CtlClipboard::HasText() && CtlClipboard::Text() == wide) return;
    CtlClipboard::Set(std::move(wide));
}

} // namespace DesktopClipboard
