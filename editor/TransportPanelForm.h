#pragma once

#include <string>

class Prompt;
class TransportEngine;

// The rules of the transport panel without its widgets: how the bar and
// tempo boxes read what is typed or stepped, what the panel shows of the
// engine, and when its controls are usable. Every method returns the text the
// box must show afterwards. User-interface thread only.
class TransportPanelForm {
public:
    static constexpr int kMinTempo = 20;
    static constexpr int kMaxTempo = 208;

    // The note value the beat-unit picture shows.
    enum class BeatPicture { Half, Quarter, Eighth };

    // What the bar, beat and tempo boxes show, 1-based.
    struct Shown {
        std::string bar;
        std::string beat;
        std::string tempo;
    };

    struct TempoEntry {
        std::string text;
        // The typed value was outside kMinTempo..kMaxTempo: the message was
        // shown and the box's text is to be selected.
        bool corrected = false;
    };

    // Messages go through the prompt; both must outlive the form.
    TransportPanelForm(TransportEngine& engine, Prompt& prompt);

    // The bar box's text as a number, at least 1 (a non-number counts as 0),
    // becomes where the next play starts.
    std::string CommitBar(const std::string& text);
    // The up-down control moved the bar box's number by change.
    std::string StepBar(const std::string& text, int change);
    // Back to the first bar.
    std::string Rewind() { return CommitBar("1"); }

    // The tempo box's text as a number, held within kMinTempo..kMaxTempo
    // with a warning when it was outside, becomes the engine's tempo.
    TempoEntry CommitTempo(const std::string& text);
    // The up-down control moved the tempo by change; it stops at either end
    // without a warning, as a spin control does.
    std::string StepTempo(const std::string& text, int change);

    // The playing bar and beat while music plays; else the bar the next
    // play starts at.
    Shown Position() const;
    // Rewind, both boxes and their up-down controls.
    bool BoxesEnabled() const;
    // The play button shows pause from the first step until playback ends.
    bool ShowsPause() const;
    static BeatPicture PictureFor(int beatUnit);

private:
    static int ReadNumber(const std::string& text);
    std::string ApplyBar(int bar);
    std::string ApplyTempo(int bpm);

    TransportEngine& m_engine;
    Prompt& m_prompt;
};
