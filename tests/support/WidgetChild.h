#pragma once

#include <QObject>
#include <QString>

namespace qv::test {

/// A named part of a window, for tests that press and type like a person. The windows keep
/// their widgets to themselves; a missing name ends the test run at once.
template <class T>
T *child(QObject &parent, const char *name)
{
    T *w = parent.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child widget %s", name);
    return w;
}

template <class T>
T *child(QObject *parent, const char *name)
{
    return child<T>(*parent, name);
}

} // namespace qv::test
