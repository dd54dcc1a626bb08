#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace kettwerk::ui {

class BlockField;
class ClickableImage;

// Frame1, the construction panel: the blocks a batch is joined from, as
// editable texts, with a search-and-replace over the function block. Its OK
// composes a batch from the edited function block.
class ConstructionPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ConstructionPanel(QWidget* parent);

    BlockField* txt_kopf = nullptr;
    BlockField* txt_open = nullptr;
    BlockField* txt_individ = nullptr;
    BlockField* txt_end = nullptr;
    QLineEdit* txt_ers1 = nullptr;
    QLineEdit* txt_ers2 = nullptr;

Q_SIGNALS:
    // OK: compose with the panel's function block.
    void composeRequested(const QString& functionBlock);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void cmd_individ_Click();
    void cmd_cancel_Click();
    void img_ex1_Click();
    void cmd_replace_Click();
};

} // namespace kettwerk::ui
