#include "editor/qt/CQuillsong3View.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "editor/PlaybackFollow.h"
#include "editor/ScoreHitTest.h"
#include "editor/ScoreKeys.h"
#include "editor/ScorePainter.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/PopupMenus.h"
#include "editor/qt/QtDeviceContext.h"
#include "editor/qt/ToolCursors.h"
#include "editor/tools/Tool.h"
#include "model/SelObject.h"
#include "model/Song.h"
#include "platform/Prompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "playback/SoundEngine.h"

namespace {

constexpr int kLineStep = 20;
// A repainted area grows by this many pixels on each side: antialiased
// edges reach into the next pixel.
constexpr int kRepaintMargin = 2;

QRect ToQRect(const Rect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

}  // namespace

CQuillsong3View::CQuillsong3View(Prompt& prompt, QWidget* parent)
    : QAbstractScrollArea(parent), m_prompt(prompt), m_recorder(UndoManager::Instance()) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(kLineStep);
    verticalScrollBar()->setSingleStep(kLineStep);
    m_recorder.SetRepaintListener([this] { RepaintDirty(); });
    ToolsManager::Instance().Attach(this, 0);
    SoundEngine& engine = SoundEngine::Instance();
    for (const int aspect : {0, 4, 5, 3, 1}) {
        engine.Attach(this, aspect);
    }
    SelObject::SetScoreWindow(this);
    UpdateMapping();
    UpdatePointer();
}

CQuillsong3View::~CQuillsong3View() {
    SoundEngine& engine = SoundEngine::Instance();
    // The playback thread may be notifying us; it must be gone first.
    engine.Stop();
    engine.WaitUntilStopped();
    for (const int aspect : {0, 4, 5, 3, 1}) {
        engine.Detach(this, aspect);
    }
    ToolsManager::Instance().Detach(this, 0);
    if (SelObject::GetScoreWindow() == this) {
        SelObject::SetScoreWindow(nullptr);
    }
}

void CQuillsong3View::SetSong(Song* song) {
    m_song = song;
    if (m_song != nullptr) {
        m_recorder.Watch(*m_song);
        m_song->Attach(this, 9);
    }
    ToolsManager::Instance().ClearDirtyRects();
    UpdateScrollSizes();
    RedrawAll();
}

void CQuillsong3View::RedrawAll() {
    viewport()->update();
}

void CQuillsong3View::UpdateScrollSizes() {
    const Size extent = m_mapping.ExtentFor(ScorePainter::PageCount());
    const QSize visible = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, extent.width - visible.width()));
    h->setPageStep(visible.width());
    v->setRange(0, std::max(0, extent.height - visible.height()));
    v->setPageStep(visible.height());
    UpdateMapping();
}

void CQuillsong3View::ApplyZoom() {
    const QSize visible = viewport()->size();
    const Point centre = ToLogicalPoint(QPointF(visible.width() / 2.0, visible.height() / 2.0));
    ToolsManager::Instance().ClearSelection(true);
    UpdateMapping();
    UpdateScrollSizes();
    const QPoint device = ToDevicePoint(centre);
    const Point scroll = ScrollPosition();
    ScrollTo({scroll.x + device.x() - visible.width() / 2,
              scroll.y + device.y() - visible.height() / 2});
    RedrawAll();
}

void CQuillsong3View::UpdateMapping() {
    m_mapping = ViewMapping(logicalDpiX(), ToolsManager::Instance().Zoom(),
                            {horizontalScrollBar()->value(), verticalScrollBar()->value()});
}

QPoint CQuillsong3View::ToDevicePoint(Point logical) const {
    const Point device = m_mapping.ToDevice(logical);
    return {device.x, device.y};
}

Point CQuillsong3View::ToLogicalPoint(QPointF device) const {
    return m_mapping.ToLogical(
        Point{static_cast<int>(std::floor(device.x())), static_cast<int>(std::floor(device.y()))});
}

SelObject* CQuillsong3View::HitTest(Point at) {
    return m_song != nullptr ? ScoreHitTest::Find(*m_song, at) : nullptr;
}

void CQuillsong3View::OpenPopupMenu(std::string_view name, Point at) {
    QMenu menu(this);
    PopupMenus::Fill(menu, name, m_commandHandler);
    const QString title = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (m_popupHook) {
        m_popupHook(title, menu);
        return;
    }
    menu.exec(viewport()->mapToGlobal(ToDevicePoint(at)));
}

