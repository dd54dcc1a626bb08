#pragma once

#include "core/SettingsKeys.h"
#include "filelist/FileList.h"
#include "support/ExpectedBatch.h"
#include "support/Files.h"
#include "support/Substitutes.h"
#include "support/TestEnvironment.h"
#include "support/WidgetLookup.h"
#include "ui/MainWindow.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>

// One shown main window per test, working in a temporary folder, with its
// own settings, message boxes recorded instead of shown, and documents and
// sounds recorded instead of opened and played.
class MainWindowFixture
{
public:
    // Opens the window as if an earlier run had left the working folder and
    // `stored` (key, value, key, value...); an open window is closed first.
    void open(const QStringList& stored = {})
    {
        window.reset();
        box = {};
        shell = {};
        sound = {};
        settings.clear();
        QFile::remove(file(QStringLiteral("doit.pro")));
        QFile::remove(file(QStringLiteral("config.pro")));
        storeSetting(kettwerk::settings::kWorkingFolder, m_folder.path());
        // The user's own config.pro defines the mapkeys the tests name.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QVERIFY(writeBytes(m_home.filePath(QStringLiteral("config.pro")), kDefinedMapkeys));
        for (qsizetype i = 0; i + 1 < stored.size(); i += 2)
            storeSetting(stored.at(i), stored.at(i + 1));
        window.reset(new kettwerk::ui::MainWindow);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    template <typename T = QWidget> T* find(const char* n) { return control<T>(window.get(), n); }
    void press(const char* name) { click(find(name)); }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    QString file(const QString& name) const { return m_folder.filePath(name); }
    QString folder() const { return m_folder.path(); }
    kettwerk::BatchJob& job() { return window->job(); }
    kettwerk::FileList& files() { return window->fileList(); }
    QStringList messages() const { return box.texts; }
    // Opens the file list's menu with a right click near the list's left edge.
    void openMenu() { QTest::mouseClick(list()->viewport(), Qt::RightButton, {}, QPoint(20, 5)); }
    QListView* list() { return find<QListView>("List_File1"); }

    // Opens the mapkey window, types `names` and presses OK.
    void enterMapkeys(const QString& names)
    {
        press("cmd_mapkey");
        auto* field = control<QLineEdit>(openWindow("frm_mapkeyneu"), "txt_mapkeyname");
        field->clear();
        QTest::keyClicks(field, names);
        click(control<QPushButton>(openWindow("frm_mapkeyneu"), "cmd_mapkeyok"));
    }

    // Closed as the user closes it, then deleted.
    static void closeAndDelete(QWidget* shown) { shown->close(), delete shown; }
    std::unique_ptr<kettwerk::ui::MainWindow, void (*)(QWidget*)> window{nullptr, &closeAndDelete};
    RecordingMessageBox box; // questions are answered with box.answer
    RecordingShell shell;
    SilentSound sound;
    TestSettings settings;

private:
    Installed<kettwerk::platform::Shell> m_shellInstalled{&shell};
    Installed<kettwerk::ui::Sound> m_soundInstalled{&sound};
    Installed<kettwerk::ui::MessageBox> m_recording{&box};
    QTemporaryDir m_home;
    QTemporaryDir m_folder;
};
