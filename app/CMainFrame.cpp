#include "app/CMainFrame.h"

#include <QMenuBar>

#include "app/CQuillsong3Doc.h"
#include "app/menus/EditMenu.h"
#include "app/menus/PlayMenu.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/ScoreToolBar.h"

namespace {

constexpr int kInitialWidth = 1280;
constexpr int kInitialHeight = 860;

}  // namespace

CMainFrame::CMainFrame(CQuillsong3Doc& document)
    : m_document(document),
      m_prompt(this),
      m_view(new CQuillsong3View(m_prompt, this)),
      m_toolBar(new ScoreToolBar(this)),
      m_editMenu(new EditMenu(*menuBar(), document)),
      m_playMenu(new PlayMenu(*menuBar(), document)) {
    setWindowTitle(QStringLiteral("Quillsong"));
    setCentralWidget(m_view);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    resize(kInitialWidth, kInitialHeight);
    connect(m_playMenu, &PlayMenu::PlayingChanged, this, [this] { m_editMenu->Refresh(); });
    m_document.Attach(this, 0);
    ShowSong();
    m_view->setFocus();
}

CMainFrame::~CMainFrame() {
    m_document.Detach(this, 0);
}

void CMainFrame::Update(Subject* /*subject*/, int /*aspect*/) {
    ShowSong();
}

void CMainFrame::ShowSong() {
    m_view->SetSong(m_document.GetSong());
    m_editMenu->Refresh();
}
