// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side of the selection: the controls show its choices,
// and each change the user makes goes to it at once.
#include "app/windows/App.h"
#include "app/windows/Snesmain.h"
#include "launch/windows/chtcodefrm.h"
#include "platform/qt/listcontrols.h"
#include "platform/qt/text.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace kivalto {

namespace {

void fillList(QListWidget* list, const std::vector<SwitchChoice>& rows)
{
    list->clear();
    for (const SwitchChoice& row : rows) {
        auto* item = new QListWidgetItem(qs(row.name), list);
        item->setData(Qt::UserRole, qs(row.switchText));
        item->setSelected(row.chosen);
    }
}

void takeChosen(const QListWidget* list, std::vector<SwitchChoice>& rows)
{
    if (static_cast<std::size_t>(list->count()) != rows.size())
        return;
    for (int i = 0; i < list->count(); ++i)
        rows[static_cast<std::size_t>(i)].chosen = list->item(i)->isSelected();
}

} // namespace

void Snesmain::connectSelection()
{
    Selection& s = app.selection;
    connect(File1, &FileListBox::Changed, this, [this, &s] {
        s.setRomFolder(File1->Path());
        s.selectRom(File1->FileName());
    });
    s.setRomFolder(File1->Path());
    connect(Text1, &QLineEdit::textChanged, this, [&s](const QString& text) { s.choices.emulatorDir = bytes(text); });
    connect(Text2, &QLineEdit::textChanged, this, [&s](const QString& text) { s.choices.frameskip = bytes(text); });
    connect(optionslist, &QListWidget::itemSelectionChanged, this, &Snesmain::takeChoicesFromLists);
    connect(List2, &QListWidget::itemSelectionChanged, this, &Snesmain::takeChoicesFromLists);
    connect(Play1select, &QScrollBar::valueChanged, this, [&s](int value) { s.choices.controller = value; });
    s.choices.controller = Play1select->value();
    const std::pair<QAction*, bool LaunchChoices::*> marks[] = {
        {rundos, &LaunchChoices::runInDos},   {runvesa, &LaunchChoices::runVesa},
        {runsnesk, &LaunchChoices::runSnesKey}, {nostest, &LaunchChoices::testAfterRunning},
        {ROMMame, &LaunchChoices::mameRom},   {chten, &LaunchChoices::enableCheat},
        {MenuShorten, &LaunchChoices::shortenNames}};
    for (const auto& mark : marks) {
        bool LaunchChoices::*flag = mark.second;
        s.choices.*flag = mark.first->isChecked();
        connect(mark.first, &QAction::toggled, this, [&s, flag](bool on) { s.choices.*flag = on; });
    }
}

void Snesmain::takeChoicesFromLists()
{
    if (showingChoices_)
        return;
    takeChosen(optionslist, app.selection.choices.options);
    takeChosen(List2, app.selection.choices.displayModes);
}

void Snesmain::showChoiceLists()
{
    const LaunchChoices& c = app.selection.choices;
    Text1->setText(qs(c.emulatorDir));
    showingChoices_ = true;
    fillList(optionslist, c.options);
    fillList(List2, c.displayModes);
    showingChoices_ = false;
}

} // namespace kivalto
