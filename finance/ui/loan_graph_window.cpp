// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/ui/loan_graph_window.h"

#include "core/message.h"
#include "core/number_format.h"
#include "core/output_file.h"
#include "core/ui/qt_text.h"
#include "core/ui/report_pdf.h"

#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>

namespace grovan {

namespace {

const QColor kCapitalColour(0x2f, 0x5f, 0x9e);
const QColor kInterestColour(0xe0, 0x7b, 0x28);
const QColor kBalanceColour(0x2e, 0x7d, 0x32);
const QColor kGridColour(0xdd, 0xdd, 0xdd);

// The drawing's own size: it is scaled to the area it is painted in.
constexpr double kWidth = 1000.0;
constexpr double kHeight = 620.0;
constexpr double kFontPixels = 14.0;

// A round step for about five divisions up to `largest`: 1, 2 or 5 times a power of ten.
double roundStep(double largest)
{
    if (!(largest > 0.0) || !std::isfinite(largest)) {
        return 1.0;
    }
    const double rough = largest / 5.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

QString randText(double value)
{
    return qText(formatNumber(value, "### ### ### ##0"));
}

// The years whose numbers stand under the axis: every year, or every 2nd, 5th or 10th.
int yearLabelStep(int years)
{
    for (const int step : {1, 2, 5, 10}) {
        if (years / step <= 20) {
            return step;
        }
    }
    return 20;
}

void paintInOwnUnits(QPainter& painter, const AnnualSchedule& schedule)
{
    const int years = schedule.Years;
    const double principal =
        std::accumulate(schedule.YearCapital.begin(), schedule.YearCapital.end(), 0.0);
    double largestPaid = 0.0;
    for (int y = 0; y < years; ++y) {
        largestPaid = std::max({largestPaid, schedule.YearCapital[static_cast<std::size_t>(y)],
                                schedule.YearInterest[static_cast<std::size_t>(y)]});
    }
    const double paidStep = roundStep(largestPaid);
    const double paidTop = std::max(1.0, std::ceil(largestPaid / paidStep)) * paidStep;
    const double balanceStep = roundStep(principal);
    const double balanceTop = std::max(1.0, std::ceil(principal / balanceStep)) * balanceStep;

    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(kFontPixels));
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double line = metrics.height();
    const double leftLabels =
        std::max(metrics.horizontalAdvance(randText(paidTop)), metrics.horizontalAdvance("0"));
    const double rightLabels = metrics.horizontalAdvance(randText(balanceTop));

    QFont titleFont = font;
    titleFont.setPixelSize(static_cast<int>(kFontPixels * 1.3));
    titleFont.setBold(true);
    const QRectF titleArea(0, 8, kWidth, line * 1.5);
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(titleArea, Qt::AlignCenter,
                     QObject::tr("Capital, interest and balance year by year"));
    painter.setFont(font);

    // The legend: a sample of each series and its name, in one centred row.
    struct Entry
    {
        QString text;
        QColor colour;
        bool line;
    };
    const std::array<Entry, 3> legend{{
        {QObject::tr("Capital repaid in the year"), kCapitalColour, false},
        {QObject::tr("Interest paid in the year"), kInterestColour, false},
        {QObject::tr("Balance at the end of the year"), kBalanceColour, true},
    }};
    const double sample = line;
    double legendWidth = 0;
    for (const Entry& entry : legend) {
        legendWidth += sample + 6 + metrics.horizontalAdvance(entry.text) + 24;
    }
    double x = (kWidth - legendWidth) / 2;
    const double legendTop = titleArea.bottom() + 4;
    for (const Entry& entry : legend) {
        const QRectF box(x, legendTop + (line - sample * 0.7) / 2, sample, sample * 0.7);
        if (entry.line) {
            painter.setPen(QPen(entry.colour, 3));
            painter.drawLine(QPointF(box.left(), box.center().y()),
                             QPointF(box.right(), box.center().y()));
        } else {
            painter.fillRect(box, entry.colour);
        }
        painter.setPen(Qt::black);
        const double textWidth = metrics.horizontalAdvance(entry.text);
        painter.drawText(QRectF(box.right() + 6, legendTop, textWidth + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        x = box.right() + 6 + textWidth + 24;
    }

    const QRectF plot(line * 1.6 + leftLabels + 10, legendTop + line * 2.2,
                      kWidth - (line * 1.6 + leftLabels + 10) - (line * 1.6 + rightLabels + 10),
                      kHeight - (legendTop + line * 2.2) - line * 3.2);

    // Gridlines and the two axes' figures; both axes share the gridlines.
    const int divisions = static_cast<int>(std::lround(paidTop / paidStep));
    for (int d = 0; d <= divisions; ++d) {
        const double y = plot.bottom() - plot.height() * d / divisions;
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() - leftLabels - 8, y - line / 2, leftLabels, line),
                         Qt::AlignRight | Qt::AlignVCenter, randText(paidStep * d));
        painter.drawText(QRectF(plot.right() + 8, y - line / 2, rightLabels + 2, line),
                         Qt::AlignLeft | Qt::AlignVCenter, randText(balanceTop * d / divisions));
    }

    // Bars: capital and interest side by side in each year's slot.
    const double slot = plot.width() / std::max(years, 1);
    const double bar = std::max(1.0, slot * 0.38);
    const int labelStep = yearLabelStep(years);
    for (int y = 0; y < years; ++y) {
        const auto index = static_cast<std::size_t>(y);
        const double left = plot.left() + slot * y + slot * 0.12;
        const auto height = [&](double value) {
            return plot.height() * std::max(0.0, value) / paidTop;
        };
        const double capital = height(schedule.YearCapital[index]);
        const double interest = height(schedule.YearInterest[index]);
        painter.fillRect(QRectF(left, plot.bottom() - capital, bar, capital), kCapitalColour);
        painter.fillRect(QRectF(left + bar, plot.bottom() - interest, bar, interest),
                         kInterestColour);
        if ((y + 1) % labelStep == 0 || y == 0) {
            painter.setPen(Qt::black);
            painter.drawText(
                QRectF(plot.left() + slot * y - 20, plot.bottom() + 4, slot + 40, line),
                Qt::AlignHCenter | Qt::AlignTop, QString::number(y + 1));
        }
    }

    // The balance: the principal at the start, then at the end of each year.
    QPainterPath path;
    const auto balanceY = [&](double value) {
        return plot.bottom() - plot.height() * std::max(0.0, value) / balanceTop;
    };
    path.moveTo(plot.left(), balanceY(principal));
    for (int y = 0; y < years; ++y) {
        path.lineTo(plot.left() + slot * (y + 1),
                    balanceY(schedule.YearBalance[static_cast<std::size_t>(y)]));
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kBalanceColour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomRight(), plot.topRight());

    // The axes' titles: the years along the bottom, the rand amounts up each side.
    painter.drawText(QRectF(plot.left(), plot.bottom() + line * 1.4, plot.width(), line),
                     Qt::AlignCenter, QObject::tr("Year"));
    const auto sideways = [&](double centreX, double angle, const QString& text) {
        painter.save();
        painter.translate(centreX, plot.center().y());
        painter.rotate(angle);
        painter.drawText(QRectF(-plot.height() / 2, -line / 2, plot.height(), line),
                         Qt::AlignCenter, text);
        painter.restore();
    };
    sideways(line * 0.8, -90, QObject::tr("Capital and interest in the year (rand)"));
    sideways(kWidth - line * 0.8, 90, QObject::tr("Balance (rand)"));
}

class LoanGraphView : public QWidget
{
public:
    LoanGraphView(const AnnualSchedule& schedule, QWidget* parent)
        : QWidget(parent), m_schedule(schedule)
    {
        setObjectName(QStringLiteral("picGraph"));
        setMinimumSize(500, 310);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QSize sizeHint() const override { return {860, 533}; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        paintLoanGraph(painter, rect(), m_schedule);
    }

private:
    const AnnualSchedule& m_schedule;
};

QPushButton* button(const QString& caption, const QString& name, QWidget* parent)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(name);
    made->setAutoDefault(false);
    return made;
}

} // namespace

void paintLoanGraph(QPainter& painter, const QRectF& area, const AnnualSchedule& schedule)
{
    if (area.isEmpty()) {
        return;
    }
    painter.save();
    // The drawing keeps its proportions, centred in the area.
    const double scale = std::min(area.width() / kWidth, area.height() / kHeight);
    painter.translate(area.center().x() - kWidth * scale / 2,
                      area.center().y() - kHeight * scale / 2);
    painter.scale(scale, scale);
    paintInOwnUnits(painter, schedule);
    painter.restore();
}

QImage loanGraphImage(const AnnualSchedule& schedule, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintLoanGraph(painter, image.rect(), schedule);
    return image;
}

bool paintLoanGraphPage(QPagedPaintDevice& device, const AnnualSchedule& schedule)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    paintLoanGraph(painter, QRectF(0, 0, page.width(), page.height()), schedule);
    return painter.end();
}

