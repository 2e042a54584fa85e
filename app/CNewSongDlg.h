#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "editor/NewSongWizardForm.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class Prompt;
class Song;

// The "New Music Wizard" over NewSongWizardForm: the tracks from a template
// or typed counts, the key, the tempo and the time signature of a new song.
// exec() answers Accepted only once OK has built the song (and cleared the
// undo history); TakeSong then hands it over. Refusals show their message
// through the prompt and keep the wizard open.
class CNewSongDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNewSongDlg(Prompt& prompt, QWidget* parent = nullptr);

    // The song OK built; null before, and after it was taken.
    std::unique_ptr<Song> TakeSong();

private:
    using Count = NewSongWizardForm::Count;

    QWidget* MakeTracks();
    QWidget* MakeKey();
    QWidget* MakeTempo();
    QWidget* MakeTimeSignature();
    QLineEdit* MakeNumberField(const char* name, int maxDigits, QWidget* parent);
    void Connect();
    void ShowForm();
    void Ok();

    Prompt& m_prompt;
    NewSongWizardForm m_form;
    QRadioButton* m_template = nullptr;
    QRadioButton* m_custom = nullptr;
    QListWidget* m_templates = nullptr;
    // Treble, bass, percussion, accompaniment.
    std::array<QLineEdit*, 4> m_counts{};
    QRadioButton* m_major = nullptr;
    QRadioButton* m_minor = nullptr;
    QComboBox* m_majorKeys = nullptr;
    QComboBox* m_minorKeys = nullptr;
    QComboBox* m_tempos = nullptr;
    QLineEdit* m_tempo = nullptr;
    QButtonGroup* m_timeSignatures = nullptr;
};
