#pragma once

#include "Display.h"
#include "StepCoding.h"
#include "Verify.h"

#include "core/ProgramStore.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace ladrix::plc {

enum class SequenceKind {
    Open,
    Connect,
    Keys,
    Write,
    Read,
    ClearCopy,
    HighSpeedWrite,
    HighSpeedRead,
    WatchDevice,
    PollDevice,
    RunStop,
    Verify,
    Probe,
};

enum class SequenceOutcome {
    Done,
    Failed,     // the controller showed something other than what was keyed
    TimedOut,   // a key got no complete reply
    Cancelled,  // stopped at the user's request after the current step
    LinkFailed, // the port could not be opened or reported a fault
};

struct SequenceResult {
    std::uint64_t request = 0; // the request this answers (PlcSession::lastRequest())
    SequenceKind kind = SequenceKind::Keys;
    SequenceOutcome outcome = SequenceOutcome::Done;
    QString message; // the page's state text at the end ("写入已完成", "PLC连接超时", ...)
    QString dialogText;  // a message for a message box, when the outcome needs one
    int errorNumber = 0; // a run-time fault ended the operation: its number ("错误 N")
    int failedStep = -1; // the step that was refused or whose key got no reply
    int destStart = 0;   // read by keys: first program step of `steps`
    std::vector<std::pair<int, Step>> steps; // read by keys: (program step, step)
    QByteArray words;                        // high-speed read: the received bytes
    std::vector<StepDifference> differences; // verify: steps that differ
    PlcDisplay display;                      // display after the last key
    QByteArray reply;                        // keys and polls: the reply behind `display`
    bool deviceOn = false;
    int monDev = 0;

    bool ok() const { return outcome == SequenceOutcome::Done; }
};

// Write by keys: program step k goes into controller step k, from `from` to `to` or, with
// `toEnd`, to the program's END step.
struct WriteRange {
    int from = 0;
    int to = 999;
    bool toEnd = true;
};

// Read by keys: controller steps `from` to `to` (or to the first END), stored from program step
// `destStart` on.
struct ReadRange {
    int from = 0;
    int to = 999;
    int destStart = 0;
    bool stopAtEnd = true;
};

enum class ClearCopyOp { Clear, EepromToRam, RamToEeprom };

// The controller's fixed delays in the transfers, in milliseconds.
struct TransferDelays {
    int afterClearMs = 2000; // after deleting the old program
    int leadInMs = 1000;     // around the high-speed requests
    int wordGapMs = 30;      // after each word of the high-speed write
    int wordRetryMs = 300;   // a word without its answer by then is sent again
    int wordTries = 10;      // ... this many times at most
    int settleMs = 1500;     // before ending the high-speed write
    int endMs = 500;         // between the two closing bytes
    int eepromMs = 5000;     // after copying RAM to EEPROM
    int silenceMs = 500;     // a high-speed read ends after this long without new bytes

    // All delays multiplied by `factor`, for tests that are not about timing.
    TransferDelays scaled(double factor) const;
};

// Puts the steps of a read by keys into the store: the whole store is emptied first, then
// each step lands at its program step (steps beyond the last index are dropped).
void applyKeyRead(const SequenceResult& result, ProgramStore& store);
// Puts the words of a high-speed read into the store: its steps are emptied first, then the
// words become steps 0, 1, 2, ...
DecodeResult applyHighSpeedRead(const SequenceResult& result, ProgramStore& store);

// Runs an operation; a fault inside it ends it as failed with the fault's number and
// description (7 for memory, 51 for any other fault without a number of its own).
SequenceResult runGuarded(SequenceKind kind, const std::function<SequenceResult()>& task);

} // namespace ladrix::plc

Q_DECLARE_METATYPE(ladrix::plc::SequenceResult)
