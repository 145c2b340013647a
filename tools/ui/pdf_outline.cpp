// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/pdf_outline.h"

#include <QRegularExpression>

#include <map>
#include <optional>

namespace grovan::tools {

namespace {

// The objects of a PDF file by number, read through its cross-reference table, and what its
// trailer says.
class PdfFile
{
public:
    explicit PdfFile(const QByteArray& data) : m_data(data) {}

    bool read()
    {
        const qsizetype start = m_data.lastIndexOf("startxref");
        if (start < 0) {
            return false;
        }
        bool ok = false;
        m_xref = QString::fromLatin1(m_data.mid(start + 9, 24))
                     .trimmed()
                     .section('\n', 0, 0)
                     .trimmed()
                     .toLongLong(&ok);
        if (!ok || !m_data.mid(m_xref).startsWith("xref")) {
            return false;
        }
        // Subsections "first count", then count entries of 20 bytes each.
        qsizetype at = m_data.indexOf('\n', m_xref) + 1;
        static const QRegularExpression subsection(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
        while (at > 0 && at < m_data.size() && !m_data.mid(at).startsWith("trailer")) {
            const qsizetype end = m_data.indexOf('\n', at);
            const auto match = subsection.match(QString::fromLatin1(m_data.mid(at, end - at)));
            if (!match.hasMatch()) {
                return false;
            }
            const int first = match.captured(1).toInt();
            const int count = match.captured(2).toInt();
            at = end + 1;
            for (int i = 0; i < count; ++i, at += 20) {
                const QByteArray entry = m_data.mid(at, 18);
                if (entry.endsWith('n')) {
                    m_offsets[first + i] = entry.left(10).toLongLong();
                }
            }
        }
        const qsizetype trailer = m_data.indexOf("trailer", m_xref);
        if (trailer < 0) {
            return false;
        }
        m_trailer = m_data.mid(trailer + 7, start - trailer - 7);
        m_size = number(m_trailer, "/Size");
        m_root = reference(m_trailer, "/Root");
        return m_size > 0 && m_root > 0;
    }

    /// What stands between "N 0 obj" and "endobj", trimmed; empty when there is no such object.
    QByteArray object(int number) const
    {
        const auto found = m_offsets.find(number);
        if (found == m_offsets.end()) {
            return {};
        }
        const qsizetype begin = m_data.indexOf("obj", found->second);
        const qsizetype end = m_data.indexOf("endobj", begin);
        if (begin < 0 || end < 0) {
            return {};
        }
        return m_data.mid(begin + 3, end - begin - 3).trimmed();
    }

    /// The page objects' numbers in page order, through the page tree.
    std::vector<int> pages() const
    {
        std::vector<int> found;
        collectPages(reference(object(m_root), "/Pages"), found, 0);
        return found;
    }

    /// The number after `key` in `text`, or 0.
    static long long number(const QByteArray& text, const char* key)
    {
        const QRegularExpression pattern(QRegularExpression::escape(QString::fromLatin1(key)) +
                                         QStringLiteral("\\s+(\\d+)"));
        const auto match = pattern.match(QString::fromLatin1(text));
        return match.hasMatch() ? match.captured(1).toLongLong() : 0;
    }

    /// The object `key` refers to ("/Key N 0 R") in `text`, or 0.
    static int reference(const QByteArray& text, const char* key)
    {
        const QRegularExpression pattern(QRegularExpression::escape(QString::fromLatin1(key)) +
                                         QStringLiteral("\\s+(\\d+)\\s+0\\s+R"));
        const auto match = pattern.match(QString::fromLatin1(text));
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    /// Every "N 0 R" in `text`, in order.
    static std::vector<int> references(const QByteArray& text)
    {
        static const QRegularExpression pattern(QStringLiteral("(\\d+)\\s+0\\s+R"));
        std::vector<int> found;
        auto matches = pattern.globalMatch(QString::fromLatin1(text));
        while (matches.hasNext()) {
            found.push_back(matches.next().captured(1).toInt());
        }
        return found;
    }

    int size() const { return static_cast<int>(m_size); }
    int root() const { return m_root; }
    long long xref() const { return m_xref; }
    const QByteArray& trailer() const { return m_trailer; }

private:
    void collectPages(int node, std::vector<int>& found, int depth) const
    {
        const QByteArray body = object(node);
        if (body.isEmpty() || depth > 32) {
            return;
        }
        if (!body.contains("/Kids")) {
            found.push_back(node);
            return;
        }
        const qsizetype kids = body.indexOf("/Kids");
        const qsizetype open = body.indexOf('[', kids);
        const qsizetype close = body.indexOf(']', open);
        for (const int kid : references(body.mid(open, close - open))) {
            collectPages(kid, found, depth + 1);
        }
    }

    const QByteArray& m_data;
    long long m_xref = 0;
    long long m_size = 0;
    int m_root = 0;
    QByteArray m_trailer;
    std::map<int, long long> m_offsets;
};

// A text string of the outline, in UTF-16 with its byte order mark, as hexadecimal.
QByteArray pdfText(const QString& text)
{
    QByteArray out = "<FEFF";
    for (const QChar c : text) {
        out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    }
    return out + ">";
}

QByteArray pdfNumber(double value)
{
    return QByteArray::number(value, 'f', 2);
}

QByteArray destination(int pageObject, const PdfPlace& place)
{
    return "[" + QByteArray::number(pageObject) + " 0 R /XYZ " + pdfNumber(place.x) + " " +
           pdfNumber(place.y) + " null]";
}

QByteArray ref(int number)
{
    return QByteArray::number(number) + " 0 R";
}

// `body`, a dictionary "<< ... >>", with `entries` added before its end.
QByteArray withEntries(const QByteArray& body, const QByteArray& entries)
{
    const qsizetype end = body.lastIndexOf(">>");
    return body.left(end) + entries + "\n" + body.mid(end);
}

} // namespace

QByteArray withOutlineAndLinks(const QByteArray& pdf, const std::vector<PdfOutlineEntry>& outline,
                               const std::vector<PdfLink>& links)
{
    PdfFile file(pdf);
    if (!file.read()) {
        return {};
    }
    const std::vector<int> pages = file.pages();
    const auto pageObject = [&pages](int page) {
        return page >= 0 && page < static_cast<int>(pages.size()) ? pages[std::size_t(page)] : 0;
    };
    int next = file.size();
    std::map<int, QByteArray> objects; // written anew or added, by number

    // The outline: a root and one item per entry, each under the last entry of a lower level.
    const int outlineRoot = next++;
    std::vector<int> numbers;
    std::vector<int> parents;
    std::vector<std::vector<std::size_t>> children(outline.size() + 1);
    {
        std::vector<std::pair<int, std::size_t>> open; // (level, entry + 1), innermost last
        for (std::size_t i = 0; i < outline.size(); ++i) {
            numbers.push_back(next++);
            while (!open.empty() && open.back().first >= outline[i].level) {
                open.pop_back();
            }
            const std::size_t parent = open.empty() ? 0 : open.back().second;
            children[parent].push_back(i);
            parents.push_back(parent == 0 ? outlineRoot : numbers[parent - 1]);
            open.emplace_back(outline[i].level, i + 1);
        }
    }
    const auto links_of = [&](std::size_t parent) -> QByteArray {
        const std::vector<std::size_t>& list = children[parent];
        if (list.empty()) {
            return {};
        }
        // Chapters stand closed: a negative count of their items.
        return "/First " + ref(numbers[list.front()]) + " /Last " + ref(numbers[list.back()]) +
               " /Count " + QByteArray::number(parent == 0 ? int(list.size()) : -int(list.size()));
    };
    objects[outlineRoot] = "<< /Type /Outlines " + links_of(0) + " >>";
    for (std::size_t parent = 0; parent <= outline.size(); ++parent) {
        const std::vector<std::size_t>& list = children[parent];
        for (std::size_t k = 0; k < list.size(); ++k) {
            const std::size_t i = list[k];
            QByteArray item =
                "<< /Title " + pdfText(outline[i].title) + " /Parent " + ref(parents[i]) + " ";
            if (k > 0) {
                item += "/Prev " + ref(numbers[list[k - 1]]) + " ";
            }
            if (k + 1 < list.size()) {
                item += "/Next " + ref(numbers[list[k + 1]]) + " ";
            }
            item += links_of(i + 1) + " /Dest " +
                    destination(pageObject(outline[i].place.page), outline[i].place) + " >>";
            objects[numbers[i]] = item;
        }
    }
    objects[file.root()] = withEntries(file.object(file.root()),
                                       "/Outlines " + ref(outlineRoot) + " /PageMode /UseOutlines");

    // The links, each added to the annotations of its page.
    std::map<int, std::vector<int>> added; // page object -> new annotations
    for (const PdfLink& link : links) {
        const int annotation = next++;
        const QRectF& r = link.rect;
        objects[annotation] = "<< /Type /Annot /Subtype /Link /Rect [" + pdfNumber(r.left()) + " " +
                              pdfNumber(r.top()) + " " + pdfNumber(r.right()) + " " +
                              pdfNumber(r.bottom()) + "] /Border [0 0 0] /Dest " +
                              destination(pageObject(link.target.page), link.target) + " >>";
        added[pageObject(link.page)].push_back(annotation);
    }
    for (const auto& [page, annotations] : added) {
        QByteArray refs;
        for (const int annotation : annotations) {
            refs += " " + ref(annotation);
        }
        QByteArray body = file.object(page);
        if (const int array = PdfFile::reference(body, "/Annots"); array > 0) {
            const QByteArray old = file.object(array);
            objects[array] = old.left(old.lastIndexOf(']')) + refs + " ]";
        } else if (const qsizetype at = body.indexOf("/Annots"); at >= 0) {
            const qsizetype close = body.indexOf(']', at);
            objects[page] = body.left(close) + refs + " " + body.mid(close);
        } else {
            objects[page] = withEntries(body, "/Annots [" + refs + " ]");
        }
    }

    // The update: the objects, a cross-reference section of them and a trailer pointing back.
    QByteArray out = pdf;
    if (!out.endsWith('\n')) {
        out += '\n';
    }
    std::map<int, long long> offsets;
    for (const auto& [number, body] : objects) {
        offsets[number] = out.size();
        out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    const long long xref = out.size();
    out += "xref\n";
    for (auto run = offsets.begin(); run != offsets.end();) {
        auto end = run;
        int count = 0;
        while (end != offsets.end() && end->first == run->first + count) {
            ++end;
            ++count;
        }
        out += QByteArray::number(run->first) + " " + QByteArray::number(count) + "\n";
        for (auto entry = run; entry != end; ++entry) {
            out += QByteArray::number(entry->second).rightJustified(10, '0') + " 00000 n \n";
        }
        run = end;
    }
    QByteArray trailer = "<< /Size " + QByteArray::number(next) + " /Root " + ref(file.root()) +
                         " /Prev " + QByteArray::number(file.xref());
    if (const int info = PdfFile::reference(file.trailer(), "/Info"); info > 0) {
        trailer += " /Info " + ref(info);
    }
    if (const qsizetype id = file.trailer().indexOf("/ID"); id >= 0) {
        trailer += " " + file.trailer().mid(id, file.trailer().indexOf(']', id) - id + 1);
    }
    out += "trailer\n" + trailer + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

} // namespace grovan::tools
