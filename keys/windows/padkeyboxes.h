// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve pad key boxes around the pad picture, laid out and labelled
// alike in the key configuration window and the key viewer.
#pragma once

#include <QString>
#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace kivalto {

// Captions of the twelve pad key boxes, in PadKeySlot order.
inline const std::array<const char*, 12> kPadKeyCaptions = {
    "Button A", "Button B", "Right Shoulder", "Left Shoulder", "Button Y", "Button X",
    "Start",    "Select",   "Up",             "Down",          "Left",     "Right"};

// The object name of box `slot` of the group `Text1`: "Text1_<slot>".
QString padKeyBoxName(int slot);

// The twelve boxes, named by padKeyBoxName, in PadKeySlot order.
std::array<QLineEdit*, 12> makePadKeyBoxes(QWidget* parent = nullptr);

// The pad picture the boxes surround, named `joypic1` and "Joypad".
QLabel* makePadPicture(QWidget* parent = nullptr);

// Lays the twelve boxes out around `picture` like the pad (rows 0 to 9 of
// `grid`: directions on the left, face buttons on the right). Each
// box gets its caption as a buddy label and accessible name; returns the
// labels.
std::array<QLabel*, 12> layOutPadKeyBoxes(QGridLayout* grid, const std::array<QLineEdit*, 12>& boxes, QWidget* picture);

} // namespace kivalto
