// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window's background picture: a calm blue-teal gradient with faint ledger lines,
// a rising chart and the program's name in the lower right corner, where the picture stays in
// view however the window is sized. Run by the build: make_background_picture <output.jpg>

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

void paintGround(QPainter& painter)
{
    QLinearGradient ground(0, 0, kWidth, kHeight);
    ground.setColorAt(0.0, QColor(0x17, 0x2c, 0x41));
    ground.setColorAt(0.55, QColor(0x1f, 0x45, 0x5c));
    ground.setColorAt(1.0, QColor(0x2a, 0x63, 0x6b));
    painter.fillRect(0, 0, kWidth, kHeight, ground);

    QRadialGradient glow(kWidth * 0.82, kHeight * 0.78, kWidth * 0.55);
    glow.setColorAt(0.0, QColor(0x7f, 0xc4, 0xc0, 70));
    glow.setColorAt(1.0, QColor(0x7f, 0xc4, 0xc0, 0));
    painter.fillRect(0, 0, kWidth, kHeight, glow);
}

void paintLedgerLines(QPainter& painter)
{
    painter.setPen(QPen(QColor(255, 255, 255, 13), 1));
    for (int y = 40; y < kHeight; y += 40) {
        painter.drawLine(0, y, kWidth, y);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 9), 1));
    for (int x = 160; x < kWidth; x += 160) {
        painter.drawLine(x, 0, x, kHeight);
    }
}

void paintArcs(QPainter& painter)
{
    painter.setBrush(Qt::NoBrush);
    const QPointF centre(kWidth * 1.02, kHeight * 1.08);
    for (int ring = 0; ring < 6; ++ring) {
        const double radius = 260.0 + ring * 95.0;
        painter.setPen(QPen(QColor(255, 255, 255, 16 - ring * 2), 2));
        painter.drawEllipse(centre, radius, radius);
    }
}

void paintChart(QPainter& painter)
{
    // Twelve monthly bars that grow unevenly, with a smooth line through their tops.
    constexpr std::array<double, 12> heights = {0.22, 0.27, 0.25, 0.33, 0.38, 0.36,
                                                0.45, 0.50, 0.49, 0.58, 0.64, 0.72};
    const double left = kWidth * 0.50;
    const double base = kHeight * 0.66;
    const double span = kHeight * 0.42;
    const double step = (kWidth * 0.44) / heights.size();
    const double barWidth = step * 0.56;

    painter.setPen(Qt::NoPen);
    std::array<QPointF, heights.size()> tops;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        const double x = left + i * step;
        const double top = base - heights[i] * span;
        QLinearGradient bar(0, top, 0, base);
        bar.setColorAt(0.0, QColor(255, 255, 255, 38));
        bar.setColorAt(1.0, QColor(255, 255, 255, 6));
        painter.setBrush(bar);
        painter.drawRoundedRect(QRectF(x, top, barWidth, base - top), 3, 3);
        tops[i] = QPointF(x + barWidth / 2, top - 16);
    }
    // A Catmull-Rom curve through the points, as cubic Bezier segments.
    QPainterPath line(tops.front());
    for (std::size_t i = 0; i + 1 < tops.size(); ++i) {
        const QPointF before = tops[i == 0 ? 0 : i - 1];
        const QPointF after = tops[std::min(i + 2, tops.size() - 1)];
        line.cubicTo(tops[i] + (tops[i + 1] - before) / 6.0, tops[i + 1] - (after - tops[i]) / 6.0,
                     tops[i + 1]);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xb8, 0xe6, 0xdc, 150), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(line);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd8, 0xf2, 0xec, 200));
    for (const QPointF& point : tops) {
        painter.drawEllipse(point, 4.5, 4.5);
    }
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.drawLine(QPointF(left - step * 0.3, base), QPointF(left + heights.size() * step, base));
}

void paintName(QPainter& painter)
{
    const QRectF block(0, kHeight * 0.70, kWidth * 0.94, kHeight * 0.22);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(92);
    name.setWeight(QFont::ExtraLight);
    name.setLetterSpacing(QFont::PercentageSpacing, 102);
    painter.setFont(name);
    painter.setPen(QColor(255, 255, 255, 225));
    painter.drawText(block, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Grovan 2022"));

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(25);
    line.setWeight(QFont::Light);
    line.setLetterSpacing(QFont::PercentageSpacing, 106);
    painter.setFont(line);
    painter.setPen(QColor(0xd6, 0xee, 0xea, 185));
    painter.drawText(block.adjusted(0, 118, 0, 0), Qt::AlignRight | Qt::AlignTop,
                     QStringLiteral("Payroll, tax and finance calculators  \u00b7  2021/22 tax "
                                    "year"));
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_background_picture <output.jpg>\n");
        return 2;
    }
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        paintGround(painter);
        paintLedgerLines(painter);
        paintArcs(painter);
        paintChart(painter);
        paintName(painter);
    }
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "JPG", 90)) {
        std::fprintf(stderr, "make_background_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
