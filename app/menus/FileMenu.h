#pragma once

#include <QObject>
#include <QPrinter>
#include <QString>

class CMainFrame;
class CQuillsong3Doc;
class QAction;
class QMenu;
class QMenuBar;

// The File menu: New (through the New Music Wizard), Open, Save, Save As,
// Export to MIDI and to MusicXML, Print, Print Preview, Print Setup, the recent file and Exit.
// Before a modified song is replaced or the window closes it asks whether to
// save it. Everything is disabled while music plays.
class FileMenu : public QObject {
    Q_OBJECT

public:
    FileMenu(QMenuBar& bar, CMainFrame& frame, CQuillsong3Doc& document);

    // Opens the file in place of the song (after the save question) and
    // remembers it as the recent file.
    bool OpenFile(const QString& path);
    // Asks to save a modified song: true when the caller may go on (saved,
    // or the changes are dropped), false when the user cancelled or the save
    // failed.
    bool SaveModified();
    bool Save();
    bool SaveAs();
    void Refresh();

    QAction* Action(const char* name) const;

private:
    QAction* Add(const QString& caption, const QKeySequence& key, const char* name,
                 void (FileMenu::*slot)());
    void New();
    void Open();
    void SaveCommand() { Save(); }
    void SaveAsCommand() { SaveAs(); }
    void ExportMidi();
    void ExportMusicXml();
    void Print();
    void PrintPreview();
    void PrintSetup();
    void OpenRecent();
    void Exit();
    void ShowRecent();
    QString StartFolder() const;

    CMainFrame& m_frame;
    CQuillsong3Doc& m_document;
    QMenu* m_menu;
    QAction* m_recent = nullptr;
    QPrinter m_printer;
};
