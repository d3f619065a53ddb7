#include "FuzzSupport.h"
#include "Harnesses.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <ctime>
#include <gtest/gtest.h>
#include <stdexcept>

namespace ladrix::fuzz {

void breach(const char* property, const char* file, int line)
{
    throw std::logic_error(
        QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(property).toStdString());
}

} // namespace ladrix::fuzz

using namespace ladrix::fuzz;

namespace {

struct Target {
    const char* name;
    Harness harness;
};

const Target kTargets[] = {
    {"project_file", projectFile},     {"ins_file", insFile},
    {"ladder_file", ladderFile},       {"block_file", blockFile},
    {"zk1_import", zk1Import},         {"line_parser", lineParser},
    {"number_reading", numberReading}, {"key_reply", keyReply},
    {"high_speed", highSpeed},         {"sim_controller", simController},
    {"ladder_compile", ladderCompile}, {"ladder_draw", ladderDraw},
};

class FuzzInputs : public ::testing::TestWithParam<Target> {};

// Runs every file of `dir` through the harness, each within the second the fuzzers allow an
// input (of processor time, so that a busy machine does not count). Returns how many it ran.
int replayFolder(const QDir& dir, const Target& target, const QString& label)
{
    int inputs = 0;
    for (const QString& entry : dir.entryList(QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(entry));
        if (!file.open(QIODevice::ReadOnly)) {
            ADD_FAILURE() << "cannot read " << dir.filePath(entry).toStdString();
            continue;
        }
        const QByteArray bytes = file.readAll();
        ++inputs;
        const std::string input = (label + '/' + entry).toStdString();
        const std::clock_t start = std::clock();
        try {
            target.harness(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           std::size_t(bytes.size()));
        } catch (const std::logic_error& e) {
            ADD_FAILURE() << input << ": " << e.what();
        }
        EXPECT_LT(double(std::clock() - start) / CLOCKS_PER_SEC, 1.0) << input;
    }
    return inputs;
}

} // namespace

// The seeds of each harness and the inputs that once broke it pass all of its checks.
TEST_P(FuzzInputs, SavedInputsKeepEveryProperty)
{
    const QString name = QString::fromLatin1(GetParam().name);
    int inputs = 0;
    for (const QString& folder : {QStringLiteral("corpus"), QStringLiteral("regressions")}) {
        const QDir dir(QStringLiteral(LADRIX_FUZZ_DIR "/%1/%2").arg(folder, name));
        inputs += replayFolder(dir, GetParam(), folder + '/' + name);
    }
    EXPECT_GT(inputs, 0) << "no saved inputs for " << name.toStdString();
}

// A corpus grown by the fuzzers (LADRIX_FUZZ_REPLAY=build-fuzz/corpus, one folder a harness)
// replayed here runs through the g++ build and its sanitizers too, not only clang's.
TEST_P(FuzzInputs, GrownCorpusKeepsEveryProperty)
{
    const QString root = qEnvironmentVariable("LADRIX_FUZZ_REPLAY");
    if (root.isEmpty())
        GTEST_SKIP() << "LADRIX_FUZZ_REPLAY names no grown corpus";
    const QString name = QString::fromLatin1(GetParam().name);
    const QDir dir(root + '/' + name);
    if (!dir.exists())
        GTEST_SKIP() << "no grown corpus for " << name.toStdString();
    const int inputs = replayFolder(dir, GetParam(), dir.path());
    std::printf("%s: %d grown inputs replayed\n", GetParam().name, inputs);
}

INSTANTIATE_TEST_SUITE_P(EveryHarness, FuzzInputs, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });
