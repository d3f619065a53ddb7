#include "plc/ui/GetCommDialog.h"
#include "plc/PortChoice.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace ladrix::plc;

namespace {

struct GetCommDialogTest : testing::Test {
    static void SetUpTestSuite()
    {
        static QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    std::vector<int> probed;
    GetCommDialog::Prober probe = [this](int n) {
        probed.push_back(n);
        return n == 2 || n == 5;
    };
    std::unique_ptr<GetCommDialog> dialog;
    QComboBox* combo = nullptr;
    QLabel* label = nullptr;
    QPushButton *ok = nullptr, *cancel = nullptr;

    // Opens the dialog and finds its widgets; `finish` waits until probing is done.
    void open(bool finish, GetCommDialog::Prober prober = {})
    {
        dialog = std::make_unique<GetCommDialog>(prober ? prober : probe);
        combo = dialog->findChild<QComboBox*>(QStringLiteral("Combo1"));
        label = dialog->findChild<QLabel*>(QStringLiteral("Label1"));
        ok = dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"));
        cancel = dialog->findChild<QPushButton*>(QStringLiteral("Command2"));
        ASSERT_TRUE(combo && label && ok && cancel);
        if (finish) {
            ASSERT_TRUE(QTest::qWaitFor([this] { return ok->isEnabled(); }, 3000));
        }
    }
};

} // namespace

TEST_F(GetCommDialogTest, StartsProbingWithButtonsDisabledThenProbesOnePortPerTick)
{
    open(false);
    EXPECT_EQ(dialog->objectName(), u"frmGetComm");
    EXPECT_EQ(dialog->windowTitle(), u"串口测试");
    auto* timer = dialog->findChild<QTimer*>(QStringLiteral("Timer"));
    ASSERT_TRUE(timer);
    EXPECT_EQ(label->text(), u"正在查询可用的串行通讯口,请稍待...");
    EXPECT_EQ(ok->text(), u"确定(&O)");
    EXPECT_EQ(cancel->text(), u"取消(&C)");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_TRUE(timer->isActive());

    QTest::qWait(250);
    EXPECT_GE(probed.size(), 1u);
    EXPECT_LE(probed.size(), 3u); // one per 100 ms tick
    ASSERT_TRUE(QTest::qWaitFor([this] { return ok->isEnabled(); }, 3000));
    EXPECT_TRUE(cancel->isEnabled());
    EXPECT_EQ(probed, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(label->text(), u"检测完成,请选择串行通讯口");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), u"串行通讯口(COM)2");
    EXPECT_EQ(combo->itemText(1), u"串行通讯口(COM)5");
    EXPECT_EQ(combo->itemData(2).toString(), u"sim");
}

TEST_F(GetCommDialogTest, OkStoresTheChoiceAndCancelDoesNot)
{
    savePortSetting(QStringLiteral("5"));
    open(true);
    EXPECT_EQ(combo->currentText(), u"串行通讯口(COM)5"); // the saved choice is selected
    combo->setCurrentIndex(0);
    QSignalSpy rejected(dialog.get(), &QDialog::rejected);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_EQ(readPortSetting(), u"5");

    // A device stored by its path is offered and stays chosen.
    savePortSetting(QStringLiteral("/dev/ttyUSB3"));
    open(true);
    EXPECT_EQ(combo->currentData().toString(), u"/dev/ttyUSB3");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(readPortSetting(), u"/dev/ttyUSB3");

    open(true);
    combo->setCurrentIndex(combo->findData(QStringLiteral("sim")));
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_EQ(readPortSetting(), u"sim");
}

TEST_F(GetCommDialogTest, WithoutPortsTheSimulatedControllerIsTheOnlyChoice)
{
    open(true, [](int) { return false; });
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->currentData().toString(), u"sim");
}
