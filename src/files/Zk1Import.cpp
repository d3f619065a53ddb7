#include "ClassicTextReader.h"
#include "FileAccess.h"
#include "ProjectFiles.h"

#include "core/InstructionSet.h"
#include "core/TextHelpers.h"

namespace ladrix {

namespace {

constexpr int kZk1Steps = 1000;

} // namespace

FileStatus importZk1(const QString& path, ProgramStore& store)
{
    QList<StepPair> pairs;
    const FileStatus status = readFields(path, [&](ClassicTextReader& reader) {
        StepPair pair;
        while (pairs.size() < kZk1Steps) {
            if (!reader.readText(pair.ins))
                return false;
            pair.data.clear();
            const bool complete = reader.readText(pair.data);
            pairs.append(pair);
            if (!complete)
                return false;
        }
        return true;
    });
    if (!status)
        return status;
    store.clearSteps();
    for (int i = 0; i < pairs.size(); ++i) {
        // Operands are matched against the address map in upper case, like typed steps.
        Step& step = store.step(i);
        step.ins = pairs[i].ins.trimmed().toUpper();
        step.data = addDevLetter(step.ins, pairs[i].data.trimmed().toUpper());
    }
    const QString name = baseNameOf(path);
    if (!name.isEmpty())
        store.projectName = name;
    return status;
}

} // namespace ladrix
