#pragma once

#include "core/ProgramStore.h"

#include <QList>
#include <QString>

namespace ladrix {

// What the find dialog asks for. Every checked criterion must match (they combine with AND);
// with none checked nothing matches.
struct FindCriteria {
    bool stepOn = false;
    QString step{};
    bool insOn = false;
    QString ins{};
    bool dataOn = false;
    QString data{};
    bool remOn = false;
    QString rem{};
    // Checked: the comment must match exactly. Clear: the stored comment, trimmed, and the
    // typed one are compared in upper case.
    bool matchCase = false;
};

// The replacement chosen in the find dialog, already cut and trimmed.
struct Replacement {
    bool insOn = false;
    QString ins;
    bool dataOn = false;
    QString data;

    bool any() const { return insOn || dataOn; }
};

bool matchesStep(const ProgramStore& store, int i, const FindCriteria& criteria);

// The steps 0 to maxStep that match, in ascending order.
QList<int> findSteps(const ProgramStore& store, const FindCriteria& criteria);

// "0012    LD     X0     comment": step, mnemonic and operand in fixed columns.
QString reportLine(const ProgramStore& store, int i);
QString reportHeader();
QString reportCaption(qsizetype count);

// The mnemonic is trimmed, then keeps at most three characters (no mnemonic has more);
// the operand is only trimmed, so four-character operands such as M100 survive.
Replacement makeReplacement(bool insOn, const QString& ins, bool dataOn, const QString& data);

// Writes the replacement into step i in upper case, without checking it. False when i is no
// step index or nothing is to be replaced.
bool applyReplacement(ProgramStore& store, int i, const Replacement& replacement);

} // namespace ladrix
