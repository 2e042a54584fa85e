#include "app/CMidiSetupDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/qt/dialogs/DialogParts.h"
#include "playback/SoundEngine.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("CMidiSetupDlg", "MIDI Setup");
constexpr const char* kSelect =
    QT_TRANSLATE_NOOP("CMidiSetupDlg", "Select the device for MIDI Output.");
constexpr const char* kExplain =
    QT_TRANSLATE_NOOP("CMidiSetupDlg", "The program will use this device to play sound.");
constexpr const char* kTest = QT_TRANSLATE_NOOP("CMidiSetupDlg", "&Test");
}  // namespace

CMidiSetupDlg::CMidiSetupDlg(Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_form(SoundEngine::Instance()) {
    setWindowTitle(tr(kCaption));
    m_hasDevices = m_form.Load(prompt);
    auto* select = new QLabel(tr(kSelect), this);
    m_devices = DialogParts::Combo(m_form.DeviceNames(), m_form.Selected(), this);
    m_devices->setObjectName(QStringLiteral("devices"));
    m_devices->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    select->setBuddy(m_devices);
    m_test = new QPushButton(tr(kTest), this);
    m_test->setObjectName(QStringLiteral("test"));
    m_test->setAutoDefault(false);
    auto* explain = new QLabel(tr(kExplain), this);
    QDialogButtonBox* buttons = DialogParts::OkCancel(*this);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    connect(m_devices, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_form.Select(index); });
    connect(m_test, &QPushButton::clicked, this, &CMidiSetupDlg::Test);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMidiSetupDlg::Ok);

    auto* device = new QHBoxLayout;
    device->addWidget(m_devices, 1);
    device->addWidget(m_test);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(select);
    layout->addLayout(device);
    layout->addWidget(explain);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

int CMidiSetupDlg::exec() {
    if (!m_hasDevices) {
        return Rejected;
    }
    return QDialog::exec();
}

void CMidiSetupDlg::done(int result) {
    if (m_job != Job::None) {
        // The device is changing hands on the worker; close once it is settled.
        m_pendingResult = result;
        return;
    }
    QDialog::done(result);
}

void CMidiSetupDlg::Test() {
    if (m_job != Job::None) {
        return;
    }
    m_job = Job::Test;
    ShowBusy(true);
    m_form.StartTest([this] { PostJobFinished(); });
}

void CMidiSetupDlg::Ok() {
    if (m_job != Job::None) {
        return;
    }
    m_job = Job::Ok;
    ShowBusy(true);
    if (!m_form.StartOk([this] { PostJobFinished(); })) {
        JobFinished();
    }
}

void CMidiSetupDlg::PostJobFinished() {
    QMetaObject::invokeMethod(this, &CMidiSetupDlg::JobFinished, Qt::QueuedConnection);
}

void CMidiSetupDlg::JobFinished() {
    m_form.JobDone();
    const Job job = m_job;
    m_job = Job::None;
    ShowBusy(false);
    if (job == Job::Ok) {
        QDialog::done(Accepted);
    } else if (m_pendingResult) {
        QDialog::done(*m_pendingResult);
    }
    m_pendingResult.reset();
}

void CMidiSetupDlg::ShowBusy(bool busy) {
    if (busy) {
        m_focusBeforeJob = focusWidget();
    }
    m_test->setEnabled(!busy);
    m_ok->setEnabled(!busy);
    m_devices->setEnabled(!busy);
    // Disabling the focused button moved the focus on; a second test should
    // be one key press away again.
    if (!busy && m_focusBeforeJob != nullptr) {
        m_focusBeforeJob->setFocus();
    }
}
