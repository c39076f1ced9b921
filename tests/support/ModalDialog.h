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

} // namespace qv::test
