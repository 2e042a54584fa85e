#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "playback/midi/MidiOutput.h"
#include "playback/midi/SendTime.h"

// A MIDI output for tests and benchmarks that keeps every message with the
// steady-clock moment it arrived and the SendTime it was sent under, if any. Safe to send to from
// several threads (the playback thread fires, the timer thread releases).
class MessageRecorder : public midi::MidiOutput {
public:
    using Clock = std::chrono::steady_clock;

    struct Message {
        Clock::time_point at;
        int status = 0;
        int data1 = 0;
        int data2 = 0;
        std::optional<Clock::time_point> origin;
        std::optional<Clock::time_point> due;

        int Command() const { return status & 0xF0; }
        int Channel() const { return status & 0x0F; }
        bool IsNoteOn() const { return Command() == 0x90; }
        bool IsNoteOff() const { return Command() == 0x80; }
    };

    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) override {
        const Clock::time_point now = Clock::now();
        Message message{now, status, data1, data2, std::nullopt, std::nullopt};
        if (const midi::SendTime* at = midi::SendTime::Current()) {
            message.origin = at->Origin();
            message.due = at->Due();
        }
        std::lock_guard lock(m_mutex);
        m_messages.push_back(message);
    }

    void DropScheduled() override {
        std::lock_guard lock(m_mutex);
        ++m_drops;
    }

    // How often the output was told to drop what it had scheduled.
    int Drops() const {
        std::lock_guard lock(m_mutex);
        return m_drops;
    }

    std::vector<Message> Messages() const {
        std::lock_guard lock(m_mutex);
        return m_messages;
    }

    void Clear() {
        std::lock_guard lock(m_mutex);
        m_messages.clear();
        m_drops = 0;
    }

    std::vector<Message> NoteOns() const {
        std::vector<Message> ons;
        for (const Message& message : Messages()) {
            if (message.IsNoteOn()) {
                ons.push_back(message);
            }
        }
        return ons;
    }

    // (channel, key) of every Note On not yet matched by a later Note Off,
    // with how many are open; empty when nothing is left sounding. A Note Off
    // before any Note On counts as -1, which is a fault as well.
    std::map<std::pair<int, int>, int> Sounding() const {
        std::map<std::pair<int, int>, int> open;
        for (const Message& message : Messages()) {
            const std::pair<int, int> note{message.Channel(), message.data1};
            if (message.IsNoteOn()) {
                ++open[note];
            } else if (message.IsNoteOff() && --open[note] == 0) {
                open.erase(note);
            }
        }
        return open;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Message> m_messages;
    int m_drops = 0;
};
