#include "LadderTestSupport.h"

#include <QHash>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace ladrix {
void PrintTo(const Cell& c, std::ostream* os)
{
    *os << "{" << c.type << " " << c.left << "/" << c.right << " '" << c.dev.toStdString() << "' '"
        << c.data.toStdString() << "'}";
}
} // namespace ladrix

namespace ladrix::test {

ProgramStore programOf(const QStringList& lines, int plcType)
{
    ProgramStore store;
    store.plcType = plcType;
    for (int i = 0; i < lines.size(); ++i)
        store.step(i) = Step{lines[i].section(' ', 0, 0), lines[i].section(' ', 1), {}};
    return store;
}

QStringList listOf(const ProgramStore& store)
{
    QStringList lines;
    for (int i = 0; i <= ProgramStore::kLastIndex && !store.step(i).isEmpty(); ++i) {
        const Step& s = store.step(i);
        lines << (s.data.isEmpty() ? s.ins : s.ins + ' ' + s.data);
    }
    return lines;
}

LadderGrid gridOf(const QStringList& rows, int firstRow)
{
    LadderGrid g;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList tokens = rows[r].split(' ', Qt::SkipEmptyParts);
        for (int column = 0; column < tokens.size(); ++column) {
            QString t = tokens[column];
            Cell c;
            const bool linkLeft = t.startsWith('|');
            const bool linkRight = t.size() > 1 && t.endsWith('|');
            t = t.mid(linkLeft ? 1 : 0, t.size() - linkLeft - linkRight);
            const QStringList parts = t.mid(1, t.size() - 2).split(',');
            if (t == "-")
                c.type = kLine;
            else if (t.startsWith('/') || t.startsWith('#'))
                c = Cell{qint16(t[0] == '/' ? kClosedContact : kStepContact), 0, 0, t.mid(1), {}};
            else if (t.startsWith('('))
                c = Cell{kCoil, 0, 0, parts[0], parts.value(1)};
            else if (t.startsWith('['))
                c = Cell{kFunctionBox, 0, 0, parts.value(1), parts[0]};
            else if (t != ".")
                c = Cell{kContact, 0, 0, t, {}};
            const qint16 plain = c.type == kEmpty ? kNoEdge : kPlainEdge;
            c.left = linkLeft ? qint16(kLinkDown) : plain;
            c.right = linkRight ? qint16(kLinkDown) : plain;
            g.cell(GridPos::at(firstRow + r, column).index) = c;
        }
    }
    return g;
}

static QString tokenOf(const Cell& c)
{
    const auto pair = [](const QString& a, const QString& b) {
        return b.isEmpty() ? a : a + ',' + b;
    };
    const QHash<int, QString> bodies{{kEmpty, "."},
                                     {kLine, "-"},
                                     {kContact, c.dev},
                                     {kClosedContact, '/' + c.dev},
                                     {kStepContact, '#' + c.dev},
                                     {kCoil, '(' + pair(c.dev, c.data) + ')'},
                                     {kFunctionBox, '[' + pair(c.data, c.dev) + ']'}};
    return (c.left == kLinkDown ? "|" : "") +
           bodies.value(c.type, QStringLiteral("?%1").arg(c.type)) +
           (c.right == kLinkDown ? "|" : "");
}

QString pictureOf(const LadderGrid& g, int first, int last)
{
    QStringList rows;
    for (int row = first; row <= last; ++row) {
        QStringList tokens;
        for (int column = 0; column < LadderGrid::kColumns; ++column)
            tokens << tokenOf(g.cell(GridPos::at(row, column).index));
        while (!tokens.isEmpty() && tokens.last() == ".")
            tokens.removeLast();
        rows << tokens.join(' ');
    }
    return rows.join('\n');
}

