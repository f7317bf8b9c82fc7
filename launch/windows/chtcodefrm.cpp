// SPDX-License-Identifier: GPL-3.0-or-later
#include "launch/windows/chtcodefrm.h"

#include "platform/qt/defaultbutton.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kivalto {

chtcodefrm::chtcodefrm(App& a) : app(a)
{
    setObjectName("chtcodefrm");
    setWindowTitle("Enter a Cheat Code");
    createSwitchChoice();
    createControls();
    layOut();
    connectControls();
}

void chtcodefrm::createSwitchChoice()
{
    Combo1 = new QComboBox;
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    // Typed switches must not become entries: Combo1 stays parallel to the
    // switches.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setAccessibleName("Switch:");
    Combo1->lineEdit()->setAccessibleName("Switch:");
    Label3 = makeBuddyLabel("&Switch:", Combo1);
    Label3->setObjectName("Label3");
}

void chtcodefrm::createControls()
{
    Label1 = new QLabel("Enter the Cheat Code and the switch below. It will be saved with the ROM settings.");
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Text1 = makeEdit(nullptr, "Text1");
    Text1->setToolTip("Enter the code to place after the switch.");
    Label2 = makeBuddyLabel("&Cheat Code:", Text1);
    Label2->setObjectName("Label2");
    Command1 = makeButton(nullptr, "Command1", "&Done");
    Command2 = makeButton(nullptr, "Command2", "&Help");
}

// The grid adopts the controls in Tab order.
void chtcodefrm::layOut()
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Combo1, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Text1, 2, 1);
    grid->addWidget(Command1, 3, 0);
    grid->addWidget(Command2, 3, 1, Qt::AlignRight);
}

void chtcodefrm::connectControls()
{
    connect(Combo1, &QComboBox::activated, this, &chtcodefrm::Combo1_Click);
    // The cheat is one of the launch choices.
    connect(Combo1, &QComboBox::editTextChanged, this,
            [this](const QString& text) { app.selection.choices.cheatSwitch = bytes(text); });
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& text) { app.selection.choices.cheatCode = bytes(text); });
    // Editing the switch after a pick keeps the typed text.
    connect(Combo1->lineEdit(), &QLineEdit::textEdited, this, [this] { jstclickd = false; });
    connectClicks(this, {{Command1, &chtcodefrm::Command1_Click}, {Command2, &chtcodefrm::Command2_Click}});
    // Enter in the switch or the code means Done.
    makeDefaultButton(this, Command1);
}

void chtcodefrm::Form_Load() { jstclickd = false; }

void chtcodefrm::setCheatTypes(const std::vector<PluginOption>& cheats)
{
    Combo1->clear();
    switches_.clear();
    for (const PluginOption& c : cheats) {
        Combo1->addItem(qs(c.name));
        switches_.push_back(c.switchText);
    }
    Combo1->setCurrentIndex(-1);
    Combo1->clearEditText();
}

void chtcodefrm::setCheatSwitch(const std::string& switchText) { Combo1->setEditText(qs(switchText)); }
void chtcodefrm::setCheatCode(const std::string& code) { Text1->setText(qs(code)); }

void chtcodefrm::Combo1_Click() { jstclickd = true; }

void chtcodefrm::Command1_Click()
{
    if (jstclickd) {
        const int i = Combo1->currentIndex();
        if (i >= 0 && static_cast<std::size_t>(i) < switches_.size())
            Combo1->setEditText(qs(switches_[static_cast<std::size_t>(i)]));
        jstclickd = false;
    }
    hide();
}

void chtcodefrm::Command2_Click()
{
    app.dialogs.ok("Select the type of cheat from the drop down list or enter your own switch. Then enter the cheat "
                   "into the cheat box. So to enter the MegaManX Pro Action Replay cheat with NLKE, you would select "
                   "'Pro Action Replay' from the dropdown list and then enter the code '7E0BCF28'.",
                   app.title);
}

} // namespace kivalto
