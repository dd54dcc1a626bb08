#pragma once

#include <QRect>
#include <QWidget>

class QLabel;

namespace kettwerk::ui {

// "Kettwerk Info": how the tool is used, the text of the mapkey
// "auto", and the contact address as a link that opens a new e-mail.
// Modeless and without an owner window; created when shown and destroyed
// when closed, so that each opening shows the text as designed.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // `ownerFrame` is the main window's outer geometry at the time of loading.
    explicit HelpWindow(const QRect& ownerFrame, QWidget* parent = nullptr);

    // The usage text, each of its lines ending in CR LF.
    static QString usageText();
    static QString contactAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openContactMail();

    QLabel* m_contactLink = nullptr;
};

} // namespace kettwerk::ui
