#pragma once

#include <QDialog>
#include <QString>

class QPushButton;

// The "Crash Report" dialog shown after the program crashed: says so, names
// the dump file for the user to attach when there is one, and offers "Report
// bug" (the default; accepts the dialog) and "Quit" (rejects it). What
// reporting means is the caller's to do.
class CrashReport : public QDialog {
    Q_OBJECT

public:
    // An empty path: no dump could be written, and none is named.
    explicit CrashReport(const QString& dumpPath, QWidget* parent = nullptr);

    QPushButton* ReportButton() const { return m_report; }
    QPushButton* QuitButton() const { return m_quit; }

private:
    QPushButton* m_report;
    QPushButton* m_quit;
};
