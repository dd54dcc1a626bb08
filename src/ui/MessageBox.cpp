#include "MessageBox.h"

#include <QMessageBox>

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
};

} // namespace

MessageBox& MessageBox::system()
{
    static WindowMessageBox box;
    return box;
}

} // namespace kettwerk::ui
