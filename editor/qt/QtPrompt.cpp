#include "editor/qt/QtPrompt.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon ToQt(Prompt::Icon icon) {
    switch (icon) {
        case Prompt::ErrorIcon:
            return QMessageBox::Critical;
        case Prompt::WarningIcon:
            return QMessageBox::Warning;
        case Prompt::InformationIcon:
            return QMessageBox::Information;
        case Prompt::QuestionIcon:
            return QMessageBox::Question;
        case Prompt::NoIcon:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Prompt::Buttons buttons) {
    switch (buttons) {
        case Prompt::YesNoButtons:
        case Prompt::YesNoDefaultNoButtons:
            return QMessageBox::Yes | QMessageBox::No;
        case Prompt::YesNoCancelButtons:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Prompt::SaveDiscardCancelButtons:
            return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        case Prompt::OkButton:
            break;
    }
    return QMessageBox::Ok;
}

}  // namespace

Prompt::Answer QtPrompt::Ask(const std::string& text, const std::string& caption, Buttons buttons,
                             Icon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(caption), QString::fromStdString(text),
                    ToQt(buttons), m_parent);
    if (buttons == YesNoDefaultNoButtons) {
        box.setDefaultButton(QMessageBox::No);
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
        case QMessageBox::Save:
            return Yes;
        case QMessageBox::No:
        case QMessageBox::Discard:
            return No;
        case QMessageBox::Cancel:
            return Cancel;
        default:
            return Ok;
    }
}
