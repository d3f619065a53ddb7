#pragma once

#include "core/ProgramStore.h"

#include <QString>
#include <ostream>

// Readable failure output for the texts and steps the tests compare.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace ladrix {

inline void PrintTo(const Step& s, std::ostream* os)
{
    *os << "{\"" << s.ins.toStdString() << "\", \"" << s.data.toStdString() << "\", \""
        << s.rem.toStdString() << "\"}";
}

} // namespace ladrix
