#pragma once

#include <QWidget>

#include <filesystem>

class QPdfDocument;
class QPdfView;

namespace grovan {

/// The help window: the program's help document in a PDF view that fills the window less a
/// margin of 100 twips across and down. A missing or unreadable document leaves the view empty.
class frmHelpBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelpBrowser(const std::filesystem::path& document, QWidget* parent = nullptr);

    QPdfDocument* document() const { return m_document; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPdfDocument* m_document = nullptr;
    QPdfView* m_browser = nullptr;
};

} // namespace grovan
