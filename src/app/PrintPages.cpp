#include "PrintPages.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace ladrix {

bool printPages(QPrinter& printer, const QString& docName, int pages,
                const std::function<void(QPainter& painter, int page)>& paintPage, QString& error)
{
    // Positions are measured from the paper's corner, not from the printable area.
    printer.setFullPage(true);
    printer.setDocName(docName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QCoreApplication::translate("PrintPages",
                                            "无法开始打印：没有可用的打印机，或打印机无法使用。");
        return false;
    }
    bool allPages = true;
    for (int p = 0; p < pages && allPages; ++p) {
        allPages = p == 0 || printer.newPage();
        if (allPages)
            paintPage(painter, p);
    }
    if (!painter.end() || !allPages) {
        error = QCoreApplication::translate("PrintPages", "打印未能完成。");
        return false;
    }
    return true;
}

} // namespace ladrix
