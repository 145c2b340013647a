// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "finance/loan_schedule.h"

#include <QByteArray>
#include <QWidget>

#include <functional>
#include <string>

class QPainter;
class QPagedPaintDevice;
class QPushButton;

namespace grovan {

class MessageSink;

/// Draws a loan's year-by-year schedule: for each year a bar of the capital repaid and one of
/// the interest paid (left axis, rand), and a line of the balance from the principal at the start
/// down to the balance at the end of each year (right axis, rand), under a legend. `area` is in
/// the painter's coordinates; the drawing fits any size from a window to a printed page.
void paintLoanGraph(QPainter& painter, const QRectF& area, const AnnualSchedule& schedule);

/// The picture of the graph, `size` pixels (white background).
QImage loanGraphImage(const AnnualSchedule& schedule, const QSize& size);

/// The graph on one landscape page of `device` (a PDF writer or a printer). False when the device
/// cannot be painted on.
bool paintLoanGraphPage(QPagedPaintDevice& device, const AnnualSchedule& schedule);

/// The annual graph's window (`frmLoanGraph`, "Annual Graph"): the graph of the schedule it was
/// handed, drawn to the window's size, with "Save &picture..." (PNG), "Save as P&DF..." (one A4
/// landscape page), "&Print..." and "&Close". A file that cannot be written is told through the
/// message sink; nothing is ever written over a folder, a device or anything else that is not an
/// ordinary file.
class LoanGraphWindow : public QWidget
{
    Q_OBJECT

public:
    /// Asks for the name of a file to save: the window, the dialog's caption and its filter; an
    /// empty name cancels.
    using FileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;

    /// `messages` must outlive the window.
    LoanGraphWindow(AnnualSchedule schedule, MessageSink& messages, QWidget* parent = nullptr);

    const AnnualSchedule& schedule() const { return m_schedule; }

    /// Writes the graph as a PNG picture of the window's graph size (at least 960 x 600 pixels).
    /// As every file the program writes: whole or not at all, and never over a device, a pipe, a
    /// link or a write-protected file; false (the user is told why) when it cannot be written.
    bool saveImage(const QString& file);
    /// Writes the graph as a one-page PDF file, as saveImage writes its picture.
    bool savePdf(const QString& file);

    /// Replaces the file dialog (tests use this so that nothing modal opens).
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    QWidget* graph() const { return m_graph; }

private:
    void askAndSaveImage();
    void askAndSavePdf();
    void printGraph();
    // Makes `file` of the bytes `make` puts into its argument, as writeMadeFile does: the name
    // checked before the graph is drawn, then whole or not at all, never over a device, a pipe, a
    // link or a write-protected file. False (the user is told why, `what` naming the file's kind)
    // when it cannot.
    bool save(const QString& file, const std::string& what,
              const std::function<bool(QByteArray& bytes)>& make);

    AnnualSchedule m_schedule;
    MessageSink& m_messages;
    QWidget* m_graph;
    FileChooser m_chooseFile;
};

} // namespace grovan
