#pragma once

#include <QFrame>

class QListView;
class QStringListModel;

namespace kettwerk::ui {

// Frame3, the file-list panel. Below its visible area lies the selection,
// the names handed over for composition, which the user never sees.
class FileListPanel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 6255;
    static constexpr int kHeightTwips = 4335;

    explicit FileListPanel(QWidget* parent);

    QListView* List_Selection = nullptr;
    QStringListModel* selectionModel = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kettwerk::ui
