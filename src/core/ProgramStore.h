#pragma once

#include <QString>
#include <vector>

namespace ladrix {

// One program step: mnemonic, operand and comment. Empty strings make an empty step.
struct Step {
    QString ins;
    QString data;
    QString rem;

    bool operator==(const Step&) const = default;
    bool isEmpty() const { return ins.isEmpty() && data.isEmpty() && rem.isEmpty(); }
};

// The instruction-list form of the program with its project state. Indices 0 to 2000 always
// exist whatever the model; maxStep() only limits what editing, shifting and scrolling touch.
class ProgramStore {
public:
    static constexpr int kLastIndex = 2000;
    static constexpr int kSize = kLastIndex + 1;
    // Steps kept in files: 0 to 1999.
    static constexpr int kFileSteps = 2000;

    ProgramStore();

    Step& step(int i);
    const Step& step(int i) const;
    Step& clip(int i);
    const Step& clip(int i) const;
    static bool inRange(int i) { return i >= 0 && i <= kLastIndex; }

    // 999 for the first model, 1999 for the second.
    int maxStep() const { return maxStepFor(plcType); }
    static int maxStepFor(int plcType) { return plcType == 1 ? 1999 : 999; }

    // Index of the first step whose mnemonic, trimmed, is END; maxStep() when there is none.
    int getEndStep() const;

    // Empties every step (mnemonic, operand and comment).
    void clearSteps();
    void clearClipboard();

    int plcType = 0;
    int curStep = 0;
    int blockStart = -1;
    int blockEnd = -1;
    QString projectName;
    QString projectFile;

private:
    std::vector<Step> m_steps;
    std::vector<Step> m_clipboard;
};

} // namespace ladrix
