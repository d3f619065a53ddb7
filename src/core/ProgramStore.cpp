#include "ProgramStore.h"

#include "RuntimeError.h"

namespace ladrix {

namespace {

void checkIndex(int i)
{
    if (!ProgramStore::inRange(i))
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
                           QCoreApplication::translate("ProgramStore", "下标越界: 步 %1").arg(i));
}

} // namespace

ProgramStore::ProgramStore() : m_steps(kSize), m_clipboard(kSize) {}

Step& ProgramStore::step(int i)
{
    checkIndex(i);
    return m_steps[std::size_t(i)];
}

const Step& ProgramStore::step(int i) const
{
    checkIndex(i);
    return m_steps[std::size_t(i)];
}

Step& ProgramStore::clip(int i)
{
    checkIndex(i);
    return m_clipboard[std::size_t(i)];
}

const Step& ProgramStore::clip(int i) const
{
    checkIndex(i);
    return m_clipboard[std::size_t(i)];
}

int ProgramStore::getEndStep() const
{
    const int last = maxStep();
    for (int i = 0; i <= last; ++i) {
        if (m_steps[std::size_t(i)].ins.trimmed() == u"END")
            return i;
    }
    return last;
}

void ProgramStore::clearSteps()
{
    for (Step& s : m_steps)
        s = Step{};
}

void ProgramStore::clearClipboard()
{
    for (Step& s : m_clipboard)
        s = Step{};
}

} // namespace ladrix
