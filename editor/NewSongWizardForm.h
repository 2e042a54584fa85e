#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/NewSongSettings.h"

class Prompt;
class Song;
class UndoManager;

// What the "New Music Wizard" holds and does on OK: the tracks from a
// template or from four typed counts, the key from the major or the minor
// list, a tempo preset or a typed tempo, and the time signature. OK checks
// them in order, stopping at the first message, and keeps the song it built
// until TakeSong hands it over. The Qt dialog shows these fields.
class NewSongWizardForm {
public:
    enum class Count { Treble, Bass, Percussion, Accompaniment };
    enum class Outcome { Built, Refused, TempoRefused };

    // The tempo list's last entry, the only one whose value is typed.
    static constexpr int kCustomTempo = 7;

    // The template list, in list order, in English.
    static const std::vector<std::string>& Templates();
    // "Largo" ... "Presto", "Custom", in English.
    static const std::vector<std::string>& TempoNames();
    // Names from Templates or TempoNames in the user's language, in the same
    // order, for the dialog to show; the lists themselves stay English.
    static std::vector<std::string> Shown(const std::vector<std::string>& names);
    // "2/2", "2/4", "3/4", "4/4", "6/8".
    static std::vector<std::string> TimeSignatureNames();

    // The fields as UseDefault leaves them.
    NewSongWizardForm();
    ~NewSongWizardForm();
    NewSongWizardForm(const NewSongWizardForm&) = delete;
    NewSongWizardForm& operator=(const NewSongWizardForm&) = delete;

    // Template "Treble" and its counts, C major (A minor), Moderato, 4/4.
    void UseDefault();

    bool UsesTemplate() const { return m_useTemplate; }
    // Going back to the templates puts the chosen template's counts back.
    void SetUseTemplate(bool useTemplate);
    bool TemplateListEnabled() const { return m_useTemplate; }
    bool CountsEnabled() const { return !m_useTemplate; }
    int TemplateIndex() const { return m_templateIndex; }
    // Fills the four counts from the template.
    void ChooseTemplate(int index);

    const std::string& CountText(Count count) const;
    // A count as typed. An accompaniment count over 1 is answered with
    // string 148 and put back to 1, the most a song can have, so the field
    // shows what OK will build.
    void TypeCount(Count count, const std::string& text, Prompt& prompt);

    // Both key lists always keep the same position: C major is A minor.
    bool ShowsMajor() const { return m_major; }
    void ShowMajor(bool major) { m_major = major; }
    int KeyIndex() const { return m_settings.keyIndex; }
    void SetKeyIndex(int index);
    // Sharps positive, flats negative.
    int KeySignature() const;

    int TempoIndex() const { return m_tempoIndex; }
    // A preset shows its value; "Custom" keeps the value shown so far.
    void ChooseTempo(int index);
    bool TempoEditEnabled() const { return m_tempoIndex == kCustomTempo; }
    const std::string& TempoText() const { return m_settings.tempo; }
    // Ignored unless "Custom" is chosen.
    void TypeTempo(const std::string& text);

    int TimeSignatureIndex() const { return m_settings.timeSignatureIndex; }
    void SetTimeSignatureIndex(int index);

    // Refuses too many pitched tracks (149), too many tracks besides the
    // accompaniment (171), then gives the sound engine the key and time
    // signature and refuses a tempo outside 20 to 208 (150, TempoRefused: the
    // focus belongs on the tempo field). Otherwise drops any song built
    // before, clears the history and builds the new song: "My Great Music",
    // 16 bars, the accompaniment track first, then treble, bass, percussion.
    Outcome Ok(Prompt& prompt, UndoManager& history);
    // The song the last successful OK built, now the caller's; null before.
    std::unique_ptr<Song> TakeSong();

private:
    static std::string NewSongSettings::*CountMember(Count count);

    NewSongSettings m_settings;
    bool m_useTemplate = true;
    int m_templateIndex = 0;
    bool m_major = true;
    int m_tempoIndex = 0;
    std::unique_ptr<Song> m_song;
};