LoanGraphWindow::LoanGraphWindow(AnnualSchedule schedule, MessageSink& messages, QWidget* parent)
    : QWidget(parent), m_schedule(std::move(schedule)), m_messages(messages),
      m_graph(new LoanGraphView(m_schedule, this)),
      m_chooseFile([](QWidget* window, const QString& caption, const QString& filter) {
          return QFileDialog::getSaveFileName(window, caption, QString(), filter);
      })
{
    setObjectName(QStringLiteral("frmLoanGraph"));
    setWindowTitle(tr("Annual Graph"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* saveImageButton = button(tr("Save &picture..."), QStringLiteral("cmdSavePicture"), this);
    auto* savePdfButton = button(tr("Save as P&DF..."), QStringLiteral("cmdSavePdf"), this);
    auto* printButton = button(tr("&Print..."), QStringLiteral("cmdPrint"), this);
    auto* closeButton = button(tr("&Close"), QStringLiteral("cmdClose"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* each : {saveImageButton, savePdfButton, printButton, closeButton}) {
        buttons->addWidget(each);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_graph, 1);
    layout->addLayout(buttons);

    connect(saveImageButton, &QPushButton::clicked, this, &LoanGraphWindow::askAndSaveImage);
    connect(savePdfButton, &QPushButton::clicked, this, &LoanGraphWindow::askAndSavePdf);
    connect(printButton, &QPushButton::clicked, this, &LoanGraphWindow::printGraph);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

bool LoanGraphWindow::save(const QString& file, const std::string& what,
                           const std::function<bool(QByteArray& bytes)>& make)
{
    return writeMadeFile(
        QFile::encodeName(file).toStdString(),
        [&](std::string& bytes) {
            QByteArray made;
            if (!make(made)) {
                return false;
            }
            bytes.assign(made.constData(), static_cast<std::size_t>(made.size()));
            return true;
        },
        [&](const std::string& reason) {
            m_messages.show(
                Message{what + " \u201c" + file.toStdString() + "\u201d " +
                            (reason.empty() ? std::string("could not be written") : reason) +
                            "; the graph was not saved.",
                        kProgramTitle, MessageIcon::Error});
        });
}

bool LoanGraphWindow::saveImage(const QString& file)
{
    return save(file, "The picture", [&](QByteArray& png) {
        const QImage image = loanGraphImage(m_schedule, m_graph->size().expandedTo({960, 600}));
        QBuffer buffer(&png);
        return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
    });
}

bool LoanGraphWindow::savePdf(const QString& file)
{
    return save(file, "The PDF file", [&](QByteArray& pdf) {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setCreator(QString::fromLatin1(kPdfCreator));
        return paintLoanGraphPage(writer, m_schedule);
    });
}

void LoanGraphWindow::askAndSaveImage()
{
    const QString file =
        m_chooseFile(this, tr("Save the graph as a picture"), tr("PNG pictures (*.png)"));
    if (!file.isEmpty()) {
        saveImage(file);
    }
}

void LoanGraphWindow::askAndSavePdf()
{
    const QString file =
        m_chooseFile(this, tr("Save the graph as a PDF file"), tr("PDF files (*.pdf)"));
    if (!file.isEmpty()) {
        savePdf(file);
    }
}

void LoanGraphWindow::printGraph()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!paintLoanGraphPage(printer, m_schedule)) {
        m_messages.show(
            Message{"The graph could not be printed.", kProgramTitle, MessageIcon::Error});
    }
}

} // namespace grovan
