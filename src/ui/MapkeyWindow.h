#pragma once

#include <QWidget>

class QLineEdit;

namespace kettwerk::ui {

// frm_mapkeyneu, "Mapkey ausführen": the user types the names of mapkeys that
// are already defined in Pro/ENGINEER. Modeless; created when first shown and
// destroyed when closed. OK hands the names on and closes the window.
class MapkeyWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens with `names`, the names entered last.
    MapkeyWindow(const QString& names, QWidget* owner);

    QString mapkeyNames() const;

Q_SIGNALS:
    // OK was pressed with these names; the window closes right after.
    void namesEntered(const QString& names);

private:
    void buildHint();
    void onOkClicked();

    QLineEdit* m_namesField = nullptr;
};

} // namespace kettwerk::ui
