#include "app/crash/CrashReport.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
constexpr const char* kCaption = QT_TRANSLATE_NOOP("CrashReport", "Crash Report");
constexpr const char* kMessage = QT_TRANSLATE_NOOP(
    "CrashReport",
    "Quillsong crashed due to programming error.\n\nWould you like to report this bug to "
    "Fernwick?\nThis can help us to improve this software. Thanks!");
constexpr const char* kAttach =
    QT_TRANSLATE_NOOP("CrashReport", "Please attach this file to your report:");
constexpr const char* kReport = QT_TRANSLATE_NOOP("CrashReport", "Report bug");
constexpr const char* kQuit = QT_TRANSLATE_NOOP("CrashReport", "Quit");

QLabel* Label(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}
}  // namespace

CrashReport::CrashReport(const QString& dumpPath, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr(kCaption));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QVBoxLayout;
    text->addWidget(Label(tr(kMessage), "message", this));
    if (!dumpPath.isEmpty()) {
        text->addSpacing(8);
        text->addWidget(Label(tr(kAttach), "attach", this));
        QLabel* path = Label(dumpPath, "dumpPath", this);
        // So it can be copied into a mail or a bug tracker's form.
        path->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->addWidget(path);
    }

    m_report = new QPushButton(tr(kReport), this);
    m_report->setDefault(true);
    m_quit = new QPushButton(tr(kQuit), this);
    m_quit->setAutoDefault(false);
    connect(m_report, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_quit, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_report);
    buttons->addWidget(m_quit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}
