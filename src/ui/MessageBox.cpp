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

void inform(QWidget* parent, const QString& text)
{
    constexpr qsizetype kMostLines = 20;
    QStringList lines = text.split(u'\n');
    if (lines.size() > kMostLines + 1) {
        const qsizetype more = lines.size() - kMostLines;
        lines.resize(kMostLines);
        lines.append(QStringLiteral("… und %1 weitere").arg(more));
    }
    MessageBox::instance().inform(parent, lines.join(u'\n'));
}

MessageBox& MessageBox::system()
{
    static WindowMessageBox box;
    return box;
}

} // namespace kettwerk::ui
