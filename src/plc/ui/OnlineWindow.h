#pragma once

#include "OnlineLayout.h"
#include "OnlinePrompts.h"

#include "plc/SequenceTypes.h"

#include <QWidget>
#include <functional>

class QStackedLayout;
class QTabBar;

namespace ladrix {
class Project;
}

namespace ladrix::plc {

class MonitorPage;
class PlcSession;
class SessionClient;

// What the online window asks of the window that owns it.
struct OnlineHooks {
    // Before a transfer takes the program from the project: commits a row being typed.
    std::function<void()> beforeSend;
    // Before a read replaces the program; false stops the read (the user kept the program).
    std::function<bool()> beforeRead;
    // After a read replaced the program: shows it.
    std::function<void()> afterRead;
};

// frmOnline: connects to the controller and moves programs between the project and the
// controller (read, write, clear and copy, high-speed read, write and verify), and runs the
// device monitor. Everything goes through the shared session, so the window never waits; one
// operation runs at a time and a second start is refused.
class OnlineWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OnlineWindow)

public:
    OnlineWindow(Project& project, PlcSession& session, OnlineHooks hooks = {},
                 QWidget* parent = nullptr);
    ~OnlineWindow() override;

    void setPrompts(OnlinePrompts prompts) { m_prompts = std::move(prompts); }
    // Reads the stored port again; a different port closes the one open and disconnects.
    void reloadPortSetting();
    // 1 enables, 2 disables the online commands.
    void nSetMode(int mode);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectSignals();
    void onTabChanged(int index);
    void updateLimits();
    void updateNotes();

    void nOnline();
    void startRead();
    void startWrite();
    void startClearOrCopy();
    void startHighSpeedWrite();
    void startHighSpeedRead();
    void startVerify();
    // Runs `start` unless another operation runs; asks first whether to stop a controller
    // this window set running.
    void whenReady(const std::function<void()>& start);
    // The hook's unsaved-changes question; false when the program is to be kept.
    bool askBeforeRead();
    bool submit(SequenceKind kind, const std::function<bool(PlcSession&)>& call);
    void setTransferring(SequenceKind kind, bool on);

    void onMessage(SequenceKind kind, const QString& text);
    void onProgress(SequenceKind kind, int value, int minimum, int maximum);
    void onFinished(const SequenceResult& result);
    void applyRead(const SequenceResult& result);
    void showVerify(const SequenceResult& result);
    void report(const SequenceResult& result);

    Project& m_project;
    OnlineHooks m_hooks;
    OnlinePrompts m_prompts;
    SessionClient* m_client;
    OnlineControls m_c;
    MonitorPage* m_monitor = nullptr;
    QTabBar* m_tabs = nullptr;
    QStackedLayout* m_pages = nullptr;
    QPushButton* m_exit = nullptr;
    QString m_portSetting;
    bool m_placed = false;
};

} // namespace ladrix::plc
