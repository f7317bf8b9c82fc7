#include "keys/windows/padkeyboxes.h"

namespace kivalto {

std::array<QLabel*, 12> layOutPadKeyBoxes(QGridLayout* grid, const std::array<QLineEdit*, 12>& boxes, QWidget* picture)
{
    // (row, column) of each box's caption; the box sits below it.
    static constexpr int place[12][2] = {{6, 4}, {6, 3}, {0, 4}, {0, 0}, {4, 4}, {2, 4},
                                         {0, 3}, {0, 2}, {0, 1}, {6, 1}, {2, 0}, {4, 0}};
    std::array<QLabel*, 12> labels{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* label = new QLabel(kPadKeyCaptions[i]);
        label->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(kPadKeyCaptions[i]);
        grid->addWidget(label, place[i][0], place[i][1]);
        grid->addWidget(boxes[i], place[i][0] + 1, place[i][1]);
        labels[i] = label;
    }
    grid->addWidget(picture, 2, 1, 4, 3, Qt::AlignCenter);
    return labels;
}

} // namespace kivalto
