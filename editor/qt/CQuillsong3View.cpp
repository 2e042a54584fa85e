#include "editor/qt/CQuillsong3View.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

#include "editor/EditorMessages.h"
#include "editor/PlaybackFollow.h"
#include "editor/ScoreHitTest.h"
#include "editor/ScoreKeys.h"
#include "editor/ScorePainter.h"
#include "editor/ToolsManager.h"
#include "editor/UndoManager.h"
#include "editor/qt/PopupMenus.h"
#include "editor/qt/QtDeviceContext.h"
#include "editor/qt/QtFontCache.h"
#include "editor/qt/SelectorList.h"
#include "editor/qt/TextBoxField.h"
#include "editor/qt/ToolCursors.h"
#include "editor/tools/Tool.h"
#include "model/FloatingCombo.h"
#include "model/FloatingText.h"
#include "model/SelObject.h"
#include "model/Song.h"
#include "platform/Prompt.h"
#include "platform/StartupClock.h"
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

long long NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
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
    m_textEditing.Abandon();
    m_selectorEditing.Abandon();
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
    // The controls of the old song may already be deleted.
    m_textEditing.Abandon();
    m_selectorEditing.Abandon();
    RemoveField();
    RemoveList();
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
    // The zoom may have changed since the mapping was made: the extent must
    // be the new zoom's, or the scroll bars keep the old size.
    UpdateMapping();
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
    PlaceEditors();
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

void CQuillsong3View::OpenEditField(FloatingText& box) {
    // The click that opens a field has selected its box, which committed
    // any field before; whatever is still open goes now.
    CloseEditors(true);
    const FloatingText::Style& style = box.GetStyle();
    const Qt::Alignment alignment = style.alignment == FloatingText::AlignRight ? Qt::AlignRight
                                    : style.alignment == FloatingText::AlignCentre
                                        ? Qt::AlignHCenter
                                        : Qt::AlignLeft;
    m_textEditing.Begin(box);
    m_field = new TextBoxField(
        viewport(), [this](TextBoxEditing::Key key) { return m_textEditing.Press(key); },
        [this] {
            RemoveField();
            m_textEditing.Cancel();
        });
    QPalette palette = m_field->palette();
    const Color ink = style.normalColor;
    palette.setColor(QPalette::Text, QColor(ink.red, ink.green, ink.blue));
    m_field->setPalette(palette);
    m_field->Open(QString::fromStdString(box.GetText()), DeviceRect(box.GetRect()),
                  ScaledFont(box.GetNormalFont()), alignment);
}

void CQuillsong3View::OpenDropDown(FloatingCombo& combo) {
    CloseEditors(true);
    QStringList items;
    for (int i = 0; i < combo.ItemCount(); ++i) {
        items << QString::fromStdString(combo.ItemText(i));
    }
    m_selectorEditing.Begin(combo);
    m_list = new SelectorList(viewport(), [this](int row) {
        RemoveList();
        m_selectorEditing.Close(row);
    });
    m_list->Open(items, combo.GetIndex(), ListArea(combo), ScaledFont(combo.ListFont()));
}

void CQuillsong3View::CloseEditors(bool commit) {
    if (m_textEditing.IsOpen()) {
        const std::string text = m_field ? m_field->text().toStdString() : std::string();
        RemoveField();
        if (commit) {
            m_textEditing.Commit(text);
        } else {
            m_textEditing.Abandon();
        }
    }
    if (m_selectorEditing.IsOpen()) {
        RemoveList();
        if (commit) {
            m_selectorEditing.Commit();
        } else {
            m_selectorEditing.Abandon();
        }
    }
    RemoveField();
    RemoveList();
}

void CQuillsong3View::CommitDeselected() {
    if (m_textEditing.MustCommit()) {
        const std::string text = m_field ? m_field->text().toStdString() : std::string();
        RemoveField();
        m_textEditing.Commit(text);
    }
    if (m_selectorEditing.MustCommit()) {
        RemoveList();
        m_selectorEditing.Commit();
    }
}

void CQuillsong3View::RemoveField() {
    if (!m_field) {
        return;
    }
    const bool hadFocus = m_field->hasFocus();
    m_field->hide();
    m_field->deleteLater();
    m_field = nullptr;
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
}

