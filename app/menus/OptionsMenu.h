#pragma once

#include <QObject>

class CMainFrame;
class QAction;
class QMenu;
class QMenuBar;

// The Options menu: the interface language (English or Traditional Chinese,
// remembered as "Lang") and "MIDI Setup". Disabled while music plays.
class OptionsMenu : public QObject {
    Q_OBJECT

public:
    OptionsMenu(QMenuBar& bar, CMainFrame& frame);

    QAction* LanguageAction(int lang) const;
    QAction* MidiSetupAction() const { return m_midiSetup; }
    void Refresh();

signals:
    // The user chose another language; the window rebuilds its menus.
    void LanguageChosen(int lang);

private:
    void ChooseLanguage(int lang);
    void MidiSetup();

    CMainFrame& m_frame;
    QMenu* m_menu;
    QAction* m_english;
    QAction* m_chinese;
    QAction* m_midiSetup;
};
