#include "app/panels/NavigationPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include "app/CQuillsong3Doc.h"
#include "app/menus/CommandActions.h"
#include "editor/ToolsManager.h"
#include "editor/ZoomBoxForm.h"
#include "editor/commands/EditorCommands.h"
#include "editor/qt/CQuillsong3View.h"
#include "editor/qt/PanelIcons.h"
#include "playback/SoundEngine.h"
#include "widgets/ImageButton.h"

namespace {

constexpr int kBoxWidth = 80;

ImageButton* Button(PanelIcons::Picture picture, QWidget* parent) {
    auto* button = new ImageButton(QSize(PanelIcons::kSize, PanelIcons::kSize), parent);
    button->SetImages({PanelIcons::For(picture, PanelIcons::Up),
                       PanelIcons::For(picture, PanelIcons::Pressed),
                       PanelIcons::For(picture, PanelIcons::Focused),
                       PanelIcons::For(picture, PanelIcons::Disabled)});
    return button;
}

}  // namespace

NavigationPanel::NavigationPanel(CommandActions& commands, Prompt& prompt, QWidget* parent)
    : QWidget(parent), m_commands(commands), m_prompt(prompt) {
    BuildControls();
    connect(m_zoomOut, &ImageButton::clicked, this, [this] { RunZoomCommand(false); });
    connect(m_zoomIn, &ImageButton::clicked, this, [this] { RunZoomCommand(true); });
    connect(m_box, &QComboBox::activated, this, &NavigationPanel::Choose);
    connect(m_box->lineEdit(), &QLineEdit::returnPressed, this, &NavigationPanel::Enter);
    // Zooms from the menus and keys show in the box.
    connect(&m_commands, &CommandActions::CommandDone, this, &NavigationPanel::Refresh);
    Refresh();
}

void NavigationPanel::BuildControls() {
    m_zoomOut = Button(PanelIcons::ZoomOut, this);
    m_zoomIn = Button(PanelIcons::ZoomIn, this);
    m_zoomOut->setToolTip(tr("Zoom Out"));
    m_zoomIn->setToolTip(tr("Zoom In"));
    m_box = new QComboBox(this);
    m_box->setEditable(true);
    m_box->setInsertPolicy(QComboBox::NoInsert);
    m_box->setFixedWidth(kBoxWidth);
    m_box->setToolTip(tr("Zoom"));
    m_box->setMaxVisibleItems(static_cast<int>(ZoomBoxForm::Items().size()));
    for (const std::string& item : ZoomBoxForm::Items()) {
        m_box->addItem(QString::fromStdString(item));
    }
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(3);
    row->addWidget(m_zoomOut);
    row->addWidget(m_box);
    row->addWidget(m_zoomIn);
}

void NavigationPanel::Refresh() {
    const int zoom = ToolsManager::Instance().Zoom();
    if (ZoomBoxForm::ShouldShow(m_box->hasFocus(), zoom, m_lastShown)) {
        ShowZoom(zoom);
    }
    const Song* song = m_commands.Document().GetSong();
    const bool playing = SoundEngine::Instance().IsActive();
    m_zoomOut->setEnabled(EditorCommands::IsEnabled(CommandId::ZoomOut, song, playing));
    m_zoomIn->setEnabled(EditorCommands::IsEnabled(CommandId::ZoomIn, song, playing));
    m_box->setEnabled(!playing);
}

void NavigationPanel::ShowZoom(int zoom) {
    const QString text = QString::fromStdString(ZoomBoxForm::Text(zoom));
    // The list opens on the zoom shown, when it is one of its items.
    const int item = m_box->findText(text);
    if (item >= 0) {
        m_box->setCurrentIndex(item);
    }
    m_box->setEditText(text);
    m_lastShown = zoom;
}

void NavigationPanel::Choose(int index) {
    SetZoom(ZoomBoxForm::Read(m_box->itemText(index).toStdString()));
}

void NavigationPanel::Enter() {
    const std::optional<int> zoom =
        ZoomBoxForm::Enter(m_box->currentText().toStdString(), m_prompt);
    if (zoom) {
        SetZoom(*zoom);
        return;
    }
    ShowZoom(ToolsManager::Instance().Zoom());
    m_box->lineEdit()->selectAll();
}

void NavigationPanel::SetZoom(int zoom) {
    CQuillsong3View& view = m_commands.View();
    view.CloseEditors(true);
    ZoomBoxForm::Apply(view, zoom);
    view.setFocus(Qt::OtherFocusReason);
    m_commands.Refresh();
    Refresh();
}

void NavigationPanel::RunZoomCommand(bool zoomIn) {
    m_commands.Run(zoomIn ? CommandId::ZoomIn : CommandId::ZoomOut);
    m_commands.View().setFocus(Qt::OtherFocusReason);
    Refresh();
}
