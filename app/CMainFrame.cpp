#include "app/CMainFrame.h"

#include <QCloseEvent>
#include <QMenuBar>

#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "app/menus/CommandActions.h"
#include "app/menus/EditMenu.h"
#include "app/menus/EditorMenus.h"
#include "app/menus/FileMenu.h"
#include "app/menus/OptionsMenu.h"
#include "app/menus/PlayMenu.h"
#include "editor/commands/MainMenuTable.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/ScoreToolBar.h"
#include "platform/Settings.h"
#include "playback/SoundEngine.h"

namespace {

constexpr int kInitialWidth = 1280;
constexpr int kInitialHeight = 860;

}  // namespace

CMainFrame::CMainFrame(CQuillsong3Doc& document, Prompt* messages)
    : m_document(document),
      m_prompt(this),
      m_messages(messages != nullptr ? *messages : m_prompt),
      m_view(new CQuillsong3View(m_messages, this)),
      m_toolBar(new ScoreToolBar(this)),
      m_commands(new CommandActions(document, *m_view, m_messages, this)) {
    BuildMenus();
    EditorMenus::AddShortcuts(*this, *m_commands);
    setCentralWidget(m_view);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    resize(kInitialWidth, kInitialHeight);
    m_document.Attach(this, 0);
    m_document.Attach(this, 1);
    ShowTitle();
    ShowSong();
    m_view->setFocus();
}

CMainFrame::~CMainFrame() {
    m_document.Detach(this, 0);
    m_document.Detach(this, 1);
    // The actions hold the view, which as a child would go first.
    delete m_commands;
}

void CMainFrame::BuildMenus() {
    m_fileMenu = new FileMenu(*menuBar(), *this, m_document);
    for (const MenuItem& menu : MainMenuTable::Menus()) {
        if (menu.command == CommandId::None && menu.caption == "&Help") {
            m_playMenu = new PlayMenu(*menuBar(), m_document);
        }
        QMenu* added = EditorMenus::AddMenu(*menuBar(), *m_commands, menu);
        if (menu.caption == "&Edit") {
            m_editMenu = new EditMenu(*added, m_document);
            m_editMenu->SetBeforeWalk([this] { m_view->CloseEditors(false); });
        }
        if (menu.caption == "&Music") {
            m_optionsMenu = new OptionsMenu(*menuBar(), *this);
            connect(m_optionsMenu, &OptionsMenu::LanguageChosen, this, &CMainFrame::SetLanguage);
        }
    }
    connect(m_playMenu, &PlayMenu::PlayingChanged, this, &CMainFrame::RefreshMenus);
}

void CMainFrame::RefreshMenus() {
    m_editMenu->Refresh();
    m_commands->Refresh();
    m_fileMenu->Refresh();
    m_optionsMenu->Refresh();
}

void CMainFrame::SetLanguage(int lang) {
    Settings::Instance().SetLang(lang);
    Languages::Apply(lang);
    m_view->CloseEditors(true);
    // The old bar takes its menus and their controllers with it; the
    // commands forget its actions first.
    m_commands->ForgetActions();
    QMenuBar* previous = menuBar();
    setMenuBar(new QMenuBar(this));
    // Qt would delete the old bar later; its menus' controllers watch the
    // document and the history, so they go now.
    delete previous;
    BuildMenus();
    removeToolBar(m_toolBar);
    delete m_toolBar;
    m_toolBar = new ScoreToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    RefreshMenus();
    m_view->RedrawAll();
}

void CMainFrame::Update(Subject* /*subject*/, int aspect) {
    if (aspect == 0) {
        ShowSong();
    }
    ShowTitle();
}

void CMainFrame::ShowTitle() {
    // "[*]" shows the modified mark where the desktop puts one.
    setWindowTitle(QString::fromStdString(m_document.GetTitle()) +
                   QStringLiteral("[*] - Quillsong"));
    setWindowModified(m_document.IsModified());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (SoundEngine::Instance().IsActive()) {
        SoundEngine::Instance().Stop();
        SoundEngine::Instance().WaitUntilStopped();
    }
    if (!m_fileMenu->SaveModified()) {
        event->ignore();
        return;
    }
    Settings& settings = Settings::Instance();
    settings.SetLang(settings.GetLang());
    const int device = SoundEngine::Instance().OpenDeviceId();
    if (device >= 0) {
        settings.SetOutDevId(device);
    }
    event->accept();
}

void CMainFrame::ShowSong() {
    m_view->SetSong(m_document.GetSong());
    m_editMenu->Refresh();
    m_commands->Refresh();
}
