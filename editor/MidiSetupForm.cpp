#include "editor/MidiSetupForm.h"

#include <algorithm>
#include <exception>

#include "platform/DiagnosticLog.h"
#include "platform/Prompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/SoundEngine.h"

MidiSetupForm::MidiSetupForm(SoundEngine& engine) : m_engine(engine) {}

MidiSetupForm::~MidiSetupForm() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

bool MidiSetupForm::Load(Prompt& prompt) {
    m_names = m_engine.DeviceNames();
    if (m_names.empty()) {
        m_selected = -1;
        prompt.Show(StringTable::Get(ids::kNoMidiOutput), StringTable::Get(ids::kWarning),
                    Prompt::WarningIcon);
        return false;
    }
    // With nothing open (the remembered device may be gone) the first device
    // is the likeliest to work.
    Select(std::max(m_engine.OpenDeviceId(), 0));
    return true;
}

void MidiSetupForm::Select(int index) {
    m_selected = m_names.empty() ? -1 : std::clamp(index, 0, static_cast<int>(m_names.size()) - 1);
}

void MidiSetupForm::StartTest(std::function<void()> finished) {
    const int id = m_selected;
    Start([this, id] { m_engine.TestDevice(id); }, std::move(finished));
}

bool MidiSetupForm::StartOk(std::function<void()> finished) {
    const int id = m_selected;
    if (id < 0 || (m_engine.IsDeviceOpen() && m_engine.OpenDeviceId() == id)) {
        return false;
    }
    m_openingId = id;
    // The programs follow in JobDone: the channel table is the
    // user-interface thread's.
    Start([this, id] { m_engine.OpenDevice(id, false); }, std::move(finished));
    return true;
}

void MidiSetupForm::Start(std::function<void()> job, std::function<void()> finished) {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_worker = std::thread([job = std::move(job), finished = std::move(finished)] {
        // The engine drops a device's own errors; anything else must still
        // end the job, or the dialog would wait for it for ever.
        try {
            job();
        } catch (const std::exception& error) {
            DiagnosticLog::Write(std::string("MIDI Setup: ") + error.what());
        }
        finished();
    });
}

void MidiSetupForm::JobDone() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    if (m_openingId >= 0 && m_engine.OpenDeviceId() == m_openingId) {
        m_engine.SendAllPrograms();
    }
    m_openingId = -1;
}
