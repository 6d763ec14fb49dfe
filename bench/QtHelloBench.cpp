// The yardstick of desktop_bench's start: a Qt Widgets hello world on the same screen,
// which prints "painted <libraries loaded>" at its window's first paint and ends.
#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <link.h>

#include <cstdio>
#include <cstdlib>

namespace {

int CountLibrary(dl_phdr_info*, size_t, void* count)
{
    ++*static_cast<int*>(count);
    return 0;
}

class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            int libraries = 0;
            dl_iterate_phdr(CountLibrary, &libraries);
            std::printf("painted %d\n", libraries);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.installEventFilter(new FirstPaint);
    QLabel hello("Hello, world");
    hello.resize(640, 480);
    hello.show();
    return app.exec();
}
