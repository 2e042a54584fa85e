#pragma once

#include <QDialog>
#include <QPointer>
#include <optional>

#include "editor/MidiSetupForm.h"

class QComboBox;
class QPushButton;
class Prompt;

// The "MIDI Setup" dialog over MidiSetupForm: choose the sound engine's MIDI
// output device, try it with "Test", take it with "OK". With no device at all
// the constructor tells the user through the prompt (string 157) and exec()
// answers Rejected without showing the dialog. While a test note plays or OK opens the device the
// window keeps answering, "Test" and "OK" are disabled, and a close asked
// for meanwhile waits for the device to be settled.
class CMidiSetupDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMidiSetupDlg(Prompt& prompt, QWidget* parent = nullptr);

    int exec() override;
    void done(int result) override;

private:
    enum class Job { None, Test, Ok };

    void Test();
    void Ok();
    // Called on the form's worker thread: hands the end of the job to the
    // dialog's thread.
    void PostJobFinished();
    void JobFinished();
    void ShowBusy(bool busy);

    MidiSetupForm m_form;
    bool m_hasDevices;
    Job m_job = Job::None;
    std::optional<int> m_pendingResult;
    QPointer<QWidget> m_focusBeforeJob;
    QComboBox* m_devices;
    QPushButton* m_test;
    QPushButton* m_ok;
};
