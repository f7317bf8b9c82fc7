// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widgetkit.h"

#include "platform/qt/text.h"

namespace kivalto {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLineEdit* makeEdit(QWidget* parent, const char* name)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    return e;
}

QListWidget* makeList(QWidget* parent, const char* name, int visibleRows)
{
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (visibleRows > 0)
        l->setFixedHeight(visibleRows * (l->fontMetrics().height() + 2) + 2 * l->frameWidth() + 2);
    return l;
}

QLabel* makeBuddyLabel(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QLabel* makeMessageLabel(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    l->setMinimumWidth(360);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setTextFormat(Qt::PlainText);
    return l;
}

void addLabelledRow(QGridLayout* grid, int row, const QString& label, QWidget* field)
{
    grid->addWidget(makeBuddyLabel(label, field), row, 0);
    grid->addWidget(field, row, 1);
}

namespace {
template <typename Layout>
Layout* fill(Layout* layout, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets) {
        if (w)
            layout->addWidget(w);
        else
            layout->addStretch();
    }
    return layout;
}
} // namespace

QHBoxLayout* makeRow(std::initializer_list<QWidget*> widgets) { return fill(new QHBoxLayout, widgets); }
QVBoxLayout* makeColumn(std::initializer_list<QWidget*> widgets) { return fill(new QVBoxLayout, widgets); }

void showInFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

std::pair<QLabel*, QListWidget*> makeHeadedList(QWidget* parent, const char* name, const QString& heading,
                                                const QString& tip)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setToolTip(tip);
    list->setAccessibleName(QString(heading).remove('&'));
    return {makeBuddyLabel(heading, list, parent), list};
}

QGridLayout* makeHeadedColumns(std::initializer_list<std::pair<QLabel*, QListWidget*>> columns)
{
    auto* grid = new QGridLayout;
    int column = 0;
    for (const auto& [heading, list] : columns) {
        grid->addWidget(heading, 0, column);
        grid->addWidget(list, 1, column);
        ++column;
    }
    return grid;
}

std::vector<std::string> listTexts(const QListWidget* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i)
        texts.push_back(bytes(list->item(i)->text()));
    return texts;
}

void setListTexts(QListWidget* list, const std::vector<std::string>& texts)
{
    list->clear();
    for (const std::string& text : texts)
        list->addItem(qs(text));
}

void setTabChain(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace kivalto
