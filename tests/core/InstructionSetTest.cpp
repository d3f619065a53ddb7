#include "core/InstructionSet.h"

#include <gtest/gtest.h>

using namespace ladrix;

TEST(InstructionSet, KnowsTheTwentyTwoMnemonicsAndK)
{
    EXPECT_EQ(mnemonics().size(), 23);
    EXPECT_TRUE(isMnemonic("ld"));
    EXPECT_TRUE(isMnemonic(" K "));
    EXPECT_FALSE(isMnemonic("MOV"));
    EXPECT_FALSE(isMnemonic(""));
}

TEST(InstructionSet, DeviceRangesFollowTheAddressMap)
{
    EXPECT_TRUE(isValidDeviceNumber('X', 27));
    EXPECT_FALSE(isValidDeviceNumber('X', 28));
    EXPECT_FALSE(isValidDeviceNumber('X', 18)) << "last digit counts 0 to 7 only";
    EXPECT_TRUE(isValidDeviceNumber('Y', 530));
    EXPECT_TRUE(isValidDeviceNumber('M', 577));
    EXPECT_TRUE(isValidDeviceNumber('F', 675));
    EXPECT_FALSE(isValidDeviceNumber('F', 676));
    EXPECT_TRUE(isValidDeviceNumber('D', 777));
    EXPECT_FALSE(isValidDeviceNumber('Q', 0));
    EXPECT_EQ(deviceLetterOf(650), QChar('T'));
    EXPECT_EQ(deviceLetterOf(600), QChar('S'));
    EXPECT_TRUE(deviceLetterOf(999).isNull());
}

TEST(AddDevLetter, PutsTheLetterInFrontOfBareNumbers)
{
    EXPECT_EQ(addDevLetter("LD", "27"), "X27");
    EXPECT_EQ(addDevLetter("LD", "28"), "28");
    EXPECT_EQ(addDevLetter("LD", "19"), "X19") << "no last-digit rule here";
    EXPECT_EQ(addDevLetter("LD", "400"), "X400");
    EXPECT_EQ(addDevLetter("OUT", "050"), "T050");
    EXPECT_EQ(addDevLetter("OUT", "675"), "F675");
    EXPECT_EQ(addDevLetter("OUT", "676"), "676");
}

TEST(AddDevLetter, LeavesConstantsLetteredAndOperandlessSteps)
{
    EXPECT_EQ(addDevLetter("K", "100"), "100");
    EXPECT_EQ(addDevLetter("END", "0"), "");
    EXPECT_EQ(addDevLetter("ORB", "5"), "");
    EXPECT_EQ(addDevLetter("", "5"), "5");
    EXPECT_EQ(addDevLetter("LD", "X5"), "X5");
    EXPECT_EQ(addDevLetter("LD", ""), "");
    EXPECT_EQ(addDevLetter("LD", "99999999"), "99999999") << "too big for 16 bits: no letter";
}
