#include "app/CMainFrame.h"

#include <QMenuBar>

#include "app/CQuillsong3Doc.h"
#include "app/menus/CommandActions.h"
#include "app/menus/EditMenu.h"
#include "app/menus/EditorMenus.h"
#include "app/menus/PlayMenu.h"
#include "editor/commands/MainMenuTable.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/ScoreToolBar.h"

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
    setWindowTitle(QStringLiteral("Quillsong"));
    setCentralWidget(m_view);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    resize(kInitialWidth, kInitialHeight);
    connect(m_playMenu, &PlayMenu::PlayingChanged, this, [this] {
        m_editMenu->Refresh();
        m_commands->Refresh();
    });
    m_document.Attach(this, 0);
    ShowSong();
    m_view->setFocus();
}

CMainFrame::~CMainFrame() {
    m_document.Detach(this, 0);
    // The actions hold the view, which as a child would go first.
    delete m_commands;
}

void CMainFrame::BuildMenus() {
    for (const MenuItem& menu : MainMenuTable::Menus()) {
        if (menu.command == CommandId::None && menu.caption == "&Help") {
            m_playMenu = new PlayMenu(*menuBar(), m_document);
        }
        QMenu* added = EditorMenus::AddMenu(*menuBar(), *m_commands, menu);
        if (menu.caption == "&Edit") {
            m_editMenu = new EditMenu(*added, m_document);
            m_editMenu->SetBeforeWalk([this] { m_view->CloseEditors(false); });
        }
    }
    EditorMenus::AddShortcuts(*this, *m_commands);
}

void CMainFrame::Update(Subject* /*subject*/, int /*aspect*/) {
    ShowSong();
}

void CMainFrame::ShowSong() {
    m_view->SetSong(m_document.GetSong());
    m_editMenu->Refresh();
    m_commands->Refresh();
}
