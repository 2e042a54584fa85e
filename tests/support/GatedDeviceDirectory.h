#pragma once

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "playback/FakeDeviceDirectory.h"

// FakeDeviceDirectory's devices, except that opening the gated one waits
// until the test opens the gate: a test can then look at what happens while
// a device is still opening. A gate never opened gives way after a while, so
// code that waits for the device on the test's own thread fails the test
// instead of hanging it.
class GatedDeviceDirectory : public midi::DeviceDirectory {
public:
    static constexpr std::chrono::seconds kGiveWay{20};

    GatedDeviceDirectory(std::shared_ptr<FakeDeviceDirectory> devices, int gatedId)
        : m_devices(std::move(devices)), m_gatedId(gatedId), m_gate(m_open.get_future().share()) {}

    std::vector<std::string> Names() const override { return m_devices->Names(); }

    std::unique_ptr<midi::OutputBackend> Open(int id) const override {
        if (id == m_gatedId) {
            m_gate.wait_for(kGiveWay);
        }
        return m_devices->Open(id);
    }

    void OpenGate() { m_open.set_value(); }

private:
    std::shared_ptr<FakeDeviceDirectory> m_devices;
    int m_gatedId;
    std::promise<void> m_open;
    std::shared_future<void> m_gate;
};