void CQuillsong3View::RemoveList() {
    if (!m_list) {
        return;
    }
    const bool hadFocus = m_list->hasFocus();
    m_list->hide();
    m_list->deleteLater();
    m_list = nullptr;
    if (hadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
}

void CQuillsong3View::PlaceEditors() {
    if (m_field && m_textEditing.IsOpen()) {
        m_field->Place(DeviceRect(m_textEditing.Box()->GetRect()));
    }
    if (m_list && m_selectorEditing.IsOpen()) {
        m_list->setGeometry(ListArea(*m_selectorEditing.Combo()));
    }
}

QRect CQuillsong3View::ListArea(const FloatingCombo& combo) const {
    const Size minimum = combo.DropDownMinimum();
    QRect area = DeviceRect(combo.GetRect());
    area.setWidth(std::max({area.width(), minimum.width, SelectorList::kMinimumWidth}));
    area.setHeight(std::max(area.height(), minimum.height));
    // Near the window's right or bottom edge the list opens leftwards or
    // upwards rather than being cut off.
    const QRect visible = viewport()->rect();
    area.moveRight(std::min(area.right(), visible.right()));
    area.moveBottom(std::min(area.bottom(), visible.bottom()));
    area.moveLeft(std::max(area.left(), visible.left()));
    area.moveTop(std::max(area.top(), visible.top()));
    return area;
}

QRect CQuillsong3View::DeviceRect(const Rect& logical) const {
    const Point topLeft = m_mapping.ToDevice(Point{logical.left, logical.top});
    const Point bottomRight = m_mapping.ToDevice(Point{logical.right, logical.bottom});
    return QRect(QPoint(topLeft.x, topLeft.y), QPoint(bottomRight.x - 1, bottomRight.y - 1));
}

QFont CQuillsong3View::ScaledFont(const FontSpec& font) const {
    // The cache sizes a font in score units; on screen it takes the zoom's
    // scale, in points so that the size need not round to a whole pixel.
    QFont scaled = QtFontCache::Instance().Get(font).font;
    const double pixels = scaled.pixelSize() * m_mapping.Scale();
    scaled.setPointSizeF(std::max(1.0, pixels * 72.0 / logicalDpiY()));
    return scaled;
}

bool CQuillsong3View::EditFieldOpen() const {
    const std::vector<SelObject*>& selection = ToolsManager::Instance().Selection();
    return m_field && m_textEditing.IsOpen() && selection.size() == 1 &&
           selection.front() == m_textEditing.Box();
}

void CQuillsong3View::CopyFromEditField() {
    if (m_field) {
        m_field->copy();
    }
}

void CQuillsong3View::PasteIntoEditField() {
    if (m_field) {
        m_field->paste();
    }
}

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
        CommitDeselected();
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
    const QRect shown = device.intersected(viewport()->rect());
    viewport()->update(shown);
    m_askedToRepaint = m_askedToRepaint.united(shown);
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
    m_prompt.Show(SoundEngine::ErrorText(SoundEngine::Instance().ErrorCode()), messages::kError,
                  Prompt::ErrorIcon);
}

void CQuillsong3View::paintEvent(QPaintEvent* event) {
    // Deselections the view was not told of (a silent clear) commit here.
    CommitDeselected();
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
    if (!std::exchange(m_painted, true) && m_song != nullptr) {
        StartupClock::Report("first score painted");
    }
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
    m_space.MouseDown();
    if (IsPlaying() || m_song == nullptr) {
        return;
    }
    // A click on the page is a click away from an open field (it covers its
    // box): the text goes in before the click edits anything, so an edit
    // that deletes the box (a longer note swallowing a syllable) comes after.
    CloseEditors(true);
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
    m_askedToRepaint = QRect();
    ToolsManager::Instance().EffectiveTool().OnLButtonUp(*this, FlagsOf(event->modifiers()),
                                                         ToLogicalPoint(event->position()));
    RepaintDirty();
    // A slider records its drag when it is drawn neither selected nor
    // hovered: draw what the release changed now, before the next pointer
    // move hovers the slider again.
    if (!m_askedToRepaint.isEmpty()) {
        viewport()->repaint(m_askedToRepaint);
    }
    UpdatePointer();
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
                m_space.Press(NowMs());
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
        if (m_space.Release(NowMs()) && m_playHandler) {
            m_playHandler();
        }
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
