#pragma once

#include <QMainWindow>

#include "editor/qt/QtPrompt.h"
#include "model/Observer.h"

class CQuillsong3Doc;
class CQuillsong3View;
class EditMenu;
class PlayMenu;
class ScoreToolBar;

// The main window: the score view with the tool bar above it and the menus.
// It shows the document's song and follows it when the document replaces it.
class CMainFrame : public QMainWindow, public Observer {
    Q_OBJECT

public:
    explicit CMainFrame(CQuillsong3Doc& document);
    ~CMainFrame() override;

    CQuillsong3View& View() const { return *m_view; }
    ScoreToolBar& ToolBar() const { return *m_toolBar; }
    EditMenu& Edit() const { return *m_editMenu; }
    PlayMenu& Play() const { return *m_playMenu; }
    QtPrompt& MessagePrompt() { return m_prompt; }

    // The document replaced its song.
    void Update(Subject* subject, int aspect) override;

private:
    void ShowSong();

    CQuillsong3Doc& m_document;
    QtPrompt m_prompt;
    CQuillsong3View* m_view;
    ScoreToolBar* m_toolBar;
    EditMenu* m_editMenu;
    PlayMenu* m_playMenu;
};
