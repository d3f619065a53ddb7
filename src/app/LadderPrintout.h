#pragma once

#include <QDateTime>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPrinter;

namespace ladrix {

class LadderGrid;

// One thing printed on a ladder page, in twips from the page's top-left corner: a grid cell
// (`index`) drawn into its slot `box`, a power rail down the left side of `box`, or a text
// written from the top-left corner of `box`.
struct LadderPrintItem {
    enum Kind { CellSlot, Rail, Text };
    Kind kind = CellSlot;
    int index = 0;
    QRectF box;
    QString text;
    bool operator==(const LadderPrintItem&) const = default;
};

// The ladder printout: 25 grid rows a page, cell by cell, up to the cell whose function box
// reads END (at most 33 pages), with the project name, the time printed and page numbers.
class LadderPrintout final {
public:
    static constexpr int kRowsPerPage = 25;
    static constexpr int kMaxPages = 33;

    LadderPrintout(const QString& projectName, const LadderGrid& grid, const QDateTime& printedAt);

    int pageCount() const { return m_pages; }
    QList<LadderPrintItem> page(int p) const;

    // Draws page p; `twipsToPixels` converts page twips to the painter's device pixels.
    void paintPage(QPainter& painter, int p, qreal twipsToPixels) const;
    // Prints every page on the printer; false with the reason when it cannot start or finish.
    bool print(QPrinter& printer, QString& error) const;

private:
    const QString m_projectName;
    const LadderGrid& m_grid;
    const QString m_printedAt;
    int m_pages = kMaxPages;
};

} // namespace ladrix
