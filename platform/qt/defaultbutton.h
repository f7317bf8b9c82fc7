// SPDX-License-Identifier: GPL-3.0-or-later
// The default button of a plain window. A dialog presses its default
// button on Enter by itself; Kivalto's windows are plain windows, so Enter
// in their text fields is passed on here.
#pragma once

#include <QPushButton>
#include <QWidget>

namespace kivalto {

// Marks `button` as the default (drawn so, and reported so to assistive
// technology) and lets Enter in any text field of `window` press it.
void makeDefaultButton(QWidget* window, QPushButton* button);

} // namespace kivalto
