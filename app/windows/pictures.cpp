// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <memory>

namespace kivalto {

namespace {

// An icon whose picture is painted the first time anyone asks for it, then
// answered as a plain pixmap icon. The badges need a font of their own,
// and start-up shows none of them before the main window appears.
class DeferredIconEngine final : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QPixmap()> paint)
        : shared_(std::make_shared<Shared>(Shared{std::move(paint), {}}))
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    struct Shared {
        std::function<QPixmap()> paint;
        QIcon icon;
    };
    QIcon& icon()
    {
        if (shared_->paint) {
            shared_->icon = QIcon(shared_->paint());
            shared_->paint = nullptr;
        }
        return shared_->icon;
    }
    std::shared_ptr<Shared> shared_;
};

QIcon deferred(std::function<QPixmap()> paint) { return QIcon(new DeferredIconEngine(std::move(paint))); }

QPixmap badge(const QColor& fill, const QString& text, int size = 16)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fill);
    p.setPen(fill.darker(160));
    p.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 3, 3);
    QFont f = p.font();
    f.setPixelSize(size * 9 / 16);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(pm.rect(), Qt::AlignCenter, text);
    return pm;
}

QPixmap folder(const QColor& fill, bool up)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fill);
    p.setPen(fill.darker(150));
    p.drawRect(1, 4, 14, 10);
    p.drawRect(1, 2, 6, 3);
    if (up) {
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(8, 12, 8, 6);
        p.drawLine(8, 6, 5, 9);
        p.drawLine(8, 6, 11, 9);
    }
    return pm;
}

QPixmap pad(int buttons, bool keyboard)
{
    QPixmap pm(64, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (keyboard) {
        p.setBrush(QColor(220, 220, 220));
        p.setPen(Qt::darkGray);
        p.drawRoundedRect(2, 8, 60, 26, 3, 3);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 8; ++col)
                p.drawRect(5 + col * 7, 11 + row * 7, 5, 5);
        return pm;
    }
    p.setBrush(QColor(180, 180, 190));
    p.setPen(Qt::darkGray);
    p.drawRoundedRect(2, 6, 60, 28, 12, 12);
    p.setBrush(Qt::black);
    p.drawRect(10, 17, 12, 4);
    p.drawRect(14, 13, 4, 12);
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::yellow, Qt::magenta, Qt::cyan};
    for (int i = 0; i < buttons; ++i) {
        p.setBrush(colours[i]);
        int col = i % 3, row = i / 3;
        p.drawEllipse(QPointF(38 + col * 8, 24 - row * 8), 3, 3);
    }
    return pm;
}

} // namespace

std::vector<QIcon> makeListIcons()
{
    const auto badgeIcon = [](QColor fill, const char* text) {
        return deferred([fill, text] { return badge(fill, text); });
    };
    const auto folderIcon = [](QColor fill, bool up) { return deferred([fill, up] { return folder(fill, up); }); };
    return {
        badgeIcon(QColor(90, 60, 160), "S"),    // 1 SNES
        badgeIcon(QColor(110, 110, 110), "?"),  // 2 OTHER
        badgeIcon(QColor(30, 120, 60), "E"),    // 3 emulator
        badgeIcon(QColor(120, 140, 40), "G"),   // 4 GAMEBOY
        badgeIcon(QColor(180, 30, 30), "N"),    // 5 NES
        badgeIcon(QColor(20, 20, 20), "M"),     // 6 MEGA DRIVE
        badgeIcon(QColor(30, 60, 150), "MS"),   // 7 MASTER SYSTEM
        badgeIcon(QColor(40, 90, 120), "GG"),   // 8 GAME GEAR
        badgeIcon(QColor(200, 110, 20), "PC"),  // 9 PC ENGINE
        badgeIcon(QColor(70, 70, 170), "R"),    // 10 ROM
        folderIcon(QColor(230, 190, 80), false), // 11 folder
        folderIcon(QColor(200, 200, 200), true), // 12 UP
    };
}

std::vector<QPixmap> makePadPictures()
{
    return {pad(0, true), pad(2, false), pad(4, false), pad(6, false)};
}

QPixmap makeJoypadPicture()
{
    QPixmap pm(200, 90);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(200, 200, 210));
    p.setPen(QPen(Qt::darkGray, 2));
    p.drawRoundedRect(4, 10, 192, 72, 34, 34);
    p.setBrush(Qt::black);
    p.drawRect(30, 40, 36, 10);
    p.drawRect(43, 27, 10, 36);
    const QColor colours[] = {QColor(200, 40, 40), QColor(220, 200, 40), QColor(40, 80, 200), QColor(40, 160, 60)};
    const QPointF at[] = {{162, 45}, {146, 60}, {146, 30}, {130, 45}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(at[i], 8, 8);
    }
    return pm;
}

QPixmap makeLogo()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 96, 96);
    g.setColorAt(0, QColor(90, 60, 160));
    g.setColorAt(1, QColor(30, 120, 160));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(4, 4, 88, 88, 18, 18);
    // The letter is drawn as strokes: a font for it alone would cost the
    // splash a font load before it can show.
    p.setPen(QPen(Qt::white, 12, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawLine(QPointF(32, 20), QPointF(32, 76));
    p.drawLine(QPointF(37, 54), QPointF(66, 20));
    p.drawLine(QPointF(47, 44), QPointF(70, 76));
    return pm;
}

} // namespace kivalto
