#pragma once

#include <QWidget>

class QLineEdit;

namespace kettwerk::platform {
class SettingsStore;
}

namespace kettwerk::ui {

// "Mapkey ausführen": the user types the names of mapkeys that are already
// defined in Pro/ENGINEER. Modeless; created when first shown and destroyed
// when closed. OK stores the names and hands them to the main window.
class MapkeyWindow : public QWidget
{
    Q_OBJECT
public:
    MapkeyWindow(platform::SettingsStore& settings, QWidget* owner);

    QString mapkeyNames() const;

Q_SIGNALS:
    // OK was pressed with these names; the window closes right after.
    void namesEntered(const QString& names);

private:
    void Form_Load();
    void cmd_mapkeyok_Click();

    platform::SettingsStore& m_settings;
    QLineEdit* m_names = nullptr; // txt_mapkeyname
};

} // namespace kettwerk::ui
