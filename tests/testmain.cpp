#include <QCoreApplication>
#include <gtest/gtest.h>

// Logic tests get an event loop so that signals, timers and queued calls work.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
