#pragma once

#include <QWidget>

#include <functional>

class QTimer;

namespace kettwerk::ui {

// The notice "ok" after doit.pro was written: tells where to load the file,
// plays the completion sound and closes itself after four seconds. Modeless;
// created when shown and destroyed when closed.
class CompletionWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCloseAfterMs = 4000;

    // `batchFilePath` is asked when "Datei editieren" is pressed, so that the
    // working folder of that moment counts.
    CompletionWindow(std::function<QString()> batchFilePath, QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void img_fertig_Click();
    void img_ex6_Click();
    void cmd_edit_Click();

    std::function<QString()> m_batchFilePath;
    QTimer* m_timer = nullptr; // Timer1
};

} // namespace kettwerk::ui
