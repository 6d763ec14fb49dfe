#include "DesktopFixture.h"

#include "win32/controls/CtlClipboard.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/RichEdit.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/windowing/Window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <thread>

namespace {

// The clipboard while the screen is up is the desktop's: what the controls copy is what
// other programs read through it, and what they put there is what a paste inserts.
class DesktopClipboardTest : public DesktopTest {
protected:
    void SetUp() override
    {
        host = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        rich = CreateWindowExA(0, RICHEDIT_CLASS, "", WS_CHILD | ES_MULTILINE, 0, 0, 300, 100, host, nullptr, nullptr,
                               nullptr);
        plain = CreateWindowExA(0, "Edit", "", WS_CHILD | ES_MULTILINE, 0, 100, 300, 100, host, nullptr, nullptr, nullptr);
        ASSERT_TRUE(rich && plain);
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override { DestroyWindow(host); }
    static std::string Text(HWND hwnd)
    {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
    static void Offer(const QString& text, const QByteArray& rtf = {}, const char* rtfName = "text/rtf")
    {
        auto* data = new QMimeData;
        data->setText(text);
        if (!rtf.isEmpty()) data->setData(rtfName, rtf);
        QGuiApplication::clipboard()->setMimeData(data);
    }
    bool BoldAt(int from, int to)
    {
        SendMessageA(rich, EM_SETSEL, from, to);
        CHARFORMATA format{};
        format.cbSize = sizeof format;
        SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
        return (format.dwMask & CFM_BOLD) && (format.dwEffects & CFE_BOLD);
    }

    HWND host = nullptr, rich = nullptr, plain = nullptr;
};

TEST_F(DesktopClipboardTest, WhatTheProgramCopiesOtherProgramsReadAsTextAndRichText)
{
    SetWindowTextA(rich, "loud quiet\nnext");
    SendMessageA(rich, EM_SETSEL, 0, 4);
    CHARFORMATA bold{};
    bold.cbSize = sizeof bold;
    bold.dwMask = CFM_BOLD;
    bold.dwEffects = CFE_BOLD;
    SendMessageA(rich, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&bold));
    SendMessageA(rich, EM_SETSEL, 0, -1);
    SendMessageA(rich, WM_COPY, 0, 0);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), "loud quiet\nnext") << "the desktop's line ends";
    QByteArray rtf = data->data("text/rtf");
    EXPECT_TRUE(rtf.startsWith("{\\rtf")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\b")) << rtf.toStdString();

    SetWindowTextA(plain, "one\r\ntwo");
    SendMessageA(plain, EM_SETSEL, 0, -1);
    SendMessageA(plain, WM_CUT, 0, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one\ntwo");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat("text/rtf")) << "a plain edit copies no rich text";
    EXPECT_EQ(Text(plain), "");
}

TEST_F(DesktopClipboardTest, WhatOtherProgramsPutThereIsWhatAPasteInserts)
{
    EXPECT_EQ(SendMessageA(rich, EM_CANPASTE, 0, 0), FALSE) << "an empty desktop clipboard";
    Offer("one\ntwo");
    EXPECT_EQ(SendMessageA(rich, EM_CANPASTE, 0, 0), TRUE);
    SendMessageA(plain, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(plain), "one\r\ntwo") << "a plain edit's line ends";

    // Rich text under each name other programs give it keeps its format.
    for (const char* name : {"text/rtf", "application/rtf", "text/richtext"}) {
        SetWindowTextA(rich, "");
        Offer("loud quiet", "{\\rtf1\\ansi {\\b loud} quiet}", name);
        SendMessageA(rich, WM_PASTE, 0, 0);
        EXPECT_EQ(Text(rich), "loud quiet") << name;
        EXPECT_TRUE(BoldAt(0, 4)) << name;
        EXPECT_FALSE(BoldAt(5, 10)) << name;
    }
    // Only text: the rich edit takes it plain.
    SetWindowTextA(rich, "");
    Offer("plain words");
    SendMessageA(rich, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(rich), "plain words");
    EXPECT_FALSE(BoldAt(0, 5));
}

TEST_F(DesktopClipboardTest, AThreadOtherThanTheScreensKeepsToTheProcesssOwnBoard)
{
    Offer("the desktop's");
    std::thread worker([] { CtlClipboard::Set(u"a worker's"); });
    worker.join();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "the desktop's");
    std::u16string seen;
    std::thread reader([&] { seen = CtlClipboard::Text(); });
    reader.join();
    EXPECT_EQ(seen, u"a worker's");
    EXPECT_EQ(CtlClipboard::Text(), u"the desktop's") << "the screen's thread reads the desktop";
}

} // namespace
