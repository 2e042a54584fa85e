#pragma once

#include <QWidget>

class CommandActions;
class ImageButton;
class Prompt;
class QComboBox;

// The navigation panel: Zoom Out, the zoom box and Zoom In. The box lists
// "50%" to "200%" and takes a typed number on Enter (ZoomBoxForm's rules);
// a chosen zoom is stored, the score view is laid out and redrawn and gets
// the keyboard focus. The buttons run the editor's Zoom Out and Zoom In
// commands. Nothing here is usable while music plays, as with the View
// menu's zoom items.
class NavigationPanel : public QWidget {
    Q_OBJECT

public:
    // The commands (and through them the view and the document) and the
    // prompt outlive the panel.
    NavigationPanel(CommandActions& commands, Prompt& prompt, QWidget* parent = nullptr);

    ImageButton& ZoomOutButton() const { return *m_zoomOut; }
    ImageButton& ZoomInButton() const { return *m_zoomIn; }
    QComboBox& ZoomBox() const { return *m_box; }

    // Shows the zoom (unless the user is typing another) and what is usable.
    void Refresh();

private:
    void BuildControls();
    void ShowZoom(int zoom);
    void Choose(int index);
    void Enter();
    void SetZoom(int zoom);
    void RunZoomCommand(bool zoomIn);

    CommandActions& m_commands;
    Prompt& m_prompt;
    ImageButton* m_zoomOut;
    QComboBox* m_box;
    ImageButton* m_zoomIn;
    int m_lastShown = 0;
};
