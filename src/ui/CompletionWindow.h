#pragma once

#include <QWidget>

#include <functional>

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
    // working folder of that moment counts. With `followRun`, a button
    // "Lauf verfolgen" calls it: the batch keeps a progress log.
    CompletionWindow(std::function<QString()> batchFilePath, std::function<void()> followRun,
                     QWidget* owner);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void editBatchFile();

    std::function<QString()> m_batchFilePath;
};

} // namespace kettwerk::ui
