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

#include <sys/stat.h>

namespace {

constexpr unsigned kStateMultiLine = 17;
constexpr unsigned kStateEnabled = 8;
constexpr unsigned kStateChecked = 4;
constexpr unsigned kStateShowing = 25;

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
        if (m_programOut >= 0) close(m_programOut);
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
    // Starts tellora on its own X server and session bus, past the first start's codec
    // question; the program's node on the accessibility bus, or none (m_skip says why).
    std::optional<Node> StartTellora()
    {
        std::string display = DesktopChild::StartXvfb(&m_server);
        if (display.empty()) return Skip("Xvfb cannot start (scripts/setup.sh installs it)");
        // The bus's own socket goes to a folder of this test's, not the user's.
        std::string runtime = std::string(std::getenv("MORVANE_HOME")) + "/a11y-runtime";
        mkdir(runtime.c_str(), 0700);
        int busOut = -1;
        m_bus = DesktopChild::Spawn({"dbus-daemon", "--session", "--nofork", "--print-address=1"}, {"XDG_RUNTIME_DIR=" + runtime},
                                    &busOut, "/dev/null");
        std::string address = m_bus > 0 ? DesktopChild::ReadLine(busOut, 20000) : std::string();
        if (busOut >= 0) close(busOut);
        if (address.empty()) return Skip("no private session bus: dbus-daemon cannot start (scripts/setup.sh installs it)");
        // Each test's own connections: a name stays taken by the last test's.
        static int run = 0;
        const QString suffix = QString::number(++run);
        m_session = QDBusConnection::connectToBus(QString::fromStdString(address), "tellora-a11y-session" + suffix);
        QDBusReply<QString> a11yAddress =
            m_session.call(QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
                           QDBus::Block, 20000);
        if (!a11yAddress.isValid() || a11yAddress.value().isEmpty())
            return Skip("the accessibility bus does not start (at-spi2-core): " + a11yAddress.error().message().toStdString());
        m_a11y = QDBusConnection::connectToBus(a11yAddress.value(), "tellora-a11y" + suffix);
        EXPECT_TRUE(m_a11y.isConnected());
        if (!m_a11y.isConnected()) return std::nullopt;

        char self[4096] = {};
        EXPECT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
        std::string program = std::string(self).substr(0, std::string(self).rfind('/')) + "/tellora";
        std::string home = std::string(std::getenv("MORVANE_HOME")) + "/a11y";
        m_program = DesktopChild::Spawn({program},
                                        {"DISPLAY=:" + display, "DBUS_SESSION_BUS_ADDRESS=" + address, "QT_QPA_PLATFORM=xcb",
                                         "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1", "MORVANE_HOME=" + home, "MORVANE_AUDIO=null",
                                         "XDG_RUNTIME_DIR=" + runtime},
                                        &m_programOut, home + "-errors.txt");
        EXPECT_GT(m_program, 0);
        if (m_program <= 0) return std::nullopt;

        // The program among the desktop's applications.
        const Node desktop{"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"};
        std::optional<Node> app;
        EXPECT_TRUE(Eventually([&] {
            for (const Node& n : Children(desktop))
                if (Name(n) == "tellora") app = n;
            return app.has_value();
        })) << "tellora on the accessibility bus";
        if (!app) return std::nullopt;
        // A first start offers to check the codecs it has not tested; a user who only wants to
        // listen declines.
        std::optional<Node> check;
        if (Eventually([&] { return (check = Window(*app, "Load new audio codecs")).has_value(); }, 20000)) {
            std::optional<Node> decline = Named(*check, "Cancel");
            EXPECT_TRUE(decline) << Dump(*check, 0);
            if (!decline) return std::nullopt;
            Press(*decline);
            EXPECT_TRUE(Eventually([&] { return !Window(*app, "Load new audio codecs"); })) << "the codec check closes";
        }
        return app;
    }
    std::optional<Node> Skip(const std::string& why)
    {
        m_skip = why;
        return std::nullopt;
    }
    // The names of the labels the bus relates to the node.
    QStringList LabelledBy(const Node& node)
    {
        constexpr unsigned kLabelledBy = 2;
        QStringList names;
        QDBusMessage reply = Call(node, "org.a11y.atspi.Accessible", "GetRelationSet");
        if (reply.arguments().isEmpty()) return names;
        const QDBusArgument relations = reply.arguments().first().value<QDBusArgument>();
        relations.beginArray();
        while (!relations.atEnd()) {
            unsigned type = 0;
            relations.beginStructure();
            relations >> type;
            relations.beginArray();
            while (!relations.atEnd()) {
                Node target;
                QDBusObjectPath path;
                relations.beginStructure();
                relations >> target.service >> path;
                relations.endStructure();
                target.path = path.path();
                if (type == kLabelledBy) names << Name(target);
            }
            relations.endArray();
            relations.endStructure();
        }
        relations.endArray();
        return names;
    }
    QString Role(const Node& node)
    {
        QDBusMessage reply = Call(node, "org.a11y.atspi.Accessible", "GetRoleName");
        return reply.arguments().isEmpty() ? QString() : reply.arguments().first().toString();
    }
    // The program's top-level window of that name.
    std::optional<Node> Window(const Node& app, const QString& name)
    {
        for (const Node& n : Children(app))
            if (Name(n) == name) return n;
        return std::nullopt;
    }
    // Record... opens the export dialog.
    std::optional<Node> OpenExport(const Node& app)
    {
        std::optional<Node> record = Named(app, "Record to an audio file");
        EXPECT_TRUE(record);
        if (!record) return std::nullopt;
        Press(*record);
        std::optional<Node> dialog;
        EXPECT_TRUE(Eventually([&] {
            dialog = Window(app, "Export");
            return dialog && Named(*dialog, "Cancel");
        })) << "the export dialog with its Cancel";
        return dialog;
    }