void CQuillsong3View::OpenEditField(FloatingText& /*box*/) {
    // Text boxes are edited in place once their edit field exists; until
    // then a click selects the box and nothing more.
}

void CQuillsong3View::OpenDropDown(FloatingCombo& /*combo*/) {
    // As for text boxes: the drop-down list comes with the selectors' editing.
}

bool CQuillsong3View::EditFieldOpen() const {
    return false;
}

void CQuillsong3View::CopyFromEditField() {}

void CQuillsong3View::PasteIntoEditField() {}

Point CQuillsong3View::ScrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CQuillsong3View::ScrollTo(Point device) {
    horizontalScrollBar()->setValue(device.x);
    verticalScrollBar()->setValue(device.y);
    UpdateMapping();
}

Size CQuillsong3View::ToDevice(Size logical) const {
    return m_mapping.ToDevice(logical);
}

bool CQuillsong3View::IsPlaying() const {
    return SoundEngine::Instance().IsActive();
}

void CQuillsong3View::Update(Subject* subject, int aspect) {
    if (subject == &SoundEngine::Instance()) {
        OnEngineNotification(aspect);
        return;
    }
    if (subject == &ToolsManager::Instance()) {
        if (!IsPlaying()) {
            RepaintDirty();
        }
        return;
    }
    if (aspect == 9) {
        UpdateScrollSizes();
        RedrawAll();
    }
}

void CQuillsong3View::OnEngineNotification(int aspect) {
    // May run on the playback thread: only post.
    switch (aspect) {
        case SoundEngine::BeatAspect:
            PostOnce(m_followPosted, &CQuillsong3View::FollowPlayback);
            break;
        case SoundEngine::ErrorAspect:
            PostOnce(m_errorPosted, &CQuillsong3View::ShowPlaybackError);
            break;
        case SoundEngine::StartAspect:
            break;
        case SoundEngine::EndAspect:
            PostOnce(m_endPosted, &CQuillsong3View::PlaybackEnded);
            break;
        default:
            PostOnce(m_repaintPosted, &CQuillsong3View::RepaintDirty);
            break;
    }
}

void CQuillsong3View::PostOnce(std::atomic<bool>& pending, void (CQuillsong3View::*work)()) {
    if (pending.exchange(true, std::memory_order_acq_rel)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, &pending, work] {
            pending.store(false, std::memory_order_release);
            (this->*work)();
        },
        Qt::QueuedConnection);
}

void CQuillsong3View::RepaintDirty() {
    std::vector<Rect> areas = ToolsManager::Instance().TakeDirtyRects();
    for (const Rect& r : m_recorder.TakeRepaintAreas()) {
        areas.push_back(r);
    }
    if (areas.empty()) {
        return;
    }
    Rect all = areas.front();
    for (const Rect& r : areas) {
        all = all.United(r);
    }
    const QRect device =
        ToQRect(m_mapping.ToDevice(all))
            .adjusted(-kRepaintMargin, -kRepaintMargin, kRepaintMargin, kRepaintMargin);
    viewport()->update(device.intersected(viewport()->rect()));
}

void CQuillsong3View::FollowPlayback() {
    const SoundEngine& engine = SoundEngine::Instance();
    if (m_song == nullptr || !engine.IsActive()) {
        return;
    }
    const Rect area = PlaybackFollow::PlayingArea(*m_song, engine.CurrentBar());
    if (area.IsEmpty()) {
        return;
    }
    const QSize visible = viewport()->size();
    const Point target = PlaybackFollow::ScrollToShow(
        m_mapping.ToDevice(area), {visible.width(), visible.height()}, ScrollPosition());
    if (target.x != ScrollPosition().x || target.y != ScrollPosition().y) {
        ScrollTo(target);
    }
    RepaintDirty();
}

void CQuillsong3View::PlaybackEnded() {
    RepaintDirty();
    UpdatePointer();
}

void CQuillsong3View::ShowPlaybackError() {
    m_prompt.Show(SoundEngine::ErrorText(SoundEngine::Instance().ErrorCode()), "Error",
                  Prompt::ErrorIcon);
}

