#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/DeviceDirectory.h"

// Devices for unit tests of the device and the engine: each has a name and
// may refuse to open or refuse messages. Everything that happens is written to
// one shared journal, in order: "open 1", "close 1", "1: C0 28" (the bytes a
// message has on the wire), "1: sysex F0 7E F7".
struct FakeDevice {
    static FakeDevice Working(std::string name) {
        return FakeDevice{std::move(name), {}, {}, false};
    }
    static FakeDevice FailingToOpen(std::string name, std::string reason) {
        return FakeDevice{std::move(name), std::move(reason), {}, false};
    }
    static FakeDevice RefusingSends(std::string name, std::string reason) {
        return FakeDevice{std::move(name), {}, std::move(reason), false};
    }
    static FakeDevice OutOfMemory(std::string name) {
        return FakeDevice{std::move(name), {}, {}, true};
    }

    std::string name;
    std::string openFailure;  // non-empty: Open throws with this text
    std::string sendFailure;  // non-empty: every send throws with this text
    bool sendRunsOutOfMemory = false;
};

class FakeDeviceDirectory : public midi::DeviceDirectory {
public:
    explicit FakeDeviceDirectory(std::vector<FakeDevice> devices)
        : m_devices(std::move(devices)), m_journal(std::make_shared<std::vector<std::string>>()) {}

    std::vector<std::string> Names() const override {
        std::vector<std::string> names;
        for (const FakeDevice& device : m_devices) {
            names.push_back(device.name);
        }
        return names;
    }

    std::unique_ptr<midi::OutputBackend> Open(int id) const override {
        if (id < 0 || id >= static_cast<int>(m_devices.size())) {
            throw midi::CMIDIOutException("no fake device " + std::to_string(id));
        }
        const FakeDevice& device = m_devices[static_cast<std::size_t>(id)];
        if (!device.openFailure.empty()) {
            throw midi::CMIDIOutException(device.openFailure);
        }
        return std::make_unique<Backend>(id, device, m_journal);
    }

    const std::vector<std::string>& Journal() const { return *m_journal; }
    void ClearJournal() { m_journal->clear(); }
    // The journal's entries for messages sent to this device.
    std::vector<std::string> MessagesTo(int id) const {
        const std::string prefix = std::to_string(id) + ": ";
        std::vector<std::string> messages;
        for (const std::string& entry : *m_journal) {
            if (entry.starts_with(prefix)) {
                messages.push_back(entry.substr(prefix.size()));
            }
        }
        return messages;
    }

private:
    class Backend : public midi::OutputBackend {
    public:
        Backend(int id, FakeDevice device, std::shared_ptr<std::vector<std::string>> journal)
            : m_id(id), m_device(std::move(device)), m_journal(std::move(journal)) {
            m_journal->push_back("open " + std::to_string(m_id));
        }
        ~Backend() override { m_journal->push_back("close " + std::to_string(m_id)); }

        void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                       int bytesOnWire) override {
            Refuse();
            const std::uint8_t bytes[3] = {status, data1, data2};
            Record("", bytes, static_cast<std::size_t>(bytesOnWire));
        }
        void SendLong(const std::uint8_t* data, std::size_t length) override {
            Refuse();
            Record("sysex ", data, length);
        }

    private:
        void Refuse() const {
            if (m_device.sendRunsOutOfMemory) {
                throw std::bad_alloc();
            }
            if (!m_device.sendFailure.empty()) {
                throw midi::CMIDIOutException(m_device.sendFailure);
            }
        }
        void Record(const std::string& kind, const std::uint8_t* bytes, std::size_t length) {
            static const char* const kDigits = "0123456789ABCDEF";
            std::string entry = std::to_string(m_id) + ": " + kind;
            for (std::size_t i = 0; i < length; ++i) {
                entry += i == 0 ? "" : " ";
                entry += kDigits[bytes[i] >> 4];
                entry += kDigits[bytes[i] & 0x0F];
            }
            m_journal->push_back(entry);
        }

        int m_id;
        FakeDevice m_device;
        std::shared_ptr<std::vector<std::string>> m_journal;
    };

    std::vector<FakeDevice> m_devices;
    std::shared_ptr<std::vector<std::string>> m_journal;
};
