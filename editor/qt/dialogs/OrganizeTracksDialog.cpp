#include "editor/qt/dialogs/OrganizeTracksDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/qt/dialogs/DialogParts.h"

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("OrganizeTracksDialog", "Organize Tracks");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("OrganizeTracksDialog", "&Tracks:");
constexpr const char* kUp = QT_TRANSLATE_NOOP("OrganizeTracksDialog", "&Up");
constexpr const char* kDown = QT_TRANSLATE_NOOP("OrganizeTracksDialog", "&Down");
}  // namespace

OrganizeTracksDialog::OrganizeTracksDialog(Song& song, Prompt& prompt, UndoManager& history,
                                           QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_history(history), m_form(song) {
    setWindowTitle(tr(kCaption));
    m_tracks = DialogParts::List(m_form.Items(), m_form.Chosen(), this);
    m_tracks->setObjectName(QStringLiteral("tracks"));
    auto* up = new QPushButton(tr(kUp), this);
    up->setObjectName(QStringLiteral("up"));
    auto* down = new QPushButton(tr(kDown), this);
    down->setObjectName(QStringLiteral("down"));
    // Enter closes the dialog even right after a move: Space repeats one.
    up->setAutoDefault(false);
    down->setAutoDefault(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(up, &QPushButton::clicked, this, [this] { Move(true); });
    connect(down, &QPushButton::clicked, this, [this] { Move(false); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* moves = new QVBoxLayout;
    moves->addWidget(up);
    moves->addWidget(down);
    moves->addStretch();
    auto* body = new QHBoxLayout;
    body->addWidget(m_tracks);
    body->addLayout(moves);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DialogParts::Label(tr(kTrackLabel), m_tracks, this));
    layout->addLayout(body);
    layout->addWidget(buttons);
}

void OrganizeTracksDialog::Move(bool up) {
    m_form.Choose(DialogParts::ChosenRow(*m_tracks));
    if (up ? m_form.MoveUp(m_prompt) : m_form.MoveDown(m_prompt)) {
        DialogParts::Refill(*m_tracks, m_form.Items(), m_form.Chosen());
    }
}

void OrganizeTracksDialog::done(int /*result*/) {
    // The moves are already on the song: OK, Escape and closing the window all
    // keep them, so the menu must record and redraw whenever one was made.
    QDialog::done(m_form.Finish(m_history) ? Accepted : Rejected);
}
