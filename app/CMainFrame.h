#pragma once

#include <QMainWindow>

#include "editor/qt/QtPrompt.h"
#include "model/Observer.h"

class CQuillsong3Doc;
class CQuillsong3View;
class CommandActions;
class EditMenu;
class FileMenu;
class NavigationPanel;
class OptionsMenu;
class PlayCommands;
class PlayMenu;
class QToolBar;
class ScoreToolBar;
class TimeControlPanel;

// The main window: the score view with the tool bar, the transport panel
// and the navigation panel above it, and the menus (Edit, View, Bar, Track,
// Music, Play, Help). It shows the document's song
// and follows it when the document replaces it.
class CMainFrame : public QMainWindow, public Observer {
    Q_OBJECT

public:
    // Messages go to the prompt when one is given (tests answer them), else
    // to message boxes over this window.
    explicit CMainFrame(CQuillsong3Doc& document, Prompt* messages = nullptr);
    ~CMainFrame() override;

    CQuillsong3View& View() const { return *m_view; }
    ScoreToolBar& ToolBar() const { return *m_toolBar; }
    EditMenu& Edit() const { return *m_editMenu; }
    CommandActions& Commands() const { return *m_commands; }
    FileMenu& Files() const { return *m_fileMenu; }
    OptionsMenu& Options() const { return *m_optionsMenu; }
    // Switches the interface language (1 English, 2 Traditional Chinese,
    // falling back to English without its translation), remembers it and
    // rebuilds the menus and the tool bar in it.
    void SetLanguage(int lang);
    PlayMenu& Play() const { return *m_playMenu; }
    PlayCommands& Playing() const { return *m_playCommands; }
    TimeControlPanel& Transport() const { return *m_timePanel; }
    NavigationPanel& Navigation() const { return *m_navigationPanel; }
    Prompt& MessagePrompt() { return m_messages; }

    // The document replaced its song (aspect 0), or its name or modified
    // flag changed (aspect 1).
    void Update(Subject* subject, int aspect) override;

protected:
    // Asks to save a modified song; on closing writes the settings.
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowTitle();
    void RefreshMenus();
    void ShowSong();
    void BuildMenus();
    // The panels in the language now chosen; the old ones (if any) go.
    void BuildPanels();
    void RemovePanels();
    void ShowSongInPanels();

    CQuillsong3Doc& m_document;
    QtPrompt m_prompt;
    Prompt& m_messages;
    CQuillsong3View* m_view;
    ScoreToolBar* m_toolBar;
    CommandActions* m_commands;
    FileMenu* m_fileMenu = nullptr;
    OptionsMenu* m_optionsMenu = nullptr;
    EditMenu* m_editMenu = nullptr;
    PlayMenu* m_playMenu = nullptr;
    PlayCommands* m_playCommands;
    QToolBar* m_transportBar = nullptr;
    QToolBar* m_navigationBar = nullptr;
    TimeControlPanel* m_timePanel = nullptr;
    NavigationPanel* m_navigationPanel = nullptr;
};
