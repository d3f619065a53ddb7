#pragma once

#include "SequenceRunner.h"
#include "SequenceTypes.h"

#include "core/ProgramStore.h"

#include <vector>

// The online operations as key sequences. Each runs to its end on the calling thread (its
// waits run that thread's event loop) and returns what happened; progress goes through the
// runner's reporter. Any key that gets no reply ends the operation with a time-out.
namespace ladrix::plc::seq {

// Ends a write that cannot store program step k: "写入失败" and the message naming the step.
SequenceResult stepRefused(SequenceResult r, int k, const Step& step, SequenceRunner& run);

// 166 (its reply ignored), then CLEAR: connected when CLEAR is answered.
SequenceResult connectPlc(SequenceRunner& run);

// The keys in order; every key is exchanged even after a time-out, none after a port fault.
SequenceResult sendKeys(SequenceRunner& run, const std::vector<std::uint8_t>& codes);

// Clears the controller's program by keys, then enters the steps of the range one by one,
// checking the display before storing each with WRITE. Fails at once, touching nothing, when
// the range is empty or holds a program step past 999, which keys cannot reach.
SequenceResult writeByKeys(SequenceRunner& run, const ProgramStore& program, WriteRange range);

// Reads steps with "+" after positioning the controller on the step before the first one (999
// for step 0). A range past step 999 that finds no END in the steps keys reach ends as failed,
// keeping the steps read; a range that starts past 999, or ends before it starts, fails before
// any key.
SequenceResult readByKeys(SequenceRunner& run, ReadRange range, int maxStep);

SequenceResult clearOrCopy(SequenceRunner& run, ClearCopyOp op);

// Run (MONITOR mode) or stop (PROGRAM mode).
SequenceResult setRunMode(SequenceRunner& run, bool running);

// Keys the number of a device-tree node in for watching; the result carries its MonDev.
SequenceResult watchDevice(SequenceRunner& run, const QString& nodeText);

// One poll of the watched device: the number field (empty when blank) and the lamp.
SequenceResult pollDevice(SequenceRunner& run, int monDev);

// Sends steps 0 to END as words; refuses, before sending anything, a program with a step whose
// word would stand for another number (K 1000, K 1.5).
SequenceResult highSpeedWrite(SequenceRunner& run, const ProgramStore& program);
// Reads the words of steps 0 to the controller's END. A lone byte at the end, or more words than
// the store holds, fail the read.
SequenceResult highSpeedRead(SequenceRunner& run, int plcType);

// Reads the controller's program at high speed and lists where it differs from `project`;
// nothing is written to either.
SequenceResult verifyProgram(SequenceRunner& run, const ProgramStore& project);

} // namespace ladrix::plc::seq
