#include "plc/DeviceGroups.h"

#include <gtest/gtest.h>

using namespace ladrix::plc;

TEST(DeviceGroups, EightGroupsWithTheirNumbersInOctalOrder)
{
    const struct {
        const char* key;
        const char* text;
        int count;
        const char* first;
        const char* last;
    } rows[] = {
        {"X", "输入点(X)", 72, "000", "527"},      {"Y", "输出点(Y)", 48, "030", "547"},
        {"M", "中间寄存器(M)", 192, "100", "377"}, {"S", "状态积存器(S)", 40, "600", "647"},
        {"T", "定时器(T)", 32, "050", "657"},      {"C", "计数器(C)", 32, "060", "667"},
        {"D", "数据寄存器(D)", 64, "700", "777"},  {"SFM", "特殊寄存器(SFM)", 18, "070", "575"},
    };
    const auto& groups = deviceGroups();
    ASSERT_EQ(groups.size(), std::size(rows));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        SCOPED_TRACE(rows[i].key);
        EXPECT_EQ(groups[i].key, QString::fromUtf8(rows[i].key));
        EXPECT_EQ(groups[i].text, QString::fromUtf8(rows[i].text));
        EXPECT_EQ(groups[i].numbers.size(), rows[i].count);
        EXPECT_EQ(groups[i].numbers.first(), QString::fromUtf8(rows[i].first));
        EXPECT_EQ(groups[i].numbers.last(), QString::fromUtf8(rows[i].last));
    }
    const QStringList& x = groups[0].numbers;
    EXPECT_EQ(x.mid(6, 4), (QStringList{"006", "007", "010", "011"}));
    EXPECT_EQ(x.mid(23, 2), (QStringList{"027", "400"}));
    EXPECT_EQ(groups[2].numbers.mid(63, 2), (QStringList{"177", "200"}));
    EXPECT_EQ(groups[7].numbers.mid(8, 5), (QStringList{"470", "471", "472", "473", "570"}));
}

TEST(DeviceGroups, NodeTextOfADeviceName)
{
    const struct {
        const char* name;
        const char* node;
    } rows[] = {
        {"027", "027"}, {"X027", "027"}, {" d712 ", "712"}, {"SFM575", "575"},
        {"Y30", "030"}, {"X030", ""},    {"028", ""},       {"800", ""},
        {"D", ""},      {"", ""},        {"X27A", ""},      {"1234", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(deviceNodeText(QString::fromUtf8(row.name)), QString::fromUtf8(row.node))
            << row.name;
}
