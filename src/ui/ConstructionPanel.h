#pragma once

#include <QFrame>

class QLineEdit;

namespace kettwerk {
class BatchJob;
}

namespace kettwerk::ui {

class BlockField;

// Frame1, the construction panel: the blocks a batch is made of, as editable
// texts, with a search-and-replace over the function block. Every edit goes
// straight into the job. OK asks for a batch with the panel's function block.
class ConstructionPanel : public QFrame
{
    Q_OBJECT
public:
    ConstructionPanel(BatchJob& job, QWidget* parent);

Q_SIGNALS:
    // OK: compose with the job's function block.
    void composeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildSearchAndReplace();
    void onReplaceClicked();

    BatchJob& m_job;
    BlockField* m_functionBlockField = nullptr;
    QLineEdit* m_searchField = nullptr;
    QLineEdit* m_replacementField = nullptr;
};

} // namespace kettwerk::ui
