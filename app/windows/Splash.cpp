// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/Splash.h"

#include "app/windows/SnesStart.h"
#include "app/windows/pictures.h"
#include "platform/qt/widgetkit.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kivalto {

Splash::Splash(App& a) : app(a)
{
    setObjectName("Splash");
    setWindowTitle("Kivalto");
    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    createTexts();
    createControls();
    layOut();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(10);
    connectControls();
}

void Splash::createTexts()
{
    imgLogo = new QLabel;
    imgLogo->setPixmap(makeLogo());
    imgLogo->setAccessibleName("Kivalto logo");
    lblProductName = new QLabel("Product");
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    lblVersion = new QLabel("Version");
    lblPlatform = new QLabel("Platform: Windows 95/98");
    lblWarning = new QLabel("By using this program you agree to e-mail the author with your comments.");
    lblWarning->setWordWrap(true);
    lblCompanyProduct = new QLabel("The Kivalto team presents");
    lblCopyright = new QLabel("Free software for players of old console games.");
    lblCompany = new QLabel("Comments are welcome through the project's issue tracker.");
    imgLogo->setObjectName("imgLogo");
    lblProductName->setObjectName("lblProductName");
    lblVersion->setObjectName("lblVersion");
    lblPlatform->setObjectName("lblPlatform");
    lblWarning->setObjectName("lblWarning");
    lblCompanyProduct->setObjectName("lblCompanyProduct");
    lblCopyright->setObjectName("lblCopyright");
    lblCompany->setObjectName("lblCompany");
}

void Splash::createControls()
{
    loadbar = new QProgressBar;
    loadbar->setObjectName("loadbar");
    loadbar->setRange(0, 100);
    loadbar->setAccessibleName("Start-up progress");
    Command1 = makeButton(nullptr, "Command1", "&Click to Close");
}

// The logo beside the texts in Frame1; below it the progress bar and the
// close button.
void Splash::layOut()
{
    auto* inner = new QHBoxLayout(Frame1);
    inner->addWidget(imgLogo, 0, Qt::AlignTop);
    inner->addLayout(makeColumn({lblCompanyProduct, lblProductName, lblVersion, lblPlatform, lblWarning, lblCopyright,
                                 lblCompany}),
                     1);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(Frame1, 1);
    lay->addWidget(loadbar);
    lay->addWidget(Command1, 0, Qt::AlignRight);
}

void Splash::connectControls()
{
    // A click anywhere on the frame closes the window, as the button does.
    Frame1->installEventFilter(this);
    connect(Timer1, &QTimer::timeout, this, &Splash::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Splash::Command1_Click);
}

void Splash::Form_Load()
{
    lblVersion->setText(QString("Version %1.%2.%3")
                            .arg(KIVALTO_VERSION_MAJOR)
                            .arg(KIVALTO_VERSION_MINOR)
                            .arg(KIVALTO_VERSION_PATCH));
    lblProductName->setText(QString::fromStdString(app.title));
}

void Splash::startLoad() { Timer1->start(); }

void Splash::setProgress(int value) { loadbar->setValue(value); }

void Splash::endLoad()
{
    loadbar->hide();
    hide();
}

void Splash::Timer1_Timer()
{
    Timer1->stop();
    StartupLoad(app);
}

void Splash::Command1_Click() { hide(); }

void Splash::keyPressEvent(QKeyEvent*) { hide(); }

bool Splash::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == Frame1 && e->type() == QEvent::MouseButtonPress)
        hide();
    return QWidget::eventFilter(watched, e);
}

void Splash::changeEvent(QEvent* e)
{
    // Losing the focus hides the progress bar, so the About box shows none.
    if (e->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        loadbar->hide();
    QWidget::changeEvent(e);
}

} // namespace kivalto
