// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/pdf_library.h"
#include "core/ui/report_page_painter.h"

#include <QGuiApplication>

#include <iostream>
#include <string_view>
#include <type_traits>

namespace {

// Qt's own notes (a missing runtime folder and the like) are not the user's business here; what
// the printout needs to say, grovan-cli says.
void onlyCriticalQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::cerr << "grovan-cli: " << text.toStdString() << '\n';
    }
}

// The report pages need a GUI application; the first printout makes one, offscreen unless the
// environment names another platform, and keeps it to the end of the program. It is never
// destroyed: at exit Qt's own globals may already be gone.
void ensureGuiApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qInstallMessageHandler(onlyCriticalQtMessages);
    static int argc = 1;
    static char name[] = "grovan-cli";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static const auto* application = new QGuiApplication(argc, argv);
}

} // namespace

extern "C" Q_DECL_EXPORT bool grovan_paint_report_pdf_1(const grovan::RenderedReport& report,
                                                        std::string& pdf)
{
    ensureGuiApplication();
    return grovan::paintReportPdf(report, pdf);
}

// The name above is the one grovan-cli asks for.
static_assert(std::string_view(grovan::pdf_library::kPaintSymbol) == "grovan_paint_report_pdf_1");
static_assert(
    std::is_same_v<decltype(&grovan_paint_report_pdf_1), grovan::pdf_library::PaintReport>);
