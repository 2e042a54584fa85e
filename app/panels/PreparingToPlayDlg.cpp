#include "app/panels/PreparingToPlayDlg.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/TransportEngine.h"

namespace {

constexpr int kBarWidth = 260;

}  // namespace

PreparingToPlayDlg::PreparingToPlayDlg(TransportEngine& engine, Song* song, QWidget* parent)
    : QDialog(parent),
      m_engine(engine),
      m_song(song),
      m_bar(new QProgressBar(this)),
      m_timer(new QTimer(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowTitle(QStringLiteral("Quillsong"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Preparing to play music ..."), this));
    m_bar->setRange(0, PlayPreparationProgress::kMaximum);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setMinimumWidth(kBarWidth);
    layout->addWidget(m_bar);
    m_timer->setInterval(PlayPreparationProgress::kTickMs);
    connect(m_timer, &QTimer::timeout, this, &PreparingToPlayDlg::Tick);
}

void PreparingToPlayDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (std::exchange(m_started, true)) {
        return;
    }
    m_timer->start();
    m_engine.Play(m_song);
}

void PreparingToPlayDlg::Tick() {
    if (m_progress.Tick(m_engine.IsPreparing())) {
        m_bar->setValue(m_progress.Position());
        return;
    }
    m_timer->stop();
    accept();
}
