#include "KeyCodes.h"
#include "PlcTexts.h"
#include "Sequences.h"
#include "StepCoding.h"

namespace ladrix::plc::seq {
namespace {

// Bytes a high-speed read keeps at most: every step of the largest store, plus an odd byte.
constexpr qint64 kMaxReadBytes = 2 * ProgramStore::kSize + 1;

// Ends a transfer with `outcome`, showing `message`; what was done so far stays in `r`.
SequenceResult ended(SequenceResult r, SequenceOutcome outcome, const QString& message,
                     SequenceRunner& run)
{
    r.outcome = outcome;
    r.message = message;
    run.message(message);
    return r;
}

SequenceResult linkFailed(const SequenceResult& r, SequenceRunner& run)
{
    return ended(r, SequenceOutcome::LinkFailed, text::connectFailed(), run);
}

// Whether the word of a step stands for the number the step holds. Constants and device
// numbers that do not fit (K 1000, K 1.5, K ABC) would arrive as another number. Steps whose
// operand the controller ignores always pass.
bool wordKeepsStep(const Step& step, const QByteArray& words, int k)
{
    const QString ins = step.ins.trimmed();
    if (ins != u"K" &&
        (ins.isEmpty() || ins == u"ANB" || ins == u"ORB" || ins == u"NOP" || ins == u"END"))
        return true;
    return stepAccepted(step, decodeWord(static_cast<std::uint8_t>(words.at(2 * k)),
                                         static_cast<std::uint8_t>(words.at(2 * k + 1))));
}

} // namespace

SequenceResult highSpeedWrite(SequenceRunner& run, const ProgramStore& program)
{
    SequenceResult r;
    r.kind = SequenceKind::HighSpeedWrite;
    const int last = program.getEndStep();
    run.message(text::encoding());
    const QByteArray words = enCodeA(program);
    for (int k = 0; k <= last; ++k) {
        if (!wordKeepsStep(program.step(k), words, k))
            return stepRefused(r, k, program.step(k), run);
    }
    run.progress(0, 0, last + 1);

    const TransferDelays& delay = run.delays();
    if (!run.raw(cmd::LeadIn))
        return linkFailed(r, run);
    run.waitMs(delay.leadInMs);
    if (!run.raw(program.plcType == 0 ? cmd::WriteModel0 : cmd::WriteModel1))
        return linkFailed(r, run);
    run.waitMs(delay.leadInMs);
    run.discardInput();

    for (int s = 0; s <= last; ++s) {
        run.discardInput();
        run.progress(s + 1, 0, last + 1);
        run.message(text::hsWritingStep(s, last));
        // Each word is answered with four bytes; a word left unanswered is sent again, a
        // bounded number of times, so a silent controller ends the transfer instead of
        // holding it forever.
        bool answered = false;
        int tries = 0;
        for (; tries < delay.wordTries && !answered; ++tries) {
            if (!run.raw(static_cast<std::uint8_t>(words.at(2 * s))) ||
                !run.raw(static_cast<std::uint8_t>(words.at(2 * s + 1))))
                return linkFailed(r, run);
            run.waitMs(delay.wordGapMs);
            answered = run.waitUntil([&run] { return run.waiting() >= 4; },
                                     delay.wordRetryMs - delay.wordGapMs);
        }
        if (!answered) {
            run.raw(cmd::Hello);
            r.failedStep = s;
            return ended(r, SequenceOutcome::TimedOut, text::timedOut(), run);
        }
        // A word sent again whose first answer was only late went in twice, shifting the rest
        // of the program; its second answer gives that away.
        if (tries > 1 &&
            run.waitUntil([&run] { return run.waiting() >= 8; }, 2 * delay.wordRetryMs)) {
            run.raw(cmd::Hello);
            r.failedStep = s;
            return ended(r, SequenceOutcome::Failed, text::writeFailed(), run);
        }
        run.discardInput();
    }

    run.message(text::hsFixing());
    run.waitMs(delay.settleMs);
    if (!run.raw(cmd::Hello))
        return linkFailed(r, run);
    run.waitMs(delay.endMs);
    run.raw(cmd::LeadIn);
    r.message = text::hsWriteDone();
    run.message(r.message);
    return r;
}

SequenceResult highSpeedRead(SequenceRunner& run, int plcType)
{
    SequenceResult r;
    r.kind = SequenceKind::HighSpeedRead;
    run.progress(0, 0, 0);
    run.message(text::hsPreparingRead());
    if (!run.raw(cmd::LeadIn))
        return linkFailed(r, run);
    run.waitMs(run.delays().leadInMs);
    run.discardInput();
    if (!run.raw(plcType == 0 ? cmd::ReadModel0 : cmd::ReadModel1))
        return linkFailed(r, run);

    // Ends when a check finds no new bytes since the one before; the first check never ends it.
    qint64 seen = -1;
    for (;;) {
        run.waitMs(run.delays().silenceMs);
        const qint64 now = run.waiting();
        run.message(text::hsReadingStep(now / 2));
        if (now == seen || now >= kMaxReadBytes)
            break;
        seen = now;
    }
    r.words = run.readAll().left(kMaxReadBytes);
    run.raw(cmd::Hello);
    // Even an empty program comes as words; nothing at all means no controller answered.
    if (r.words.isEmpty())
        return ended(r, SequenceOutcome::TimedOut, text::timedOut(), run);
    run.message(text::decoding());
    r.message = text::hsReadDone();
    run.message(r.message);
    return r;
}

} // namespace ladrix::plc::seq
