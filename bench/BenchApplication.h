#pragma once

#include "Measures.h"

#include <QApplication>

#include <algorithm>
#include <utility>

// The bench's application: it also times every event the GUI thread handles, so that a
// figure can tell the longest the thread was busy with one (an event sent from inside
// another counts within it).
class BenchApplication : public QApplication {
public:
    using QApplication::QApplication;

    static BenchApplication& instance() { return *static_cast<BenchApplication*>(qApp); }
    // The longest event handled since the last call, in ms.
    double takeLongestEventMs() { return std::exchange(longestMs, 0.0); }

    bool notify(QObject* receiver, QEvent* event) override {
        const auto start = Clock::now();
        const bool handled = QApplication::notify(receiver, event);
        longestMs = std::max(longestMs, msBetween(start, Clock::now()));
        return handled;
    }

private:
    double longestMs = 0;
};
