#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

class Prompt;
class SoundEngine;

// What the "MIDI Setup" dialog holds and does: the devices to choose from,
// the test note and the change of device on OK. Opening a device may load a
// SoundFont and the test note lasts SoundEngine::kTestNoteMs, so both run on
// a worker thread of the form's, one job at a time, and the caller's thread
// stays free meanwhile. Everything else belongs to the user-interface thread.
class MidiSetupForm {
public:
    explicit MidiSetupForm(SoundEngine& engine);
    // Waits for a job still running.
    ~MidiSetupForm();
    MidiSetupForm(const MidiSetupForm&) = delete;
    MidiSetupForm& operator=(const MidiSetupForm&) = delete;

    // Lists the devices in id order and chooses the open one (the first when
    // none is open). Without any device it tells the user (string 157,
    // "Warning") and answers false: there is nothing to set up.
    bool Load(Prompt& prompt);
    const std::vector<std::string>& DeviceNames() const { return m_names; }
    // The chosen device's id; -1 while the list is empty.
    int Selected() const { return m_selected; }
    void Select(int index);

    // Starts playing middle C on the chosen device, after which the device
    // open before (or none) is back. finished is called on the worker thread
    // at the end; the caller then calls JobDone on its own thread.
    void StartTest(std::function<void()> finished);
    // OK. Answers false when the chosen device is the open one: it is not
    // reopened and nothing is left to do. Otherwise starts opening it in
    // place of the open one and answers true; JobDone, after finished, sends
    // it every track's program. A device that will not open changes nothing.
    bool StartOk(std::function<void()> finished);
    // From the start of a job until its JobDone.
    bool Busy() const { return m_worker.joinable(); }
    // Ends the job whose finished has been called.
    void JobDone();

private:
    void Start(std::function<void()> job, std::function<void()> finished);

    SoundEngine& m_engine;
    std::vector<std::string> m_names;
    int m_selected = -1;
    // The device OK is opening, until JobDone; -1 otherwise.
    int m_openingId = -1;
    std::thread m_worker;
};
