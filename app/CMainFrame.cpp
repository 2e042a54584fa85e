#include "app/CMainFrame.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>
#include <tuple>

#include "app/CQuillsong3Doc.h"
#include "app/Languages.h"
#include "app/menus/CommandActions.h"
#include "app/menus/EditMenu.h"
#include "app/menus/EditorMenus.h"
#include "app/menus/FileMenu.h"
#include "app/menus/OptionsMenu.h"
#include "app/menus/PlayMenu.h"
#include "app/panels/NavigationPanel.h"
#include "app/panels/PlayCommands.h"
#include "app/panels/TimeControlPanel.h"
#include "editor/commands/MainMenuTable.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/ScoreToolBar.h"
#include "model/Song.h"
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
      m_commands(new CommandActions(document, *m_view, m_messages, this)),
      m_playCommands(new PlayCommands(document, *m_view, *this)) {
    BuildMenus();
    EditorMenus::AddShortcuts(*this, *m_commands);
    setCentralWidget(m_view);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    BuildPanels();
    connect(m_playCommands, &PlayCommands::PlayingChanged, this, &CMainFrame::RefreshMenus);
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
    // The panels use the commands, and the commands hold the view, which as a
    // child would go first.
    RemovePanels();
    delete m_playCommands;
    delete m_commands;
}

void CMainFrame::BuildMenus() {
    m_fileMenu = new FileMenu(*menuBar(), *this, m_document);
    for (const MenuItem& menu : MainMenuTable::Menus()) {
        if (menu.command == CommandId::None && menu.caption == "&Help") {
            m_playMenu = new PlayMenu(*menuBar(), *m_playCommands);
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
}

void CMainFrame::BuildPanels() {
    RemovePanels();
    m_timePanel = new TimeControlPanel(*m_playCommands, m_messages);
    m_navigationPanel = new NavigationPanel(*m_commands, m_messages);
    ShowSongInPanels();
    m_transportBar = new QToolBar(tr("Transport"), this);
    m_navigationBar = new QToolBar(tr("Navigation"), this);
    // A row of their own: beside the tool bar they would push its last
    // buttons out of sight on a window narrower than about 1260 pixels.
    addToolBarBreak(Qt::TopToolBarArea);
    for (auto [bar, panel, name] :
         {std::tuple{m_transportBar, static_cast<QWidget*>(m_timePanel), "TransportPanel"},
          std::tuple{m_navigationBar, static_cast<QWidget*>(m_navigationPanel),
                     "NavigationPanel"}}) {
        bar->setObjectName(QString::fromLatin1(name));
        bar->setMovable(false);
        bar->addWidget(panel);
        addToolBar(Qt::TopToolBarArea, bar);
    }
}

void CMainFrame::ShowSongInPanels() {
    const Song* song = m_document.GetSong();
    m_timePanel->ShowBeatUnit(song != nullptr ? song->GetTimeSignature().denominator : 4);
    m_timePanel->Refresh();
    m_navigationPanel->Refresh();
}

void CMainFrame::RemovePanels() {
    // The transport panel watches the engine, whose threads notify without a
    // lock: nothing may be playing, or still telling of its end, while it
    // detaches.
    SoundEngine& engine = SoundEngine::Instance();
    if (m_timePanel != nullptr) {
        if (engine.IsActive()) {
            engine.Stop();
        }
        engine.WaitUntilStopped();
    }
    for (QToolBar* bar : {m_transportBar, m_navigationBar}) {
        if (bar != nullptr) {
            removeToolBar(bar);
            delete bar;
        }
    }
    m_transportBar = m_navigationBar = nullptr;
    m_timePanel = nullptr;
    m_navigationPanel = nullptr;
}

void CMainFrame::RefreshMenus() {
    m_navigationPanel->Refresh();
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
    m_playCommands->Retranslate();
    BuildPanels();
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
    m_playCommands->Refresh();
    if (m_timePanel != nullptr) {
        ShowSongInPanels();
    }
}