void CQuillsong3View::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const Point scroll = m_mapping.Scroll();
    painter.translate(-scroll.x, -scroll.y);
    painter.scale(m_mapping.Scale(), m_mapping.Scale());
    const QRect r = event->rect();
    const Rect clip = m_mapping.ToLogical(Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    QtDeviceContext dc(painter, clip, false);
    ScorePainter::PaintScreen(dc, m_song, ScorePainter::PageCount());
}

void CQuillsong3View::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollSizes();
}

void CQuillsong3View::scrollContentsBy(int /*dx*/, int /*dy*/) {
    UpdateMapping();
    viewport()->update();
}

unsigned CQuillsong3View::FlagsOf(Qt::KeyboardModifiers modifiers) {
    unsigned flags = 0;
    if (modifiers & Qt::ControlModifier) {
        flags |= Tool::Control;
    }
    if (modifiers & Qt::ShiftModifier) {
        flags |= Tool::Shift;
    }
    return flags;
}

void CQuillsong3View::mousePressEvent(QMouseEvent* event) {
    if (IsPlaying() || m_song == nullptr) {
        return;
    }
    const Point at = ToLogicalPoint(event->position());
    const unsigned flags = FlagsOf(event->modifiers());
    Tool& tool = ToolsManager::Instance().EffectiveTool();
    if (event->button() == Qt::LeftButton) {
        tool.OnLButtonDown(*this, flags, at);
    } else if (event->button() == Qt::RightButton) {
        tool.OnLButtonUp(*this, flags, at);
        tool.OnRButtonDown(*this, flags, at);
    }
    AfterToolEvent();
}

void CQuillsong3View::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CQuillsong3View::mouseReleaseEvent(QMouseEvent* event) {
    // A release always reaches the tool, so a drag never stays open.
    if (event->button() != Qt::LeftButton || m_song == nullptr) {
        return;
    }
    ToolsManager::Instance().EffectiveTool().OnLButtonUp(*this, FlagsOf(event->modifiers()),
                                                         ToLogicalPoint(event->position()));
    AfterToolEvent();
}

void CQuillsong3View::mouseMoveEvent(QMouseEvent* event) {
    if (IsPlaying() || m_song == nullptr) {
        return;
    }
    ToolsManager::Instance().EffectiveTool().OnMouseMove(*this, FlagsOf(event->modifiers()),
                                                         ToLogicalPoint(event->position()));
    AfterToolEvent();
}

void CQuillsong3View::AfterToolEvent() {
    RepaintDirty();
    UpdatePointer();
}

void CQuillsong3View::keyPressEvent(QKeyEvent* event) {
    ToolsManager& tools = ToolsManager::Instance();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
        case Qt::Key_Left:
            h->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return;
        case Qt::Key_Right:
            h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return;
        case Qt::Key_Up:
            v->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return;
        case Qt::Key_Down:
            v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return;
        case Qt::Key_PageUp:
            v->triggerAction(QAbstractSlider::SliderPageStepSub);
            return;
        case Qt::Key_PageDown:
            v->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return;
        case Qt::Key_Home:
            ScrollTo({0, 0});
            return;
        case Qt::Key_End:
            ScrollTo({h->maximum(), v->maximum()});
            return;
        case Qt::Key_Delete:
            if (m_commandHandler) {
                m_commandHandler(CommandId::DeleteKey);
            }
            return;
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) {
                tools.SetToolOverride(true);
                UpdatePointer();
            }
            return;
        default:
            break;
    }
    const QString text = event->text();
    // The keys tell the tool manager's observers (the tool bar, this view).
    if (text.size() == 1 && ScoreKeys::Press(text.at(0).toLatin1())) {
        UpdatePointer();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CQuillsong3View::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        ToolsManager::Instance().SetToolOverride(false);
        UpdatePointer();
        return;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

bool CQuillsong3View::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Leave && !IsPlaying()) {
        ToolsManager::Instance().SetHover(nullptr);
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CQuillsong3View::UpdatePointer() {
    const ToolsManager& tools = ToolsManager::Instance();
    viewport()->setCursor(ToolCursors::For(tools.ToolOverride() ? ToolCursors::Navigate
                                           : IsPlaying()        ? ToolCursors::Playing
                                                                : tools.ToolIndex()));
}
