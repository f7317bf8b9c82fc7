// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/frmTip.h"

#include "platform/textfield.h"
#include "platform/qt/text.h"
#include "platform/qt/widgetkit.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace kivalto {

namespace {
const char* const kShowTipsKey = "Show Tips at Startup";
}

frmTip::frmTip(App& a) : app(a)
{
    setObjectName("frmTip");
    setWindowTitle("Tip of the Day");
    createTexts();
    createControls();
    layOut();
    // OK first: Enter or Space at once closes the window.
    setTabChain({cmdOK, cmdNextTip, chkLoadTipsAtStartup});
    connectControls();
}

void frmTip::createTexts()
{
    Picture1 = new QLabel;
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(48, 48));
    Picture1->setAccessibleName("Tip");
    Label1 = new QLabel("Did you know...");
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSize(heading.pointSize() + 2);
    Label1->setFont(heading);
    lblTipText = new QLabel;
    lblTipText->setWordWrap(true);
    lblTipText->setMinimumSize(360, 90);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void frmTip::createControls()
{
    chkLoadTipsAtStartup = new QCheckBox("&Show Tips at Startup");
    chkLoadTipsAtStartup->setObjectName("chkLoadTipsAtStartup");
    cmdNextTip = makeButton(nullptr, "cmdNextTip", "&Next Tip");
    cmdOK = makeButton(nullptr, "cmdOK", "&OK");
    cmdOK->setDefault(true);
}

// The picture beside the heading and the tip; below them the check box
// on the left and the buttons on the right.
void frmTip::layOut()
{
    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(lblTipText, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(Picture1, 0, Qt::AlignTop);
    body->addLayout(text, 1);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(body, 1);
    lay->addLayout(makeRow({chkLoadTipsAtStartup, nullptr, cmdNextTip, cmdOK}));
}

void frmTip::connectControls()
{
    connectClicks(this, {{cmdNextTip, &frmTip::cmdNextTip_Click}, {cmdOK, &frmTip::cmdOK_Click}});
    // Every toggle by the user (mouse, keyboard, assistive technology)
    // stores the option; the window's own setting of the box is silent.
    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &frmTip::chkLoadTipsAtStartup_Click);
}

void frmTip::Form_Load()
{
    if (!tipsShownAtStartup(app.option(kShowTipsKey)))
        return;
    show();
    {
        const QSignalBlocker quiet(chkLoadTipsAtStartup);
        chkLoadTipsAtStartup->setChecked(true);
    }
    if (!loadTips())
        lblTipText->setText(qs(missingTipsText()));
    emit tipsOnStartupMarked(true);
}

bool frmTip::loadTips()
{
    const auto data = app.fs.readText(joinDos(app.fs.currentDir(), kTipsFile), kMaxTextFileBytes);
    if (!data)
        return false;
    bool cut = false;
    tipRound.setTips(splitTipLines(data->bytes, &cut));
    if (cut || data->cut)
        app.noticeOversize(kTipsFile);
    doNextTip();
    return true;
}

void frmTip::doNextTip()
{
    if (const std::string* tip = tipRound.next())
        lblTipText->setText(qs(*tip));
}

void frmTip::cmdNextTip_Click() { doNextTip(); }

// The window stays loaded; it is only shown again by the next start.
void frmTip::cmdOK_Click() { hide(); }

void frmTip::chkLoadTipsAtStartup_Click()
{
    app.saveOption(kShowTipsKey, chkLoadTipsAtStartup->isChecked());
    emit tipsOnStartupMarked(false);
}

} // namespace kivalto
