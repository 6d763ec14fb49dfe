// tellora driven through the desktop's accessibility tree alone, as a screen reader's user
// drives it: the program runs on its own Xvfb with a private session bus, and the test
// talks to it only over the accessibility bus.
#include "desktop/tests/DesktopChildProcess.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr unsigned kStateMultiLine = 17;

struct Node {
    QString service;
    QString path;
};

class TelloraAccessibilityTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (m_program > 0) {
            kill(m_program, SIGTERM);
            DesktopChild::WaitEnd(m_program, 20000);
        }
        DesktopChild::Stop(m_bus);
        DesktopChild::Stop(m_server);
        if (m_a11y.isConnected()) QDBusConnection::disconnectFromBus(m_a11y.name());
        if (m_session.isConnected()) QDBusConnection::disconnectFromBus(m_session.name());
    }

    QDBusMessage Call(const Node& node, const char* interface, const char* method, const QVariantList& args = {})
    {
        QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path, interface, method);
        call.setArguments(args);
        return m_a11y.call(call, QDBus::Block, 10000);
    }
    // A press or a keyboard action: sent without waiting, as it may open a modal dialog
    // whose loop answers only when the dialog ends.
    void Press(const Node& node)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(node.service, node.path, "org.a11y.atspi.Action", "DoAction");
        call.setArguments({0});
        m_a11y.send(call);
    }
    QString Name(const Node& node)
    {
        QDBusMessage reply = Call(node, "org.freedesktop.DBus.Properties", "Get", {"org.a11y.atspi.Accessible", "Name"});
        return reply.arguments().isEmpty() ? QString() : reply.arguments().first().value<QDBusVariant>().variant().toString();
    }
    std::vector<Node> Children(const Node& node)
    {
        std::vector<Node> out;
        QDBusMessage reply = Call(node, "org.a11y.atspi.Accessible", "GetChildren");
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return out;
        const QDBusArgument list = reply.arguments().first().value<QDBusArgument>();
        list.beginArray();
        while (!list.atEnd()) {
            Node child;
            QDBusObjectPath path;
            list.beginStructure();
            list >> child.service >> path;
            list.endStructure();
            child.path = path.path();
            out.push_back(child);
        }
        list.endArray();
        return out;
    }
    bool HasState(const Node& node, unsigned state)
    {
        QDBusMessage reply = Call(node, "org.a11y.atspi.Accessible", "GetState");
        if (reply.arguments().isEmpty()) return false;
        const QDBusArgument words = reply.arguments().first().value<QDBusArgument>();
        std::vector<unsigned> bits;
        words.beginArray();
        while (!words.atEnd()) {
            unsigned w = 0;
            words >> w;
            bits.push_back(w);
        }
        words.endArray();
        return state / 32 < bits.size() && (bits[state / 32] >> (state % 32)) & 1;
    }
    bool Implements(const Node& node, const QString& interface)
    {
        QDBusMessage reply = Call(node, "org.a11y.atspi.Accessible", "GetInterfaces");
        return !reply.arguments().isEmpty() && reply.arguments().first().toStringList().contains(interface);
    }
    // The first node under root (depth first) that matches.
    std::optional<Node> Find(const Node& root, const std::function<bool(const Node&)>& match, int depth = 0)
    {
        if (depth > 40) return std::nullopt;
        for (const Node& child : Children(root)) {
            if (match(child)) return child;
            // A list's rows (the voices) hold nothing this looks for.
            if (Implements(child, "org.a11y.atspi.Table")) continue;
            if (auto found = Find(child, match, depth + 1)) return found;
        }
        return std::nullopt;
    }
    std::optional<Node> Named(const Node& root, const QString& name)
    {
        return Find(root, [&](const Node& n) { return Name(n) == name; });
    }
    std::string Dump(const Node& node, int depth)
    {
        std::string out;
        if (depth > 12) return out;
        for (const Node& c : Children(node)) {
            QDBusMessage ifs = Call(c, "org.a11y.atspi.Accessible", "GetInterfaces");
            out += std::string(depth * 2, ' ') + Name(c).toStdString() + " [" +
                   (ifs.arguments().isEmpty() ? "" : ifs.arguments().first().toStringList().join(",").toStdString()) + "] ml=" +
                   std::to_string(HasState(c, kStateMultiLine)) + "\n";
            out += Dump(c, depth + 1);
        }
        return out;
    }
    bool Eventually(const std::function<bool()>& pred, int ms = 60000) { return QTest::qWaitFor(pred, ms); }

    pid_t m_server = -1, m_bus = -1, m_program = -1;
    QDBusConnection m_session{QString()};
    QDBusConnection m_a11y{QString()};
};

