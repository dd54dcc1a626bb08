#include "ui/MessageBox.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kettwerk::ui {
namespace {

class WindowMessageBox final : public MessageBox
{
public:
    void inform(QWidget* parent, const QString& text) override
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kettwerk"), text, QMessageBox::Ok,
                        parent);
        box.exec();
    }

    bool ask(QWidget* parent, const QString& text, bool yesByDefault) override
    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kettwerk"), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("kettwerk::ui::MessageBox", "Ja"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("kettwerk::ui::MessageBox", "Nein"));
        box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
};

} // namespace

void inform(QWidget* parent, const QString& text)
{
    MessageBox::instance().inform(parent, text);
}

bool ask(QWidget* parent, const QString& text, bool yesByDefault)
{
    return MessageBox::instance().ask(parent, text, yesByDefault);
}

MessageBox& MessageBox::system()
{
    static WindowMessageBox box;
    return box;
}

} // namespace kettwerk::ui
