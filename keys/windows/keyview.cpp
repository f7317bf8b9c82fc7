// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/windows/keyview.h"

#include "app/windows/App.h"
#include "keys/keyview.h"
#include "keys/windows/padkeyboxes.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kivalto {

namespace {
constexpr const char* kPlayerOneCaption = "Player 1 Controller";
constexpr const char* kPlayerTwoCaption = "Player 2 Keys";
} // namespace

keyview::keyview(App& a) : app(a)
{
    setObjectName("keyview");
    setWindowTitle(kPlayerOneCaption);
}

void keyview::buildControls()
{
    Text1 = makePadKeyBoxes();
    for (QLineEdit* box : Text1)
        box->setReadOnly(true);
    joypic1 = makePadPicture();
    Label13 = new QLabel("If the keys shown here are not the correct ones for the emulator, you must change them "
                         "using the plugin editor, otherwise SnesKey will not work correctly.");
    Label13->setObjectName("Label13");
    Label13->setWordWrap(true);
    Command1 = makeButton(nullptr, "Command1", "&Close");

    auto* grid = new QGridLayout;
    boxLabels = layOutPadKeyBoxes(grid, Text1, joypic1);
    auto* v = new QVBoxLayout(this);
    v->addLayout(grid);
    v->addWidget(Label13);
    v->addWidget(Command1);

    connect(Command1, &QPushButton::clicked, this, &keyview::Command1_Click);
}

void keyview::showPlayer(bool playerTwo)
{
    setWindowTitle(playerTwo ? kPlayerTwoCaption : kPlayerOneCaption);
    showInFront(this);
    // The viewer may already be the active window; refresh it anyway.
    Form_Activate();
}

bool keyview::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void keyview::Form_Activate()
{
    const KeyViewChoice choice =
        chooseKeyView(windowTitle() == kPlayerTwoCaption, app.selection.choices.controller);
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        Text1[i]->setVisible(i < 8 || choice.showDirections);
        boxLabels[i]->setVisible(i < 8 || choice.showDirections);
    }
    Label13->setVisible(choice.showNote);
    const KeyTable& keys = app.selection.plugin().keys;
    for (std::size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(qs(keys.at(static_cast<int>(i), choice.column)));
}

void keyview::Command1_Click() { hide(); }

} // namespace kivalto