TEST_F(TelloraAccessibilityTest, FindTheEditorTypePressStartOpenRecordAndCancelIt)
{
    std::string display = DesktopChild::StartXvfb(&m_server);
    if (display.empty()) GTEST_SKIP() << "Xvfb cannot start (scripts/setup.sh installs it)";
    int busOut = -1;
    m_bus = DesktopChild::Spawn({"dbus-daemon", "--session", "--nofork", "--print-address=1"}, {}, &busOut, "/dev/null");
    std::string address = m_bus > 0 ? DesktopChild::ReadLine(busOut, 20000) : std::string();
    if (busOut >= 0) close(busOut);
    if (address.empty()) GTEST_SKIP() << "no private session bus: dbus-daemon cannot start (scripts/setup.sh installs it)";
    m_session = QDBusConnection::connectToBus(QString::fromStdString(address), "tellora-a11y-session");
    QDBusReply<QString> a11yAddress =
        m_session.call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
                       QDBus::Block, 20000);
    if (!a11yAddress.isValid() || a11yAddress.value().isEmpty())
        GTEST_SKIP() << "the accessibility bus does not start (at-spi2-core): " << a11yAddress.error().message().toStdString();
    m_a11y = QDBusConnection::connectToBus(a11yAddress.value(), "tellora-a11y");
    ASSERT_TRUE(m_a11y.isConnected());

    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    std::string program = std::string(self).substr(0, std::string(self).rfind('/')) + "/tellora";
    std::string home = std::string(std::getenv("MORVANE_HOME")) + "/a11y";
    int programOut = -1;
    m_program = DesktopChild::Spawn({program},
                                    {"DISPLAY=:" + display, "DBUS_SESSION_BUS_ADDRESS=" + address, "QT_QPA_PLATFORM=xcb",
                                     "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1", "MORVANE_HOME=" + home, "MORVANE_AUDIO=null"},
                                    &programOut, home + "-errors.txt");
    ASSERT_GT(m_program, 0);

    // The program among the desktop's applications, and its window.
    const Node desktop{"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"};
    std::optional<Node> app;
    ASSERT_TRUE(Eventually([&] {
        for (const Node& n : Children(desktop))
            if (Name(n) == "tellora") app = n;
        return app.has_value();
    })) << "tellora on the accessibility bus";
    // A first start offers to check the codecs it has not tested; a user who only wants to
    // listen declines.
    std::optional<Node> check;
    if (Eventually([&] {
            for (const Node& n : Children(*app))
                if (Name(n) == "Load new audio codecs") check = n;
            return check.has_value();
        }, 20000)) {
        std::optional<Node> decline = Named(*check, "Cancel");
        ASSERT_TRUE(decline) << Dump(*check, 0);
        Press(*decline);
        EXPECT_TRUE(Eventually([&] {
            for (const Node& n : Children(*app))
                if (Name(n) == "Load new audio codecs") return false;
            return true;
        })) << "the codec check closes";
    }
    std::optional<Node> editor, start, stop;
    ASSERT_TRUE(Eventually([&] {
        editor = Find(*app, [&](const Node& n) { return Implements(n, "org.a11y.atspi.EditableText") && HasState(n, kStateMultiLine); });
        start = Named(*app, "Start talking");
        stop = Named(*app, "Stop talking");
        return editor && start && stop;
    })) << "the editor and the tool bar's Start and Stop" << Dump(*app, 0);

    // Type: the editable text takes the words where the caret is.
    QString words = "Every command of this program can be reached without seeing it. ";
    QString text = words.repeated(6);
    QDBusMessage typed = Call(*editor, "org.a11y.atspi.EditableText", "InsertText", {0, text, int(text.size())});
    ASSERT_EQ(typed.type(), QDBusMessage::ReplyMessage) << typed.errorMessage().toStdString();
    EXPECT_TRUE(Eventually([&] {
        QDBusMessage got = Call(*editor, "org.a11y.atspi.Text", "GetText", {0, -1});
        return !got.arguments().isEmpty() && got.arguments().first().toString() == text;
    }));

    // Start speaks the typed text: the word being spoken is selected in the editor.
    Press(*start);
    EXPECT_TRUE(Eventually([&] {
        QDBusMessage got = Call(*editor, "org.a11y.atspi.Text", "GetSelection", {0});
        if (got.arguments().size() < 2) return false;
        int from = got.arguments()[0].toInt(), to = got.arguments()[1].toInt();
        return to > from && words.contains(text.mid(from, to - from));
    })) << "Start reached the program and it speaks the typed words";
    Press(*stop);

    // Record... opens the export dialog; its Cancel closes it.
    std::optional<Node> record = Named(*app, "Record to an audio file");
    ASSERT_TRUE(record);
    Press(*record);
    std::optional<Node> dialog, cancel;
    ASSERT_TRUE(Eventually([&] {
        for (const Node& n : Children(*app))
            if (Name(n) == "Export") dialog = n;
        cancel = dialog ? Named(*dialog, "Cancel") : std::nullopt;
        return cancel.has_value();
    })) << "the export dialog with its Cancel";
    Press(*cancel);
    EXPECT_TRUE(Eventually([&] {
        for (const Node& n : Children(*app))
            if (Name(n) == "Export") return false;
        return true;
    })) << "Cancel closed the dialog";
    close(programOut);
}

} // namespace
