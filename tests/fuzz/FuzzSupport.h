#pragma once

#include "core/LadderGrid.h"
#include "core/ProgramStore.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// What every harness shares. A harness takes one input, runs it through a reader, parser or
// decoder and checks what must hold for any input; it returns 0 like a libFuzzer target.
namespace ladrix::fuzz {

using Harness = int (*)(const std::uint8_t* data, std::size_t size);

// A property did not hold. The fuzzer programs abort, so that libFuzzer keeps the input as a
// crash; the regression test throws and reports the property instead.
[[noreturn]] void breach(const char* property, const char* file, int line);

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Writes `bytes` to `name` in a folder of this process's own and returns the file's path, for
// readers that only take files. The folder goes when the process ends.
QString scratchFile(const QString& name, const QByteArray& bytes);

// The sanitizer maps and unmaps every large block, and a pass over a whole grid costs more than
// most runs: harnesses keep their stores and grids from one input to the next and empty them,
// or only the part the last input reached.
void reset(ProgramStore& store);
void clearFirst(LadderGrid& grid, int cells);

// A text as a code-page-936 file gives it back: characters the code page lacks become "?" or,
// some invisible ones, vanish; a text written in quotes has its quotes as apostrophes.
QString throughGbk(const QString& text);

} // namespace ladrix::fuzz

#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void(0) : ::ladrix::fuzz::breach(#condition, __FILE__, __LINE__))

// The fuzzer programs are built with LADRIX_FUZZ_ENTRY_POINTS; the regression test links every
// harness into one program and calls them by name.
#ifdef LADRIX_FUZZ_ENTRY_POINTS
#define LADRIX_FUZZ_TARGET(harness)                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)              \
    {                                                                                              \
        return harness(data, size);                                                                \
    }
#else
#define LADRIX_FUZZ_TARGET(harness)
#endif
