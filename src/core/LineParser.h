#pragma once

#include "ProgramStore.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace ladrix {

// Most operands a typed line may carry.
inline constexpr int kMaxOperands = 256;

// Cuts a typed line into mnemonic, operands and comment. `line` is trimmed and lowered in
// place; `rem` is only set when the line has an apostrophe. Returns the operand count.
// Throws RuntimeError(SubscriptOutOfRange) for more than 256 operands.
int splitLine(QString& line, QString& ins, QString& rem, QStringList& args);

// Checks a mnemonic and its first operand; returns "" when acceptable, else the message.
// `ins` is lowered, and raised to upper case again when an operand is checked.
// Throws RuntimeError(Overflow) for a device number beyond 16 bits.
QString checkIns(QString& ins, const QString& data);

// Why a typed line was refused: a check message, shown with the application's title, or a
// run-time fault (too many operands, overflow), shown as "错误 N".
struct LineError {
    bool runtime = false;
    int number = 0;
    QString text;
};

// Turns a row's text into step `step`, or leaves the step alone and says why not.
// A line that is only a comment ("'text") stores an empty step with that comment.
std::optional<LineError> commitLine(const QString& text, Step& step);

} // namespace ladrix
