#include "desktop/DesktopClipboard.h"

#include "win32/controls/CtlClipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QThread>

#include <memory>

namespace {

constexpr const char* kRtf = "text/rtf";
// Names other programs give rich text, the first found wins.
constexpr const char* kRtfNames[] = {"text/rtf", "application/rtf", "text/richtext"};

// The desktop ends lines with '\n'; the window system's clipboard with "\r\n".
QString DesktopLines(const std::u16string& text)
{
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        out += QChar(text[i]);
    }
    return out;
}

std::u16string WindowLines(const QString& text)
{
    std::u16string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t c = text[i].unicode();
        if (c == u'\n' && (i == 0 || text[i - 1] != QChar('\r'))) out += u'\r';
        out += c;
    }
    return out;
}

class QtBoard : public CtlClipboardDesktop {
public:
    bool Put(const std::u16string& text, const std::string& rtf) override
    {
        if (!Reachable()) return false;
        QClipboard* board = QGuiApplication::clipboard();
        if (text.empty() && rtf.empty()) {
            board->clear();
            return true;
        }
        auto* data = new QMimeData;
        data->setText(DesktopLines(text));
        if (!rtf.empty()) data->setData(kRtf, QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
        board->setMimeData(data);
        return true;
    }
    bool Get(bool& hasText, std::u16string& text, std::string& rtf) override
    {
        if (!Reachable()) return false;
        hasText = false;
        text.clear();
        rtf.clear();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (!data) return true;
        for (const char* name : kRtfNames) {
            if (!data->hasFormat(name)) continue;
            QByteArray bytes = data->data(name);
            rtf.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
            break;
        }
        if (data->hasText()) text = WindowLines(data->text());
        hasText = data->hasText() || !rtf.empty();
        return true;
    }

private:
    static bool Reachable() { return qApp && QThread::currentThread() == qApp->thread(); }
};

std::unique_ptr<QtBoard> gBoard;

} // namespace

namespace DesktopClipboard {

void Attach()
{
    if (!gBoard) gBoard = std::make_unique<QtBoard>();
    CtlClipboard::Attach(gBoard.get());
}

void Detach()
{
    CtlClipboard::Attach(nullptr);
}

} // namespace DesktopClipboard
