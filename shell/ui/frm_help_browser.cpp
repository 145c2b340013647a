#include "shell/ui/frm_help_browser.h"

#include "core/ui/twips.h"

#include <QPdfDocument>
#include <QPdfView>

namespace grovan {

frmHelpBrowser::frmHelpBrowser(const std::filesystem::path& document, QWidget* parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_browser(new QPdfView(this))
{
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowTitle(QStringLiteral("Grovan Help"));
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_browser->setPageMode(QPdfView::PageMode::MultiPage);
    m_browser->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_browser->setDocument(m_document);
    // A document that cannot be read leaves the view empty; the status says why.
    m_document->load(QString::fromStdString(document.string()));
}

void frmHelpBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int margin = twipsToPixels(100, this);
    m_browser->setGeometry(margin / 2, margin / 2, std::max(0, width() - margin),
                           std::max(0, height() - margin));
}

} // namespace grovan
