#pragma once
// What a start-up side of desktop_bench does at the first paint that counts: prints
// "painted <libraries loaded>" and ends, so that the bench times the process to that line.
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <link.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

class FirstPaintLine : public QObject {
public:
    // `counts` picks the widget whose paint counts; any widget's when empty.
    explicit FirstPaintLine(std::function<bool(QWidget*)> counts = {}) : m_counts(std::move(counts)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        if (m_counts && !m_counts(static_cast<QWidget*>(watched))) return false;
        int libraries = 0;
        dl_iterate_phdr([](dl_phdr_info*, size_t, void* count) { return ++*static_cast<int*>(count), 0; }, &libraries);
        std::printf("painted %d\n", libraries);
        std::fflush(stdout);
        std::_Exit(0);
    }

private:
    std::function<bool(QWidget*)> m_counts;
};
