#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kettwerk {
class BatchJob;
}

namespace kettwerk::ui {

class ClickableImage;
class ExplanationLabel;

// Frame4, the bar along the bottom of the main window: the working folder,
// the config.pro button, the login name, the status line and the exit image.
// The folder field shows the job's working folder and hands every edit to it.
class BottomBar : public QGroupBox
{
    Q_OBJECT
public:
    BottomBar(BatchJob& job, QWidget* parent);

    // The output folder chooser's choice: the field shows it, and so it
    // becomes the job's working folder.
    void showWorkingFolder(const QString& folder);
    void setLoginName(const QString& name);
    // Replaces the whole status line.
    void showStatus(const QString& text);
    void explainControls(ExplanationLabel& explanation);
    // The working folder field, where the keyboard enters the bar.
    QWidget* firstTabStop() const;

Q_SIGNALS:
    void headingClicked();
    void installAutoClicked();
    void exitClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BatchJob& m_job;
    QLabel* m_heading = nullptr;
    QLineEdit* m_folderField = nullptr;
    QPushButton* m_installAutoButton = nullptr;
    QLabel* m_loginLabel = nullptr;
    QLineEdit* m_statusLine = nullptr;
    ClickableImage* m_exitImage = nullptr;
};

} // namespace kettwerk::ui
