#include "ui/windows/frmTip.h"

#include "platform/textfield.h"
#include "app/windows/Snesmain.h"
#include "platform/qt/text.h"

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

    chkLoadTipsAtStartup = new QCheckBox("&Show Tips at Startup");
    cmdNextTip = new QPushButton("&Next Tip");
    cmdOK = new QPushButton("&OK");
    cmdOK->setDefault(true);

    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(lblTipText, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(Picture1, 0, Qt::AlignTop);
    body->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkLoadTipsAtStartup);
    buttons->addStretch();
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdOK);
    auto* lay = new QVBoxLayout(this);
    lay->addLayout(body, 1);
    lay->addLayout(buttons);

    setTabOrder(cmdOK, cmdNextTip);
    setTabOrder(cmdNextTip, chkLoadTipsAtStartup);

    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
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
    app.Snesmain->markTipsOnStartup(true);
}

bool frmTip::loadTips()
{
    const auto data = app.fs.readText(joinDos(app.fs.currentDir(), kTipsFile), kMaxTextFileBytes);
    if (!data)
        return false;
    bool cut = false;
    tipRound.setTips(splitTipLines(data->bytes, &cut));
    if (cut || data->cut)
        app.dialogs.ok(oversizeNotice(kTipsFile), app.title);
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
    app.Snesmain->markTipsOnStartup(false);
}

} // namespace kivalto
