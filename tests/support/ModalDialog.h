#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace qv::test {

/// Acts in the next modal dialog of type D as soon as its event loop runs, as a person would
/// after it opened. A different window (or none) ends the test run: the step would hang.
template <class D>
void whenModal(std::function<void(D &)> step)
{
    QTimer::singleShot(0, [step] {
        auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!d)
            qFatal("the expected modal dialog is not shown");
        step(*d);
    });
}

/// Like whenModal, for a dialog that does work of its own (with events running) before it
/// shows: waits up to ten seconds for it to become the modal window.
template <class D>
void whenModalAppears(std::function<void(D &)> step)
{
    auto *wait = new QTimer;
    QObject::connect(wait, &QTimer::timeout, [wait, step, tries = 0]() mutable {
        auto *d = qobject_cast<D *>(QApplication::activeModalWidget());
        if (!d && ++tries < 1000)
            return;
        wait->stop();
        wait->deleteLater();
        if (!d)
            qFatal("the expected modal dialog is not shown");
        step(*d);
    });
    wait->start(10);
}

} // namespace qv::test
