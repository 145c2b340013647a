// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/frm_help_browser.h"

#include "core/ui/twips.h"

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPdfBookmarkModel>
#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfSearchModel>
#include <QPdfView>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace grovan {

namespace {

// The search's hits as lines of a list: the page and the words around the hit.
class HitLines : public QIdentityProxyModel
{
public:
    HitLines(QPdfSearchModel* hits, QObject* parent) : QIdentityProxyModel(parent), m_hits(hits)
    {
        setSourceModel(hits);
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
            return QIdentityProxyModel::data(index, role);
        }
        const auto text = [&](QPdfSearchModel::Role part) {
            return QIdentityProxyModel::data(index, int(part))
                .toString()
                .replace(QLatin1Char('\n'), QLatin1Char(' '))
                .replace(QChar(0x23CE), QLatin1Char(' '))
                .simplified();
        };
        const int page = QIdentityProxyModel::data(index, int(QPdfSearchModel::Role::Page)).toInt();
        return QObject::tr("Page %1: \u2026%2 %3 %4\u2026")
            .arg(page + 1)
            .arg(text(QPdfSearchModel::Role::ContextBefore), m_hits->searchString(),
                 text(QPdfSearchModel::Role::ContextAfter));
    }

private:
    QPdfSearchModel* m_hits;
};

} // namespace

frmHelpBrowser::frmHelpBrowser(const std::filesystem::path& document, QWidget* parent)
    : QWidget(parent), m_document(new QPdfDocument(this)), m_browser(new QPdfView(this)),
      m_bookmarks(new QPdfBookmarkModel(this)), m_hits(new QPdfSearchModel(this)),
      m_panes(new QSplitter(Qt::Horizontal, this)), m_outline(new QTreeView(this)),
      m_search(new QLineEdit(this)), m_results(new QListView(this))
{
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowTitle(QStringLiteral("Grovan Help"));
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_browser->setPageMode(QPdfView::PageMode::MultiPage);
    m_browser->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_browser->setDocument(m_document);

    m_bookmarks->setDocument(m_document);
    m_outline->setObjectName(QStringLiteral("trvOutline"));
    m_outline->setModel(m_bookmarks);
    m_outline->setHeaderHidden(true);
    m_outline->setUniformRowHeights(true);
    m_outline->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_outline->setAccessibleName(tr("Contents"));
    connect(m_outline, &QTreeView::activated, this, &frmHelpBrowser::goToBookmark);
    connect(m_outline, &QTreeView::clicked, this, &frmHelpBrowser::goToBookmark);

    m_hits->setDocument(m_document);
    m_search->setObjectName(QStringLiteral("txtSearch"));
    m_search->setPlaceholderText(tr("Search the help"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search the help"));
    m_results->setObjectName(QStringLiteral("lstSearchResults"));
    m_results->setModel(new HitLines(m_hits, this));
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setWordWrap(true);
    m_results->setVisible(false);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_hits->setSearchString(text.trimmed());
        m_results->setVisible(!text.trimmed().isEmpty());
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->model()->rowCount() > 0) {
            m_results->setCurrentIndex(m_results->model()->index(0, 0));
            goToResult(m_results->currentIndex());
        }
    });
    connect(m_results, &QListView::activated, this, &frmHelpBrowser::goToResult);
    connect(m_results, &QListView::clicked, this, &frmHelpBrowser::goToResult);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, m_search, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });

    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("helpSide"));
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(m_results, 1);
    sideLayout->addWidget(m_outline, 2);
    m_panes->setObjectName(QStringLiteral("helpPanes"));
    m_panes->addWidget(side);
    m_panes->addWidget(m_browser);
    m_panes->setStretchFactor(0, 1);
    m_panes->setStretchFactor(1, 3);
    m_panes->setChildrenCollapsible(false);

    // A document that cannot be read leaves the panes empty; the status says why.
    m_document->load(QString::fromStdString(document.string()));
}

void frmHelpBrowser::goTo(int page, QPointF location)
{
    m_browser->pageNavigator()->jump(page, {}, 0);
    // The view now shows the page's top edge at its top; the place lies lower by its distance
    // from the page's top at the view's scale (the page fills the view's width). It goes to the
    // top of the view, or as near as keeps the page the view's current one, which is the page
    // at two fifths of the view's height.
    const QSizeF pagePoints = m_document->pagePointSize(page);
    const QMargins margins = m_browser->documentMargins();
    const int width = m_browser->viewport()->width() - margins.left() - margins.right();
    if (pagePoints.width() <= 0 || width <= 0) {
        return;
    }
    const double scale = width / pagePoints.width();
    QScrollBar* scroll = m_browser->verticalScrollBar();
    const int pageTop = scroll->value();
    const int lastKeepingThePage =
        pageTop + qRound(pagePoints.height() * scale - m_browser->viewport()->height() * 0.4) - 4;
    scroll->setValue(
        std::max(pageTop, std::min(pageTop + qRound(location.y() * scale), lastKeepingThePage)));
}

void frmHelpBrowser::goToBookmark(const QModelIndex& index)
{
    if (!index.isValid()) {
        return;
    }
    goTo(index.data(int(QPdfBookmarkModel::Role::Page)).toInt(),
         index.data(int(QPdfBookmarkModel::Role::Location)).toPointF());
}

void frmHelpBrowser::goToResult(const QModelIndex& index)
{
    if (!index.isValid()) {
        return;
    }
    goTo(index.data(int(QPdfSearchModel::Role::Page)).toInt(),
         index.data(int(QPdfSearchModel::Role::Location)).toPointF());
}

void frmHelpBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int margin = twipsToPixels(100, this);
    m_panes->setGeometry(margin / 2, margin / 2, std::max(0, width() - margin),
                         std::max(0, height() - margin));
}

} // namespace grovan
