// SPDX-License-Identifier: GPL-3.0-or-later
// Builders for what every window repeats: controls that carry their design
// name (tests and the accessibility walk find them by it), labels that are
// their field's buddy, rows and columns of buttons, and click wiring.
#pragma once

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace kivalto {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption);
QLineEdit* makeEdit(QWidget* parent, const char* name);
// A single-selection list; `visibleRows` > 0 fixes its height to that many rows.
QListWidget* makeList(QWidget* parent, const char* name, int visibleRows = 0);
// A label whose access key moves the focus to `buddy`.
QLabel* makeBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent = nullptr);
// A wrapped, selectable text shown as it is: callers' texts may hold file
// names with '<', which rich text would swallow.
QLabel* makeMessageLabel(const QString& text, QWidget* parent = nullptr);

// Adds "label, field" as row `row` of a two-column form.
void addLabelledRow(QGridLayout* grid, int row, const QString& label, QWidget* field);
// A row (or column) of widgets, each stretch point given as nullptr.
QHBoxLayout* makeRow(std::initializer_list<QWidget*> widgets);
QVBoxLayout* makeColumn(std::initializer_list<QWidget*> widgets);

// Shows a window in front of the others, with the focus.
void showInFront(QWidget* window);

// Wires each button's click to a handler of `window`.
template <typename Window>
void connectClicks(Window* window, std::initializer_list<std::pair<QAbstractButton*, void (Window::*)()>> clicks)
{
    for (const auto& [button, handler] : clicks)
        QObject::connect(button, &QAbstractButton::clicked, window, handler);
}

// A list with a tool tip and, made after it, its heading: a label that is
// the list's buddy. Screen readers name the list by the heading without its
// access key mark. Returns (heading, list).
std::pair<QLabel*, QListWidget*> makeHeadedList(QWidget* parent, const char* name, const QString& heading,
                                                const QString& tip);
// Lists side by side, each below its heading.
QGridLayout* makeHeadedColumns(std::initializer_list<std::pair<QLabel*, QListWidget*>> columns);
// The texts of a list's rows, as bytes.
std::vector<std::string> listTexts(const QListWidget* list);
// Replaces a list's rows with `texts` (bytes).
void setListTexts(QListWidget* list, const std::vector<std::string>& texts);
// Tab moves through `widgets` in the order given.
void setTabChain(std::initializer_list<QWidget*> widgets);

} // namespace kivalto
