#pragma once

#include <QFrame>

namespace kettwerk::ui {

// kontextmenue, the small menu that pops up over the file list on a right
// click: paste, mark all or none, clear, single entry, suffixes, browser.
// It only reports which button was pressed; the file-list panel acts.
class MenuPanel : public QFrame
{
    Q_OBJECT
public:
    explicit MenuPanel(QWidget* parent);

Q_SIGNALS:
    void pasteClicked();
    void markAllClicked();
    void unmarkAllClicked();
    void clearClicked();
    void singleEntryClicked();
    void appendSuffixClicked(const QString& suffix);
    void stripSuffixClicked(const QString& suffix);
    void browserClicked();
    void quitClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kettwerk::ui
