#include "FindEngine.h"

#include "IlTexts.h"
#include "core/TextHelpers.h"

namespace ladrix {

namespace {

bool stepMatches(int i, const QString& typed)
{
    // Both sides zero-filled to three digits, so 5, 05 and 005 find step 5, and 0012 finds
    // nothing.
    return padZeroCopy(typed.trimmed(), 3) == padZeroCopy(QString::number(i), 3);
}

bool remMatches(const QString& stored, const FindCriteria& criteria)
{
    if (criteria.matchCase)
        return stored == criteria.rem;
    return stored.toUpper().trimmed() == criteria.rem.toUpper().trimmed();
}

} // namespace

bool matchesStep(const ProgramStore& store, int i, const FindCriteria& c)
{
    if (!(c.stepOn || c.insOn || c.dataOn || c.remOn))
        return false;
    const Step& s = store.step(i);
    if (c.stepOn && !stepMatches(i, c.step))
        return false;
    // Blanks typed around a mnemonic or operand are no part of it: stored ones never have any.
    if (c.insOn && s.ins.trimmed() != c.ins.trimmed().toUpper())
        return false;
    if (c.dataOn && s.data != c.data.trimmed().toUpper())
        return false;
    if (c.remOn && !remMatches(s.rem, c))
        return false;
    return true;
}

QList<int> findSteps(const ProgramStore& store, const FindCriteria& criteria)
{
    QList<int> found;
    const int last = store.maxStep();
    for (int i = 0; i <= last; ++i) {
        if (matchesStep(store, i, criteria))
            found.append(i);
    }
    return found;
}

QString reportLine(const ProgramStore& store, int i)
{
    const Step& s = store.step(i);
    const QString gap = QStringLiteral("   ");
    return padZeroCopy(QString::number(i), 4) + QStringLiteral("    ") + padSpaceCopy(s.ins, 4) +
           gap + padSpaceCopy(s.data, 4) + gap + s.rem;
}

QString reportHeader()
{
    return iltexts::kReportHeader();
}

QString reportCaption(qsizetype count)
{
    return iltexts::kReportCount().arg(count);
}

Replacement makeReplacement(bool insOn, const QString& ins, bool dataOn, const QString& data)
{
    Replacement r;
    r.insOn = insOn;
    if (insOn)
        r.ins = ins.trimmed().left(3).trimmed();
    r.dataOn = dataOn;
    if (dataOn)
        r.data = data.trimmed();
    return r;
}

bool applyReplacement(ProgramStore& store, int i, const Replacement& replacement)
{
    if (!ProgramStore::inRange(i) || !replacement.any())
        return false;
    Step& s = store.step(i);
    if (replacement.insOn)
        s.ins = replacement.ins.toUpper();
    if (replacement.dataOn)
        s.data = replacement.data.toUpper();
    return true;
}

} // namespace ladrix
