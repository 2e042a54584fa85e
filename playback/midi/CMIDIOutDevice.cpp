#include "playback/midi/CMIDIOutDevice.h"

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/DiagnosticLog.h"
#include "playback/midi/CLongMsg.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CMIDIOutMemFailure.h"
#include "playback/midi/CShortMsg.h"
#include "playback/midi/SystemDeviceDirectory.h"

namespace midi {

namespace {

std::shared_ptr<const DeviceDirectory> OrSystem(std::shared_ptr<const DeviceDirectory> directory) {
    if (directory != nullptr) {
        return directory;
    }
    // QUILLSONG_SOUNDFONT_DIR lets a user keep SoundFonts elsewhere, and
    // lets start-up be measured with each of them.
    const char* folder = std::getenv("QUILLSONG_SOUNDFONT_DIR");
    if (folder != nullptr && *folder != '\0') {
        return std::make_shared<SystemDeviceDirectory>(folder);
    }
    return std::make_shared<SystemDeviceDirectory>();
}

}  // namespace

CMIDIOutDevice::CMIDIOutDevice() : m_directory(OrSystem(nullptr)) {}

CMIDIOutDevice::CMIDIOutDevice(int deviceId) : CMIDIOutDevice() {
    Open(deviceId);
}

CMIDIOutDevice::CMIDIOutDevice(std::shared_ptr<const DeviceDirectory> directory)
    : m_directory(OrSystem(std::move(directory))) {}

CMIDIOutDevice::~CMIDIOutDevice() {
    Close();
}

void CMIDIOutDevice::SetDirectory(std::shared_ptr<const DeviceDirectory> directory) {
    Close();
    auto replacement = OrSystem(std::move(directory));
    std::lock_guard lock(m_mutex);
    m_directory = std::move(replacement);
}

std::shared_ptr<const DeviceDirectory> CMIDIOutDevice::CurrentDirectory() const {
    std::lock_guard lock(m_mutex);
    return m_directory;
}

void CMIDIOutDevice::Open(int deviceId) {
    // Opened outside the lock: loading a SoundFont takes a while, and the
    // device still open meanwhile keeps sounding.
    std::unique_ptr<OutputBackend> opened = CurrentDirectory()->Open(deviceId);
    std::unique_ptr<OutputBackend> previous;
    {
        std::lock_guard lock(m_mutex);
        previous = std::exchange(m_backend, std::move(opened));
        m_deviceId = deviceId;
        m_sendFailureLogged = false;
    }
    // previous closes here, outside the lock, for the same reason.
}

void CMIDIOutDevice::Close() {
    std::unique_ptr<OutputBackend> previous;
    std::lock_guard lock(m_mutex);
    previous = std::move(m_backend);
    m_deviceId = -1;
}

bool CMIDIOutDevice::IsOpen() const {
    std::lock_guard lock(m_mutex);
    return m_backend != nullptr;
}

int CMIDIOutDevice::DeviceId() const {
    std::lock_guard lock(m_mutex);
    return m_deviceId;
}

void CMIDIOutDevice::SendShort(std::uint32_t packed) {
    const CShortMsg msg(packed, 0);
    SendShortBytes(msg.Status(), msg.Data1(), msg.Data2());
}

void CMIDIOutDevice::SendShortBytes(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    std::lock_guard lock(m_mutex);
    if (m_backend == nullptr) {
        return;
    }
    const int bytes = CShortMsg::BytesOnWire(status);
    if (bytes == 0) {
        throw CMIDIOutException("Status byte " + std::to_string(status) +
                                " does not start a short MIDI message.");
    }
    try {
        m_backend->SendShort(status, data1, data2, bytes);
    } catch (const std::bad_alloc&) {
        throw CMIDIOutMemFailure();
    }
}

void CMIDIOutDevice::SendLong(const std::uint8_t* data, std::size_t length) {
    std::lock_guard lock(m_mutex);
    if (m_backend == nullptr) {
        return;
    }
    if (!CLongMsg::IsComplete(data, length)) {
        throw CMIDIOutException(
            "A system-exclusive message must start with F0, end with F7 and hold only data bytes "
            "between.");
    }
    try {
        m_backend->SendLong(data, length);
    } catch (const std::bad_alloc&) {
        throw CMIDIOutMemFailure();
    }
}

void CMIDIOutDevice::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    try {
        SendShortBytes(status, data1, data2);
    } catch (const std::exception& e) {
        int deviceId = -1;
        {
            std::lock_guard lock(m_mutex);
            if (m_sendFailureLogged) {
                return;
            }
            m_sendFailureLogged = true;
            deviceId = m_deviceId;
        }
        DiagnosticLog::Write(
            "MIDI output device " + std::to_string(deviceId) +
            " refused a message; it and any further refusals are dropped: " + e.what());
    }
}

void CMIDIOutDevice::DropScheduled() {
    std::lock_guard lock(m_mutex);
    if (m_backend != nullptr) {
        m_backend->DropScheduled();
    }
}

int CMIDIOutDevice::DeviceCount() const {
    return static_cast<int>(CurrentDirectory()->Names().size());
}

CMIDIOutDevice::Caps CMIDIOutDevice::DeviceCaps(int deviceId) const {
    std::vector<std::string> names = CurrentDirectory()->Names();
    if (deviceId < 0 || deviceId >= static_cast<int>(names.size())) {
        throw CMIDIOutException("There is no MIDI output device with id " +
                                std::to_string(deviceId) + ".");
    }
    return Caps{std::move(names[static_cast<std::size_t>(deviceId)])};
}

std::vector<std::string> CMIDIOutDevice::DeviceNames() const {
    return CurrentDirectory()->Names();
}

}  // namespace midi
