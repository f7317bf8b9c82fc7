// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks reach a window's controls as the tests do: by design name.
#pragma once

#include <QObject>
#include <cstdio>
#include <cstdlib>

template <typename T>
T* ctl(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control) {
        std::fprintf(stderr, "no control named %s\n", name);
        std::exit(2);
    }
    return control;
}
