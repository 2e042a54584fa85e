#pragma once

#include <QMainWindow>

#include "editor/qt/QtPrompt.h"
#include "model/Observer.h"

class CQuillsong3Doc;
class CQuillsong3View;
class CommandActions;
class EditMenu;
class PlayMenu;
class ScoreToolBar;

// The main window: the score view with the tool bar above it and the menus
// (Edit, View, Bar, Track, Music, Play, Help). It shows the document's song
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
    PlayMenu& Play() const { return *m_playMenu; }
    Prompt& MessagePrompt() { return m_messages; }

    // The document replaced its song.
    void Update(Subject* subject, int aspect) override;

private:
    void ShowSong();
    void BuildMenus();

    CQuillsong3Doc& m_document;
    QtPrompt m_prompt;
    Prompt& m_messages;
    CQuillsong3View* m_view;
    ScoreToolBar* m_toolBar;
    CommandActions* m_commands;
    EditMenu* m_editMenu = nullptr;
    PlayMenu* m_playMenu = nullptr;
};
