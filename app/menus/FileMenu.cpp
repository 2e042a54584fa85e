#include "app/menus/FileMenu.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>

#include "app/CMainFrame.h"
#include "app/CNewSongDlg.h"
#include "app/CQuillsong3Doc.h"
#include "app/RecentFiles.h"
#include "editor/ScorePainter.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/ScoreExporter.h"
#include "model/Song.h"
#include "platform/Prompt.h"
#include "playback/SoundEngine.h"

namespace {

const QString kSongFilter = QStringLiteral("Quillsong (*.qs)");

// The path with the extension added when the user typed none.
QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + suffix : path;
}

}  // namespace

FileMenu::FileMenu(QMenuBar& bar, CMainFrame& frame, CQuillsong3Doc& document)
    : QObject(&bar),
      m_frame(frame),
      m_document(document),
      m_menu(bar.addMenu(tr("&File"))),
      m_printer(QPrinter::HighResolution) {
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setFullPage(true);
    Add(tr("&New\tCtrl+N"), QKeySequence::New, "New", &FileMenu::New);
    Add(tr("&Open...\tCtrl+O"), QKeySequence::Open, "Open", &FileMenu::Open);
    Add(tr("&Save\tCtrl+S"), QKeySequence::Save, "Save", &FileMenu::SaveCommand);
    Add(tr("Save &As..."), QKeySequence::SaveAs, "SaveAs", &FileMenu::SaveAsCommand);
    m_menu->addSeparator();
    Add(tr("Export to &MIDI..."), {}, "ExportMidi", &FileMenu::ExportMidi);
    Add(tr("Export to Music&XML..."), {}, "ExportMusicXml", &FileMenu::ExportMusicXml);
    m_menu->addSeparator();
    Add(tr("&Print...\tCtrl+P"), QKeySequence::Print, "Print", &FileMenu::Print);
    Add(tr("Print Pre&view"), {}, "PrintPreview", &FileMenu::PrintPreview);
    Add(tr("P&rint Setup..."), {}, "PrintSetup", &FileMenu::PrintSetup);
    m_menu->addSeparator();
    m_recent = Add(QString(), {}, "Recent", &FileMenu::OpenRecent);
    m_menu->addSeparator();
    Add(tr("E&xit"), QKeySequence::Quit, "Exit", &FileMenu::Exit);
    connect(m_menu, &QMenu::aboutToShow, this, &FileMenu::Refresh);
    ShowRecent();
}

QAction* FileMenu::Add(const QString& caption, const QKeySequence& key, const char* name,
                       void (FileMenu::*slot)()) {
    QAction* action = m_menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(false);
    }
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* FileMenu::Action(const char* name) const {
    return m_menu->findChild<QAction*>(QString::fromLatin1(name));
}

void FileMenu::Refresh() {
    const bool idle = !SoundEngine::Instance().IsActive();
    for (QAction* action : m_menu->actions()) {
        action->setEnabled(idle);
    }
    ShowRecent();
}

void FileMenu::ShowRecent() {
    const QString recent = RecentFiles::Load();
    m_recent->setVisible(!recent.isEmpty());
    m_recent->setText(QStringLiteral("&1 ") + QDir::toNativeSeparators(recent));
    m_recent->setData(recent);
}

bool FileMenu::SaveModified() {
    m_frame.View().CloseEditors(true);
    if (!m_document.IsModified()) {
        return true;
    }
    const std::string question =
        tr("Save changes to %1?").arg(QString::fromStdString(m_document.GetTitle())).toStdString();
    switch (m_frame.MessagePrompt().Ask(question, "Quillsong", Prompt::SaveDiscardCancelButtons,
                                        Prompt::WarningIcon)) {
        case Prompt::Yes:
            return Save();
        case Prompt::No:
            return true;
        default:
            return false;
    }
}

void FileMenu::New() {
    if (SoundEngine::Instance().IsActive() || !SaveModified()) {
        return;
    }
    CNewSongDlg wizard(m_frame.MessagePrompt(), &m_frame);
    if (wizard.exec() == QDialog::Accepted) {
        m_document.NewSong(wizard.TakeSong());
    }
}

