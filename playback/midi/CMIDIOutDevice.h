#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "playback/midi/DeviceDirectory.h"
#include "playback/midi/MidiOutput.h"

namespace midi {

// One MIDI output device at a time, chosen by id from a directory (by default
// the system's: the built-in synthesizer and the sequencer's ports). Used
// from the user-interface thread, the playback thread and timer threads:
// sends, Open and Close are serialised, and opening a slow device (loading a
// SoundFont) does not hold up sends to the one already open.
class CMIDIOutDevice : public MidiOutput {
public:
    struct Caps {
        std::string productName;
    };

    // Closed, over the system's devices.
    CMIDIOutDevice();
    // Over the system's devices, opened with this id; throws CMIDIOutException.
    explicit CMIDIOutDevice(int deviceId);
    // Closed, over the given directory (null: the system's devices).
    explicit CMIDIOutDevice(std::shared_ptr<const DeviceDirectory> directory);
    ~CMIDIOutDevice() override;
    CMIDIOutDevice(const CMIDIOutDevice&) = delete;
    CMIDIOutDevice& operator=(const CMIDIOutDevice&) = delete;

    // Closes the device and takes its devices from this directory from now
    // on (null: the system's).
    void SetDirectory(std::shared_ptr<const DeviceDirectory> directory);

    // Opens the device with this id in place of the open one. Throws
    // CMIDIOutException when it cannot be opened; the device that was open
    // then stays open, so a failed choice never leaves playback silent.
    void Open(int deviceId);
    // Closes the open device, if any; sends after it do nothing.
    void Close();
    bool IsOpen() const;

    // Sends a packed short message (CShortMsg::Msg). Does nothing when
    // closed; throws CMIDIOutException when the open device refuses it or
    // the word holds no short message.
    void SendShort(std::uint32_t packed);
    // Sends one complete system-exclusive message, F0 to F7. Does nothing
    // when closed; throws CMIDIOutException when refused or incomplete.
    void SendLong(const std::uint8_t* data, std::size_t length);
    // Playback's way in: never throws. The first refusal after each Open is
    // written to the diagnostic log, later ones are dropped quietly, so a
    // device that fails mid-song neither ends playback nor floods the log.
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override;
    // Passes the stop on to the open device, if any.
    void DropScheduled() override;

    // Id of the open device, -1 when closed.
    int DeviceId() const;
    int DeviceCount() const;
    // Throws CMIDIOutException when no device has this id.
    Caps DeviceCaps(int deviceId) const;
    // Every device's name in id order, from one look at the system.
    std::vector<std::string> DeviceNames() const;

private:
    std::shared_ptr<const DeviceDirectory> CurrentDirectory() const;
    void SendShortBytes(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);

    mutable std::mutex m_mutex;
    std::shared_ptr<const DeviceDirectory> m_directory;
    std::unique_ptr<OutputBackend> m_backend;
    int m_deviceId = -1;
    bool m_sendFailureLogged = false;
};

}  // namespace midi
