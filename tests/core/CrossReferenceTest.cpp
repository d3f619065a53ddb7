#include "core/CrossReference.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using namespace ladrix;

namespace {

ProgramStore programOf(const QStringList& lines)
{
    ProgramStore store;
    for (int i = 0; i < lines.size(); ++i)
        store.step(i) = Step{lines[i].section(u' ', 0, 0), lines[i].section(u' ', 1), {}};
    return store;
}

// "Y30 r:0003 d:0002 o:-" lines of the table.
QStringList tableOf(const ProgramStore& store)
{
    QStringList rows;
    for (const DeviceUse& use : crossReference(store))
        rows << use.device.name() + " r:" + stepList(use.reads) + " d:" + stepList(use.drives) +
                    " o:" + stepList(use.others);
    return rows;
}

struct DeviceCase {
    const char* ins;
    const char* data;
    const char* device; // "" for none
};

const DeviceCase kDevices[] = {
    {"LD", "X000", "X0"},    {"ld", " x17 ", "X17"},  {"OUT", "Y 30", "Y30"},
    {"LD", "X", "X0"},       {"OUT", "T050", "T50"},  {"RST", "C660", "C660"},
    {"STL", "S647", "S647"}, {"CJP", "D777", "D777"}, {"LD", "X18", ""},
    {"LD", "X28", ""},       {"LD", "X5ABC", ""},     {"OUT", "X0", ""},
    {"LD", "D700", ""},      {"K", "100", ""},        {"ANB", "X0", ""},
    {"END", "", ""},         {"MOV", "D700", ""},     {"", "Y30", ""},
    {"OUT", "Y99999", ""},   {"LD", "Q1", ""},
};

} // namespace

TEST(CrossReference, DeviceOfReadsTheOperandAsTheCheckDoes)
{
    for (const DeviceCase& c : kDevices) {
        const std::optional<Device> device = deviceOf(Step{c.ins, c.data, {}});
        EXPECT_EQ(device ? device->name() : QString(), QString::fromUtf8(c.device))
            << c.ins << ' ' << c.data;
    }
}

TEST(CrossReference, EveryDeviceWithItsReadingDrivingAndOtherSteps)
{
    const ProgramStore store =
        programOf({"LD X0", "AND X1", "OUT Y30", "LD Y030", "OR M100", "OUT T50", "K 100", "LD T50",
                   "RST C60", "S M100", "MC M120", "MCR M120", "CJP D700", "EJP D700", "STL S600",
                   "RET M100", "END", "LD X5"});
    EXPECT_EQ(tableOf(store), (QStringList{
                                  "X0 r:0000 d:- o:-",
                                  "X1 r:0001 d:- o:-",
                                  "Y30 r:0003 d:0002 o:-",
                                  "M100 r:0004 d:0009 o:0015",
                                  "M120 r:- d:0010 o:0011",
                                  "T50 r:0007 d:0005 o:-",
                                  "C60 r:- d:0008 o:-",
                                  "S600 r:0014 d:- o:-",
                                  "D700 r:- d:- o:0012 0013",
                              }));
}