QString FileMenu::StartFolder() const {
    const QString path = QString::fromStdString(m_document.GetPathName());
    return path.isEmpty() ? QDir::homePath() : QFileInfo(path).absolutePath();
}

void FileMenu::Open() {
    if (SoundEngine::Instance().IsActive() || !SaveModified()) {
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(&m_frame, tr("Open"), StartFolder(), kSongFilter);
    if (!path.isEmpty()) {
        OpenFile(path);
    }
}

bool FileMenu::OpenFile(const QString& path) {
    if (!m_document.Open(path.toStdString(), m_frame.MessagePrompt())) {
        return false;
    }
    RecentFiles::Save(QFileInfo(path).absoluteFilePath());
    ShowRecent();
    return true;
}

void FileMenu::OpenRecent() {
    const QString path = m_recent->data().toString();
    if (!path.isEmpty() && !SoundEngine::Instance().IsActive() && SaveModified()) {
        OpenFile(path);
    }
}

bool FileMenu::Save() {
    if (m_document.GetPathName().empty()) {
        return SaveAs();
    }
    m_frame.View().CloseEditors(true);
    return m_document.Save(m_document.GetPathName(), m_frame.MessagePrompt());
}

bool FileMenu::SaveAs() {
    m_frame.View().CloseEditors(true);
    const QString start =
        QDir(StartFolder()).filePath(QString::fromStdString(m_document.GetTitle()) + ".qs");
    const QString path = QFileDialog::getSaveFileName(&m_frame, tr("Save As"), start, kSongFilter);
    if (path.isEmpty()) {
        return false;
    }
    const QString target = WithSuffix(path, QStringLiteral(".qs"));
    if (!m_document.Save(target.toStdString(), m_frame.MessagePrompt())) {
        return false;
    }
    RecentFiles::Save(QFileInfo(target).absoluteFilePath());
    ShowRecent();
    return true;
}

void FileMenu::ExportMidi() {
    m_frame.View().CloseEditors(true);
    const QString start =
        QDir(StartFolder()).filePath(QString::fromStdString(m_document.GetTitle()) + ".mid");
    const QString path = QFileDialog::getSaveFileName(&m_frame, tr("Export music to MIDI file"),
                                                      start, tr("MIDI files (*.mid)"));
    if (!path.isEmpty()) {
        m_document.ExportMidi(WithSuffix(path, QStringLiteral(".mid")).toStdString(),
                              m_frame.MessagePrompt());
    }
}

void FileMenu::ExportMusicXml() {
    m_frame.View().CloseEditors(true);
    const QString start =
        QDir(StartFolder())
            .filePath(QString::fromStdString(m_document.GetTitle()) + QStringLiteral(".musicxml"));
    const QString path = QFileDialog::getSaveFileName(
        &m_frame, tr("Export music to MusicXML file"), start,
        tr("MusicXML files (*.musicxml *.xml);;Compressed MusicXML files (*.mxl)"));
    if (!path.isEmpty()) {
        m_document.ExportMusicXml(WithSuffix(path, QStringLiteral(".musicxml")).toStdString(),
                                  m_frame.MessagePrompt());
    }
}

void FileMenu::Print() {
    Song* song = m_document.GetSong();
    if (song == nullptr) {
        return;
    }
    m_frame.View().CloseEditors(true);
    const int pages = ScorePainter::PageCount();
    QPrintDialog dialog(&m_printer, &m_frame);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const bool range = m_printer.printRange() == QPrinter::PageRange;
    ScoreExporter::PrintPages(m_printer, *song, range ? m_printer.fromPage() : 1,
                              range ? m_printer.toPage() : pages);
}

void FileMenu::PrintPreview() {
    Song* song = m_document.GetSong();
    if (song == nullptr) {
        return;
    }
    m_frame.View().CloseEditors(true);
    QPrintPreviewDialog preview(&m_printer, &m_frame);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [song](QPrinter* printer) {
        ScoreExporter::PrintPages(*printer, *song, 1, ScorePainter::PageCount());
    });
    preview.resize(m_frame.size() * 9 / 10);
    preview.exec();
}

void FileMenu::PrintSetup() {
    QPageSetupDialog dialog(&m_printer, &m_frame);
    dialog.exec();
}

void FileMenu::Exit() {
    m_frame.close();
}
