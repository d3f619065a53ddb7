#include "Sequences.h"

#include "KeyCodes.h"
#include "PlcTexts.h"
#include "StepCoding.h"

#include "core/NumberReading.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace ladrix::plc::seq {
namespace {

// The controller's keys reach three-digit step numbers only.
constexpr int kLastKeyedStep = 999;

SequenceResult started(SequenceKind kind)
{
    SequenceResult r;
    r.kind = kind;
    return r;
}

// Ends a sequence at a key that failed; what was done so far stays in `r`.
SequenceResult keyFailed(SequenceResult r, const KeyResult& k, SequenceRunner& run)
{
    const bool link = k.outcome == KeyOutcome::LinkFailed;
    r.outcome = link ? SequenceOutcome::LinkFailed : SequenceOutcome::TimedOut;
    r.message = link ? text::connectFailed() : text::timedOut();
    r.dialogText = k.error;
    r.display = k.display;
    run.message(r.message);
    return r;
}

SequenceResult done(SequenceResult r, const QString& message, SequenceRunner& run)
{
    r.message = message;
    r.display = run.display();
    run.message(message);
    return r;
}

// Ends a request that cannot be carried out before any key is sent.
SequenceResult refused(SequenceResult r, const QString& message, const QString& why,
                       SequenceRunner& run)
{
    r.outcome = SequenceOutcome::Failed;
    r.dialogText = why;
    return done(r, message, run);
}

bool hasKeysOnly(const QString& number)
{
    return std::ranges::all_of(number,
                               [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.'; });
}

QString zeroFilled(int n)
{
    QString s = QString::number(n);
    return padZero(s, 3);
}

} // namespace

SequenceResult stepRefused(SequenceResult r, int k, const Step& step, SequenceRunner& run)
{
    r.outcome = SequenceOutcome::Failed;
    r.failedStep = k;
    r.dialogText = text::cannotWriteStep(k, step.ins, step.data);
    return done(r, text::writeFailed(), run);
}

SequenceResult connectPlc(SequenceRunner& run)
{
    SequenceResult r = started(SequenceKind::Connect);
    run.message(text::waitingForPlc());
    run.key(cmd::Hello);
    const KeyResult k = run.key(key::Clear);
    if (!k.ok())
        return keyFailed(r, k, run);
    return done(r, text::connected(), run);
}

SequenceResult sendKeys(SequenceRunner& run, const std::vector<std::uint8_t>& codes)
{
    SequenceResult r = started(SequenceKind::Keys);
    for (std::uint8_t code : codes) {
        const KeyResult k = run.key(code);
        if (k.outcome == KeyOutcome::LinkFailed) {
            // The port is gone or refuses bytes: the keys after this one cannot go out.
            r.outcome = SequenceOutcome::LinkFailed;
            r.dialogText = k.error;
            break;
        }
        if (!k.ok())
            r.outcome = SequenceOutcome::TimedOut;
    }
    r.display = run.display();
    r.reply = run.reply();
    return r;
}

SequenceResult writeByKeys(SequenceRunner& run, const ProgramStore& program, WriteRange range)
{
    SequenceResult r = started(SequenceKind::Write);
    int start = range.from;
    int count = range.toEnd ? program.getEndStep() - range.from : range.to - range.from;
    // Nothing to write would still clear the controller's program and call that done.
    if (count < 0)
        return refused(r, text::writeFailed(), text::emptyRange(start, start + count), run);
    const int progressMax = start + count;
    run.progress(start, start, progressMax);

    // Keys reach controller steps up to 999; a program step past that in the range would be
    // left out silently, so the write fails before the controller's program is cleared.
    const int requestedLast = std::min(start + count, program.maxStep());
    for (int i = std::max(start, kLastKeyedStep + 1); i <= requestedLast; ++i) {
        const Step& step = program.step(i);
        if (!step.ins.trimmed().isEmpty()) {
            return stepRefused(r, i, step, run);
        }
    }

    run.message(text::preparingPlc());
    const int last = std::min(program.maxStep(), kLastKeyedStep);
    if (start > last || start < 0)
        start = 0;
    if (start + count > last)
        count = last - start;

    run.message(text::clearingOld());
    KeyResult k = run.keys(
        {key::Ori9, key::Clear, key::Step, key::Nop0, key::Step, key::Ori9, key::Ori9, key::Ori9});
    if (!k.ok())
        return keyFailed(r, k, run);
    // The controller may answer the deletion only when it is done; the CLEAR after its delay
    // tells whether it is still there.
    if ((k = run.key(key::Del)).outcome == KeyOutcome::LinkFailed)
        return keyFailed(r, k, run);
    run.waitMs(run.delays().afterClearMs);
    if (!(k = run.key(key::Clear)).ok())
        return keyFailed(r, k, run);

    run.message(text::preparingWrite());
    if (!(k = run.key(key::Step)).ok() || !(k = run.digits(zeroFilled(start))).ok() ||
        !(k = run.key(key::Instr)).ok())
        return keyFailed(r, k, run);

    DataKeys dataKeys{};
    for (int i = start; i <= start + count; ++i) {
        const Step& step = program.step(i);
        r.failedStep = i; // the step a key failure stops at
        run.message(text::writingStep(i, step.ins, step.data));
        // No key stands for such a character; the display could never match it.
        if (!step.data.trimmed().isEmpty() && !hasKeysOnly(keyedNumber(step)))
            return stepRefused(r, i, step, run);
        for (std::uint8_t code : stepKeys(step, dataKeys)) {
            if (!(k = run.key(code)).ok())
                return keyFailed(r, k, run);
        }
        if (!stepAccepted(step, run.display()))
            return stepRefused(r, i, step, run);
        if (!(k = run.key(key::WriteMonitor)).ok())
            return keyFailed(r, k, run);
        r.failedStep = -1;
        if (i + 1 <= progressMax)
            run.progress(i + 1, range.from, progressMax);
        if (range.toEnd && step.ins.trimmed() == u"END")
            break;
        if (run.takeCancel()) {
            r.outcome = SequenceOutcome::Cancelled;
            break;
        }
    }
    // A cancelled write leaves part of the program in the controller: not "done".
    return done(r, r.ok() ? text::writeDone() : text::writeCancelled(), run);
}

SequenceResult readByKeys(SequenceRunner& run, ReadRange range, int maxStep)
{
    SequenceResult r = started(SequenceKind::Read);
    int number = range.from;
    int count = range.to - range.from;
    const int dest = range.destStart;
    r.destStart = dest;
    if (count < 0)
        return refused(r, text::readFailed(), text::emptyRange(number, range.to), run);

    run.message(text::preparingPlc());
    if (number + count > maxStep)
        count = maxStep - number;
    if (number > maxStep)
        number = 0;
    // Keys reach controller steps up to 999, and "+" wraps after 999 to step 0.
    if (number > kLastKeyedStep)
        return refused(r, text::readFailed(), text::keysReadTo999(), run);
    const bool pastKeyedSteps = number + count > kLastKeyedStep;
    if (pastKeyedSteps)
        count = kLastKeyedStep - number;
    const int first = number;
    const int progressMax = number + count;
    run.progress(number, first, progressMax);
    if (dest + count > maxStep)
        count = maxStep - dest;

    KeyResult k = run.key(key::Clear);
    if (!k.ok())
        return keyFailed(r, k, run);
    run.message(text::preparingRead());
    // Positioned on the step before the first one asked for ("+" shows the next step): step
    // 999 for a read from step 0.
    const int before = (number + kLastKeyedStep) % (kLastKeyedStep + 1);
    if (!(k = run.key(key::Step)).ok() || !(k = run.digits(zeroFilled(before))).ok() ||
        !(k = run.keys({key::Instr, key::Instr})).ok())
        return keyFailed(r, k, run);

    bool sawEnd = false;
    for (int j = dest; j <= dest + count; ++j) {
        if (!(k = run.key(key::Plus)).ok()) {
            r.failedStep = number;
            return keyFailed(r, k, run);
        }
        const PlcDisplay& d = run.display();
        r.steps.emplace_back(j, stepFromDisplay(d));
        run.message(text::readingStep(number, padSpaceCopy(d.ins, 3), d.num));
        run.progress(number, first, progressMax);
        if (range.stopAtEnd && d.ins == u"END") {
            sawEnd = true;
            break;
        }
        if (run.takeCancel()) {
            r.outcome = SequenceOutcome::Cancelled;
            break;
        }
        ++number;
    }
    if (pastKeyedSteps && !sawEnd && r.ok()) {
        r.outcome = SequenceOutcome::Failed;
        r.failedStep = kLastKeyedStep + 1;
        r.dialogText = text::keysReadTo999();
        return done(r, text::readFailed(), run);
    }
    return done(r, r.ok() ? text::readDone() : text::readCancelled(), run);
}

SequenceResult clearOrCopy(SequenceRunner& run, ClearCopyOp op)
{
    SequenceResult r = started(SequenceKind::ClearCopy);
    KeyResult k;
    switch (op) {
    case ClearCopyOp::Clear:
        run.message(text::clearing());
        k = run.keys({key::Clear, key::Step, key::Nop0, key::Step, key::Ori9, key::Ori9, key::Ori9,
                      key::Del});
        return k.ok() ? done(r, text::clearDone(), run) : keyFailed(r, k, run);
    case ClearCopyOp::EepromToRam:
        run.message(text::copyingToRam());
        k = run.keys({key::Clear, key::Step, key::Ori9, key::Nop0, key::Ani8, key::WriteMonitor,
                      key::WriteMonitor, key::WriteMonitor});
        return k.ok() ? done(r, text::copyDone(), run) : keyFailed(r, k, run);
    case ClearCopyOp::RamToEeprom:
        run.message(text::copyingToEeprom());
        k = run.keys({key::Clear, key::Step, key::Ani8, key::Nop0, key::Ori9, key::WriteMonitor,
                      key::WriteMonitor, key::WriteMonitor});
        if (!k.ok())
            return keyFailed(r, k, run);
        run.waitMs(run.delays().eepromMs);
        return done(r, text::copyDone(), run);
    }
    return r;
}

SequenceResult setRunMode(SequenceRunner& run, bool running)
{
    SequenceResult r = started(SequenceKind::RunStop);
    const KeyResult k = run.key(running ? cmd::MonitorMode : cmd::ProgramMode);
    if (!k.ok())
        return keyFailed(r, k, run);
    r.display = run.display();
    return r;
}

SequenceResult watchDevice(SequenceRunner& run, const QString& nodeText)
{
    SequenceResult r = started(SequenceKind::WatchDevice);
    const QString t = nodeText.trimmed();
    KeyResult k = run.key(key::Clear);
    if (!k.ok())
        return keyFailed(r, k, run);
    const double value = readNumber(t);
    r.monDev = static_cast<int>(std::clamp(value, -32768.0, 32767.0));
    if (!(k = run.digits(t.left(3).leftJustified(3, u'-'))).ok())
        return keyFailed(r, k, run);
    if (value >= 700 && value <= 777 && !(k = run.key(key::EndPoint)).ok())
        return keyFailed(r, k, run);
    if (!(k = run.key(key::WriteMonitor)).ok())
        return keyFailed(r, k, run);
    r.display = run.display();
    return r;
}

SequenceResult pollDevice(SequenceRunner& run, int monDev)
{
    SequenceResult r = started(SequenceKind::PollDevice);
    r.monDev = monDev;
    const KeyResult k = run.key(monDev < 700 ? key::EndPoint : key::KSearch);
    if (!k.ok())
        return keyFailed(r, k, run);
    r.display = run.display();
    r.reply = run.reply();
    if (r.display.num.trimmed() == u"151515")
        r.display.num.clear();
    r.deviceOn = k.deviceOn;
    return r;
}

} // namespace ladrix::plc::seq
