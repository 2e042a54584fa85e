#pragma once

#include <functional>
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

    // Writes the text back into the tempo box, selected when it was
    // corrected.
    using TempoWriter = std::function<void(const std::string& text, bool select)>;

    // Messages go through the prompt; both must outlive the form.
    TransportPanelForm(TransportEngine& engine, Prompt& prompt);

    // The bar box's text as a number, at least 1 (a non-number counts as 0),
    // becomes where the next play starts.
    std::string CommitBar(const std::string& text);
    // The up-down control moved the bar box's number by change.
    std::string StepBar(const std::string& text, int change);
    // Back to the first bar.
    std::string Rewind() { return CommitBar("1"); }

    // The tempo box's text as a number, held within kMinTempo..kMaxTempo,
    // becomes the engine's tempo and is written back; a number outside is
    // written back selected and only then warned of, so the box shows the
    // corrected tempo under the message. Returns the text written.
    std::string CommitTempo(const std::string& text, const TempoWriter& writeBack);
    // The up-down control moved the tempo by change; it stops at either end
    // without a warning, as a spin control does.
    std::string StepTempo(const std::string& text, int change);

    // The playing bar and beat while music plays; else (also while the
    // engine prepares) the bar the next play starts at, on its first beat.
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
