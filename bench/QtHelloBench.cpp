// The yardstick of desktop_bench's start: a Qt Widgets hello world on the same screen,
// which prints "painted <libraries loaded>" at its window's first paint and ends.
#include "FirstPaintLine.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.installEventFilter(new FirstPaintLine);
    QLabel hello("Hello, world");
    hello.resize(640, 480);
    hello.show();
    return app.exec();
}