QString checkDrawnGrid(const LadderGrid& g, int cells)
{
    for (int i = 0; i < cells; ++i) {
        const Cell& c = g.cell(i);
        const bool element = c.type != kEmpty && c.type != kLine;
        const auto edgeOk = [&](qint16 e) {
            return c.type == kEmpty ? (e == kNoEdge || e == kLinkDown)
                                    : (e == kPlainEdge || e == kLinkDown);
        };
        const bool output = c.type == kCoil || c.type == kFunctionBox;
        QString fault;
        if (!edgeOk(c.left) || !edgeOk(c.right))
            fault = "edge codes";
        else if (!element && (!c.dev.isEmpty() || !c.data.isEmpty()))
            fault = "text on a line or empty cell";
        else if (output != (GridPos{i}.column() == 9 && c.type != kEmpty))
            fault = "element in the wrong column";
        else if (c.type == kEmpty && c.left == kLinkDown && i + 10 <= LadderGrid::kLastIndex &&
                 g.cell(i + 10).type == kEmpty && g.cell(i + 10).left != kLinkDown)
            fault = "link down to nothing";
        if (!fault.isEmpty())
            return QStringLiteral("cell %1 (%2 %3/%4): %5")
                .arg(i)
                .arg(tokenOf(c))
                .arg(c.left)
                .arg(c.right)
                .arg(fault);
    }
    return {};
}

QString ProgramGenerator::contactDevice()
{
    static const QStringList pool{"X0", "X1", "X2", "X3", "X4", "M100", "M101", "T50"};
    return pool[pick(int(pool.size()))];
}

ProgramGenerator::Block ProgramGenerator::block(int depth)
{
    Block b;
    b.steps << (pick(3) == 0 ? "LDI " : "LD ") + contactDevice();
    const int operations = pick(4);
    for (int k = 0; k < operations; ++k) {
        const int choice = pick(10);
        if (choice < 5 && choice >= 3) {
            b.steps << (pick(3) == 0 ? "ORI " : "OR ") + contactDevice();
            b.height += 1;
        } else if (choice >= 5 && choice < 8 && depth < 4) {
            const Block inner = block(depth + 1);
            b.steps << inner.steps << "ORB";
            b.width = std::max(b.width, inner.width);
            b.height += inner.height;
        } else if (choice >= 8 && depth < 4) {
            const Block inner = block(depth + 1);
            b.steps << inner.steps << "ANB";
            b.width += inner.width;
            b.height = std::max(b.height, inner.height);
        } else {
            b.steps << (pick(3) == 0 ? "ANI " : "AND ") + contactDevice();
            b.width += 1;
        }
    }
    return b;
}

QStringList ProgramGenerator::outputs(int& rows)
{
    static const QStringList plain{"OUT Y30", "OUT Y31",  "OUT M110", "S M111",
                                   "R M111",  "PLS M112", "RST C61",  "SFT M113",
                                   "NOP",     "CJP D700", "EJP D700", "S S600"};
    static const QStringList ownRung{"MC M120", "MCR M120", "END"};
    QStringList steps;
    const int count = 1 + pick(3);
    for (int k = 0; k < count; ++k) {
        const int kind = pick(6);
        // MC, MCR and END stand only first: the drawing starts a rung of its own for them.
        if (k == 0 && pick(8) == 0)
            steps << ownRung[pick(int(ownRung.size()))];
        else if (kind == 0)
            steps << QStringLiteral("OUT T5%1").arg(pick(8))
                  << QStringLiteral("K %1").arg(pick(999));
        else if (kind == 1)
            steps << QStringLiteral("OUT C6%1").arg(pick(8))
                  << QStringLiteral("K %1").arg(pick(99));
        else
            steps << plain[pick(int(plain.size()))];
    }
    rows = count;
    return steps;
}

QStringList ProgramGenerator::program(int maxSteps, int maxRungs)
{
    static const QStringList unconditioned{"MC M120", "MCR M120", "END"};
    QStringList steps;
    int rows = 0;
    const int rungs = maxRungs > 8 ? maxRungs : 1 + pick(maxRungs);
    for (int k = 0; k < rungs; ++k) {
        Block condition = block(0);
        while (condition.width > 9)
            condition = block(0);
        int outputRows = 0;
        QStringList rung = condition.steps + outputs(outputRows);
        int rungRows = std::max(condition.height, outputRows);
        // MC, MCR and END after outputs are drawn as rungs of their own.
        if (pick(5) == 0) {
            rung << unconditioned[pick(int(unconditioned.size()))];
            rungRows += 1;
        }
        if (steps.size() + rung.size() > maxSteps || rows + rungRows > LadderGrid::kRows)
            break;
        steps << rung;
        rows += rungRows;
    }
    if (steps.size() < maxSteps && rows < LadderGrid::kRows && pick(2) == 0)
        steps << "END";
    return steps;
}

} // namespace ladrix::test
