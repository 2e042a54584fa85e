#pragma once

#include <QAbstractScrollArea>
#include <QPointer>
#include <atomic>
#include <functional>

#include "editor/ChangeRecorder.h"
#include "editor/SelectorEditing.h"
#include "editor/SpaceKeyGesture.h"
#include "editor/TextBoxEditing.h"
#include "editor/ViewMapping.h"
#include "editor/commands/CommandId.h"
#include "model/Observer.h"
#include "model/ScoreWindow.h"

struct FontSpec;
class Prompt;
class QMenu;
class SelectorList;
class Song;
class TextBoxField;
class Tool;

// The score view: shows the song as A4 pages side by side on the desk at the
// tool manager's zoom, repaints only what changed, hands mouse events to the
// effective editing tool in score units, records each completed edit in the
// undo history and follows the playing bar. While a text box or a selector
// is edited, an edit field or a drop-down list stands over it; it commits
// when the control is deselected. Lives on the user-interface
// thread; notifications that arrive from playback threads are posted to it
// and coalesced, never handled there.
class CQuillsong3View : public QAbstractScrollArea, public ScoreWindow, public Observer {
    Q_OBJECT

public:
    // Messages go through the prompt, which must outlive the view.
    CQuillsong3View(Prompt& prompt, QWidget* parent = nullptr);
    ~CQuillsong3View() override;

    // Shows the song (not owned; null: none), watches its edits and lays out
    // the scroll bars. The caller records the base undo entry. An edit field
    // or list still open closes without touching its control, which may be
    // gone with the old song.
    void SetSong(Song* song);
    // Ends any editing on the page before a command runs: with commit the
    // edit field's text goes to its box and a chosen item to its selector
    // (each one undo entry when it changes something); without, both close
    // and leave their controls as they were. The selection stays.
    void CloseEditors(bool commit);
    // Lets the view answer code 10 with an undo record (after SetSong).
    ChangeRecorder& Recorder() { return m_recorder; }

    // The zoom changed in the tool manager: lay out the scroll bars again
    // and repaint, keeping the centre of the view where it was.
    void ApplyZoom();
    QPoint ToDevicePoint(Point logical) const;
    Point ToLogicalPoint(QPointF device) const;
    const ViewMapping& Mapping() const { return m_mapping; }

    // Runs the commands of the pop-up menus and the Delete key (null: none).
    void SetCommandHandler(std::function<void(CommandId)> handler) {
        m_commandHandler = std::move(handler);
    }

    // Runs Play/Pause when the space bar is tapped on the score (held, it
    // drags the page instead); null: the tap does nothing.
    void SetPlayHandler(std::function<void()> handler) { m_playHandler = std::move(handler); }

    // Called with every pop-up menu's name before it opens, so tests can
    // answer instead of a person (null: open the menu).
    void SetPopupHook(std::function<void(const QString&, QMenu&)> hook) {
        m_popupHook = std::move(hook);
    }

    // ScoreWindow
    Song* GetSong() const override { return m_song; }
    SelObject* HitTest(Point at) override;
    void OpenPopupMenu(std::string_view name, Point at) override;
    void OpenEditField(FloatingText& box) override;
    void OpenDropDown(FloatingCombo& combo) override;
    Point ScrollPosition() const override;
    void ScrollTo(Point device) override;
    Size ToDevice(Size logical) const override;
    void UpdateScrollSizes() override;
    void RedrawAll() override;
    bool EditFieldOpen() const override;
    void CopyFromEditField() override;
    void PasteIntoEditField() override;

    // Observer: the tool manager, the sound engine and the song.
    void Update(Subject* subject, int aspect) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateMapping();
    // Repaints the union of the areas the model and the tools marked.
    void RepaintDirty();
    // Commits the edit field or list whose control is no longer selected.
    void CommitDeselected();
    // Takes the edit field or list off the screen (deleted later) and gives
    // the focus back to the view when it had it.
    void RemoveField();
    void RemoveList();
    // Keeps the open field or list over its control after scrolling.
    void PlaceEditors();
    QRect DeviceRect(const Rect& logical) const;
    // Over the selector, at least its minimum size, inside the window.
    QRect ListArea(const FloatingCombo& combo) const;
    QFont ScaledFont(const FontSpec& font) const;
    void AfterToolEvent();
    void UpdatePointer();
    void FollowPlayback();
    void PlaybackEnded();
    void ShowPlaybackError();
    void OnEngineNotification(int aspect);
    // Runs the member on the user-interface thread once, however often it
    // is asked before it runs.
    void PostOnce(std::atomic<bool>& pending, void (CQuillsong3View::*work)());
    bool IsPlaying() const;
    static unsigned FlagsOf(Qt::KeyboardModifiers modifiers);

    Prompt& m_prompt;
    Song* m_song = nullptr;
    ViewMapping m_mapping;
    ChangeRecorder m_recorder;
    TextBoxEditing m_textEditing{*this};
    SelectorEditing m_selectorEditing{*this};
    QPointer<TextBoxField> m_field;
    QPointer<SelectorList> m_list;
    // What RepaintDirty asked for since a mouse release began.
    QRect m_askedToRepaint;
    std::function<void(const QString&, QMenu&)> m_popupHook;
    std::function<void(CommandId)> m_commandHandler;
    std::function<void()> m_playHandler;
    SpaceKeyGesture m_space;
    bool m_painted = false;
    std::atomic<bool> m_repaintPosted{false};
    std::atomic<bool> m_followPosted{false};
    std::atomic<bool> m_errorPosted{false};
    std::atomic<bool> m_endPosted{false};
};
