// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QWidget>

#include <filesystem>

class QLineEdit;
class QListView;
class QModelIndex;
class QPdfBookmarkModel;
class QPdfDocument;
class QPdfSearchModel;
class QPdfView;
class QSplitter;
class QTreeView;

namespace grovan {

/// The help window: the program's help document, its pages in a PDF view (`brwWebBrowser`) and
/// beside them its outline of chapters and sections (`trvOutline`) under a search box
/// (`txtSearch`, Ctrl+F) whose hits (`lstSearchResults`, the page and the words around each) take
/// the pages there when chosen, as an outline entry does. The two panes (`helpPanes`) fill the
/// window less a margin of 100 twips across and down. A missing or unreadable document leaves
/// them empty.
class frmHelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelpBrowser(const std::filesystem::path& document, QWidget* parent = nullptr);

    QPdfDocument* document() const { return m_document; }
    QPdfView* pages() const { return m_browser; }
    QTreeView* outline() const { return m_outline; }
    QLineEdit* searchBox() const { return m_search; }
    QListView* searchResults() const { return m_results; }

    /// Shows page `page` (from 0) with `location` (in points from the page's top-left corner) at
    /// the top of the view, or as near it as keeps that page the view's current one.
    void goTo(int page, QPointF location);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void goToBookmark(const QModelIndex& index);
    void goToResult(const QModelIndex& index);

    QPdfDocument* m_document = nullptr;
    QPdfView* m_browser = nullptr;
    QPdfBookmarkModel* m_bookmarks = nullptr;
    QPdfSearchModel* m_hits = nullptr;
    QSplitter* m_panes = nullptr;
    QTreeView* m_outline = nullptr;
    QLineEdit* m_search = nullptr;
    QListView* m_results = nullptr;
};

} // namespace grovan
