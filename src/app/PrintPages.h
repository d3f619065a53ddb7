#pragma once

#include <QString>
#include <functional>

class QPainter;
class QPrinter;

namespace ladrix {

// Prints `pages` pages on the whole paper of the printer, each drawn by `paintPage`; false
// with the reason when the printer cannot start or finish the job.
bool printPages(QPrinter& printer, const QString& docName, int pages,
                const std::function<void(QPainter& painter, int page)>& paintPage, QString& error);

} // namespace ladrix
