#pragma once

#include <QList>
#include <QPointF>
#include <QString>

class QPainter;
class QPrinter;
class QSizeF;

namespace ladrix {

class ProgramStore;

// One text of a printed page, placed by its top-left corner in millimetres on an A4 page.
struct PrintText {
    QPointF at;
    QString text;
    bool operator==(const PrintText&) const = default;
};

// The instruction-list printout: step number, mnemonic and operand of every step up to the
// END step, four columns of 43 lines a page, with the project name and page numbers.
class InsListPrintout final {
public:
    static constexpr int kLines = 43;
    static constexpr int kColumns = 4;
    static constexpr int kStepsPerPage = kLines * kColumns;

    // `toEnd` stops at the END step; otherwise the printout runs to the model's last step.
    explicit InsListPrintout(const ProgramStore& store, bool toEnd = true);

    int lastStep() const { return m_last; }
    int pageCount() const;
    // Everything page p (from 0) shows.
    QList<PrintText> page(int p) const;

    // Draws page p on a page of `paper` device pixels, in the painter's current font.
    void paintPage(QPainter& painter, int p, const QSizeF& paper) const;
    // Prints every page on the printer; false with the reason when it cannot start or finish.
    bool print(QPrinter& printer, QString& error) const;

private:
    const ProgramStore& m_store;
    int m_last;
};

} // namespace ladrix