    pid_t m_server = -1, m_bus = -1, m_program = -1;
    int m_programOut = -1;
    std::string m_skip;
    QDBusConnection m_session{QString()};
    QDBusConnection m_a11y{QString()};
};

TEST_F(TelloraAccessibilityTest, FindTheEditorTypePressStartOpenRecordAndCancelIt)
{
    std::optional<Node> app = StartTellora();
    if (!m_skip.empty()) GTEST_SKIP() << m_skip;
    ASSERT_TRUE(app);
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
    std::optional<Node> dialog = OpenExport(*app);
    ASSERT_TRUE(dialog);
    Press(*Named(*dialog, "Cancel"));
    EXPECT_TRUE(Eventually([&] { return !Window(*app, "Export"); })) << "Cancel closed the dialog";
}

// What a screen reader's user hears of each control: its role and its name, as a sighted
// user reads them off the screen.
TEST_F(TelloraAccessibilityTest, EveryWindowAndControlIsHeardWithItsRoleAndName)
{
    std::optional<Node> app = StartTellora();
    if (!m_skip.empty()) GTEST_SKIP() << m_skip;
    ASSERT_TRUE(app);
    std::optional<Node> main;
    ASSERT_TRUE(Eventually([&] {
        for (const Node& n : Children(*app))
            if (Name(n).startsWith("Morvane Tellora") || Name(n).startsWith("Tellora")) main = n;
        return main && Named(*main, "Align Right");
    })) << Dump(*app, 0);
    EXPECT_EQ(Role(*main), "frame") << Name(*main).toStdString();
    struct Control {
        const char* name;
        const char* role;
    };
    const std::vector<Control> controls = {
        {"Start talking", "push button"}, {"Stop talking", "push button"}, {"Voice", "combo box"},
        {"Speed", "slider"},              {"Volume", "slider"},            {"Font", "combo box"},
        {"Size", "combo box"},            {"Text", "text"},                {"Bold", "push button"},
        {"Italic", "push button"},        {"Underline", "push button"},    {"Align Left", "push button"},
        {"Align Center", "push button"},  {"Align Right", "push button"},
    };
    for (const Control& c : controls) {
        // Named, or (a combo box, whose name is its current text) labelled so.
        std::optional<Node> node = Find(*main, [&](const Node& n) {
            QString role = Role(n);
            return role == c.role && (Name(n) == c.name || LabelledBy(n).contains(c.name));
        });
        EXPECT_TRUE(node) << c.name << " as a " << c.role;
    }

    // The format buttons toggle: Bold pressed makes the typing bold and shows checked.
    std::optional<Node> bold = Named(*main, "Bold");
    EXPECT_FALSE(HasState(*bold, kStateChecked));
    Press(*bold);
    EXPECT_TRUE(Eventually([&] { return HasState(*bold, kStateChecked); })) << "Bold shows checked";
    Press(*bold);
    EXPECT_TRUE(Eventually([&] { return !HasState(*bold, kStateChecked); }));

    // A tool bar whose buttons only change state keeps its tree: Start changes which of
    // them are enabled.
    std::optional<Node> bar = Find(*main, [&](const Node& n) { return Role(n) == "tool bar"; });
    ASSERT_TRUE(bar);
    const size_t tools = Children(*bar).size();
    Press(*Named(*main, "Start talking"));
    EXPECT_TRUE(Eventually([&] { return HasState(*Named(*main, "Stop talking"), kStateEnabled); }));
    Press(*Named(*main, "Stop talking"));

    // The export dialog, its choices and the edit inside a combo box.
    std::optional<Node> dialog = OpenExport(*app);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(Role(*dialog), "dialog");
    std::optional<Node> next = Named(*dialog, "Next >>");
    ASSERT_TRUE(next) << Dump(*dialog, 0);
    Press(*next);
    std::optional<Node> automatic;
    ASSERT_TRUE(Eventually([&] { return (automatic = Named(*dialog, "Automatic")).has_value(); })) << Dump(*dialog, 0);
    EXPECT_EQ(Role(*automatic), "radio button");
    EXPECT_EQ(Role(*Named(*dialog, "Specify")), "radio button");
    // The edit of a combo box one can type in is named as the box.
    EXPECT_TRUE(Find(*dialog, [&](const Node& n) { return Role(n) == "text" && Name(n) == "Compressor:"; })) << Dump(*dialog, 0);
    EXPECT_FALSE(Find(*dialog, [&](const Node& n) { return Role(n) == "text" && Name(n).isEmpty() && HasState(n, kStateShowing); }))
        << "no edit field without a name";
    Press(*Named(*dialog, "Cancel"));
    EXPECT_TRUE(Eventually([&] { return !Window(*app, "Export"); }));
    EXPECT_EQ(Children(*bar).size(), tools) << "no hidden copies of the tool bar's buttons";
}

} // namespace
