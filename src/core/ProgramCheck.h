#pragma once

#include "ProgramStore.h"

#include <QList>
#include <QString>

namespace ladrix {

// What a check message is about.
enum class CheckKind {
    Line,       // the step on its own: what the editor refuses when the line is typed
    Block,      // blocks and contacts: LD without ANB/ORB, ANB/ORB without two blocks, ...
    Constant,   // a timer or counter OUT and its K step
    End,        // END missing, or steps after it
    Pairing,    // MC/MCR, CJP/EJP, STL/RET
    DoubleCoil, // one device driven by two outputs
};

struct CheckMessage {
    int step = 0;
    CheckKind kind = CheckKind::Line;
    QString text;

    bool operator==(const CheckMessage&) const = default;
};

// A step counts for the program when its mnemonic or operand holds more than blanks.
bool stepHasContent(const Step& step);

// The last step of the program: the first END step, otherwise the last step with content;
// -1 when no step has content.
int programLastStep(const ProgramStore& store);

// Why the editor would refuse step's line "mnemonic operand"; empty when it would accept it.
// A stored mnemonic that the line would not give back (two words, none before an operand) or
// an operand with text the line would cut off is refused as well.
QString lineFault(const Step& step);

// Checks steps 0 to programLastStep(): each line as lineFault does, then the program's
// structure. Messages are in step order.
QList<CheckMessage> checkProgram(const ProgramStore& store);

// "0012: message", as the check report and the command-line tool show it.
QString checkLine(const CheckMessage& message);

} // namespace ladrix
