#pragma once

#include <QRect>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace kettwerk::ui {

// frm_help, "Kettwerk Info": how the tool is used, the text of the mapkey
// "auto", and the contact address as a link that opens a new e-mail.
// Modeless and without an owner window; created when shown and destroyed
// when closed, so that each opening shows the text as designed.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // The window opens this far right of and below the main window's corner.
    static constexpr int kOffsetTwips = 400;

    // `ownerFrame` is the main window's outer geometry at the time of loading.
    explicit HelpWindow(const QRect& ownerFrame, QWidget* parent = nullptr);

    // The usage text, each of its lines ending in CR LF.
    static QString usageText();
    static QString contactAddress();

    // Opens `Path` (a document, program or address) with the program the
    // system associates with it; true when the system reports success.
    // The verb and the show command are those of the Windows shell; the
    // system's opener here knows only "open" in a normal window, so other
    // values are accepted and have no effect.
    static bool ShellExec(const QString& Path, int WindowStyle = 1,
                          const QString& Operation = QStringLiteral("open"));

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmd_ok = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label6 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void cmd_ok_Click();
    void Label6_Click();

    QRect m_ownerFrame;
};

} // namespace kettwerk::ui
