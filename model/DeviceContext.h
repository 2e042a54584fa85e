#pragma once

// The surface the model draws on, in score units. The Qt shell implements it
// for the screen, the printer and images; the core only sees this interface.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;
};
