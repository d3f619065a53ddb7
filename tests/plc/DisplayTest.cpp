#include "FakeLink.h"

#include "plc/Display.h"
#include "plc/KeyCodes.h"

#include <gtest/gtest.h>

using namespace ladrix::plc;

namespace {

struct FixCase {
    int code, d1, d2, d3;
    const char *ins, *num;
};

class FixDispCases : public testing::TestWithParam<FixCase> {};

} // namespace

TEST_P(FixDispCases, DecodesAndRefinesTheDisplay)
{
    const FixCase& c = GetParam();
    PlcDisplay d = decodeReply(ladrix::plc::test::displayReply(c.code, c.d1, c.d2, c.d3));
    fixDisp(d);
    EXPECT_EQ(d, (PlcDisplay{QString::fromUtf8(c.ins), QString::fromUtf8(c.num)}))
        << "code " << c.code << " digits " << c.d1 << c.d2 << c.d3;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, FixDispCases,
    testing::Values(FixCase{12, 0, 2, 7, "LD", "027"}, FixCase{4, 1, 2, 3, "K", "12.3"},
                    FixCase{7, 0, 0, 0, "NOP", "000"}, FixCase{7, 1, 2, 0, "MC", "120"},
                    FixCase{7, 0, 1, 0, "S", "010"}, FixCase{7, 2, 0, 0, "S", "200"},
                    FixCase{7, 7, 0, 3, "CJP", "703"}, FixCase{2, 5, 7, 5, "RET", "575"},
                    FixCase{2, 7, 0, 3, "EJP", "703"}, FixCase{2, 0, 0, 0, "END", "000"},
                    FixCase{2, 1, 0, 0, "MCR", "100"}, FixCase{2, 0, 3, 0, "R", "030"},
                    FixCase{2, 6, 4, 7, "R", "647"}, FixCase{10, 6, 0, 0, "STL", "600"},
                    FixCase{10, 6, 7, 7, "STL", "677"}, FixCase{10, 7, 0, 0, "ANB", "700"},
                    FixCase{5, 0, 3, 0, "OUT", "030"}, FixCase{0, 1, 0, 0, "K", "100"},
                    FixCase{9, 1, 2, 3, "", "123"}, FixCase{255, 15, 15, 15, "", "151515"},
                    FixCase{56, 1, 0, 0, "PLS", "100"}, FixCase{40, 0, 0, 5, "LDI", "005"},
                    // A blank NOP field is not zero, so it reads as S.
                    FixCase{7, 15, 15, 15, "S", "151515"}));

TEST(DispToIns, CoversTheTableAndNothingElse)
{
    int known = 0;
    for (int code = 0; code < 256; ++code) {
        const QString ins = dispToIns(code);
        if (!ins.isEmpty()) {
            ++known;
            EXPECT_EQ(insToDisp(ins), code) << code;
        }
    }
    EXPECT_EQ(known, 16);
    EXPECT_EQ(insToDisp(QStringLiteral("STL")), -1);
}

TEST(DecodeReply, ShortRepliesGiveNothing)
{
    EXPECT_EQ(decodeReply(QByteArray("\0\x0c\x01", 3)), PlcDisplay{});
}

TEST(KeyCodes, DigitKeysAndPanelAgree)
{
    EXPECT_EQ(panelKeys().size(), 23u);
    EXPECT_EQ(panelKeys().front().code, 210);
    EXPECT_EQ(panelKeys().back().code, 183);
    const std::uint8_t expected[10] = {228, 212, 180, 116, 229, 213, 181, 117, 230, 214};
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(kDigitKeys[d], expected[d]);
        EXPECT_EQ(digitOfKey(expected[d]), d);
        EXPECT_EQ(keyOfDigitChar(QChar(u'0' + d)), expected[d]);
    }
    EXPECT_EQ(keyOfDigitChar(u'x'), 228);
    EXPECT_EQ(digitOfKey(key::Ld), -1);
    for (const PanelKey& k : panelKeys()) {
        const int high = k.code >> 4;
        const int low = k.code & 0xF;
        EXPECT_TRUE(high == 0x7 || high == 0xB || high == 0xD || high == 0xE) << k.caption;
        EXPECT_TRUE(low >= 2 && low <= 7) << k.caption;
    }
}

// A blank place shows as a blank, not as the "15" of the reply.
TEST(ShownNumber, ShowsBlankPlacesAndThePointOfAConstant)
{
    const struct {
        int code, d1, d2, d3;
        const char* shown;
    } rows[] = {{12, 0, 2, 7, "027"},   {12, 15, 15, 0, "  0"}, {12, 15, 0, 2, " 02"},
                {4, 1, 2, 3, "12.3"},   {4, 15, 1, 2, " 1.2"},  {255, 15, 15, 15, ""},
                {12, 1, 15, 15, "1  "}, {9, 11, 0, 1, "1101"}};
    for (const auto& r : rows)
        EXPECT_EQ(shownNumber(ladrix::plc::test::displayReply(r.code, r.d1, r.d2, r.d3)),
                  QString::fromUtf8(r.shown))
            << r.code << ' ' << r.d1 << r.d2 << r.d3;
    EXPECT_EQ(shownNumber(QByteArray("\0\x0c\x01", 3)), QString());
}
