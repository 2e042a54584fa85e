#include "app/menus/OptionsMenu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "app/CMainFrame.h"
#include "app/CMidiSetupDlg.h"
#include "app/Languages.h"
#include "editor/qt/CQuillsong3View.h"
#include "playback/SoundEngine.h"

OptionsMenu::OptionsMenu(QMenuBar& bar, CMainFrame& frame)
    : QObject(&bar), m_frame(frame), m_menu(bar.addMenu(tr("&Options"))) {
    QMenu* language = m_menu->addMenu(tr("&Language"));
    auto* group = new QActionGroup(language);
    // Each language is named in itself, so a user who cannot read the other
    // one still finds the way back.
    m_english = language->addAction(QStringLiteral("&English"));
    m_chinese = language->addAction(QStringLiteral("繁體中文 (&C)"));
    for (QAction* action : {m_english, m_chinese}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    connect(m_english, &QAction::triggered, this, [this] { ChooseLanguage(Languages::kEnglish); });
    connect(m_chinese, &QAction::triggered, this,
            [this] { ChooseLanguage(Languages::kTraditionalChinese); });
    m_menu->addSeparator();
    m_midiSetup = m_menu->addAction(tr("&MIDI Setup..."));
    connect(m_midiSetup, &QAction::triggered, this, &OptionsMenu::MidiSetup);
    connect(m_menu, &QMenu::aboutToShow, this, &OptionsMenu::Refresh);
    Refresh();
}

QAction* OptionsMenu::LanguageAction(int lang) const {
    return lang == Languages::kTraditionalChinese ? m_chinese : m_english;
}

void OptionsMenu::Refresh() {
    const bool idle = !SoundEngine::Instance().IsActive();
    for (QAction* action : {m_english, m_chinese, m_midiSetup}) {
        action->setEnabled(idle);
    }
    LanguageAction(Languages::Current())->setChecked(true);
}

void OptionsMenu::ChooseLanguage(int lang) {
    if (lang != Languages::Current()) {
        emit LanguageChosen(lang);
    }
}

void OptionsMenu::MidiSetup() {
    if (SoundEngine::Instance().IsActive()) {
        return;
    }
    m_frame.View().CloseEditors(true);
    CMidiSetupDlg dialog(m_frame.MessagePrompt(), &m_frame);
    dialog.exec();
}
