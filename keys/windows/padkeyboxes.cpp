// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/windows/padkeyboxes.h"

#include "app/windows/pictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kivalto {

QString padKeyBoxName(int slot) { return QStringLiteral("Text1_%1").arg(slot); }

std::array<QLineEdit*, 12> makePadKeyBoxes(QWidget* parent)
{
    std::array<QLineEdit*, 12> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QLineEdit(parent);
        boxes[i]->setObjectName(padKeyBoxName(static_cast<int>(i)));
    }
    return boxes;
}

QLabel* makePadPicture(QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName("joypic1");
    picture->setPixmap(makeJoypadPicture());
    picture->setAccessibleName("Joypad");
    return picture;
}

std::array<QLabel*, 12> layOutPadKeyBoxes(QGridLayout* grid, const std::array<QLineEdit*, 12>& boxes, QWidget* picture)
{
    // (row, column) of each box's caption, the box below it, as on the pad:
    // shoulders on top, the directions around Up/Down on the left, the face
    // buttons X, Y, A, B as a diamond on the right, Select and Start under
    // the picture in the middle column.
    static constexpr int place[12][2] = {{4, 6}, {6, 5}, {0, 6}, {0, 0}, {4, 4}, {2, 5},
                                         {8, 4}, {8, 2}, {2, 1}, {6, 1}, {4, 0}, {4, 2}};
    std::array<QLabel*, 12> labels{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* label = new QLabel(kPadKeyCaptions[i]);
        label->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(kPadKeyCaptions[i]);
        grid->addWidget(label, place[i][0], place[i][1]);
        grid->addWidget(boxes[i], place[i][0] + 1, place[i][1]);
        labels[i] = label;
    }
    grid->addWidget(picture, 2, 3, 6, 1, Qt::AlignCenter);
    return labels;
}

} // namespace kivalto
